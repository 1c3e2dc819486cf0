#include "core/shell/screen_keyboard.h"

#include <unistd.h>

#include "platform/launcher.h"
#include "platform/os_text.h"
#include "platform/os_version.h"
#include "platform/special_folders.h"

namespace kvilo::shell {
namespace {

// Linux desktops ship one of these instead of a touch keyboard and a classic one. onboard is the usual
// choice on X11 and serves touch screens; the others are the common alternatives.
constexpr const char* kKeyboardPrograms[] = {"onboard", "squeekboard", "florence", "matchbox-keyboard", "xvkbd"};

bool IsExecutable(const std::string& path) {
    return platform::FileExists(path) && access(platform::ToOsText(path).c_str(), X_OK) == 0;
}

} // namespace

std::string ScreenKeyboardProgram(SystemFolders& folders) {
    std::string folder = folders.GetFolder(platform::kFolderSystem);
    if (folders.LastResult() != platform::kFolderOk) return {};
    for (const char* name : kKeyboardPrograms) {
        std::string path = folder + platform::kPathSeparator + name;
        if (IsExecutable(path)) return path;
    }
    return {};
}

void ShowScreenKeyboard() {
    SystemFolders folders;
    ShowScreenKeyboard(folders);
}

void ShowScreenKeyboard(SystemFolders& folders) {
    std::string program = ScreenKeyboardProgram(folders);
    // A keyboard that cannot be started is not worth a message: the user simply sees none appear.
    if (!program.empty()) platform::CurrentLauncher().StartProgram(program, {});
}

bool IsNewerSystem() {
    return platform::IsNewerSystem();
}

} // namespace kvilo::shell
