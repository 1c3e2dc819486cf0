#include "platform/loader.h"

#include <dlfcn.h>
#include <link.h>
#include <unistd.h>

#include <climits>

namespace kvilo::platform {

std::string RunningProgramPath() {
    char path[PATH_MAX];
    ssize_t length = readlink("/proc/self/exe", path, sizeof path - 1);
    return length > 0 ? std::string(path, static_cast<size_t>(length)) : std::string();
}

namespace {

struct LibrarySearch {
    std::string_view prefix;
    std::string found;
};

int VisitLibrary(dl_phdr_info* info, size_t, void* data) {
    auto* search = static_cast<LibrarySearch*>(data);
    std::string_view path = info->dlpi_name ? info->dlpi_name : "";
    size_t slash = path.rfind('/');
    std::string_view name = slash == std::string_view::npos ? path : path.substr(slash + 1);
    if (name.substr(0, search->prefix.size()) != search->prefix) return 0;
    search->found = std::string(path);
    return 1;
}

} // namespace

std::string LoadedLibraryPath(std::string_view namePrefix) {
    LibrarySearch search{namePrefix, {}};
    dl_iterate_phdr(VisitLibrary, &search);
    return search.found;
}

SharedLibrary::SharedLibrary(const std::string& path) : handle_(dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL)) {}

SharedLibrary::~SharedLibrary() {
    if (handle_) dlclose(handle_);
}

void* SharedLibrary::Symbol(const char* name) const {
    return handle_ ? dlsym(handle_, name) : nullptr;
}

} // namespace kvilo::platform
