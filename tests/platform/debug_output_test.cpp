#include "platform/debug_output.h"

#include <gtest/gtest.h>
#include <thread>

#include "temp_dir.h"

using namespace kvilo::platform;
using kvilo::testing::ScopedEnv;

TEST(DebugOutput, CaptureReadsTheLinesBack) {
    ScopedDebugCapture capture;
    DebugOutput("[cJSON] one");
    DebugOutput("two");
    EXPECT_EQ(capture.Lines(), (std::vector<std::string>{"[cJSON] one", "two"}));
    capture.Clear();
    EXPECT_TRUE(capture.Lines().empty());
}

TEST(DebugOutput, NestedCapturesRestoreTheOuterOne) {
    ScopedDebugCapture outer;
    {
        ScopedDebugCapture inner;
        DebugOutput("inner");
        EXPECT_EQ(inner.Lines().size(), 1u);
    }
    DebugOutput("outer");
    EXPECT_EQ(outer.Lines(), std::vector<std::string>{"outer"});
}

TEST(DebugOutput, StandardErrorOnlyWithKviloDebug) {
    {
        ScopedEnv off("KVILO_DEBUG", nullptr);
        ::testing::internal::CaptureStderr();
        DebugOutput("hidden");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }
    {
        ScopedEnv on("KVILO_DEBUG", "1");
        ::testing::internal::CaptureStderr();
        DebugOutput("[libcurl] shown");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "[libcurl] shown\n");
    }
    {
        ScopedEnv other("KVILO_DEBUG", "0");
        ::testing::internal::CaptureStderr();
        DebugOutput("hidden");
        EXPECT_EQ(::testing::internal::GetCapturedStderr(), "");
    }
}

TEST(DebugOutput, SafeFromManyThreads) {
    ScopedDebugCapture capture;
    std::vector<std::thread> threads;
    for (int t = 0; t < 4; ++t)
        threads.emplace_back([t] {
            for (int i = 0; i < 200; ++i)
                DebugOutput("thread " + std::to_string(t));
        });
    for (auto& thread : threads)
        thread.join();
    EXPECT_EQ(capture.Lines().size(), 800u);
}
