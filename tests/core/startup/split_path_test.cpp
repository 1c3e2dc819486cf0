#include "core/startup/split_path.h"

#include <gtest/gtest.h>

namespace kvilo::startup {
namespace {

TEST(SplitPath, SplitsAWindowsStylePathIntoItsFourParts) {
    const char* path = "C:\\Program Files\\Kvilo\\kvilo.exe";
    EXPECT_EQ(SplitPath(path, 1), "C:");
    EXPECT_EQ(SplitPath(path, 2), "\\Program Files\\Kvilo\\");
    EXPECT_EQ(SplitPath(path, 3), "kvilo");
    EXPECT_EQ(SplitPath(path, 4), ".exe");
    EXPECT_EQ(SplitPath(path, 0), ".exe");
}

TEST(SplitPath, APathWithoutDriveHasAnEmptyFirstPart) {
    const char* path = "/opt/kvilo/bin/kvilo";
    EXPECT_EQ(SplitPath(path, 1), "");
    EXPECT_EQ(SplitPath(path, 2), "/opt/kvilo/bin/");
    EXPECT_EQ(SplitPath(path, 3), "kvilo");
    EXPECT_EQ(SplitPath(path, 4), "");
    EXPECT_EQ(SplitPath(path, 1) + SplitPath(path, 2), "/opt/kvilo/bin/");
}

TEST(SplitPath, OnlyTheLastDotOfTheFileNameStartsTheExtension) {
    EXPECT_EQ(SplitPath("/usr/lib/libz.so.1", 3), "libz.so");
    EXPECT_EQ(SplitPath("/usr/lib/libz.so.1", 4), ".1");
    EXPECT_EQ(SplitPath("/home/a.b/kvilo", 3), "kvilo");
    EXPECT_EQ(SplitPath("/home/a.b/kvilo", 4), "");
}

TEST(SplitPath, BlanksAroundThePathAreIgnored) {
    EXPECT_EQ(SplitPath("   /opt/kvilo/zlib1.dll   ", 2), "/opt/kvilo/");
    EXPECT_EQ(SplitPath("   /opt/kvilo/zlib1.dll   ", 4), ".dll");
    EXPECT_EQ(SplitPath("", 3), "");
}

} // namespace
} // namespace kvilo::startup
