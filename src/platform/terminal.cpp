#include "platform/terminal.h"

#include <unistd.h>

namespace kvilo::platform {

bool IsTerminal(std::FILE* stream) {
    return stream != nullptr && isatty(fileno(stream)) == 1;
}

} // namespace kvilo::platform
