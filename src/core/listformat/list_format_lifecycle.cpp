#include "core/listformat/list_format_lifecycle.h"

namespace kvilo::listformat {

// Nothing to register: the list-format stores arrive with the list-format customisation.
void SetUpListFormatStores() {}

// Nothing to write: no list format is kept in memory in this version.
void SaveListFormats() {}

} // namespace kvilo::listformat
