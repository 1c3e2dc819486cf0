#pragma once
// The mapping engine: JSON objects to records and back, JSON arrays to record lists and back. JSON member
// names pair with the records' own field names (without regard to case, after dropping a "PRE:" prefix);
// a rules text (field_rules.h) renames, skips, formats or routes fields where that is not enough.
//
//   SuggestionAnswer answer;                                   // one field: ListHandle SUGGESTIONS
//   RecordListOf<SuggestionItem> items;
//   TJsonParser parser;
//   JsonTree root = ParseJson(parser, body, 0);
//   JsonToRecord(root.get(), ViewOf(answer),
//                "[{\"name\":\"suggestions\",\"instance\":" + std::to_string(items.Handle()) + "}]");
//
// Failures are return values; rules-text problems go to the debug trace.
#include <cstdint>
#include <string>
#include <string_view>

#include "json/field_rules.h"
#include "json/json_node.h"
#include "json/json_parser.h"
#include "json/record_list.h"
#include "json/record_view.h"

namespace kvilo::json {

// Clears the record and loads the members of an Object into it. False (record untouched) for anything
// that is not an Object. Members without a matching field are ignored.
bool JsonToRecord(const TJsonNode* node, RecordView record, std::string_view rulesText = {});

// JSON text straight into a record: ParseJson (with `codePage`, leaving any error on `parser`) followed by
// JsonToRecord, with the same result, except that the tree holds only what the record can take: members
// whose name is the JSON name of a field of the record, of its groups or of a list that the rules send an
// array into, and of each array its first `maxElements` elements (so such a list receives at most that
// many records). Everything else is checked but never built. Rules that name a helper (which may look at
// any node) get every member. False when the text does not parse or is not an Object.
bool JsonTextToRecord(TJsonParser& parser, std::string_view text, int32_t codePage, RecordView record,
                      std::string_view rulesText = {}, int32_t maxElements = INT32_MAX);

// The tree JsonTextToRecord loads from: `text` parsed keeping only what the record (and the lists the rules
// send arrays into) can take, for a caller that looks at the tree before loading it with JsonToRecord.
JsonTree ParseForRecord(TJsonParser& parser, std::string_view text, int32_t codePage, RecordView record,
                        std::string_view rulesText = {}, int32_t maxElements = INT32_MAX);

// Appends one record per element of an Array (objects through JsonToRecord; scalars into field
// `fieldNumber`, 0 meaning 1). False for anything that is not an Array; the list is not emptied first.
bool JsonToList(const TJsonNode* node, RecordList& list, int32_t fieldNumber = 0, std::string_view rulesText = {});

// A new Object holding the record's fields; names lower-cased when `lowerCase`.
JsonTree RecordToJson(RecordView record, std::string_view rulesText = {}, bool lowerCase = false);

// A new Array with one Object per record of the list (nullptr list: an empty Array).
JsonTree ListToJson(RecordList* list, std::string_view rulesText = {}, bool lowerCase = false);

// A new Array of the values of field `fieldNumber` of each record.
JsonTree ListToScalarArray(RecordList* list, int32_t fieldNumber, std::string_view rulesText = {},
                           bool lowerCase = false);

// The whole contents of a file; empty when it cannot be opened or is empty.
std::string ReadWholeFile(std::string_view fileName);

// The same for a record declared with KVILO_RECORD, without spelling out its view:
//   JsonToRecord(root.get(), answer, rules);   JsonTree json = RecordToJson(row);
template <class T>
requires detail::HasLayout<T>
bool JsonToRecord(const TJsonNode* node, T& record, std::string_view rulesText = {}) {
    return JsonToRecord(node, ViewOf(record), rulesText);
}
template <class T>
requires detail::HasLayout<T> JsonTree RecordToJson(T& record, std::string_view rulesText = {},
                                                    bool lowerCase = false) {
    return RecordToJson(ViewOf(record), rulesText, lowerCase);
}

} // namespace kvilo::json
