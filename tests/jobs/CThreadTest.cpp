#include <gtest/gtest.h>

#include "jobs/CThread.h"

TEST(CThreadTest, CreateWithoutEventsStartsNothing) {
    CThread thread;
    EXPECT_FALSE(thread.Create("search", nullptr, nullptr, nullptr));
}
