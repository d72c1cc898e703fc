#include "tools/probe/ProgressLine.h"

#include <gtest/gtest.h>

namespace {

// Whatever the names, the line stays narrower than the terminal, never splits a character
// and carries no control character of a device's name to the terminal.
TEST(ProgressLineTest, FitsAnyWidthWithWhatMattersFirst) {
    CThread::Probing probing;
    probing.portName = "COM12";
    probing.device = "/dev/serial/by-id/usb-\xe5\x8f\xb0\xe6\xb9\xbe_\x1b[2J\x1b]0;owned\x07_if00";
    probing.baud = 115200;
    probing.probe = 3;
    probing.probes = 40;
    const std::string whole = ProgressLine::Compose(probing, true, 0);
    EXPECT_EQ(whole.find('\x1b'), std::string::npos);
    EXPECT_EQ(whole.find('\x07'), std::string::npos);
    for (int columns = 1; columns <= 140; ++columns) {
        const std::string line = ProgressLine::Compose(probing, true, columns);
        EXPECT_LT(ProgressLine::Columns(line), std::max(columns, 2)) << columns << ": " << line;
        EXPECT_EQ(ProgressLine::Fit(line, 0), line) << "a character was split at " << columns;
    }
    EXPECT_EQ(ProgressLine::Compose(probing, true, 70),
              "Searching COM12 at 115200 baud (probe 3 of 40, about 87 s left)...");
    EXPECT_EQ(ProgressLine::Columns("\xe5\x8f\xb0\xe6\xb9\xbe"), 4);  // two wide characters
    EXPECT_EQ(ProgressLine::Fit("\xe5\x8f\xb0\xe6\xb9\xbe"
                                "abc",
                                5),
              "\xe5\x8f\xb0...");
}

}  // namespace
