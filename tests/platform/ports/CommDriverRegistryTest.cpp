#include "platform/ports/CommDriverRegistry.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <memory>
#include <string>

#include "platform/os/LastError.h"

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

}  // namespace
