// TXlsxWriterClass: the format builder. The FORMAT record becomes one library format per distinct record
// and workbook, because the library keeps every format it is given until the workbook is closed.
#include "base/blank_text.h"
#include "xlsx/xlsx_color.h"
#include "xlsx/xlsx_text.h"
#include "xlsx/xlsx_writer.h"

namespace kvilo::xlsx {

namespace {

constexpr const char* kDateMask = "DD.MM.YYYY";
constexpr uint8_t kSingleUnderline = 1;

bool IsBlank(std::string_view text) {
    return base::RightTrim(text).empty();
}

// A text for one of the library's fixed format fields, which hold LXW_FORMAT_FIELD_LEN - 1 bytes.
std::string FormatField(std::string_view text) {
    std::string utf8;
    ToWorkbookText(text, utf8);
    CutUtf8(utf8, LXW_FORMAT_FIELD_LEN - 1);
    return utf8;
}

void ApplySideStyles(lxw_format* f, const TXlsxFormat& r) {
    if (r.BORDER.FORMAT != kNoBorder) format_set_border(f, r.BORDER.FORMAT);
    if (r.LEFT.FORMAT != kNoBorder) format_set_left(f, r.LEFT.FORMAT);
    if (r.RIGHT.FORMAT != kNoBorder) format_set_right(f, r.RIGHT.FORMAT);
    if (r.TOP.FORMAT != kNoBorder) format_set_top(f, r.TOP.FORMAT);
    if (r.BOTTOM.FORMAT != kNoBorder) format_set_bottom(f, r.BOTTOM.FORMAT);
    if (r.DIAG.FORMAT != kNoBorder) format_set_diag_border(f, r.DIAG.FORMAT);
}

void ApplyColors(lxw_format* f, const TXlsxFormat& r) {
    if (r.BORDER.COLOR != kNoColor) format_set_border_color(f, ToXlsxColor(r.BORDER.COLOR));
    if (r.LEFT.COLOR != kNoColor) format_set_left_color(f, ToXlsxColor(r.LEFT.COLOR));
    if (r.RIGHT.COLOR != kNoColor) format_set_right_color(f, ToXlsxColor(r.RIGHT.COLOR));
    if (r.TOP.COLOR != kNoColor) format_set_top_color(f, ToXlsxColor(r.TOP.COLOR));
    if (r.BOTTOM.COLOR != kNoColor) format_set_bottom_color(f, ToXlsxColor(r.BOTTOM.COLOR));
    if (r.DIAG.COLOR != kNoColor) format_set_diag_color(f, ToXlsxColor(r.DIAG.COLOR));
    if (r.DIAG.TYPE != 0) format_set_diag_type(f, r.DIAG.TYPE);
    if (r.COLOR != kNoColor) format_set_bg_color(f, ToXlsxColor(r.COLOR));
    if (r.FGCOLOR != kNoColor) format_set_fg_color(f, ToXlsxColor(r.FGCOLOR));
    if (r.FONTCOLOR != kNoColor) format_set_font_color(f, ToXlsxColor(r.FONTCOLOR));
}

// Bold needs every bit of 700, so 800 or 900 are not bold.
void ApplyFontStyle(lxw_format* f, const TXlsxFormat& r) {
    if ((r.FONTSTYLE & kFontWeightBold) == kFontWeightBold) format_set_bold(f);
    if (r.FONTSTYLE & kFontItalic) format_set_italic(f);
    if (r.FONTSTYLE & kFontUnderline) format_set_underline(f, r.UNDERLINE != 0 ? r.UNDERLINE : kSingleUnderline);
    if (r.FONTSTYLE & kFontStrikeout) format_set_font_strikeout(f);
    if (r.FONTSCRIPT != 0) format_set_font_script(f, r.FONTSCRIPT);
}

void ApplyLayout(lxw_format* f, const TXlsxFormat& r) {
    if (r.ALIGN != 0) format_set_align(f, r.ALIGN);
    if (r.ALIGNV != 0) format_set_align(f, r.ALIGNV);
    if (r.WRAPTEXT != 0) format_set_text_wrap(f);
    if (r.ROTATION != 0) format_set_rotation(f, r.ROTATION);
    if (r.INDENT != 0) format_set_indent(f, r.INDENT);
    if (r.SHRINK != 0) format_set_shrink(f);
    if (r.PATTERN != 0) format_set_pattern(f, r.PATTERN);
    if (r.HIDDEN != 0) format_set_hidden(f);
    if (r.UNLOCKED != 0) format_set_unlocked(f);
}

} // namespace

void TXlsxWriterClass::ResetFormat() {
    activeFormat_ = nullptr;
    FORMAT = TXlsxFormat{};
}

lxw_format* TXlsxWriterClass::ApplyFormat(bool activate) {
    lxw_format* format = nullptr;
    if (auto found = formatCache_.find(FORMAT); found != formatCache_.end()) {
        format = found->second;
    } else if (workbook_) {
        // A failed creation caches nullptr too: those cells are then written without a format.
        format = workbook_add_format(workbook_.get());
        formatCache_.emplace(FORMAT, format);
        if (format) {
            // The calls go in this order because later ones override earlier ones (a side after the
            // border of all four sides, the vertical after the horizontal alignment).
            if (!IsBlank(FORMAT.EXCELMASK)) format_set_num_format(format, FormatField(FORMAT.EXCELMASK).c_str());
            if (FORMAT.INDEX != 0) format_set_num_format_index(format, FORMAT.INDEX);
            ApplySideStyles(format, FORMAT);
            ApplyColors(format, FORMAT);
            if (FORMAT.FONTSIZE != 0) format_set_font_size(format, FORMAT.FONTSIZE);
            // The name goes through the same conversion as every text: a 1251 name would not be UTF-8.
            if (!FORMAT.FONTNAME.empty()) format_set_font_name(format, FormatField(FORMAT.FONTNAME).c_str());
            ApplyFontStyle(format, FORMAT);
            ApplyLayout(format, FORMAT);
        }
    }
    if (activate) activeFormat_ = format;
    return format;
}

void TXlsxWriterClass::SetDateFormat() {
    FORMAT.PICTURE.clear();
    FORMAT.EXCELMASK = kDateMask;
    ApplyFormat(true);
}

void TXlsxWriterClass::SetNumberFormat(int decimals, bool redNegatives) {
    FORMAT.ALIGN = kAlignRight;
    FORMAT.PICTURE.clear();
    FORMAT.EXCELMASK = GroupedNumberMask(decimals, redNegatives);
    ApplyFormat(true);
}

} // namespace kvilo::xlsx
