#pragma once
// Diagnostics of the JSON library: one debug-output line "[cJSON] " + message. Nothing is shown to the user.
#include <string_view>

namespace kvilo::json {

void JsonTrace(std::string_view message);

} // namespace kvilo::json
