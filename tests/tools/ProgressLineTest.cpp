#include "tools/probe/ProgressLine.h"

#include <gtest/gtest.h>

#include <map>

#include "platform/os/Translation.h"

namespace {

// The third probe of forty of COM12 at 115200 baud, on device.
CThread::Probing ThirdOfForty(const std::string& device) {
    CThread::Probing probing;
    probing.portName = "COM12";
    probing.device = device;
    probing.baud = 115200;
    probing.probe = 3;
    probing.probes = 40;
    return probing;
}

// Whatever the names, the line stays narrower than the terminal, never splits a character
// and carries no control character of a device's name to the terminal.
TEST(ProgressLineTest, FitsAnyWidthWithWhatMattersFirst) {
    const CThread::Probing probing =
        ThirdOfForty("/dev/serial/by-id/usb-\xe5\x8f\xb0\xe6\xb9\xbe_\x1b[2J\x1b]0;owned\x07_if00");
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

// Words in another order than the English ones: the line still drops the device, then the
// count, as the terminal narrows, read from the texts as translated.
const char* Reordered(const char*, const char* source) {
    static const std::map<std::string, const char*> texts{
        {"%1 (%2) at %3 baud", "%1 mit %3 Baud (%2)"},
        {"%1 at %2 baud", "%1 mit %2 Baud"},
        {"probe %1 of %2, about %3 s left", "Probe %1/%2: noch %3 s"},
        {"about %1 s left", "noch %1 s"},
        {"Searching %1 (%2)...", "Suche %1 [%2]..."},
    };
    const auto found = texts.find(source);
    return found != texts.end() ? found->second : nullptr;
}

TEST(ProgressLineTest, ATranslatedLineNarrowsAsTheEnglishOneDoes) {
    const CThread::Probing probing = ThirdOfForty("/dev/ttyUSB0");
    platform::Translation::Use(Reordered);
    const std::string whole =
        "Suche COM12 mit 115200 Baud (/dev/ttyUSB0) [Probe 3/40: noch 87 s]...";
    const std::string bare = "Suche COM12 mit 115200 Baud [Probe 3/40: noch 87 s]...";
    const std::string least = "Suche COM12 mit 115200 Baud [noch 87 s]...";
    for (const std::string& line : {whole, bare, least}) {
        EXPECT_EQ(ProgressLine::Compose(probing, true, static_cast<int>(line.size()) + 1), line);
    }
    platform::Translation::Use(nullptr);
}

}  // namespace
