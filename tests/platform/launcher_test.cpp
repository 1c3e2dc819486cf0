#include "platform/launcher.h"

#include <chrono>
#include <filesystem>
#include <fstream>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <thread>

#include "recording_launcher.h"
#include "temp_dir.h"

using namespace kvilo::platform;
using kvilo::testing::TempDir;

namespace {

// Waits (up to ten seconds) until `predicate` holds.
template <typename Predicate> bool WaitFor(Predicate predicate) {
    for (int i = 0; i < 1000; ++i) {
        if (predicate()) return true;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    return predicate();
}

std::string FirstLine(const std::string& path) {
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

} // namespace

TEST(Launcher, StartsAProgramWithoutWaitingAndLeavesNoZombie) {
    TempDir dir;
    std::string out = dir / "pid";
    ASSERT_TRUE(
        CurrentLauncher().StartProgram("/bin/sh", {"-c", "echo $$ > " + out + ".tmp && mv " + out + ".tmp " + out}));
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(out); }));
    std::string proc = "/proc/" + FirstLine(out);
    // Once the child ended, its process entry disappears only when somebody has collected it.
    EXPECT_TRUE(WaitFor([&] { return !std::filesystem::exists(proc); })) << proc << " left as a zombie";
}

TEST(Launcher, AMissingProgramIsAFailure) {
    EXPECT_FALSE(CurrentLauncher().StartProgram("/nonexistent/kvilo-keyboard", {}));
    EXPECT_FALSE(CurrentLauncher().StartProgram("kvilo-no-such-program-on-path", {}));
    EXPECT_FALSE(CurrentLauncher().StartProgram("", {}));
    EXPECT_FALSE(CurrentLauncher().OpenDocument("", "", ""));
}

TEST(Launcher, OpeningAProgramRunsItWithItsParametersInTheWorkingFolder) {
    TempDir dir;
    std::string script = dir / "tool.sh";
    std::ofstream(script) << "#!/bin/sh\necho \"$(pwd) $1 $2\" > out.tmp && mv out.tmp out.txt\n";
    chmod(script.c_str(), 0755);
    ASSERT_TRUE(CurrentLauncher().OpenDocument(script, "first  second", dir.path()));
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "out.txt"); }));
    EXPECT_EQ(FirstLine(dir / "out.txt"), std::filesystem::canonical(dir.path()).string() + " first second");
}

TEST(Launcher, APackageGoesToTheDesktopsOpener) {
    TempDir dir;
    const std::string opener = dir / "xdg-open";
    std::ofstream(opener) << "#!/bin/sh\necho \"$@\" > " << dir.path() << "/out.tmp && mv " << dir.path() << "/out.tmp "
                          << dir.path() << "/out.txt\n";
    chmod(opener.c_str(), 0755);
    const std::string searchPath = dir.path() + ":/usr/bin:/bin";
    kvilo::testing::ScopedEnv path("PATH", searchPath.c_str());
    ASSERT_TRUE(CurrentLauncher().InstallPackage("/tmp/kvilo update.deb", "/usr/lib/kvilo/"));
    ASSERT_TRUE(WaitFor([&] { return std::filesystem::exists(dir / "out.txt"); }));
    EXPECT_EQ(FirstLine(dir / "out.txt"), "/tmp/kvilo update.deb");
    EXPECT_FALSE(CurrentLauncher().InstallPackage("", "/usr/lib/kvilo/"));
}

TEST(Launcher, ReplaceableForTests) {
    Launcher* original = &CurrentLauncher();
    {
        kvilo::testing::RecordingLauncher recording;
        EXPECT_TRUE(CurrentLauncher().OpenDocument("https://example.invalid/", "", ""));
        ASSERT_EQ(recording.opened.size(), 1u);
        EXPECT_EQ(recording.opened[0].target, "https://example.invalid/");
    }
    EXPECT_EQ(&CurrentLauncher(), original);
}
