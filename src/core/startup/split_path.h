#pragma once
// SplitPath: one part of a file path. Part 1 is the drive ("C:"; empty where paths have no drives),
// 2 the folder with its leading and trailing separator, 3 the file name without extension, any other
// part the extension with its dot.
#include <string>
#include <string_view>

namespace kvilo::startup {

std::string SplitPath(std::string_view path, int part);

} // namespace kvilo::startup
