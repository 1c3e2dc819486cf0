#include "cli/cli_output.h"

#include "base/code_page.h"
#include "base/control_text.h"
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
    const auto& fields = lookup::PartyFields();
    std::string out;
    for (size_t i = 0; i < fields.size(); ++i)
        out += (i ? "\t" : "") + std::string(fields[i].cliName);
    out += "\n";
    for (const PartyRow& row : rows) {
        for (size_t i = 0; i < fields.size(); ++i)
            out += (i ? "\t" : "") + base::BlankControlsUtf8(ValueText(fields[i], row));
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
    std::string text =
        base::AnsiToUtf8(base::BlankControls(message.caption) + ": " + base::BlankControls(message.text));
    for (char& c : text)
        if (c == '|') c = '\n';
    return text + "\n";
}

} // namespace kvilo::cli
