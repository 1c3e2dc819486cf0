// The writer of the format text, in the canonical order that reproduces the designed formats exactly:
// | _ F M E(...) HT(...), then header and header alignment, then picture, then #n#.
#include <string>

#include "core/listformat/list_format_text.h"

namespace kvilo::listformat {
namespace {

void WriteNumber(long value, std::string& out) {
    out += std::to_string(value);
}

void WriteAlignment(const Alignment& a, std::string& out) {
    out += static_cast<char>(a.justify);
    if (a.indentGiven || a.indent != 0) {
        out += '(';
        WriteNumber(a.indent, out);
        out += ')';
    }
}

void WriteDecoration(const Decoration& d, std::string& out) {
    if (d.rightBorder) out += '|';
    if (d.underline) out += '_';
    if (d.fixed) out += 'F';
    if (d.resizable) out += 'M';
    if (d.colours != Colours{}) {
        out += "E(";
        for (long c : {d.colours.text, d.colours.background, d.colours.selectedText, d.colours.selectedBackground}) {
            WriteNumber(c, out);
            out += ',';
        }
        out.back() = ')';
    }
    if (d.headerColour != kNoColour) {
        out += "HT(";
        WriteNumber(d.headerColour, out);
        out += ')';
    }
    if (d.hasHeader || d.hasHeaderAlignment || !d.header.empty()) {
        out += '~';
        out += d.header;
        out += '~';
        if (d.hasHeaderAlignment) WriteAlignment(d.headerAlignment, out);
    }
}

void WriteColumn(const Column& c, int& running, std::string& out) {
    WriteNumber(c.width, out);
    WriteAlignment(c.alignment, out);
    WriteDecoration(c, out);
    if (!c.picture.empty()) {
        out += '@';
        out += c.picture;
        out += '@';
    }
    if (c.field != running) {
        out += '#';
        WriteNumber(c.field, out);
        out += '#';
    }
    running = c.field + 1;
}

} // namespace

void WriteItem(const Item& item, int& running, std::string& out) {
    if (!item.isGroup) {
        for (const Column& c : item.columns)
            WriteColumn(c, running, out);
        return;
    }
    out += '[';
    for (const Column& c : item.columns)
        WriteColumn(c, running, out);
    out += ']';
    if (item.groupWidth > 0) {
        out += '(';
        WriteNumber(item.groupWidth, out);
        out += ')';
    }
    WriteDecoration(item.group, out);
}

} // namespace kvilo::listformat
