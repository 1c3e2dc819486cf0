#include "core/online/update_check.h"

#include <random>

#include "base/cp1251.h"
#include "base/pictures.h"
#include "core/framework/message_presenter.h"
#include "core/online/download_to_file.h"
#include "platform/file.h"
#include "platform/special_folders.h"
#include "platform/temp_names.h"

namespace kvilo::online {

using namespace base::literals;

http::OutsideAccess VersionFileAccess(http::OutsideAccess access) {
    access.limits.maxBytes = kMaxVersionFileSize;
    return access;
}

PublishedVersion FetchVersionFile(std::string_view url, const http::OutsideAccess& access) {
    const std::string path = platform::TempFolder() + platform::NewGuidName() + ".tmp";
    platform::RemoveFile(path);
    const DownloadResult result = DownloadToFile(url, path, nullptr, VersionFileAccess(access));
    std::string text;
    const bool read =
        result.Succeeded() && result.Is2xx() && platform::ReadFileContents(path, kMaxVersionFileSize, text);
    platform::RemoveFile(path);
    return read ? ReadVersionText(text) : PublishedVersion{};
}

PublishedVersion FetchPublishedVersion(const MakerSites& sites, size_t first, const http::OutsideAccess& access) {
    first = first % sites.addresses.size();
    PublishedVersion published = FetchVersionFile(VersionFileUrl(sites.addresses[first]), access);
    if (published.Complete()) return published;
    return FetchVersionFile(VersionFileUrl(sites.addresses[1 - first]), access);
}

size_t RandomSiteIndex() {
    std::random_device source;
    return std::uniform_int_distribution<size_t>(0, 1)(source);
}

UpdateVerdict JudgeUpdate(const PublishedVersion& published, int32_t buildDate) {
    if (!published.Complete()) return UpdateVerdict::NoInformation;
    return buildDate >= published.date ? UpdateVerdict::UpToDate : UpdateVerdict::NewerVersion;
}

void ShowUpdateVerdict(UpdateVerdict verdict) {
    framework::Message message;
    if (verdict == UpdateVerdict::NoInformation) {
        message.caption = "Сообщение"_ansi;
        message.text = "Не удалось получить информацию о наличии обновлений программы !"_ansi;
    } else if (verdict == UpdateVerdict::UpToDate) {
        message.caption = "Информация"_ansi;
        message.text = "Вы работаете с современной версией программы Kvilo «Выписки из ЕГРЮЛ / ИП» !"_ansi;
        message.icon = framework::MessageIcon::Application;
    } else {
        return;
    }
    framework::ShowMessage(message);
}

std::string BuildDateText(int32_t date) {
    return base::FormatPicture(date, "@d06.") + " г."_ansi;
}

} // namespace kvilo::online
