#include "platform/os/Event.h"

#include <gtest/gtest.h>
#ifndef _WIN32
#include <poll.h>
#endif

#include <chrono>
#include <thread>

namespace {

using platform::WaitResult;
using Clock = std::chrono::steady_clock;

long MsSince(Clock::time_point start) {
    return static_cast<long>(
        std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

TEST(EventTest, StaysSetForEveryWaiterUntilReset) {
    platform::Event event;
    EXPECT_EQ(event.Wait(0), WaitResult::Timeout);
    auto start = Clock::now();
    EXPECT_EQ(event.Wait(30), WaitResult::Timeout);
    EXPECT_GE(MsSince(start), 25);
    EXPECT_TRUE(event.Set());
    EXPECT_EQ(event.Wait(0), WaitResult::Signaled);
    EXPECT_EQ(event.Wait(1000), WaitResult::Signaled);
    EXPECT_TRUE(event.Reset());
    EXPECT_EQ(event.Wait(0), WaitResult::Timeout);
}

TEST(EventTest, SetWakesAllWaitersAtOnce) {
    platform::Event event;
    WaitResult results[3] = {WaitResult::Failed, WaitResult::Failed, WaitResult::Failed};
    std::thread waiters[3];
    const auto start = Clock::now();
    for (int i = 0; i < 3; ++i) {
        waiters[i] = std::thread([&, i] { results[i] = event.Wait(10000); });
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    event.Set();
    for (auto& waiter : waiters) {
        waiter.join();
    }
    EXPECT_LT(MsSince(start), 2000);
    for (const WaitResult result : results) {
        EXPECT_EQ(result, WaitResult::Signaled);
    }
}

#ifndef _WIN32
// What a wait on a line together with the event relies on.
TEST(EventTest, ItsDescriptorIsReadableExactlyWhileItIsSet) {
    auto readable = [](int fd) {
        pollfd watched{fd, POLLIN, 0};
        return poll(&watched, 1, 0) == 1 && (watched.revents & POLLIN) != 0;
    };
    platform::Event event;
    const int fd = event.Descriptor();
    ASSERT_GE(fd, 0);
    EXPECT_EQ(event.Descriptor(), fd);
    EXPECT_FALSE(readable(fd));
    event.Set();
    event.Set();
    EXPECT_TRUE(readable(fd));
    EXPECT_TRUE(readable(fd));  // a wait does not consume it
    event.Reset();
    EXPECT_FALSE(readable(fd));
    EXPECT_EQ(event.Wait(0), WaitResult::Timeout);

    platform::Event setFirst;
    setFirst.Set();
    EXPECT_TRUE(readable(setFirst.Descriptor()));
}
#endif

}  // namespace
