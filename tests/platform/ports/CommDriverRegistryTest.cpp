#include "platform/ports/CommDriverRegistry.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>

#include "platform/os/LastError.h"
#include "platform/ports/local/LocalErrors.h"
#include "platform/ports/net/NetworkErrors.h"

namespace {

using platform::CommDriver;
using platform::CommDriverRegistry;
using platform::CommPort;

// A driver that has every device and opens none; which one answered is told by identity.
class StubDriver : public CommDriver {
  public:
    std::unique_ptr<CommPort> Open(const std::string&) override {
        platform::SetLastError(EACCES);
        return nullptr;
    }
    bool Exists(const std::string&) override { return true; }
};

TEST(CommDriverRegistryTest, ANameGoesToTheDriverOfItsPrefixAndNowhereElse) {
    CommDriverRegistry registry;
    auto paths = std::make_shared<StubDriver>();
    auto sockets = std::make_shared<StubDriver>();
    ASSERT_TRUE(registry.Register("/", paths));
    ASSERT_TRUE(registry.Register("socket://", sockets));
    EXPECT_EQ(registry.Find("/dev/ttyUSB0"), paths);
    EXPECT_EQ(registry.Find("socket://host:4001"), sockets);
    EXPECT_EQ(registry.Schemes(), std::vector<std::string>{"socket://"});

    for (const std::string unserved : {"rfc2217://host:4001", "COM1", "", "socket:/x"}) {
        EXPECT_EQ(registry.Find(unserved), nullptr) << unserved;
        EXPECT_FALSE(registry.Exists(unserved)) << unserved;
        platform::SetLastError(0);
        EXPECT_EQ(registry.Open(unserved), nullptr) << unserved;
        EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(ENOENT)) << unserved;
    }
    // What a served name's driver says reaches the caller unchanged.
    EXPECT_TRUE(registry.Exists("socket://host:4001"));
    EXPECT_EQ(registry.Open("/dev/ttyUSB0"), nullptr);
    EXPECT_EQ(platform::GetLastError(), static_cast<std::uint32_t>(EACCES));
}

TEST(CommDriverRegistryTest, APrefixIsAPathOrASchemeAndIsNeverTakenOver) {
    CommDriverRegistry registry;
    auto first = std::make_shared<StubDriver>();
    auto second = std::make_shared<StubDriver>();
    for (const std::string bad :
         {"", "fake", "fake:/", "://", "1fake://", "fa ke://", "fake://x"}) {
        EXPECT_FALSE(registry.Register(bad, first)) << bad;
    }
    EXPECT_FALSE(registry.Register("fake://", nullptr));
    ASSERT_TRUE(registry.Register("fake://", first));
    EXPECT_FALSE(registry.Register("fake://", second));
    EXPECT_EQ(registry.Find("fake://a"), first);
    registry.Unregister("fake://");
    EXPECT_EQ(registry.Find("fake://a"), nullptr);
    EXPECT_TRUE(registry.Register("fake://", second));
    EXPECT_TRUE(registry.Register("rfc2217+tls.v1-x://", first));
}

TEST(CommDriverRegistryTest, TheProcesssTransportsBringTheirErrorTexts) {
    CommDriverRegistry::Process();
    for (const std::uint32_t code :
         {platform::kOwnTerminal, platform::kHostNotFound, platform::kNoComPortOption,
          platform::kSettingNotAcknowledged, platform::kConnectionLost, platform::kNoLineControl,
          platform::kNameLookupTimedOut, platform::kNameLookupFailed, platform::kFlood}) {
        EXPECT_EQ(platform::LastErrorText(code).find("Error 0x"), std::string::npos) << code;
    }
    EXPECT_EQ(platform::LastErrorText(platform::kConnectionLost),
              "The server closed the connection");
    EXPECT_EQ(platform::KindOfError(platform::kConnectionLost), platform::ErrorKind::Gone);
    EXPECT_EQ(platform::KindOfError(platform::kFlood), platform::ErrorKind::Other);
    EXPECT_EQ(platform::LastErrorText(0x2000007F), "Error 0x2000007F");
}

}  // namespace
