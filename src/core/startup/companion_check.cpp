#include "core/startup/companion_check.h"

#include <cstdio>
#include <vector>

#include "core/startup/split_path.h"
#include "platform/special_folders.h"

namespace kvilo::startup {

using namespace base::literals;

CompanionCheck::CompanionCheck(std::string programPath, VersionInfoReader& reader)
    : programPath_(std::move(programPath)), reader_(reader) {}

bool CompanionCheck::CheckCompanionFile(std::string_view path, int64_t expectedBuild, bool report) {
    uint32_t size = expectedBuild > 0 ? reader_.Size(path) : 0;
    if (size == 0) {
        if (platform::FileExists(path)) return false;
        framework::ShowMessage(MissingCompanionMessage(programPath_, path));
        return true;
    }
    std::vector<uint8_t> info;
    if (!reader_.Read(path, size, info)) {
        if (report) framework::ShowMessage(UnreadableVersionMessage());
        return false;
    }
    base::FixedFileInfo block{};
    uint32_t length = 0;
    if (!QueryRootBlock(info, block, length) || length != sizeof(base::FixedFileInfo) ||
        block.signature != base::kFixedFileInfoSignature)
        return false;
    return CompareBuild(path, static_cast<uint32_t>(expectedBuild), block);
}

bool CompanionCheck::CompareBuild(std::string_view path, uint32_t expectedBuild, const base::FixedFileInfo& block) {
    std::string libraryHex = BuildHex(block.fileVersionLS);
    if (libraryHex == BuildHex(expectedBuild)) return false;
    framework::ShowMessage(LibraryBuildMessage(programPath_, expectedBuild, path, libraryHex));
    return true;
}

std::string BuildHex(uint32_t value) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%08X", static_cast<unsigned>(value));
    return std::string(digits + 4);
}

namespace {

framework::Message InformationMessage(std::string caption, std::string text) {
    framework::Message message;
    message.caption = std::move(caption);
    message.text = std::move(text);
    message.icon = framework::MessageIcon::Information;
    return message;
}

} // namespace

framework::Message BuildMismatchMessage() {
    framework::Message message =
        InformationMessage("Нарушена целостность программы"_ansi, "У нас проблема !     ."_ansi);
    message.buttons = {"  &1. Переустановите программу ! ."_ansi};
    return message;
}

framework::Message MissingCompanionMessage(std::string_view programPath, std::string_view missingPath) {
    std::string text = "Нарушена целостность файлов программы !||В папке из которой запущена программа:|"_ansi;
    text += programPath;
    text += "||";
    text += "Нет файла: "_ansi;
    text += SplitPath(missingPath, 3) + SplitPath(missingPath, 4);
    text += "||";
    text += "Выполните пожалуйста переустановку программы.|"_ansi;
    return InformationMessage("У нас проблема"_ansi, text);
}

framework::Message UnreadableVersionMessage() {
    return InformationMessage("У нас проблема"_ansi, "Ошибка WinGetFileVersionInfo !");
}

framework::Message LibraryBuildMessage(std::string_view programPath, uint32_t expectedBuild,
                                       std::string_view libraryPath, std::string_view libraryBuildHex) {
    std::string text =
        "Нарушена целостность библиотек программы !|Различные версии сборки EXE и DLL файлов программы.||"_ansi;
    text += programPath;
    text += "|Версия: 0x"_ansi + BuildHex(expectedBuild) + "  ( " + std::to_string(expectedBuild) + " )||";
    text += libraryPath;
    text += "|Версия: 0x"_ansi;
    text += libraryBuildHex;
    text += "  ( " + std::to_string(std::stoul(std::string(libraryBuildHex), nullptr, 16)) + " )||";
    text += "Выполните пожалуйста переустановку программы.|"_ansi;
    return InformationMessage("У нас проблема"_ansi, text);
}

framework::Message DataFolderMessage() {
    return InformationMessage("Сообщение"_ansi,
                              "Нет доступа к папке с БД программы Kvilo «Запрос выписки из ЕГРЮЛ / ЕГРИП» !"_ansi);
}

} // namespace kvilo::startup
