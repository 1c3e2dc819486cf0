#include "core/shell/shell_open.h"

#include <condition_variable>
#include <mutex>
#include <thread>

#include "base/blank_text.h"
#include "platform/launcher.h"
#include "platform/special_folders.h"

namespace kvilo::shell {
namespace {

// Counts the launches still running, so that the program can let them finish before it ends.
struct PendingOpens {
    std::mutex mutex;
    std::condition_variable finished;
    int running = 0;
};

PendingOpens& Pending() {
    static PendingOpens pending;
    return pending;
}

} // namespace

void ShellOpen(std::string_view file, std::string_view parameters) {
    std::string target(base::Trim(file));
    if (target.empty()) return;
    platform::CurrentLauncher().OpenDocument(target, std::string(base::Trim(parameters)), platform::WorkingFolder());
}

void StartShellOpen(std::string_view file, std::string_view parameters) {
    PendingOpens& pending = Pending();
    {
        std::lock_guard lock(pending.mutex);
        ++pending.running;
    }
    std::thread([file = std::string(file), parameters = std::string(parameters), &pending] {
        ShellOpen(file, parameters);
        std::lock_guard lock(pending.mutex);
        --pending.running;
        pending.finished.notify_all();
    }).detach();
}

void WaitForShellOpens() {
    PendingOpens& pending = Pending();
    std::unique_lock lock(pending.mutex);
    pending.finished.wait(lock, [&] { return pending.running == 0; });
}

} // namespace kvilo::shell
