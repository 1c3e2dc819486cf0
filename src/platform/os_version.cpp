#include "platform/os_version.h"

#include <cstdio>
#include <sys/utsname.h>

namespace kvilo::platform {

// Linux: the flag is set (a kernel release, not a consumer-product number) and the number is the release as
// major * 100 + minor (6.1 gives 601). Every kernel that Qt 6 runs on is therefore a newer system, which
// gives the lists their current look and the keyboard button its modern choice.
OsVersionItems CurrentOsVersionItems() {
    OsVersionItems items;
    utsname name{};
    int major = 0, minor = 0;
    if (uname(&name) == 0 && std::sscanf(name.release, "%d.%d", &major, &minor) >= 1) {
        items.flag = true;
        items.number = major * 100 + minor;
    }
    return items;
}

} // namespace kvilo::platform

namespace kvilo::platform {

bool IsNewerSystem(const OsVersionItems& items) {
    return items.flag ? items.number > 8 : items.number > 11;
}

bool IsNewerSystem() {
    return IsNewerSystem(CurrentOsVersionItems());
}

} // namespace kvilo::platform
