// The verdict on each port a search found nothing on, from what the product's search unit
// recorded of its line, through the wire model in virtual time.
#include "jobs/PortVerdict.h"

#include <gtest/gtest.h>

#include "tests/support/WireSearch.h"

namespace {

using Pace = SearchUnit::Pace;
using std::chrono::milliseconds;

const char* const kSentence =
    "$GPGGA,123519,4807.038,N,01131.000,E,1,08,0.9,545.4,M,46.9,M,,*47\r\n";

using Port = WireSearch::Port;

// A GPS: its sentences at 4800 baud once a second.
WireSearch::Port Gps(int number) {
    return Port::Talking(number, 4800, kSentence, milliseconds(1000));
}

// A device that streams binary records at 9600 baud without pause.
WireSearch::Port Streamer(int number) {
    return Port::Talking(number, 9600,
                         std::string("\xA5\x5A\x10\x00\x83\xF1\x07\xC2\x19\x00\xFE\x42", 12),
                         milliseconds(15));
}

// A technician's host: nothing on COM1, noise on COM2, the instrument set to 230400 on COM3,
// a GPS on COM4 and a device streaming binary records on COM5. Every port gets the verdict
// that says what is on it, in either search.
TEST(PortVerdictTest, EachPortOfAHostWithoutTheInstrumentSaysWhatIsOnIt) {
    const std::vector<WireSearch::Port> host{Port::Silent(1), Port::Noise(2, 2),
                                             Port::Instrument(3, 230400), Gps(4), Streamer(5)};
    for (const Pace pace : {Pace::PortByPort, Pace::AllAtOnce}) {
        const WireSearch::Result search = WireSearch::Run(host, RatePlan::Order::Fixed, pace);
        ASSERT_EQ(search.port, 0);
        const std::vector<PortVerdict> verdicts = PortVerdict::All(search.record);
        ASSERT_EQ(verdicts.size(), 5U);
        EXPECT_EQ(verdicts[4].code, "noise");
        EXPECT_EQ(verdicts[0].code, "silent");
        EXPECT_EQ(verdicts[1].code, "noise");
        EXPECT_EQ(verdicts[2].code, "rate-not-tried");
        EXPECT_EQ(verdicts[2].detail,
                  "something answers the break, faster than 115200: set the instrument to a rate "
                  "from 1200 to 115200");
        EXPECT_EQ(verdicts[3].code, "other-device");
        EXPECT_EQ(verdicts[3].rate, 4800);
        EXPECT_LE(verdicts[3].heard.size(), 60U);
        EXPECT_NE(verdicts[3].heard.find("$GPGGA,123519"), std::string::npos) << verdicts[3].heard;
        EXPECT_EQ(verdicts[3].detail.rfind("another device answers at 4800 baud and said \"", 0),
                  0U)
            << verdicts[3].detail;
        for (std::size_t i = 0; i < verdicts.size(); ++i) {
            EXPECT_EQ(verdicts[i].portName, "COM" + std::to_string(i + 1));
        }
    }
}

TEST(PortVerdictTest, TheFastSearchTellsTheSameOfTheSameHost) {
    const std::vector<WireSearch::Port> host{Port::Silent(1), Port::Noise(2, 2),
                                             Port::Instrument(3, 230400), Gps(4)};
    for (const Pace pace : {Pace::PortByPort, Pace::AllAtOnce}) {
        const WireSearch::Result search = WireSearch::Run(host, RatePlan::Order::Likeliest, pace);
        const std::vector<PortVerdict> verdicts = PortVerdict::All(search.record);
        ASSERT_EQ(verdicts.size(), 4U);
        EXPECT_EQ(verdicts[0].code, "silent");
        EXPECT_EQ(verdicts[1].code, "noise");
        EXPECT_EQ(verdicts[2].code, "rate-not-tried");
        EXPECT_EQ(verdicts[3].code, "other-device");
        EXPECT_EQ(verdicts[3].rate, 4800);
    }
}

// Noise does not hide an instrument, and a port passed over below the find keeps its verdict.
TEST(PortVerdictTest, AnInstrumentBehindNoiseIsFoundInEitherOrder) {
    for (const RatePlan::Order order : {RatePlan::Order::Fixed, RatePlan::Order::Likeliest}) {
        const WireSearch::Result search = WireSearch::Run(
            {Port::Silent(1), Port::Noise(2, 2, 19200), Port::Silent(3)}, order, Pace::AllAtOnce);
        EXPECT_EQ(search.port, 2);
        const std::vector<PortVerdict> verdicts = PortVerdict::All(search.record);
        ASSERT_EQ(verdicts.size(), 1U);
        EXPECT_EQ(verdicts[0].portName, "COM1");
        EXPECT_EQ(verdicts[0].code, "silent");
    }
}

}  // namespace
