#pragma once
// The small helper over the special folders that the settings file and the keyboard launcher use. Each
// operation keeps the result of its system call, which LastResult reports (0 is success). The operations
// are virtual so that tests can stand in for the system's folders.
#include <string>
#include <string_view>

namespace kvilo::shell {

// CreateFolder's failure code when a path cannot be expanded at all.
inline constexpr int kErrorBadPathName = 161;

class SystemFolders {
public:
    virtual ~SystemFolders() = default;

    // The special folder (kFolderLocalAppData, kFolderSystem, kFolderCommonProgramFiles) without trailing
    // blanks or separator; empty when it cannot be named.
    virtual std::string GetFolder(int folder);
    // Creates the special folder's subfolder `relativePath` with all missing parents.
    virtual int CreateSubfolder(int folder, std::string_view relativePath);
    // Creates `path` with all missing parents, unless its full path is longer than 247 characters: the last
    // result is then that length.
    virtual int CreateFolder(std::string_view path);
    virtual int LastResult() const { return lastResult_; }

protected:
    int lastResult_ = 0;
};

// GetFolder of `folder` followed by `relativePath`: a separator and the path without trailing blanks,
// or the path as it stands when it begins with a separator.
std::string JoinedFolderPath(SystemFolders& folders, int folder, std::string_view relativePath);

} // namespace kvilo::shell
