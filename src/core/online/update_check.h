#pragma once
// The update check's logic without windows: the published version read from the maker's site (from an
// address chosen at random, then once from the other when the first gave no complete answer), the verdict
// against the running build, and the messages of a check that has nothing to offer. The update window
// (gui/online) offers the package when there is one.
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "core/online/maker_site.h"
#include "core/online/version_file.h"
#include "http/outside_session.h"

namespace kvilo::online {

// The access for a version file: the given one, the answer bounded to kMaxVersionFileSize.
http::OutsideAccess VersionFileAccess(http::OutsideAccess access);

// The version file at `url`, read through a temporary file that is deleted again. An answer that fails, is
// not a 2xx answer (an error page) or is larger than a version file gives an empty version.
PublishedVersion FetchVersionFile(std::string_view url, const http::OutsideAccess& access);

// The published version from the site at `first` (0 or 1), then, when that answer is not complete, once
// from the other address.
PublishedVersion FetchPublishedVersion(const MakerSites& sites, size_t first, const http::OutsideAccess& access);

// 0 or 1 with equal probability.
size_t RandomSiteIndex();

enum class UpdateVerdict {
    NoInformation, // no complete version file from either address
    UpToDate,      // the running build is not older than the published one
    NewerVersion,  // a later build is published: the update window offers it
};

UpdateVerdict JudgeUpdate(const PublishedVersion& published, int32_t buildDate);

// The message of a check that offers nothing (NoInformation, UpToDate); nothing for NewerVersion.
void ShowUpdateVerdict(UpdateVerdict verdict);

// A build date as the update window shows it: "16.03.2024 г.".
std::string BuildDateText(int32_t date);

} // namespace kvilo::online
