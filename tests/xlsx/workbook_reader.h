#pragma once
// Reads written workbooks back for the tests: the raw XML parts through unzip, and what a spreadsheet reader
// sees through openpyxl (dump_workbook.py), one fact a line.
#include <string>
#include <string_view>
#include <vector>

namespace kvilo::xlsx::testing {

// A fresh path for a test workbook under the build folder; an older file of that name is removed.
std::string ScratchPath(std::string_view name);
// A scratch folder under the build folder, emptied.
std::string ScratchFolder(std::string_view name);

// One part of the package ("xl/worksheets/sheet1.xml"), empty when missing.
std::string ReadPart(const std::string& path, const std::string& part);

// How often `needle` occurs in `text`.
size_t CountOf(std::string_view text, std::string_view needle);

struct WorkbookDump {
    bool readable = false; // every XML part well-formed and the workbook loaded
    std::string text;
    std::vector<std::string> lines;

    bool Has(std::string_view line) const;
    // The line that starts with "cell <coordinate> ", empty when the cell is absent.
    std::string Cell(std::string_view coordinate) const;
};

WorkbookDump ReadBack(const std::string& path);

} // namespace kvilo::xlsx::testing
