#pragma once
// The two items of the operating-system version behind the newer-system test: a flag and a number.
namespace kvilo::platform {

struct OsVersionItems {
    bool flag = false;
    int number = 0;
};

OsVersionItems CurrentOsVersionItems();

} // namespace kvilo::platform

namespace kvilo::platform {

// The newer-system test: the flag set and the number above 8, or the flag clear and the number above 11.
bool IsNewerSystem(const OsVersionItems& items);
// The test for the running system.
bool IsNewerSystem();

} // namespace kvilo::platform
