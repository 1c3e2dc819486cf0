// TXlsxWriterClass: the workbook, its sheets and page setup, closing and releasing.
#include "xlsx/xlsx_writer.h"

#include <array>
#include <ctime>

#include "base/blank_text.h"
#include "base/dates.h"
#include "platform/os_text.h"
#include "platform/special_folders.h"
#include "platform/temp_names.h"
#include "xlsx/xlsx_header_images.h"
#include "xlsx/xlsx_text.h"

namespace kvilo::xlsx {

namespace {

constexpr double kCentimetresPerInch = 2.54;
constexpr size_t kMaxPropertyLength = 255;
constexpr size_t kMaxImageNameLength = 260;
constexpr size_t kTemporaryImageNameLength = 36;
constexpr uint8_t kPaperA4 = 9;
constexpr double kTitledSheetMarginCm = 0.8;
constexpr int64_t kSecondsPerDay = 86400;

double ToInches(std::optional<double> centimetres) {
    return centimetres ? *centimetres / kCentimetresPerInch : -1; // -1: the library's default
}

// A Unix time from a day number and a time, as the document's creation time; 0 (the library takes the
// current time) unless both are given.
time_t CreationTime(int32_t day, int32_t time) {
    if (day == 0 || time == 0) return 0;
    return static_cast<time_t>((static_cast<int64_t>(day) - base::kUnixEpochDay) * kSecondsPerDay + (time - 1) / 100);
}

// A temporary image name is a bare 36-character file name; anything that could reach outside the
// temporary folder is not ours to delete.
bool IsTemporaryImageName(std::string_view name) {
    return name.size() == kTemporaryImageNameLength && name.find_first_of("/\\") == std::string_view::npos &&
           name.find('\0') == std::string_view::npos;
}

} // namespace

TXlsxWriterClass::~TXlsxWriterClass() {
    // Deleting the temporary pictures builds paths; running out of memory there must not end the program
    // (the members free the workbook either way).
    try {
        Destroy();
    } catch (...) {
    }
}

lxw_worksheet* TXlsxWriterClass::Worksheet() const {
    const auto* sheet = std::get_if<lxw_worksheet*>(&activeSheet_);
    return sheet ? *sheet : nullptr;
}

lxw_chartsheet* TXlsxWriterClass::Chartsheet() const {
    const auto* sheet = std::get_if<lxw_chartsheet*>(&activeSheet_);
    return sheet ? *sheet : nullptr;
}

const char* TXlsxWriterClass::Utf8(std::string_view text) {
    ToWorkbookText(text, utf8Text_);
    return utf8Text_.c_str();
}

lxw_workbook* TXlsxWriterClass::NewWorkbook(std::string_view fileName, bool constantMemory, bool useDefaults) {
    fileName_ = std::string(base::RightTrim(fileName));
    const std::string osName = platform::ToOsText(fileName_);
    formatCache_.clear(); // formats of the discarded workbook die with it
    workbook_.reset();
    if (useDefaults) {
        workbook_.reset(workbook_new(osName.c_str()));
    } else {
        lxw_workbook_options options{};
        options.constant_memory = constantMemory ? LXW_TRUE : LXW_FALSE;
        options.tmpdir = nullptr;
        options.use_zip64 = LXW_FALSE;
        workbook_.reset(workbook_new_opt(osName.c_str(), &options));
    }
    ResetFormat();
    activeSheet_ = std::monostate{};
    activeSheetName_.clear();
    return workbook_.get();
}

lxw_error TXlsxWriterClass::SetProperties() {
    if (!workbook_) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    const std::array<const std::string*, 10> sources = {
        &PROPERTIES.TITLE,   &PROPERTIES.SUBJECT,       &PROPERTIES.AUTHOR,   &PROPERTIES.MANAGER,
        &PROPERTIES.COMPANY, &PROPERTIES.CATEGORY,      &PROPERTIES.KEYWORDS, &PROPERTIES.COMMENTS,
        &PROPERTIES.STATUS,  &PROPERTIES.HYPERLINK_BASE};
    // The UTF-8 forms are kept apart from the fields, so that setting the properties twice converts the
    // program's text twice rather than converting UTF-8 again.
    std::array<std::string, 10> utf8;
    for (size_t i = 0; i < sources.size(); ++i)
        ToWorkbookText(std::string_view(*sources[i]).substr(0, kMaxPropertyLength), utf8[i]);
    lxw_doc_properties properties{};
    std::array<char**, 10> targets = {&properties.title,         &properties.subject,  &properties.author,
                                      &properties.manager,       &properties.company,  &properties.category,
                                      &properties.keywords,      &properties.comments, &properties.status,
                                      &properties.hyperlink_base};
    for (size_t i = 0; i < targets.size(); ++i)
        *targets[i] = utf8[i].data();
    properties.created = CreationTime(PROPERTIES.CREATED_DATE, PROPERTIES.CREATED_TIME);
    return workbook_set_properties(workbook_.get(), &properties); // the library copies the texts
}

bool TXlsxWriterClass::AddSheet(std::string_view sheetName, bool chartsheet) {
    activeSheet_ = std::monostate{};
    activeSheetName_.clear();
    if (!workbook_) return false;
    const char* name = Utf8(sheetName);
    if (chartsheet) {
        if (lxw_chartsheet* sheet = workbook_add_chartsheet(workbook_.get(), name)) activeSheet_ = sheet;
    } else if (lxw_worksheet* sheet = workbook_add_worksheet(workbook_.get(), name)) {
        activeSheet_ = sheet;
    }
    if (std::holds_alternative<std::monostate>(activeSheet_)) return false;
    activeSheetName_ = utf8Text_;
    return true;
}

lxw_error TXlsxWriterClass::AddTitledSheet(std::string_view sheetName, std::string_view title, uint32_t titleRow,
                                           uint16_t firstColumn, uint16_t lastColumn, double fontSize) {
    // Without a sheet the title cannot be written: say so rather than report a success.
    if (!AddSheet(base::RightTrim(sheetName), false)) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    SetPaper(kPaperA4);
    SetMargins(kTitledSheetMarginCm, kTitledSheetMarginCm, kTitledSheetMarginCm, kTitledSheetMarginCm);
    SetHeader("", {}, 0.0);
    SetFooter("", {}, 0.0);
    ResetFormat();
    if (fontSize > 0) {
        FORMAT.ALIGN = kAlignLeft;
        FORMAT.ALIGNV = kAlignVerticalCenter;
        FORMAT.FONTSTYLE = kFontWeightBold;
        FORMAT.WRAPTEXT = firstColumn == lastColumn ? 1 : 0;
        FORMAT.FONTSIZE = fontSize;
        ApplyFormat(true);
    }
    if (titleRow == 0 || firstColumn == 0 || lastColumn == 0) return LXW_NO_ERROR;
    return Merge(titleRow, firstColumn, titleRow, lastColumn, base::Trim(title), false);
}

void TXlsxWriterClass::SetPaper(uint8_t paper) {
    if (lxw_worksheet* sheet = Worksheet()) worksheet_set_paper(sheet, paper);
    if (lxw_chartsheet* sheet = Chartsheet()) chartsheet_set_paper(sheet, paper);
}

void TXlsxWriterClass::SetLandscape() {
    if (lxw_worksheet* sheet = Worksheet()) worksheet_set_landscape(sheet);
    if (lxw_chartsheet* sheet = Chartsheet()) chartsheet_set_landscape(sheet);
}

void TXlsxWriterClass::SetMargins(std::optional<double> left, std::optional<double> right, std::optional<double> top,
                                  std::optional<double> bottom) {
    if (lxw_worksheet* sheet = Worksheet())
        worksheet_set_margins(sheet, ToInches(left), ToInches(right), ToInches(top), ToInches(bottom));
    if (lxw_chartsheet* sheet = Chartsheet())
        chartsheet_set_margins(sheet, ToInches(left), ToInches(right), ToInches(top), ToInches(bottom));
}

lxw_error TXlsxWriterClass::SetHeader(std::string_view text, const TXlsxHeaderImages& images,
                                      std::optional<double> marginCm) {
    return SetHeaderFooter(false, text, images, marginCm);
}

lxw_error TXlsxWriterClass::SetFooter(std::string_view text, const TXlsxHeaderImages& images,
                                      std::optional<double> marginCm) {
    return SetHeaderFooter(true, text, images, marginCm);
}

lxw_error TXlsxWriterClass::SetHeaderFooter(bool footer, std::string_view text, const TXlsxHeaderImages& images,
                                            std::optional<double> marginCm) {
    lxw_worksheet* worksheet = Worksheet();
    lxw_chartsheet* chartsheet = Chartsheet();
    if (!worksheet && !chartsheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    const char* utf8 = Utf8(text);
    if (!marginCm && !images.LEFT && !images.CENTER && !images.RIGHT) {
        if (worksheet) return footer ? worksheet_set_footer(worksheet, utf8) : worksheet_set_header(worksheet, utf8);
        return footer ? chartsheet_set_footer(chartsheet, utf8) : chartsheet_set_header(chartsheet, utf8);
    }
    lxw_header_footer_options options{};
    if (marginCm) options.margin = *marginCm / kCentimetresPerInch;
    std::array<std::string, 3> names;
    const std::array<const std::optional<std::string>*, 3> given = {&images.LEFT, &images.CENTER, &images.RIGHT};
    const std::array<char**, 3> slots = {&options.image_left, &options.image_center, &options.image_right};
    size_t imageCount = 0;
    for (size_t i = 0; i < names.size(); ++i) {
        if (!*given[i]) continue;
        const std::string_view name = base::RightTrim(**given[i]).substr(0, kMaxImageNameLength);
        // Refused here, because a refusal by the library corrupts its heap (xlsx_header_images.h).
        if (!IsUsableHeaderImage(name)) return LXW_ERROR_PARAMETER_VALIDATION;
        names[i] = platform::ToOsText(name); // a file name goes to the system in its own encoding
        *slots[i] = names[i].data();
        ++imageCount;
    }
    if (!HasImagePlaceholders(utf8, imageCount)) return LXW_ERROR_PARAMETER_VALIDATION;
    if (worksheet)
        return footer ? worksheet_set_footer_opt(worksheet, utf8, &options)
                      : worksheet_set_header_opt(worksheet, utf8, &options);
    return footer ? chartsheet_set_footer_opt(chartsheet, utf8, &options)
                  : chartsheet_set_header_opt(chartsheet, utf8, &options);
}

lxw_error TXlsxWriterClass::HideZero() {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    worksheet_hide_zero(sheet);
    return LXW_NO_ERROR;
}

lxw_error TXlsxWriterClass::FreezePanes(uint32_t row, uint16_t column) {
    lxw_worksheet* sheet = Worksheet();
    // Row or column 0 has no cell to freeze at; the library would write a pane past the last row.
    if (!sheet || row == 0 || column == 0) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    worksheet_freeze_panes(sheet, row - 1, static_cast<lxw_col_t>(column - 1));
    return LXW_NO_ERROR;
}

lxw_error TXlsxWriterClass::OutlineSettings(uint8_t visible, uint8_t symbolsBelow, uint8_t symbolsRight,
                                            uint8_t autoStyle) {
    lxw_worksheet* sheet = Worksheet();
    if (!sheet) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    worksheet_outline_settings(sheet, visible, symbolsBelow, symbolsRight, autoStyle);
    return LXW_NO_ERROR;
}

lxw_error TXlsxWriterClass::CloseWorkbook() {
    if (!workbook_) return LXW_ERROR_NULL_PARAMETER_IGNORED;
    // workbook_close frees the workbook with its sheets and formats: nothing of it may be used afterwards.
    const lxw_error result = workbook_close(workbook_.release());
    formatCache_.clear();
    activeFormat_ = nullptr;
    activeSheet_ = std::monostate{};
    utf8Text_.clear();
    return result;
}

void TXlsxWriterClass::AddTemporaryImage(std::string_view guidName) {
    temporaryImages_.emplace_back(guidName);
}

void TXlsxWriterClass::DeleteTemporaryImages() {
    if (temporaryImages_.empty()) return;
    const std::string folder = platform::TempFolder();
    for (const std::string& name : temporaryImages_)
        if (IsTemporaryImageName(name)) platform::RemoveFile(folder + name + ".png");
    temporaryImages_.clear();
}

void TXlsxWriterClass::Destroy() {
    DeleteTemporaryImages();
    formatCache_.clear();
    activeFormat_ = nullptr;
    activeSheet_ = std::monostate{};
    workbook_.reset(); // a workbook never closed is discarded, not written
    utf8Text_.clear();
    utf8Text_.shrink_to_fit();
}

} // namespace kvilo::xlsx
