#include "platform/os_version.h"

#include <gtest/gtest.h>

using namespace kvilo::platform;

TEST(NewerSystem, Thresholds) {
    EXPECT_FALSE(IsNewerSystem({true, 8}));
    EXPECT_TRUE(IsNewerSystem({true, 9}));
    EXPECT_FALSE(IsNewerSystem({false, 11}));
    EXPECT_TRUE(IsNewerSystem({false, 12}));
    EXPECT_FALSE(IsNewerSystem({false, 9}));
}

TEST(NewerSystem, ThisLinuxCountsAsNewer) {
    OsVersionItems items = CurrentOsVersionItems();
    EXPECT_TRUE(items.flag);
    EXPECT_GE(items.number, 300); // kernel 3.0 or later
    EXPECT_TRUE(IsNewerSystem());
}
