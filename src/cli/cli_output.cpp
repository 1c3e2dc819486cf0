#include "cli/cli_output.h"

#include <array>

#include "base/code_page.h"
#include "base/control_text.h"
#include "base/pictures.h"

namespace kvilo::cli {

namespace {

using lookup::PartyRow;

std::string DateText(int32_t day) {
    return day == 0 ? std::string() : base::FormatPicture(day, "@d06.");
}

// The 18 values of a row in column order, UTF-8.
std::array<std::string, 18> Values(const PartyRow& r) {
    auto u = [](const auto& ansi) { return base::AnsiToUtf8(ansi.View()); };
    return {u(r.QFName),
            u(r.QFInn),
            u(r.QFKpp),
            u(r.QFOgrn),
            u(r.QFLiZo),
            u(r.QFAddress),
            DateText(r.QFActDate),
            DateText(r.QFRegDate),
            DateText(r.QFLiqDate),
            u(r.QFStatus),
            u(r.QFDir),
            u(r.QFDol),
            r.QFBCount == 0 ? std::string() : std::to_string(r.QFBCount),
            u(r.QFBType),
            u(r.QFOkved),
            u(r.QFOkpo),
            u(r.QFLat),
            u(r.QFLon)};
}

void AppendEscape(std::string& out, unsigned code) {
    static const char kHex[] = "0123456789abcdef";
    out += "\\u00";
    out += kHex[code >> 4];
    out += kHex[code & 15];
}

// Control characters (C0, DEL and the C1 controls U+0080-U+009F) go as escapes, never raw.
std::string JsonString(const std::string& utf8) {
    std::string out = "\"";
    for (size_t i = 0; i < utf8.size(); ++i) {
        const char c = utf8[i];
        const auto b = static_cast<unsigned char>(c);
        const auto next = i + 1 < utf8.size() ? static_cast<unsigned char>(utf8[i + 1]) : 0;
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20 || b == 0x7F) {
            AppendEscape(out, b);
        } else if (b == 0xC2 && (next & 0xE0) == 0x80) {
            AppendEscape(out, next);
            ++i;
        } else {
            out += c;
        }
    }
    return out + "\"";
}

} // namespace

std::string RowsAsTsv(const lookup::PartyRows& rows) {
    std::string out;
    for (size_t i = 0; i < lookup::kPartyRowFieldNames.size(); ++i)
        out += (i ? "\t" : "") + std::string(lookup::kPartyRowFieldNames[i]);
    out += "\n";
    for (const PartyRow& row : rows) {
        auto values = Values(row);
        for (size_t i = 0; i < values.size(); ++i)
            out += (i ? "\t" : "") + base::BlankControlsUtf8(values[i]);
        out += "\n";
    }
    return out;
}

std::string RowsAsJson(const lookup::PartyRows& rows) {
    std::string out = "[";
    for (size_t r = 0; r < rows.size(); ++r) {
        auto values = Values(rows[r]);
        out += r ? ",\n{" : "\n{";
        for (size_t i = 0; i < values.size(); ++i)
            out += (i ? "," : "") + JsonString(lookup::kPartyRowFieldNames[i]) + ":" + JsonString(values[i]);
        out += "}";
    }
    return out + (rows.empty() ? "]\n" : "\n]\n");
}

std::string MessageAsText(const framework::Message& message) {
    std::string text =
        base::AnsiToUtf8(base::BlankControls(message.caption) + ": " + base::BlankControls(message.text));
    for (char& c : text)
        if (c == '|') c = '\n';
    return text + "\n";
}

} // namespace kvilo::cli
