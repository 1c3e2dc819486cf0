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

    std::vector<Call> opened, started;
    bool answer = true;

private:
    std::mutex mutex_;
    platform::Launcher* previous_;
};

} // namespace kvilo::testing
