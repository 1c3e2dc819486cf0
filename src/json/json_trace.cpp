#include "json/json_trace.h"

#include "text/format_text.h"

namespace kvilo::json {

void JsonTrace(std::string_view message) {
    text::DebugTrace("[cJSON] %s", {base::Variant(message)});
}

} // namespace kvilo::json
