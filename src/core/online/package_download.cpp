#include "core/online/package_download.h"

#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "core/online/file_checksum.h"
#include "platform/launcher.h"
#include "platform/special_folders.h"
#include "platform/temp_names.h"

namespace kvilo::online {
namespace {

using namespace base::literals;

constexpr size_t kMaxExtensionLength = 8;

bool IsAlphanumeric(char c) {
    return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

// ".deb" from "kvilo_1.1.0_amd64.deb"; empty unless it is a short run of letters and digits.
std::string ExtensionOf(std::string_view name) {
    const size_t dot = name.rfind('.');
    if (dot == std::string_view::npos || dot == 0) return {};
    const std::string_view extension = name.substr(dot);
    if (extension.size() < 2 || extension.size() > kMaxExtensionLength) return {};
    for (char c : extension.substr(1))
        if (!IsAlphanumeric(c)) return {};
    return std::string(extension);
}

void Show(std::string text, framework::MessageIcon icon = framework::MessageIcon::Information) {
    framework::Message message;
    message.caption = "Сообщение"_ansi;
    message.text = std::move(text);
    message.icon = icon;
    framework::ShowMessage(message);
}

} // namespace

http::OutsideAccess PackageAccess(http::OutsideAccess access) {
    access.limits.maxBytes = uint64_t{512} << 20;
    access.limits.totalSeconds = 3600;
    return access;
}

bool InstallAllowed(std::string_view programPath) {
    return platform::IsAbsolutePath(programPath) && !platform::IsNetworkPath(programPath);
}

std::string LinkFileName(std::string_view link) {
    const size_t scheme = link.find("://");
    std::string_view rest = scheme == std::string_view::npos ? link : link.substr(scheme + 3);
    rest = rest.substr(0, rest.find_first_of("?#"));
    const size_t slash = rest.rfind('/');
    if (slash == std::string_view::npos) return {}; // a host alone names no file
    const std::string_view name = rest.substr(slash + 1);
    if (name.empty() || name == "." || name == "..") return {};
    return std::string(name);
}

std::string InstallPackagePath(std::string_view link) {
    std::string extension = ExtensionOf(LinkFileName(link));
    if (extension.empty()) extension = kPackageExtension;
    return platform::TempFolder() + platform::NewGuidName() + extension;
}

PackageOutcome FetchPackage(UpdateMode mode, const std::string& path, const PublishedVersion& published,
                            ProgressControl* progress, const http::OutsideAccess& access,
                            const std::string& programFolder) {
    platform::RemoveFile(path);
    if (platform::FileExists(path)) return PackageOutcome::NoAccess;
    const DownloadResult result = DownloadToFile(published.link, path, progress, PackageAccess(access));
    if (!result.Succeeded()) {
        const bool stopped = access.abort != nullptr && access.abort->load();
        return stopped ? PackageOutcome::Cancelled : PackageOutcome::DownloadFailed;
    }
    // An error page is no package, whatever its size.
    if (!result.Is2xx()) {
        platform::RemoveFile(path);
        return PackageOutcome::DownloadFailed;
    }
    if (!platform::FileExists(path)) return PackageOutcome::Missing;
    if (!published.sha256.empty() && Sha256OfFile(path) != published.sha256) {
        platform::RemoveFile(path);
        return PackageOutcome::ChecksumMismatch;
    }
    if (mode == UpdateMode::SavePackage) return PackageOutcome::Saved;
    return platform::CurrentLauncher().InstallPackage(path, programFolder) ? PackageOutcome::InstallerStarted
                                                                           : PackageOutcome::InstallerFailed;
}

void ReportPackageOutcome(PackageOutcome outcome, const std::string& path) {
    switch (outcome) {
    case PackageOutcome::NoAccess:
        return Show("Нет доступа к файлу: "_ansi + path);
    case PackageOutcome::DownloadFailed:
        return Show("Не удалось выполнить загрузку файла с сервера !"_ansi);
    case PackageOutcome::Missing:
        return Show("Нет доступа к загруженному файлу !"_ansi);
    case PackageOutcome::ChecksumMismatch:
        return Show("Загруженный файл повреждён или подменён: контрольная сумма не совпадает !"_ansi);
    case PackageOutcome::InstallerFailed:
        return Show(
            "Не удалось запустить установку обновления.|Установочный комплект программы загружен|в файл: "_ansi + path);
    case PackageOutcome::Saved:
        return Show("Установочный комплект программы успешно загружен|в файл: "_ansi + path +
                        "||Закройте программу и запустите установку обновления.|"_ansi,
                    framework::MessageIcon::Application);
    case PackageOutcome::InstallerStarted:
    case PackageOutcome::Cancelled:
        return;
    }
}

} // namespace kvilo::online
