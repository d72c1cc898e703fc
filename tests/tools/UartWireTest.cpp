#include "tools/sim/UartWire.h"

#include <gtest/gtest.h>

namespace {

TEST(UartWireTest, AtEqualRatesEveryByteComesThroughInTime) {
    std::string all;
    for (int byte = 0; byte < 256; ++byte) {
        all += static_cast<char>(byte);
    }
    for (const std::uint32_t rate : {1200u, 9600u, 115200u}) {
        const auto received = UartWire::Receive(all, rate, rate);
        ASSERT_EQ(received.size(), all.size()) << rate;
        EXPECT_EQ(UartWire::ReceiveBytes(all, rate, rate), all);
        EXPECT_FALSE(received[0].framingError);
        // The last byte is had at the middle of its stop bit.
        const double bitNs = 1e9 / rate;
        EXPECT_NEAR(static_cast<double>(received.back().doneAtNs), (256 * 10 - 0.5) * bitNs,
                    bitNs / 8);
    }
}

// Worked by hand, bit by bit. A line feed (0x0A) on the wire: start 0, data 0101 0000 least
// significant first, stop 1.
TEST(UartWireTest, AReceiverAtTwiceTheRateSplitsEachBitInTwo) {
    // Each received cell lies in one half of a sent bit: cells 0 to 9 read sent bits
    // 0 0 1 1 2 2 3 3 4 4, so data 0 0 0 1 1 0 0 1 (0x98) and a stop of 1 (sent bit 4). The
    // fall from sent bit 4 to 5 then starts a second byte: bits 5 5 6 6 7 7 8 8 9 give 0x80.
    const auto received = UartWire::Receive("\n", 9600, 19200);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].value, 0x98);
    EXPECT_EQ(received[1].value, 0x80);
    EXPECT_FALSE(received[0].framingError || received[1].framingError);
}

TEST(UartWireTest, AReceiverAtHalfTheRateTakesEverySecondBit) {
    // Its cells span two sent bits each and vote on the boundary between them: the later
    // bit wins. 0x0A then 0x00: cells take sent bits 1, 3, 5, ..., 19, that is a start of 0,
    // data 0 0 0 1 0 0 0 0 (0x08) and the second frame's stop; the line then idles.
    const auto received = UartWire::Receive(std::string("\n\0", 2), 19200, 9600);
    ASSERT_EQ(received.size(), 1u);
    EXPECT_EQ(received[0].value, 0x08);
    EXPECT_FALSE(received[0].framingError);
}

TEST(UartWireTest, ALowLineAfterAFramingErrorStartsNoByteUntilItRises) {
    // 0x00 sent at 1200 holds the line low for nine bits: a receiver at 9600 reads 0x00 with
    // a framing error, then waits through the rest of the low for the next falling edge.
    const std::string sent("\0\0", 2);
    const auto received = UartWire::Receive(sent, 1200, 9600);
    ASSERT_EQ(received.size(), 2u);
    EXPECT_EQ(received[0].value, 0x00);
    EXPECT_TRUE(received[0].framingError);
    EXPECT_EQ(received[1].value, 0x00);
    EXPECT_GT(received[1].doneAtNs, 10 * 1000000000ULL / 1200);  // in the second frame
}

}  // namespace
