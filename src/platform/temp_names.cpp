#include "platform/temp_names.h"

#include <cstdio>
#include <cstdlib>
#include <random>
#include <sys/random.h>

#include "base/blank_text.h"
#include "platform/command_line.h"
#include "platform/os_text.h"
#include "platform/special_folders.h"

namespace kvilo::platform {
namespace {

void RandomBytes(unsigned char* bytes, size_t size) {
    size_t filled = 0;
    while (filled < size) {
        ssize_t got = getrandom(bytes + filled, size - filled, 0);
        if (got <= 0) break;
        filled += static_cast<size_t>(got);
    }
    // The kernel's source is always there on Linux; should it fail, a seeded engine still gives unique names.
    if (filled < size) {
        static thread_local std::mt19937_64 engine{std::random_device{}()};
        for (; filled < size; ++filled)
            bytes[filled] = static_cast<unsigned char>(engine());
    }
}

std::string WithSeparator(std::string folder) {
    if (folder.empty() || folder.back() != kPathSeparator) folder += kPathSeparator;
    return folder;
}

} // namespace

std::string NewGuidName() {
    unsigned char bytes[16];
    RandomBytes(bytes, sizeof bytes);
    bytes[6] = static_cast<unsigned char>((bytes[6] & 0x0F) | 0x40); // version 4: random
    bytes[8] = static_cast<unsigned char>((bytes[8] & 0x3F) | 0x80); // RFC 4122 variant
    char text[37];
    std::snprintf(text, sizeof text, "%02X%02X%02X%02X-%02X%02X-%02X%02X-%02X%02X-%02X%02X%02X%02X%02X%02X", bytes[0],
                  bytes[1], bytes[2], bytes[3], bytes[4], bytes[5], bytes[6], bytes[7], bytes[8], bytes[9], bytes[10],
                  bytes[11], bytes[12], bytes[13], bytes[14], bytes[15]);
    return text;
}

std::string TempFolder() {
    std::string ram(base::Trim(CommandParameter("RAM")));
    std::string full;
    if (!ram.empty() && FullPathName(ram, full) > 0 && FolderExists(full)) return WithSeparator(full);
    const char* tmpdir = std::getenv("TMPDIR");
    if (tmpdir != nullptr && tmpdir[0] == kPathSeparator) {
        std::string system = FromOsText(tmpdir);
        if (FolderExists(system)) return WithSeparator(system);
    }
    return "/tmp/";
}

} // namespace kvilo::platform
