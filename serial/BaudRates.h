#pragma once
#include <array>
#include <cstddef>
#include <cstdint>

// Every line rate the program knows, in one table: the sixteen a port accepts (any other is
// replaced by 9600), and for the eight the search tries, their place in its order. The
// settings page offers the searched ones.
struct BaudRate {
    std::uint32_t rate;
    int searchOrder;  // 1 for the rate tried first; 0 for one the search never tries
};

constexpr BaudRate kBaudRates[] = {{50, 0},    {110, 0},    {300, 0},    {600, 0},
                                   {1200, 6},  {2400, 7},   {4800, 8},   {9600, 1},
                                   {14400, 0}, {19200, 2},  {38400, 3},  {56000, 0},
                                   {57600, 4}, {115200, 5}, {128000, 0}, {256000, 0}};

constexpr std::uint32_t kDefaultBaudRate = 9600;

constexpr bool IsAcceptedRate(std::uint32_t rate) {
    for (const BaudRate& entry : kBaudRates) {
        if (entry.rate == rate) {
            return true;
        }
    }
    return false;
}

constexpr std::size_t kSearchRateCount = 8;

// The searched rates in the order of trial: the common ones first, the slow ones last.
constexpr std::array<std::uint32_t, kSearchRateCount> SearchRates() {
    std::array<std::uint32_t, kSearchRateCount> rates{};
    for (const BaudRate& entry : kBaudRates) {
        if (entry.searchOrder > 0) {
            rates[static_cast<std::size_t>(entry.searchOrder - 1)] = entry.rate;
        }
    }
    return rates;
}
