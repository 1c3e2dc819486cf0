#pragma once
// Records what would have been started or opened, installed for its lifetime.
#include <mutex>
#include <string>
#include <vector>

#include "platform/launcher.h"

namespace kvilo::testing {

class RecordingLauncher : public platform::Launcher {
public:
    struct Call {
        std::string target, parameters, workingFolder;
        std::vector<std::string> arguments;
    };

    RecordingLauncher() : previous_(platform::SetLauncher(this)) {}
    ~RecordingLauncher() override { platform::SetLauncher(previous_); }
    RecordingLauncher(const RecordingLauncher&) = delete;
    RecordingLauncher& operator=(const RecordingLauncher&) = delete;

    bool OpenDocument(const std::string& target, const std::string& parameters,
                      const std::string& workingFolder) override {
        std::lock_guard lock(mutex_);
        opened.push_back({target, parameters, workingFolder, {}});
        return answer;
    }
    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override {
        std::lock_guard lock(mutex_);
        started.push_back({program, {}, {}, arguments});
        return answer;
    }

    bool InstallPackage(const std::string& package, const std::string& programFolder) override {
        std::lock_guard lock(mutex_);
        installed.push_back({package, {}, programFolder, {}});
        return answer;
    }

    std::vector<Call> opened, started, installed;
    bool answer = true;

private:
    std::mutex mutex_;
    platform::Launcher* previous_;
};

} // namespace kvilo::testing
