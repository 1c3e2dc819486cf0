#include "platform/special_folders.h"

#include <cerrno>
#include <cstdlib>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

#include "platform/os_text.h"

namespace kvilo::platform {
namespace {

// Linux stand-ins for the shell's folders: programs that come with the system live in /usr/bin, the data
// that installed programs share in /usr/share.
constexpr const char* kSystemProgramFolder = "/usr/bin";
constexpr const char* kSharedProgramFolder = "/usr/share";

std::string HomeFolder() {
    const char* home = std::getenv("HOME");
    if (home != nullptr && home[0] == '/') return home;
    passwd entry{};
    passwd* found = nullptr;
    std::vector<char> buffer(16384);
    if (getpwuid_r(getuid(), &entry, buffer.data(), buffer.size(), &found) == 0 && found != nullptr &&
        found->pw_dir != nullptr && found->pw_dir[0] == '/')
        return found->pw_dir;
    return {};
}

// XDG: $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
std::string LocalDataFolder() {
    const char* xdg = std::getenv("XDG_DATA_HOME");
    if (xdg != nullptr && xdg[0] == '/') return xdg;
    std::string home = HomeFolder();
    return home.empty() ? std::string() : home + "/.local/share";
}

std::string WithoutTrailingSeparators(std::string path) {
    while (path.size() > 1 && path.back() == kPathSeparator)
        path.pop_back();
    return path;
}

bool StatPath(std::string_view path, struct stat& info) {
    if (path.empty()) return false;
    return stat(ToOsText(path).c_str(), &info) == 0;
}

} // namespace

int GetSpecialFolderPath(int folder, std::string& path) {
    path.clear();
    std::string osPath;
    switch (folder) {
    case kFolderLocalAppData:
        osPath = LocalDataFolder();
        break;
    case kFolderSystem:
        osPath = kSystemProgramFolder;
        break;
    case kFolderCommonProgramFiles:
        osPath = kSharedProgramFolder;
        break;
    default:
        return kErrorFileNotFound;
    }
    if (osPath.empty()) return kErrorFileNotFound;
    path = WithoutTrailingSeparators(FromOsText(osPath));
    return kFolderOk;
}

int CreateFolderChain(std::string_view path) {
    if (path.empty()) return ENOENT;
    if (FolderExists(path)) return kErrorAlreadyExists;
    std::string os = ToOsText(path);
    // Create each missing folder from the root down; a component that exists as a file stops the chain.
    for (size_t pos = 1; pos <= os.size(); ++pos) {
        if (pos != os.size() && os[pos] != kPathSeparator) continue;
        std::string part = os.substr(0, pos);
        if (part.back() == kPathSeparator) continue;
        if (mkdir(part.c_str(), 0777) == 0 || errno == EEXIST) {
            struct stat info {};
            if (stat(part.c_str(), &info) != 0) return errno;
            if (!S_ISDIR(info.st_mode)) return ENOTDIR;
            continue;
        }
        return errno;
    }
    return kFolderOk;
}

size_t FullPathName(std::string_view path, std::string& fullPath) {
    fullPath.clear();
    if (path.empty()) return 0;
    std::string joined;
    if (IsAbsolutePath(path)) {
        joined = path;
    } else {
        std::string base = WorkingFolder();
        if (base.empty()) return 0;
        joined = base + kPathSeparator + std::string(path);
    }
    bool network = IsNetworkPath(joined);
    bool trailingSeparator = joined.back() == kPathSeparator;
    std::vector<std::string> parts;
    size_t pos = 0;
    while (pos <= joined.size()) {
        size_t next = joined.find(kPathSeparator, pos);
        if (next == std::string::npos) next = joined.size();
        std::string part = joined.substr(pos, next - pos);
        if (part == "..") {
            if (!parts.empty()) parts.pop_back();
        } else if (!part.empty() && part != ".") {
            parts.push_back(part);
        }
        pos = next + 1;
    }
    std::string result = network ? "/" : "";
    for (const std::string& part : parts)
        result += kPathSeparator + part;
    if (result.empty() || result == "/") result += kPathSeparator;
    if (trailingSeparator && result.back() != kPathSeparator) result += kPathSeparator;
    if (result == "//") result = "/";
    fullPath = result;
    return fullPath.size();
}

bool FolderExists(std::string_view path) {
    struct stat info {};
    return StatPath(path, info) && S_ISDIR(info.st_mode);
}

bool FileExists(std::string_view path) {
    struct stat info {};
    return StatPath(path, info) && !S_ISDIR(info.st_mode);
}

bool RemoveFile(std::string_view path) {
    return !path.empty() && unlink(ToOsText(path).c_str()) == 0;
}

std::string WorkingFolder() {
    std::vector<char> buffer(4096);
    while (getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return WithoutTrailingSeparators(FromOsText(buffer.data()));
}

bool IsAbsolutePath(std::string_view path) {
    return !path.empty() && path.front() == kPathSeparator;
}

bool IsNetworkPath(std::string_view path) {
    return path.size() > 2 && path[0] == kPathSeparator && path[1] == kPathSeparator && path[2] != kPathSeparator;
}

} // namespace kvilo::platform
