#include "serial/PortWatcher.h"

#include <gtest/gtest.h>
#include <unistd.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "platform/os/Event.h"
#include "tests/platform/PtyPair.h"

namespace {

std::string Text(const std::vector<PortWatcher::Change>& changes) {
    std::string text;
    for (const PortWatcher::Change& change : changes) {
        text += (change.arrived ? "+" : "-") + change.port.name + "=" + change.port.path + " ";
    }
    return text;
}

// A port is there while its device is; a name that comes to stand for another device is a
// port that went and one that came, the one that went first.
TEST(PortWatcherTest, ReportsPortsThatComeAndGo) {
    PtyPair first;
    PtyPair second;
    ASSERT_TRUE(first.Ok() && second.Ok());
    char folder[] = "/tmp/port-watcher-XXXXXX";
    ASSERT_NE(mkdtemp(folder), nullptr);
    const std::string link = std::string(folder) + "/adapter";
    const std::string map = "COM1=" + first.Path() + ",COM2=" + link;
    setenv(PortMap::kEnvironmentVariable, map.c_str(), 1);

    PortWatcher watcher;
    EXPECT_EQ(Text(watcher.Poll()), "+COM1=" + first.Path() + " ");
    EXPECT_EQ(Text(watcher.Poll()), "");
    ASSERT_EQ(symlink(second.Path().c_str(), link.c_str()), 0);
    EXPECT_EQ(Text(watcher.Poll()), "+COM2=" + link + " ");
    ASSERT_EQ(watcher.Ports().size(), 2u);
    unlink(link.c_str());
    EXPECT_EQ(Text(watcher.Poll()), "-COM2=" + link + " ");

    setenv(PortMap::kEnvironmentVariable, ("COM1=" + second.Path()).c_str(), 1);
    EXPECT_EQ(Text(watcher.Poll()), "-COM1=" + first.Path() + " +COM1=" + second.Path() + " ");
    unsetenv(PortMap::kEnvironmentVariable);
    rmdir(folder);
}

TEST(PortWatcherTest, WatchHandsOverTheFirstLookAndEndsOnTheStop) {
    PtyPair line;
    ASSERT_TRUE(line.Ok());
    setenv(PortMap::kEnvironmentVariable, ("COM4=" + line.Path()).c_str(), 1);
    platform::Event stop;
    PortWatcher watcher;
    int changes = 0;
    const auto start = std::chrono::steady_clock::now();
    watcher.Watch(stop, [&](const PortWatcher::Change& change) {
        EXPECT_EQ(change.port.name, "COM4");
        ++changes;
        stop.Set();
    });
    EXPECT_EQ(changes, 1);
    EXPECT_LT(std::chrono::steady_clock::now() - start, PortWatcher::kPeriod);
    unsetenv(PortMap::kEnvironmentVariable);
}

}  // namespace
