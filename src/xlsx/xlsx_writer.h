#pragma once
// TXlsxWriterClass: the program's one object for writing XLSX workbooks over libxlsxwriter. It keeps one
// workbook and its current sheet and translates the program's conventions into the library's: rows and
// columns count from 1, texts are Windows-1251, dates are day numbers, margins are centimetres and colours
// are Windows colour values. Cells, rows and columns take the active format, built from the FORMAT record
// by ApplyFormat (see xlsx_format.h).
//
// Results are the library's error code (LXW_NO_ERROR = 0 is success) or the handle created (nullptr on
// failure). Calls that need a workbook or a worksheet when there is none, or that address a chartsheet
// with a worksheet call, return LXW_ERROR_NULL_PARAMETER_IGNORED and do nothing: the library itself would
// dereference the missing handle.
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <variant>
#include <vector>

#include <xlsxwriter.h>

#include "xlsx/xlsx_format.h"

namespace kvilo::xlsx {

// Document properties, in the program's code page; at most 255 characters of each are used.
struct TXlsxProperties {
    std::string TITLE;
    std::string SUBJECT;
    std::string AUTHOR;
    std::string MANAGER;
    std::string COMPANY;
    std::string CATEGORY;
    std::string KEYWORDS;
    std::string COMMENTS;
    std::string STATUS;
    std::string HYPERLINK_BASE;
    int32_t CREATED_DATE = 0; // day number; 0 = let the library take the current time
    int32_t CREATED_TIME = 0; // hundredths of a second since midnight + 1; 0 = no time
};

// The header or footer images of SetHeader / SetFooter; an absent name means "omitted".
struct TXlsxHeaderImages {
    std::optional<std::string> LEFT;
    std::optional<std::string> CENTER;
    std::optional<std::string> RIGHT;
};

class TXlsxWriterClass {
public:
    TXlsxWriterClass() = default;
    ~TXlsxWriterClass();
    TXlsxWriterClass(const TXlsxWriterClass&) = delete;
    TXlsxWriterClass& operator=(const TXlsxWriterClass&) = delete;

    TXlsxFormat FORMAT;         // the current format record (ResetFormat restores its reset values)
    TXlsxProperties PROPERTIES; // written by SetProperties

    // Starts a workbook that CloseWorkbook writes to `fileName` (right-trimmed). With `useDefaults` the
    // library's defaults apply, otherwise `constantMemory` decides the memory mode. An earlier workbook that
    // was never closed is discarded. Empties the format cache, resets the format record and forgets the sheet.
    lxw_workbook* NewWorkbook(std::string_view fileName, bool constantMemory, bool useDefaults);
    lxw_error SetProperties();

    // Adds a worksheet or chartsheet and makes it current; false when the name is invalid or taken.
    bool AddSheet(std::string_view sheetName, bool chartsheet);
    // A worksheet on A4 paper with 0.8 cm margins and empty header and footer, and the title merged over
    // `firstColumn`..`lastColumn` of `titleRow` (bold, left, vertically centred, wrapped only over a single
    // column; unformatted when `fontSize` is 0). Returns the result of the title write, 0 when no title
    // was asked for, and an error when the sheet could not be added.
    lxw_error AddTitledSheet(std::string_view sheetName, std::string_view title, uint32_t titleRow,
                             uint16_t firstColumn, uint16_t lastColumn, double fontSize);

    void SetPaper(uint8_t paper);
    void SetLandscape();
    // Margins in centimetres; an omitted side keeps the library's default.
    void SetMargins(std::optional<double> left, std::optional<double> right, std::optional<double> top,
                    std::optional<double> bottom);
    // With no images and no margin the plain library call is used, otherwise its option variant.
    lxw_error SetHeader(std::string_view text, const TXlsxHeaderImages& images, std::optional<double> marginCm);
    lxw_error SetFooter(std::string_view text, const TXlsxHeaderImages& images, std::optional<double> marginCm);

    lxw_error HideZero();
    // Rows above `row` and columns left of `column` stay in view.
    lxw_error FreezePanes(uint32_t row, uint16_t column);
    lxw_error OutlineSettings(uint8_t visible, uint8_t symbolsBelow, uint8_t symbolsRight, uint8_t autoStyle);

    // With hidden, level and collapsed all omitted the plain library call is used, otherwise its option
    // variant with each omitted value as 0.
    lxw_error SetRow(uint32_t row, double height, std::optional<uint8_t> hidden = {}, std::optional<uint8_t> level = {},
                     std::optional<uint8_t> collapsed = {});
    lxw_error SetDataRow(uint32_t row);      // 15 points, outline level 1
    lxw_error SetSeparatorRow(uint32_t row); // 7.5 points, outline level 1
    lxw_error SetColumn(uint16_t firstColumn, uint16_t lastColumn, double width, std::optional<uint8_t> hidden = {},
                        std::optional<uint8_t> level = {}, std::optional<uint8_t> collapsed = {});

    // A blank merge, or the text merged over the range; a single cell is written, not merged.
    lxw_error Merge(uint32_t firstRow, uint16_t firstColumn, uint32_t lastRow, uint16_t lastColumn,
                    std::string_view text, bool blank);
    lxw_error WriteBlank(uint32_t row, uint16_t column);
    lxw_error WriteString(uint32_t row, uint16_t column, std::string_view text);
    // Infinite and NaN values are refused (LXW_ERROR_PARAMETER_VALIDATION): the file could not hold them.
    lxw_error WriteNumber(uint32_t row, uint16_t column, double value);
    // A blank cell for an empty text, a number for a numeric text, the text otherwise.
    lxw_error WriteValue(uint32_t row, uint16_t column, std::string_view text);
    // A date-time cell; the day number 0 (no date) gives a blank cell in the active format.
    lxw_error WriteDate(uint32_t row, uint16_t column, int32_t dayNumber, int32_t time);

    // Writes the file and ends the workbook: its sheets and formats are gone afterwards.
    lxw_error CloseWorkbook();
    // Deletes the remembered temporary images and releases everything; the object stays usable.
    void Destroy();

    // Remembers a temporary image file (a 36-character name of the temporary folder, ".png" added) for
    // Destroy to delete.
    void AddTemporaryImage(std::string_view guidName);

    // The format builder.
    void ResetFormat();
    lxw_format* ApplyFormat(bool activate);
    void SetDateFormat();
    void SetNumberFormat(int decimals, bool redNegatives);

    lxw_format* ActiveFormat() const { return activeFormat_; }
    size_t CachedFormatCount() const { return formatCache_.size(); }
    const std::string& ActiveSheetName() const { return activeSheetName_; }
    bool IsChartsheet() const { return std::holds_alternative<lxw_chartsheet*>(activeSheet_); }
    const std::string& FileName() const { return fileName_; }

private:
    struct WorkbookFree {
        void operator()(lxw_workbook* workbook) const noexcept { lxw_workbook_free(workbook); }
    };

    lxw_worksheet* Worksheet() const;
    lxw_chartsheet* Chartsheet() const;
    // The UTF-8 form of `text`, held in utf8Text_ until the next conversion.
    const char* Utf8(std::string_view text);
    lxw_error SetHeaderFooter(bool footer, std::string_view text, const TXlsxHeaderImages& images,
                              std::optional<double> marginCm);
    void DeleteTemporaryImages();

    std::unique_ptr<lxw_workbook, WorkbookFree> workbook_;
    // The current sheet: none, a worksheet or a chartsheet.
    std::variant<std::monostate, lxw_worksheet*, lxw_chartsheet*> activeSheet_;
    std::string activeSheetName_; // UTF-8
    std::string fileName_;
    lxw_format* activeFormat_ = nullptr;
    std::unordered_map<TXlsxFormat, lxw_format*, TXlsxFormatHash> formatCache_;
    std::string utf8Text_;
    std::vector<std::string> temporaryImages_;
};

} // namespace kvilo::xlsx
