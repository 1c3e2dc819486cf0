#pragma once
// The process-wide locale texts that start-up installs before any window: month names for long date
// pictures and the captions of the standard message-box buttons. Character set, collation, case mapping
// and AM/PM markers come from the operating system's locale and need no table.
#include <array>
#include <string>

namespace kvilo::startup {

struct LocaleTexts {
    std::array<std::string, 12> fullMonths;
    std::array<std::string, 12> shortMonths;
    // OK, Yes, No, Abort, Retry, Ignore, Cancel, Help, in this order.
    std::array<std::string, 8> buttonCaptions;
};

// Fixes the texts once at start-up; later calls keep the first installation.
void InstallLocaleTexts();
// The installed texts; empty texts before InstallLocaleTexts.
const LocaleTexts& CurrentLocaleTexts();

} // namespace kvilo::startup
