#include "platform/launcher.h"

#include <atomic>
#include <cerrno>
#include <fcntl.h>
#include <spawn.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/os_text.h"

extern char** environ;

namespace kvilo::platform {
namespace {

// A started program is never waited for by the caller; one small thread per child collects its exit status
// so that no zombie is left behind, without touching the process-wide SIGCHLD disposition (Qt owns it).
void ReapInBackground(pid_t pid) {
    std::thread([pid] {
        int status = 0;
        while (waitpid(pid, &status, 0) < 0 && errno == EINTR) {
        }
    }).detach();
}

struct SpawnActions {
    posix_spawn_file_actions_t actions;
    SpawnActions() { posix_spawn_file_actions_init(&actions); }
    ~SpawnActions() { posix_spawn_file_actions_destroy(&actions); }
    SpawnActions(const SpawnActions&) = delete;
    SpawnActions& operator=(const SpawnActions&) = delete;
};

// Starts `program` (searched on PATH when it has no "/") with `arguments`, in `workingFolder` when given.
// glibc reports a program that cannot be executed as a failure of posix_spawnp itself.
bool Spawn(const std::string& program, const std::vector<std::string>& arguments, const std::string& workingFolder) {
    if (program.empty()) return false;
    std::vector<std::string> osArguments;
    osArguments.reserve(arguments.size() + 1);
    osArguments.push_back(ToOsText(program));
    for (const std::string& argument : arguments)
        osArguments.push_back(ToOsText(argument));
    std::vector<char*> argv;
    argv.reserve(osArguments.size() + 1);
    for (std::string& argument : osArguments)
        argv.push_back(argument.data());
    argv.push_back(nullptr);

    SpawnActions actions;
    std::string osFolder = ToOsText(workingFolder);
    if (!osFolder.empty()) posix_spawn_file_actions_addchdir_np(&actions.actions, osFolder.c_str());
    pid_t pid = 0;
    if (posix_spawnp(&pid, argv[0], &actions.actions, nullptr, argv.data(), environ) != 0) return false;
    ReapInBackground(pid);
    return true;
}

bool IsExecutableFile(const std::string& path) {
    std::string os = ToOsText(path);
    struct stat info {};
    return stat(os.c_str(), &info) == 0 && S_ISREG(info.st_mode) && access(os.c_str(), X_OK) == 0;
}

// The parameters of a program opened as a document, split at blanks as a shell would (no quoting).
std::vector<std::string> SplitParameters(const std::string& parameters) {
    std::vector<std::string> parts;
    size_t pos = 0;
    while ((pos = parameters.find_first_not_of(' ', pos)) != std::string::npos) {
        size_t end = parameters.find(' ', pos);
        if (end == std::string::npos) end = parameters.size();
        parts.push_back(parameters.substr(pos, end - pos));
        pos = end;
    }
    return parts;
}

class DefaultLauncher : public Launcher {
public:
    // A program is started with its parameters; anything else (document, folder, web address) goes to the
    // desktop's opener, which chooses the associated application.
    bool OpenDocument(const std::string& target, const std::string& parameters,
                      const std::string& workingFolder) override {
        if (target.empty()) return false;
        if (IsExecutableFile(target)) return Spawn(target, SplitParameters(parameters), workingFolder);
        return Spawn("xdg-open", {target}, workingFolder);
    }

    bool StartProgram(const std::string& program, const std::vector<std::string>& arguments) override {
        return Spawn(program, arguments, {});
    }

    // The desktop opens a package with the package installer it associates with the package type.
    bool InstallPackage(const std::string& package, const std::string&) override {
        return !package.empty() && Spawn("xdg-open", {package}, {});
    }
};

std::atomic<Launcher*> gLauncher{nullptr};

} // namespace

Launcher& CurrentLauncher() {
    static DefaultLauncher defaultLauncher;
    Launcher* launcher = gLauncher.load();
    return launcher != nullptr ? *launcher : defaultLauncher;
}

Launcher* SetLauncher(Launcher* launcher) {
    return gLauncher.exchange(launcher);
}

} // namespace kvilo::platform
