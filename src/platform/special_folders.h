#pragma once
// Special folders, folder creation and path expansion in place of SHGetFolderPathA, SHCreateDirectoryExA
// and GetFullPathNameA. Paths are Windows-1251 text inside the program; the platform's separator is used
// wherever a path is joined or tested.
#include <string>
#include <string_view>

namespace kvilo::platform {

inline constexpr char kPathSeparator = '/';

// Paths cross to the system as UTF-8 and come back as 1251 (a system name that is not valid UTF-8 is kept
// byte for byte).

// Special folder numbers as the shell names them. On Linux: 28 = $XDG_DATA_HOME (when absolute) or
// ~/.local/share, 37 = /usr/bin (programs that come with the system), 43 = /usr/share (data that installed
// programs share).
inline constexpr int kFolderLocalAppData = 28;        // the user's local data folder (XDG data home)
inline constexpr int kFolderSystem = 37;              // the system program folder
inline constexpr int kFolderCommonProgramFiles = 43;  // the shared program folder

// Result codes of the folder calls: 0 is success.
inline constexpr int kFolderOk = 0;
inline constexpr int kErrorAlreadyExists = 183;       // the folder chain exists already
inline constexpr int kErrorFileNotFound = 2;          // the special folder cannot be named
inline constexpr int kMaxFullPath = 247;              // longest full path a folder may have

// The special folder's path without a trailing separator. Returns 0, or a failure code with `path` empty.
int GetSpecialFolderPath(int folder, std::string& path);

// Creates the folder and every missing parent. 0 on success, kErrorAlreadyExists when it existed,
// otherwise the system error code.
int CreateFolderChain(std::string_view path);

// Expands `path` against the working folder into an absolute path ("." and ".." resolved, repeated
// separators joined, a final separator kept). Returns the length of the full path, or 0 on failure (empty
// path, no working folder). No length limit here: callers apply kMaxFullPath.
size_t FullPathName(std::string_view path, std::string& fullPath);

bool FolderExists(std::string_view path);
bool FileExists(std::string_view path);
bool RemoveFile(std::string_view path);

// The process's working folder, without a trailing separator.
std::string WorkingFolder();

// True for an absolute path ("has a drive letter" on Windows) and for a network path ("//host/...").
bool IsAbsolutePath(std::string_view path);
bool IsNetworkPath(std::string_view path);

} // namespace kvilo::platform
