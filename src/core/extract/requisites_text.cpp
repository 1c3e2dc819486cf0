#include "core/extract/requisites_text.h"

#include "base/blank_text.h"
#include "base/control_text.h"
#include "base/cp1251.h"
#include "base/markup_text.h"

#include <utility>

namespace kvilo::extract {

using namespace base::literals;

namespace {

std::string Clean(std::string_view text) {
    return std::string(base::Trim(base::BlankControls(text)));
}

// A sole trader has an OGRNIP: the legal form says so, or the code's 15 digits when the form is unknown.
bool IsSoleTrader(const lookup::PartyRecord& record) {
    const std::string_view form = record.DaLiZo.View();
    if (form == "Ф"_ansi) return true;
    return form != "Ю"_ansi && base::Trim(record.DaOgrn.View()).size() == 15;
}

std::string InnAndKpp(const std::string& inn, const std::string& kpp) {
    if (kpp.empty()) return inn;
    return (inn.empty() ? std::string("-") : inn) + " / " + kpp;
}

std::string Manager(const std::string& post, const std::string& name) {
    if (post.empty() || name.empty()) return post + name;
    return post + " " + name;
}

} // namespace

std::vector<RequisiteLine> RequisiteLines(const lookup::PartyRecord& record) {
    std::vector<RequisiteLine> lines;
    const auto add = [&lines](const char* label, std::string value) {
        if (!value.empty()) lines.push_back({label, std::move(value)});
    };
    const std::string kpp = Clean(record.DaKpp.View());
    add("Наименование"_ansi, Clean(record.DaName.View()));
    add(kpp.empty() ? "ИНН"_ansi : "ИНН / КПП"_ansi, InnAndKpp(Clean(record.DaInn.View()), kpp));
    add(IsSoleTrader(record) ? "ОГРНИП"_ansi : "ОГРН"_ansi, Clean(record.DaOgrn.View()));
    add("Адрес"_ansi, Clean(record.DaAddress.View()));
    add("Руководитель"_ansi, Manager(Clean(record.DaDol.View()), Clean(record.DaDir.View())));
    return lines;
}

std::string RequisitesText(const lookup::PartyRecord& record) {
    std::string text;
    for (const RequisiteLine& line : RequisiteLines(record)) {
        if (line.label != "Наименование"_ansi) text += line.label + ": ";
        text += line.value + "\n";
    }
    return text;
}

std::string RequisitesHtml(const lookup::PartyRecord& record) {
    std::string html = "<table border=\"1\" cellspacing=\"0\" cellpadding=\"4\">\n";
    for (const RequisiteLine& line : RequisiteLines(record)) {
        html += "<tr><td>";
        html += base::EscapeMarkup(line.label, false);
        html += "</td><td>";
        html += base::EscapeMarkup(line.value, false);
        html += "</td></tr>\n";
    }
    return html + "</table>\n";
}

} // namespace kvilo::extract
