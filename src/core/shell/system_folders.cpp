#include "core/shell/system_folders.h"

#include "base/blank_text.h"
#include "platform/special_folders.h"

namespace kvilo::shell {
namespace {

bool BeginsWithSeparator(std::string_view path) {
    return !path.empty() && path.front() == platform::kPathSeparator;
}

} // namespace

std::string SystemFolders::GetFolder(int folder) {
    std::string path;
    lastResult_ = platform::GetSpecialFolderPath(folder, path);
    return std::string(base::RightTrim(path));
}

int SystemFolders::CreateSubfolder(int folder, std::string_view relativePath) {
    std::string path = GetFolder(folder);
    if (lastResult_ != platform::kFolderOk) return lastResult_;
    if (!BeginsWithSeparator(relativePath)) path += platform::kPathSeparator;
    path += relativePath;
    lastResult_ = platform::CreateFolderChain(path);
    return lastResult_;
}

int SystemFolders::CreateFolder(std::string_view path) {
    std::string fullPath;
    size_t length = platform::FullPathName(path, fullPath);
    if (length == 0) {
        lastResult_ = kErrorBadPathName;
    } else if (length > static_cast<size_t>(platform::kMaxFullPath)) {
        lastResult_ = static_cast<int>(length);
    } else {
        lastResult_ = platform::CreateFolderChain(fullPath);
    }
    return lastResult_;
}

std::string JoinedFolderPath(SystemFolders& folders, int folder, std::string_view relativePath) {
    std::string path = folders.GetFolder(folder);
    if (BeginsWithSeparator(relativePath)) return path + std::string(relativePath);
    return path + platform::kPathSeparator + std::string(base::RightTrim(relativePath));
}

} // namespace kvilo::shell
