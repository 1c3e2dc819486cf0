#pragma once
// Checks of header and footer images before libxlsxwriter sees them. The library (1.1.4) frees the header
// text when it refuses an image or a placeholder count, yet keeps the pointer and frees it again when the
// workbook closes: a refused image would corrupt the heap. So the layer refuses first.
#include <cstddef>
#include <string_view>

#include <xlsxwriter.h>

namespace kvilo::xlsx {

// Whether the header or footer text has exactly `images` image placeholders ("&G" or "&[Picture]"), counted
// both with and without regard to escaped ampersands ("&&G"), so that the library agrees whichever way it
// counts.
bool HasImagePlaceholders(std::string_view text, size_t images);

// Whether `path` (program text) names a readable PNG, JPEG, BMP or GIF file that the library can place.
bool IsUsableHeaderImage(std::string_view path);

} // namespace kvilo::xlsx
