#include "core/online/location_map.h"

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <future>
#include <list>
#include <mutex>
#include <thread>

#include "base/blank_text.h"
#include "base/cp1251.h"
#include "core/framework/message_presenter.h"
#include "core/online/download_to_file.h"
#include "core/online/map_request.h"
#include "platform/debug_output.h"
#include "platform/file.h"
#include "platform/special_folders.h"
#include "platform/temp_names.h"

namespace kvilo::online {

using namespace base::literals;

namespace {

constexpr std::string_view kPngSignature = "\x89PNG\r\n\x1A\n";

std::atomic<ImageCardOpener*> gOpener{nullptr};

// The maps that run, each with the flag that ends its download.
struct RunningMaps {
    std::mutex mutex;
    std::condition_variable finished;
    std::list<std::atomic<bool>> abortFlags;
};

RunningMaps& Running() {
    static RunningMaps running;
    return running;
}

void ShowProblem(const char* caption, const char* text) {
    framework::Message message;
    message.caption = caption;
    message.text = text;
    framework::ShowMessage(message);
}

// Shows the picture and waits until its window has closed.
void ShowPicture(const std::string& path, const std::string& caption) {
    ImageCardOpener* opener = gOpener.load();
    if (opener == nullptr) {
        platform::DebugOutput("ShowLocationMap: no picture window to show " + path);
        return;
    }
    std::promise<void> closed;
    std::future<void> windowClosed = closed.get_future();
    opener->Open(path, caption, [&closed] { closed.set_value(); });
    windowClosed.wait();
}

} // namespace

bool HasLocation(std::string_view latitude, std::string_view longitude) {
    return !base::Trim(latitude).empty() && !base::Trim(longitude).empty();
}

std::string LocationMapCaption(std::string_view text) {
    // Left-justified: leading blanks would push the name out of the field.
    const size_t start = std::min(text.find_first_not_of(' '), text.size());
    return base::PadRight("1", 10) + base::PadRight(text.substr(start), 200);
}

ImageCardOpener* SetImageCardOpener(ImageCardOpener* opener) {
    return gOpener.exchange(opener);
}

http::OutsideAccess MapAccess(http::OutsideAccess access) {
    access.limits.maxBytes = uint64_t{8} << 20;
    return access;
}

bool IsPngFile(std::string_view path) {
    platform::File file;
    if (!file.Open(path, platform::File::Access::Read, platform::File::Disposition::OpenExisting)) return false;
    char head[8];
    size_t read = 0;
    return file.Read(head, sizeof head, read) && std::string_view(head, read) == kPngSignature;
}

void ShowLocationMap(std::string_view spec, std::string_view longitude, std::string_view latitude,
                     const http::OutsideAccess& access) {
    const double lat = CoordinateOf(latitude);
    const double lon = CoordinateOf(longitude);
    if (lat == 0 || lon == 0) {
        ShowProblem("У нас проблема"_ansi, "Нет доступа к данным GPS / ГЛОНАСС !"_ansi);
        return;
    }
    const std::string path = platform::TempFolder() + platform::NewGuidName() + ".png";
    platform::RemoveFile(path);
    const std::string url = MapUrl(MapBaseFromParameters(), lon, lat, LayerCodeOf(spec));
    const DownloadResult result = DownloadToFile(url, path, nullptr, MapAccess(access));
    if (!result.Succeeded()) return; // said nowhere but in the debug output, as the session logs it
    if (!platform::FileExists(path)) {
        ShowProblem("У нас проблема !"_ansi, "Нет доступа к картографическому сервису !"_ansi);
        return;
    }
    // The service's error answers (an XML text with status 400, an HTML page) are no picture.
    if (result.Is2xx() && IsPngFile(path)) {
        const std::string_view caption = spec.size() > 10 ? spec.substr(10, 190) : std::string_view();
        ShowPicture(path, std::string(base::Trim(caption)));
    } else {
        ShowProblem("Сообщение"_ansi, "Отсутствует файл с изображением для просмотра !"_ansi);
    }
    platform::RemoveFile(path);
}

void StartLocationMap(std::string spec, std::string longitude, std::string latitude) {
    RunningMaps& running = Running();
    std::atomic<bool>* abort = nullptr;
    {
        std::lock_guard lock(running.mutex);
        abort = &running.abortFlags.emplace_back(false);
    }
    std::thread([spec = std::move(spec), longitude = std::move(longitude), latitude = std::move(latitude), abort,
                 &running] {
        http::OutsideAccess access = http::OutsideAccessFromParameters();
        access.abort = abort;
        ShowLocationMap(spec, longitude, latitude, access);
        std::lock_guard lock(running.mutex);
        running.abortFlags.remove_if([abort](const std::atomic<bool>& flag) { return &flag == abort; });
        running.finished.notify_all();
    }).detach();
}

void AbortLocationMaps() {
    RunningMaps& running = Running();
    std::lock_guard lock(running.mutex);
    for (std::atomic<bool>& flag : running.abortFlags)
        flag = true;
}

size_t RunningLocationMaps() {
    RunningMaps& running = Running();
    std::lock_guard lock(running.mutex);
    return running.abortFlags.size();
}

void WaitForLocationMaps() {
    RunningMaps& running = Running();
    std::unique_lock lock(running.mutex);
    running.finished.wait(lock, [&] { return running.abortFlags.empty(); });
}

} // namespace kvilo::online
