#include "core/lookup/party_answer.h"

#include <string>

#include "core/lookup/lookup_request.h"
#include "core/lookup/party_mapping.h"
#include "core/lookup/russian_collation.h"
#include "core/lookup/suggestion_item.h"
#include "json/json_mapping.h"
#include "json/json_parser.h"
#include "json/record_list.h"

namespace kvilo::lookup {

namespace {

// The record the answer object is loaded into: its one field receives the "suggestions" array through
// the rules text, which sends the array into the working list.
struct SuggestionAnswer {
    json::ListHandle SUGGESTIONS = 0;
};
KVILO_RECORD(SuggestionAnswer, SUGGESTIONS)

// The answers arrive in UTF-8; code page 0 turns every text into the program's 1251.
json::JsonTree ParseAnswer(std::string_view answer) {
    json::TJsonParser parser;
    return json::ParseJson(parser, answer, 0);
}

template <class Record> bool LoadRecord(std::string_view answer, Record& record) {
    record = Record{};
    json::JsonTree root = ParseAnswer(answer);
    return json::JsonToRecord(root.get(), json::ViewOf(record));
}

} // namespace

int MapAnswer(std::string_view answer, PartyRows& rows) {
    // One working list per thread, emptied after each answer: its handle, and so the rules text that names
    // it, stays the same from lookup to lookup, and the rules are read once.
    thread_local json::RecordListOf<SuggestionItem> working;
    working.Free();
    working.Records().reserve(kHitsAskedFor);
    {
        // The tree holds only what the records take, and at most the entries a list shows: an answer of
        // 16 MB, whatever it holds, costs little more than its own bytes.
        json::TJsonParser parser;
        SuggestionAnswer record;
        std::string rules = "[{\"name\":\"suggestions\",\"instance\":" + std::to_string(working.Handle()) + "}]";
        const json::JsonTree root = json::ParseForRecord(parser, answer, 0, json::ViewOf(record), rules, kHitsAskedFor);
        if (!json::IsArray(json::GetObjectItem(root.get(), "suggestions"))) return kUnreadableAnswer;
        json::JsonToRecord(root.get(), json::ViewOf(record), rules);
    }
    rows.reserve(rows.size() + working.Records().size());
    for (const SuggestionItem& item : working.Records())
        rows.push_back(ToPartyRow(item));
    SortRowsByName(rows);
    const int items = working.Count();
    working.Free();
    return items;
}

bool LoadVersionAnswer(std::string_view answer, VersionAnswer& version) {
    return LoadRecord(answer, version);
}

} // namespace kvilo::lookup
