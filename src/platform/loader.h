#pragma once
// What the dynamic loader knows about this process, in place of GetModuleFileName and LoadLibrary: the
// running program's path, the libraries it resolved, and libraries loaded by path while running.
#include <memory>
#include <string>
#include <string_view>

namespace kvilo::platform {

// The running program's full path (symbolic links resolved); empty when the system cannot tell.
std::string RunningProgramPath();

// The full path of the loaded library whose file name begins with `namePrefix` ("libcurl."); empty when
// no such library is loaded.
std::string LoadedLibraryPath(std::string_view namePrefix);

// A library loaded by its full path, unloaded when this object goes.
class SharedLibrary {
public:
    explicit SharedLibrary(const std::string& path);
    ~SharedLibrary();
    SharedLibrary(const SharedLibrary&) = delete;
    SharedLibrary& operator=(const SharedLibrary&) = delete;

    bool IsLoaded() const { return handle_ != nullptr; }
    // The address of an exported symbol, or nullptr.
    void* Symbol(const char* name) const;

private:
    void* handle_ = nullptr;
};

} // namespace kvilo::platform
