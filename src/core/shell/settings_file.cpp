#include "core/shell/settings_file.h"

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "platform/command_line.h"
#include "platform/special_folders.h"

namespace kvilo::shell {
namespace {

using namespace base::literals;

void WarnAboutMissingFolder(const std::string& folder) {
    framework::Message message;
    message.caption = "Внимание !"_ansi;
    message.icon = framework::MessageIcon::Information;
    message.buttons = {"Увидел(а)"_ansi};
    message.text = std::string("Нет доступа к папке хранения файлов с настройками форматов списков программы !|"
                               "Проблемная папка: "_ansi) +
                   folder + "||" +
                   "Для хранения файлов с настройками будет использована рабочая папка ОС Windows.|"_ansi;
    framework::ShowMessage(message);
}

// The folder given on the command line, with its final separator, when it exists; otherwise empty (after
// the warning when one was given).
std::string CommandLineFolder() {
    std::string folder(base::RightTrim(platform::CommandParameter("FPATH")));
    if (folder.empty()) return {};
    if (folder.back() != platform::kPathSeparator) folder += platform::kPathSeparator;
    if (platform::FolderExists(folder)) return folder;
    WarnAboutMissingFolder(folder);
    return {};
}

// Tarvelo/<subfolder>/ under the local data folder, created with its parents when missing.
std::string PerUserFolder(std::string_view subfolderName, SystemFolders& folders) {
    std::string relative =
        "Tarvelo" + std::string(1, platform::kPathSeparator) + std::string(subfolderName) + platform::kPathSeparator;
    std::string folder = JoinedFolderPath(folders, platform::kFolderLocalAppData, relative);
    if (folders.LastResult() != platform::kFolderOk) return {};
    if (!folder.empty() && !platform::FolderExists(folder) && folders.CreateFolder(folder) != platform::kFolderOk)
        return {};
    return folder;
}

} // namespace

std::string ResolveSettingsFile(std::string_view subfolderName) {
    SystemFolders folders;
    return ResolveSettingsFile(subfolderName, folders);
}

std::string ResolveSettingsFile(std::string_view subfolderName, SystemFolders& folders) {
    std::string folder = CommandLineFolder();
    if (folder.empty()) folder = PerUserFolder(subfolderName, folders);
    // The working folder as a full path, so that the file stays the same when the working folder changes
    // later in the run.
    if (folder.empty()) {
        folder = platform::WorkingFolder();
        if (!folder.empty() && folder.back() != platform::kPathSeparator) folder += platform::kPathSeparator;
    }
    return folder + kSettingsFileName;
}

} // namespace kvilo::shell
