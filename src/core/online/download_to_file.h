#pragma once
// DownloadToFile: one URL into one file, with a progress bar when the caller has one. Every download of the
// online extras (version file, package, map picture) goes through it.
#include <optional>
#include <string_view>

#include "http/outside_session.h"

namespace kvilo::online {

// The progress bar a download drives; set from the thread that runs the download.
class ProgressControl {
public:
    virtual ~ProgressControl() = default;
    virtual void SetProgress(int value) = 0;
};

// The bar's value for `received` of `total` bytes: received x 100 / total, or received / 1000 when the total
// is not known (0). Nothing before the first byte has arrived.
std::optional<int> ProgressValue(double total, double received);

struct DownloadResult {
    int code = 0;        // libcurl's code; 0: the transfer ended normally
    long httpStatus = 0; // the answer's status (an error page is an answer too)

    bool Succeeded() const { return code == 0; }
    bool Is2xx() const { return httpStatus >= 200 && httpStatus < 300; }
};

// Downloads `url` into `fileName` (created when the first byte arrives, so an empty answer leaves no file),
// setting `progress` (when given) to 0 first and then by ProgressValue. A transfer that fails, or reaches a
// limit of `access`, leaves no file behind: a half-written file is of no use to any caller.
DownloadResult DownloadToFile(std::string_view url, std::string_view fileName, ProgressControl* progress,
                              const http::OutsideAccess& access);

} // namespace kvilo::online
