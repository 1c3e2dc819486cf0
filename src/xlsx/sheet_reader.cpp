#include "xlsx/sheet_reader.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "base/code_page.h"
#include "base/cp1251.h"
#include "xlsx/zip_archive.h"

namespace kvilo::xlsx {

using namespace base::literals;

namespace {

// The value of attribute `name` in the tag text `tag` ("<c r=\"A1\" t=\"s\">"); empty when absent.
std::string Attribute(std::string_view tag, std::string_view name) {
    for (size_t at = tag.find(name); at != std::string_view::npos; at = tag.find(name, at + 1)) {
        const size_t quote = at + name.size() + 1;
        if (at == 0 || tag[at - 1] != ' ' || quote >= tag.size() || tag[quote - 1] != '=') continue;
        const char mark = tag[quote];
        const size_t end = tag.find(mark, quote + 1);
        if (end == std::string_view::npos) return {};
        return std::string(tag.substr(quote + 1, end - quote - 1));
    }
    return {};
}

// Appends the UTF-8 form of a code point.
void AppendUtf8(std::string& out, unsigned long cp) {
    if (cp == 0 || cp > 0x10FFFF) cp = '?';
    if (cp < 0x80) {
        out += static_cast<char>(cp);
    } else if (cp < 0x800) {
        out += static_cast<char>(0xC0 | cp >> 6);
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += static_cast<char>(0xE0 | cp >> 12);
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | cp >> 18);
        out += static_cast<char>(0x80 | (cp >> 12 & 0x3F));
        out += static_cast<char>(0x80 | (cp >> 6 & 0x3F));
        out += static_cast<char>(0x80 | (cp & 0x3F));
    }
}

// XML text with its five entities and character references replaced (UTF-8).
std::string Unescape(std::string_view text) {
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        const size_t semicolon = text[i] == '&' ? text.find(';', i) : std::string_view::npos;
        if (semicolon == std::string_view::npos || semicolon - i > 10) {
            out += text[i];
            continue;
        }
        const std::string_view name = text.substr(i + 1, semicolon - i - 1);
        if (name == "amp")
            out += '&';
        else if (name == "lt")
            out += '<';
        else if (name == "gt")
            out += '>';
        else if (name == "quot")
            out += '"';
        else if (name == "apos")
            out += '\'';
        else if (name.starts_with("#x"))
            AppendUtf8(out, std::strtoul(std::string(name.substr(2)).c_str(), nullptr, 16));
        else if (name.starts_with("#"))
            AppendUtf8(out, std::strtoul(std::string(name.substr(1)).c_str(), nullptr, 10));
        else
            out += std::string(text.substr(i, semicolon - i + 1));
        i = semicolon;
    }
    return out;
}

// The texts of every <t> element between `begin` and `end` of `xml`, joined (rich text has several runs).
std::string Texts(std::string_view xml) {
    std::string text;
    for (size_t at = xml.find("<t"); at != std::string_view::npos; at = xml.find("<t", at + 2)) {
        if (at + 2 >= xml.size() || (xml[at + 2] != '>' && xml[at + 2] != ' ')) continue;
        const size_t open = xml.find('>', at);
        if (open == std::string_view::npos || xml[open - 1] == '/') continue;
        const size_t close = xml.find("</t>", open);
        if (close == std::string_view::npos) break;
        text += Unescape(xml.substr(open + 1, close - open - 1));
        at = close;
    }
    return text;
}

std::vector<std::string> SharedStrings(std::string_view xml) {
    std::vector<std::string> strings;
    for (size_t at = xml.find("<si>"); at != std::string_view::npos; at = xml.find("<si>", at)) {
        const size_t end = xml.find("</si>", at);
        if (end == std::string_view::npos) break;
        strings.push_back(base::Utf8ToAnsi(Texts(xml.substr(at, end - at))));
        at = end;
    }
    return strings;
}

// The path of the first worksheet: the target of the first <sheet>'s relationship.
std::string FirstSheetPath(const ZipArchive& zip) {
    std::string fallback = "xl/worksheets/sheet1.xml";
    std::string workbook;
    std::string relations;
    if (!zip.Read("xl/workbook.xml", kMaxPartBytes, workbook) ||
        !zip.Read("xl/_rels/workbook.xml.rels", kMaxPartBytes, relations))
        return fallback;
    const size_t sheet = workbook.find("<sheet ");
    if (sheet == std::string::npos) return fallback;
    const std::string id =
        Attribute(std::string_view(workbook).substr(sheet, workbook.find('>', sheet) - sheet), "r:id");
    for (size_t at = relations.find("<Relationship "); at != std::string::npos;
         at = relations.find("<Relationship ", at + 1)) {
        const std::string_view tag = std::string_view(relations).substr(at, relations.find('>', at) - at);
        if (id.empty() || Attribute(tag, "Id") != id) continue;
        std::string target = Attribute(tag, "Target");
        return target.starts_with("/") ? target.substr(1) : "xl/" + target;
    }
    return fallback;
}

// The column index of a reference ("B12" -> 1); `fallback` when it has none.
size_t ColumnOf(std::string_view reference, size_t fallback) {
    size_t column = 0;
    size_t letters = 0;
    for (char c : reference) {
        if (c < 'A' || c > 'Z' || letters == 3) break;
        column = column * 26 + static_cast<size_t>(c - 'A' + 1);
        ++letters;
    }
    return letters == 0 ? fallback : column - 1;
}

// A number cell's value as the digits of a whole number ("7707083893" for "7.707083893E9"); as stored when
// it is no whole number.
std::string NumberText(const std::string& value) {
    char* end = nullptr;
    const double number = std::strtod(value.c_str(), &end);
    if (end == value.c_str() || *end != '\0' || !(number >= 0) || number >= 1e16 || std::floor(number) != number)
        return value;
    char digits[24];
    std::snprintf(digits, sizeof digits, "%.0f", number);
    return digits;
}

SheetCell ReadCell(std::string_view cell, const std::vector<std::string>& shared) {
    const std::string_view tag = cell.substr(0, cell.find('>'));
    const std::string type = Attribute(tag, "t");
    SheetCell out;
    if (type == "inlineStr") {
        out.text = base::Utf8ToAnsi(Texts(cell));
        return out;
    }
    const size_t open = cell.find("<v>");
    const size_t close = cell.find("</v>");
    if (open == std::string_view::npos || close == std::string_view::npos || close < open) return out;
    const std::string value = Unescape(cell.substr(open + 3, close - open - 3));
    if (type == "s") {
        const size_t index = std::strtoul(value.c_str(), nullptr, 10);
        if (index < shared.size()) out.text = shared[index];
    } else if (type.empty() || type == "n") {
        out.text = NumberText(value);
        out.number = true;
    } else {
        out.text = base::Utf8ToAnsi(value);
    }
    return out;
}

SheetRow ReadRow(std::string_view row, size_t fallbackNumber, const std::vector<std::string>& shared) {
    SheetRow out;
    const std::string number = Attribute(row.substr(0, row.find('>')), "r");
    out.rowNumber = number.empty() ? fallbackNumber : std::strtoul(number.c_str(), nullptr, 10);
    for (size_t at = row.find("<c "); at != std::string_view::npos; at = row.find("<c ", at + 3)) {
        const size_t tagEnd = row.find('>', at);
        if (tagEnd == std::string_view::npos) break;
        const bool empty = row[tagEnd - 1] == '/';
        const size_t end = empty ? tagEnd : row.find("</c>", tagEnd);
        if (end == std::string_view::npos) break;
        const size_t column = ColumnOf(Attribute(row.substr(at, tagEnd - at), "r"), out.cells.size());
        // A sheet has at most 16384 columns; a reference beyond is damage.
        if (column >= 16384) continue;
        if (out.cells.size() <= column) out.cells.resize(column + 1);
        if (!empty) out.cells[column] = ReadCell(row.substr(at, end - at), shared);
        at = end;
    }
    return out;
}

} // namespace

bool ReadFirstSheet(std::string_view bytes, std::vector<SheetRow>& rows, std::string& error) {
    rows.clear();
    ZipArchive zip;
    if (!zip.Open(bytes)) {
        error = "Файл не является книгой Excel (.xlsx)"_ansi;
        return false;
    }
    std::string sharedXml;
    zip.Read("xl/sharedStrings.xml", kMaxPartBytes, sharedXml); // a workbook of numbers alone has none
    const std::vector<std::string> shared = SharedStrings(sharedXml);
    sharedXml.clear();
    std::string sheet;
    if (!zip.Read(FirstSheetPath(zip), kMaxPartBytes, sheet)) {
        error = "Первый лист книги не читается (повреждён или слишком велик)"_ansi;
        return false;
    }
    for (size_t at = sheet.find("<row"); at != std::string::npos && rows.size() < kMaxSheetRows;
         at = sheet.find("<row", at + 4)) {
        const size_t tagEnd = sheet.find('>', at);
        if (tagEnd == std::string::npos) break;
        if (sheet[tagEnd - 1] == '/') continue; // an empty row
        const size_t end = sheet.find("</row>", tagEnd);
        if (end == std::string::npos) break;
        rows.push_back(ReadRow(std::string_view(sheet).substr(at, end - at), rows.size() + 1, shared));
        at = end;
    }
    return true;
}

} // namespace kvilo::xlsx
