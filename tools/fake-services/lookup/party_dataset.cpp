#include "party_dataset.h"

#include <fstream>
#include <sstream>

#include "base/code_page.h"
#include "json/json_node.h"
#include "json/json_parser.h"

namespace kvilo::fake {

namespace {

// The end (one past) of the object or array that starts at `begin`, strings and escapes respected;
// npos when the text ends first.
size_t ValueEnd(std::string_view text, size_t begin) {
    int depth = 0;
    bool inString = false;
    for (size_t i = begin; i < text.size(); ++i) {
        char c = text[i];
        if (inString) {
            if (c == '\\')
                ++i;
            else if (c == '"')
                inString = false;
        } else if (c == '"') {
            inString = true;
        } else if (c == '{' || c == '[') {
            ++depth;
        } else if ((c == '}' || c == ']') && --depth == 0) {
            return i + 1;
        }
    }
    return std::string_view::npos;
}

std::string Text(const json::TJsonNode* node, std::initializer_list<const char*> path) {
    for (const char* name : path)
        node = json::GetObjectItem(node, name);
    return json::IsString(node) ? std::string(json::GetString(node)) : std::string();
}

bool ToEntry(std::string_view raw, PartyEntry& entry) {
    json::TJsonParser parser;
    json::JsonTree root = json::ParseJson(parser, raw, 0);
    if (!json::IsObject(root.get())) return false;
    const json::TJsonNode* item = root.get();
    std::string search;
    for (auto path : {std::initializer_list<const char*>{"data", "inn"},
                      {"data", "ogrn"},
                      {"data", "kpp"},
                      {"value"},
                      {"unrestricted_value"},
                      {"data", "address", "unrestricted_value"},
                      {"data", "management", "name"}})
        search += Text(item, path) + " ";
    entry.raw = std::string(raw);
    entry.searchText = base::UpperText(search);
    entry.type = Text(item, {"data", "type"});
    entry.regionCode = Text(item, {"data", "address", "data", "region_kladr_id"});
    entry.inn = Text(item, {"data", "inn"});
    entry.ogrn = Text(item, {"data", "ogrn"});
    entry.branchType = Text(item, {"data", "branch_type"});
    return true;
}

} // namespace

std::vector<std::string_view> SplitSuggestions(std::string_view text) {
    std::vector<std::string_view> items;
    size_t member = text.find("\"suggestions\"");
    size_t pos = member == std::string_view::npos ? member : text.find('[', member);
    if (pos == std::string_view::npos) return items;
    for (++pos; pos < text.size();) {
        pos = text.find_first_not_of(" \t\r\n,", pos);
        if (pos == std::string_view::npos) break;
        if (text[pos] == ']') return items;
        size_t end = ValueEnd(text, pos);
        if (end == std::string_view::npos) break;
        items.push_back(text.substr(pos, end - pos));
        pos = end;
    }
    return {};
}

bool LoadPartyIndex(std::string_view text, PartyIndex& index) {
    std::vector<std::string_view> items = SplitSuggestions(text);
    if (items.empty()) return false;
    for (std::string_view raw : items) {
        PartyEntry entry;
        if (!ToEntry(raw, entry)) return false;
        index.Add(std::move(entry));
    }
    return true;
}

bool LoadPartyIndexFile(const std::string& path, PartyIndex& index) {
    std::ifstream file(path, std::ios::binary);
    if (!file) return false;
    std::ostringstream text;
    text << file.rdbuf();
    return LoadPartyIndex(text.str(), index);
}

} // namespace kvilo::fake
