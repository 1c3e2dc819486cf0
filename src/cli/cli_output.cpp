#include "cli/cli_output.h"

#include "base/code_page.h"
#include "base/pictures.h"

namespace kvilo::cli {

namespace {

using lookup::PartyRow;

std::string DateText(int32_t day) {
    return day == 0 ? std::string() : base::FormatPicture(day, "@d06.");
}

// A field's value as kvilo-cli writes it, UTF-8: dates dd.mm.yyyy and the count, both empty when 0.
std::string ValueText(const lookup::PartyField& field, const PartyRow& row) {
    const base::Variant value = field.rowValue(row);
    switch (field.value) {
    case lookup::PartyValue::Date:
        return DateText(static_cast<int32_t>(value.integer()));
    case lookup::PartyValue::Count:
        return value.integer() == 0 ? std::string() : value.text();
    default:
        return base::AnsiToUtf8(value.text());
    }
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
    const auto& fields = lookup::PartyFields();
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i)
        out += (i ? "\t" : "") + std::string(fields[i].cliName);
    out += "\n";
    for (const PartyRow& row : rows) {
        for (size_t i = 0; i < fields.size(); ++i)
            out += (i ? "\t" : "") + OneLine(ValueText(fields[i], row));
        out += "\n";
    }
    return out;
}

std::string RowsAsJson(const lookup::PartyRows& rows) {
    const auto& fields = lookup::PartyFields();
    std::string out = "[";
    for (size_t r = 0; r < rows.size(); ++r) {
        out += r ? ",\n{" : "\n{";
        for (size_t i = 0; i < fields.size(); ++i)
            out += (i ? "," : "") + JsonString(std::string(fields[i].cliName)) + ":" +
                   JsonString(ValueText(fields[i], rows[r]));
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
