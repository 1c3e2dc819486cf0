#include "cli/cli_output.h"

#include <array>

#include "base/code_page.h"
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

std::string OneLine(std::string text) {
    for (char& c : text)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return text;
}

std::string JsonString(const std::string& utf8) {
    static const char kHex[] = "0123456789abcdef";
    std::string out = "\"";
    for (char c : utf8) {
        auto b = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            out += '\\';
            out += c;
        } else if (b < 0x20) {
            out += "\\u00";
            out += kHex[b >> 4];
            out += kHex[b & 15];
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
            out += (i ? "\t" : "") + OneLine(values[i]);
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
    std::string text = base::AnsiToUtf8(message.caption) + ": " + base::AnsiToUtf8(message.text);
    for (char& c : text)
        if (c == '|') c = '\n';
    return text + "\n";
}

} // namespace kvilo::cli
