// What only the Windows build has: the system's error texts and kinds, and the port names
// it gives. The serial line itself is tested end to end under Wine (scripts/windows).
#include <windows.h>

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>

#include "platform/os/LastError.h"
#include "platform/ports/CommDriverRegistry.h"
#include "serial/CSerial.h"
#include "serial/PortDiagnosis.h"
#include "serial/PortMap.h"

namespace {

using ::testing::EndsWith;
using ::testing::HasSubstr;

TEST(Win32Test, ErrorsReadAsTheSystemSaysThemAndMeanWhatTheyMeanForAPort) {
    const std::string text = platform::LastErrorText(ERROR_FILE_NOT_FOUND);
    EXPECT_THAT(text, Not(EndsWith(".")));
    EXPECT_THAT(text, Not(HasSubstr("\n")));
    EXPECT_THAT(text, Not(HasSubstr("Error 0x")));
    const CSerial link;  // whose codes read in the program's words, not the system's
    EXPECT_EQ(platform::LastErrorText(SERIAL_E_NO_ROOM), "Not enough room in the output queue");

    _putenv_s("BRINEVANE_PORTS", "COM9=\\\\.\\COM9");
    PortMap::Refresh();
    EXPECT_EQ(PortDiagnosis::OpenFailureCode("COM9", ERROR_ACCESS_DENIED), std::string("in-use"));
    EXPECT_EQ(PortDiagnosis::ExplainOpenFailure("COM9", ERROR_ACCESS_DENIED),
              "COM9 (\\\\.\\COM9) is in use by another program: close it and try again");
    EXPECT_EQ(PortDiagnosis::OpenFailureCode("COM9", ERROR_FILE_NOT_FOUND),
              std::string("not-there"));
    EXPECT_EQ(PortDiagnosis::OpenFailureCode("COM9", ERROR_GEN_FAILURE), std::string("gone"));
    _putenv_s("BRINEVANE_PORTS", "");
}

TEST(Win32Test, DiscoveredPortsKeepTheSystemsNamesAndOnlyDeviceNamesOpen) {
    for (const PortInfo& port : PortMap::Discover().Ports()) {
        EXPECT_EQ(port.path, "\\\\.\\" + port.name);
        EXPECT_TRUE(port.identity.empty()) << port.name;
    }
    auto& registry = platform::CommDriverRegistry::Process();
    EXPECT_EQ(registry.Open("COM1"), nullptr);
    EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ERROR_FILE_NOT_FOUND));
    EXPECT_EQ(PortMap().Resolve("\\\\.\\COM7"), "\\\\.\\COM7");
    EXPECT_EQ(PortMap().Resolve("/dev/ttyS0"), "");
}

}  // namespace
