#pragma once
#include <chrono>
#include <cstdint>
#include <string>
#include <vector>

// What a job is probing now: its host shows it as it is, never a guess.
struct Probing {
    std::string portName;  // "COM2"; empty before the first probe
    std::string device;    // "/dev/ttyUSB0"
    std::int32_t baud = 0;
    int probe = 0;   // this probe, from 1
    int probes = 0;  // the probes the job expects to make in all, as far as it knows
    int atOnce = 1;  // the ports probed at the same time
    // The time the job expects to take yet, as of leftFrom, when it can tell (-1: it cannot):
    // without news it only goes down, as the tries it expects run their course.
    std::int64_t msLeft = -1;
    std::chrono::steady_clock::time_point leftFrom;
    // What is probed when one port and rate would not tell it: "COM1, COM3 at 4800
    // baud; COM2 at 2400 baud". Empty for one port.
    std::string summary;
    // Every rate tried so far and why it was chosen, in order, for a verbose host:
    // "COM1 at 4800 baud: garbage at 9600 points to 4800".
    std::vector<std::string> tries;
};
