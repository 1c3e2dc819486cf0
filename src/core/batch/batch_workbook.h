#pragma once
// The workbook of a batch check: the register export's layout with one row per line found, in the order of
// the list, and a second sheet "Не найдено" with the lines that have no entry or could not be checked, and
// why. Rows go to the file as they come.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "core/batch/batch_input.h"
#include "core/batch/code_lookup.h"
#include "xlsx/xlsx_writer.h"

namespace kvilo::batch {

class BatchWorkbook {
public:
    explicit BatchWorkbook(xlsx::TXlsxWriterClass& writer) : writer_(writer) {}

    // Starts the workbook at `path` with `title` (Windows-1251); false when it could not be made (the user
    // has been told why).
    bool Open(const std::string& path, std::string_view title);
    // One line with its result, in the order of the list.
    void Add(const BatchLine& line, const CodeResult& result);
    // Writes the totals and the second sheet, and the file. Returns its path, or an empty text when it
    // could not be written (the user has been told).
    std::string Close();

private:
    struct Missing {
        size_t lineNumber;
        std::string text;
        uint16_t reason; // index in reasons_: the same few reasons repeat over thousands of lines
    };

    xlsx::TXlsxWriterClass& writer_;
    uint32_t nextRow_ = 0;
    std::vector<Missing> missing_;
    std::vector<std::string> reasons_;
};

// The title of the workbook for a list read from `fileName` (Windows-1251).
std::string BatchTitle(std::string_view fileName);

} // namespace kvilo::batch
