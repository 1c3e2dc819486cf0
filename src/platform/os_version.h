#pragma once
// The two items of the operating-system version behind the newer-system test: a flag and a number.
namespace kvilo::platform {

struct OsVersionItems {
    bool flag = false;
    int number = 0;
};

OsVersionItems CurrentOsVersionItems();

} // namespace kvilo::platform
