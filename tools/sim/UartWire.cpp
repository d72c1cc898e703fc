#include "tools/sim/UartWire.h"

namespace {

constexpr std::uint64_t kBitsPerFrame = 10;
constexpr std::uint64_t kSamplesPerBit = 16;

// The sender's line level in its bit cell k (0 = the first start bit). Times are counted in
// units of 1 / (16 * sentRate * receiveRate) seconds, where both bit lengths are whole numbers.
class SentLine {
  public:
    SentLine(const std::string& bytes, std::uint64_t cellUnits)
        : m_bytes(bytes), m_cellUnits(cellUnits) {}

    std::uint64_t Cells() const { return m_bytes.size() * kBitsPerFrame; }
    std::uint64_t CellUnits() const { return m_cellUnits; }

    int LevelInCell(std::uint64_t cell) const {
        if (cell >= Cells()) {
            return 1;  // idle after the last stop bit
        }
        const std::uint64_t bit = cell % kBitsPerFrame;
        if (bit == 0) {
            return 0;
        }
        if (bit == kBitsPerFrame - 1) {
            return 1;
        }
        const auto byte = static_cast<std::uint8_t>(m_bytes[cell / kBitsPerFrame]);
        return (byte >> (bit - 1)) & 1;
    }

    // A cell boundary belongs to the cell that starts there.
    int LevelAt(std::uint64_t time) const { return LevelInCell(time / m_cellUnits); }

    // The first 1-to-0 edge at or after the time; false when the line stays high.
    bool NextFallingEdge(std::uint64_t from, std::uint64_t& edge) const {
        for (std::uint64_t cell = (from + m_cellUnits - 1) / m_cellUnits; cell < Cells(); ++cell) {
            const int before = cell == 0 ? 1 : LevelInCell(cell - 1);
            if (before == 1 && LevelInCell(cell) == 0) {
                edge = cell * m_cellUnits;
                return true;
            }
        }
        return false;
    }

  private:
    const std::string& m_bytes;
    std::uint64_t m_cellUnits;
};

}  // namespace

std::vector<DecodedByte> UartWire::Receive(const std::string& sent, std::uint32_t sentRate,
                                           std::uint32_t receiveRate) {
    std::vector<DecodedByte> received;
    if (sentRate == 0 || receiveRate == 0) {
        return received;
    }
    const SentLine line(sent, kSamplesPerBit * receiveRate);
    const std::uint64_t sampleUnits = sentRate;  // a 16th of the receiver's bit
    const std::uint64_t receiveCell = kSamplesPerBit * sampleUnits;
    const double nsPerUnit = 1e9 / (static_cast<double>(kSamplesPerBit) * sentRate * receiveRate);

    auto readCell = [&](std::uint64_t start, std::uint64_t cell) {
        const std::uint64_t base = start + cell * receiveCell;
        const int votes = line.LevelAt(base + 7 * sampleUnits) +
                          line.LevelAt(base + 8 * sampleUnits) +
                          line.LevelAt(base + 9 * sampleUnits);
        return votes >= 2 ? 1 : 0;
    };

    std::uint64_t idleFrom = 0;
    std::uint64_t edge = 0;
    while (line.NextFallingEdge(idleFrom, edge)) {
        if (readCell(edge, 0) != 0) {
            idleFrom = edge + 9 * sampleUnits + 1;  // a glitch, not a start bit
            continue;
        }
        DecodedByte byte;
        for (std::uint64_t bit = 0; bit < 8; ++bit) {
            byte.value |= static_cast<std::uint8_t>(readCell(edge, bit + 1) << bit);
        }
        byte.framingError = readCell(edge, kBitsPerFrame - 1) == 0;
        const std::uint64_t stopSampled =
            edge + (kBitsPerFrame - 1) * receiveCell + 9 * sampleUnits;
        byte.doneAtNs = static_cast<std::uint64_t>(static_cast<double>(stopSampled) * nsPerUnit);
        received.push_back(byte);
        idleFrom = stopSampled + 1;
    }
    return received;
}

std::string UartWire::ReceiveBytes(const std::string& sent, std::uint32_t sentRate,
                                   std::uint32_t receiveRate) {
    std::string bytes;
    for (const DecodedByte& byte : Receive(sent, sentRate, receiveRate)) {
        bytes += static_cast<char>(byte.value);
    }
    return bytes;
}

std::uint64_t UartWire::SendingNs(std::size_t bytes, std::uint32_t rate) {
    return rate == 0 ? 0 : bytes * kBitsPerFrame * 1000000000ULL / rate;
}
