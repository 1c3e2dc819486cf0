#pragma once
// FormatText: printf-like formatting with the program's own conversion letters and display pictures, and
// DebugTrace, which formats a line and sends it to the debug output.
#include <initializer_list>
#include <string>
#include <string_view>
#include <vector>

#include "base/variant.h"

namespace kvilo::text {

using base::Variant;

inline constexpr size_t kMaxFormatArguments = 20;

// At most 20 arguments are used; a missing argument ends the output early.
std::string FormatText(std::string_view format, const std::vector<Variant>& arguments = {});
std::string FormatText(std::string_view format, std::initializer_list<Variant> arguments);

void DebugTrace(std::string_view format, const std::vector<Variant>& arguments = {});
void DebugTrace(std::string_view format, std::initializer_list<Variant> arguments);

} // namespace kvilo::text
