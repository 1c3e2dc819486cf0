#include "json/json_mapping.h"

#include <cstring>
#include <memory>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "base/pictures.h"
#include "platform/file.h"
#include "text/encoders.h"
#include "json/rule_set.h"

namespace kvilo::json {

namespace {

constexpr int32_t kMaxFields = 99999;
constexpr size_t kMaxArrayText = 256;

// The engine's calls with the rules already parsed; nested groups and elements share the caller's rules.
bool LoadRecord(const TJsonNode* node, RecordView record, const RuleSet& rules);
bool LoadObject(const TJsonNode* node, RecordView record, const RuleSet& rules);
bool LoadList(const TJsonNode* node, RecordList& list, int32_t fieldNumber, const RuleSet& rules);
JsonTree WriteRecord(RecordView record, const RuleSet& rules, bool lowerCase);
JsonTree WriteList(RecordList* list, const RuleSet& rules, bool lowerCase);
JsonTree WriteScalarArray(RecordList* list, int32_t fieldNumber, const RuleSet& rules, bool lowerCase);

std::string_view JsonNameOf(const TFieldRule& rule, std::string_view normalisedName) {
    const std::string_view jsonName = base::RightTrim(rule.JSONNAME.View());
    return jsonName.empty() ? normalisedName : jsonName;
}

// Moves leading blanks to the end, keeping the length.
std::string LeftJustified(std::string text) {
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos || first == 0) return text;
    return text.substr(first) + std::string(first, ' ');
}

// The value as the rule wants it: helper, file contents, then the first picture given.
Variant Transform(const TFieldRule& rule, std::string_view fieldName, Variant value) {
    // ISSTRINGREF needs nothing here: a text-reference field already yields the text it refers to.
    if (RuleHelper* helper = ResolveRuleHelper(rule.RULEHELPER)) value = helper->TransformValue(fieldName, rule, value);
    if (rule.ISFILE != 0) value = Variant(ReadWholeFile(base::RightTrim(value.text())));
    if (!base::RightTrim(rule.FORMAT.View()).empty()) return Variant(base::FormatPicture(value, rule.FORMAT.View()));
    if (!base::RightTrim(rule.FORMATLEFT.View()).empty())
        return Variant(LeftJustified(base::FormatPicture(value, rule.FORMATLEFT.View())));
    if (!base::RightTrim(rule.DEFORMAT.View()).empty())
        return base::DeformatPicture(value.text(), rule.DEFORMAT.View());
    return value;
}

// The scalar value of a member: a String's text, a Number's value, 0 / 1 for False / True, else empty.
Variant MemberValue(const TJsonNode& member, bool base64) {
    switch (member.Kind()) {
    case kJsonString:
        return base64 ? Variant(text::Base64Decode(base::RightTrim(member.VALUESTRING.View())))
                      : Variant(member.VALUESTRING.View());
    case kJsonNumber:
        return Variant(member.VALUEDOUBLE);
    case kJsonFalse:
        return Variant(0);
    case kJsonTrue:
        return Variant(1);
    default:
        return Variant(std::string_view{});
    }
}

void AssignMember(const TJsonNode& member, RecordView record, int32_t index, const TFieldRule& rule,
                  std::string_view fieldName) {
    if (rule.IGNORE == 1) return;
    if (rule.AUTO != 0) {
        if (RuleHelper* helper = ResolveRuleHelper(rule.RULEHELPER)) helper->AssignNode(fieldName, member);
        return;
    }
    record.SetValue(index, Transform(rule, fieldName, MemberValue(member, rule.ISBASE64 != 0)));
}

// Loads a member into the field whose JSON name it matches; false when the field cannot take it.
bool LoadField(const TJsonNode& member, RecordView record, int32_t index, const TFieldRule& rule,
               std::string_view fieldName, const RuleSet& rules) {
    if (member.Kind() == kJsonObject) {
        // An object has no value for a plain field: loading it there would only blank a field that a
        // sibling group may already have filled ("name" of a party after "management"."name").
        if (!record.IsGroup(index)) return false;
        LoadObject(&member, record.Group(index), rules);
        return true;
    }
    if (member.Kind() == kJsonArray && rule.INSTANCE != 0) {
        if (RecordList* list = ResolveList(rule.INSTANCE)) LoadList(&member, *list, rule.FIELDNUMBER, rules);
        return true;
    }
    AssignMember(member, record, index, rule, fieldName);
    return true;
}

// Loads one member into the first field whose JSON name matches it and that can take it. `layout` holds the
// record's precomputed rules when no rule has a helper.
void LoadMember(const TJsonNode& member, RecordView record, const RuleSet& rules, RuleCursor& cursor,
                const LayoutRules* layout) {
    const std::string_view memberName = member.NAME.View();
    if (layout != nullptr) {
        // Without helpers a field's rule depends on its name alone, so the layout's precomputed index
        // answers at once.
        const auto fields = layout->fieldsByJsonName.find(memberName);
        if (fields == layout->fieldsByJsonName.end()) return;
        for (int32_t index : fields->second) {
            const auto slot = static_cast<size_t>(index - 1);
            if (LoadField(member, record, index, rules.RuleAt(layout->ruleIndex[slot]), layout->fieldNames[slot],
                          rules))
                return;
        }
        return;
    }
    // A helper may change each selected rule, and is told of every selection: select field by field.
    for (int32_t index = 1; record.HasField(index); ++index) {
        const std::string fieldName = NormalisedFieldName(record.FieldName(index), false);
        const TFieldRule& rule = cursor.Select(fieldName);
        if (!base::EqualNoCase(JsonNameOf(rule, fieldName), memberName)) continue;
        if (LoadField(member, record, index, rule, fieldName, rules)) return;
    }
}

bool IsBlankText(std::string_view text) {
    return base::RightTrim(text).empty() || (text.size() >= 4 && std::memcmp(text.data(), "\0\0\0\0", 4) == 0);
}

// The node for a text value, or nullptr when EMPTYSTRING says to leave a blank text out.
TJsonNode* TextNode(std::string_view text, const TFieldRule& rule, size_t maxLength = std::string_view::npos) {
    if (IsBlankText(text)) {
        const bool zeroed = text.size() >= 4 && std::memcmp(text.data(), "\0\0\0\0", 4) == 0;
        const EmptyTextRule emptyRule = EmptyTextRuleOf(rule.EMPTYSTRING.View());
        if (emptyRule == EmptyTextRule::Ignore) return nullptr;
        if (emptyRule == EmptyTextRule::Null || zeroed) return CreateNull();
        return CreateString({});
    }
    return CreateString(text.substr(0, maxLength));
}

bool IsZero(const Variant& value) {
    return value.real() == 0;
}

// One element of a scalar array or list: a boolean, a number or a text, or nullptr to leave it out.
TJsonNode* ScalarNode(const Variant& value, const TFieldRule& rule, size_t maxText = std::string_view::npos) {
    if (value.isText()) return TextNode(value.text(), rule, maxText);
    if (rule.ISBOOL != 0) {
        const int64_t flag = ClampedInteger(value, INT32_MIN, INT32_MAX);
        if (rule.IGNOREFALSE != 0 && flag == 0) return nullptr;
        return CreateBool(flag == 1 ? 1 : 0);
    }
    if (rule.IGNOREZERO != 0 && IsZero(value)) return nullptr;
    return CreateNumber(value.real());
}

Variant Base64IfAsked(const TFieldRule& rule, Variant value) {
    if (rule.ISBASE64 == 0) return value;
    return Variant(text::Base64Encode(base::RightTrim(value.text())));
}

// Adds `item` under `name`, deleting it when that fails (a blank JSON name fails silently).
void AddMember(TJsonNode* object, std::string_view name, TJsonNode* item) {
    if (item != nullptr && !AddItemToObject(object, name, item)) DeleteJson(item);
}

TJsonNode* ArrayField(RecordView record, int32_t index, const TFieldRule& rule, std::string_view fieldName,
                      const RuleSet& rules, bool lowerCase) {
    int32_t count = record.ElementCount(index);
    if (rule.ARRAYSIZE > 0 && rule.ARRAYSIZE < count) count = rule.ARRAYSIZE;
    TJsonNode* array = CreateArray();
    TJsonNode* last = nullptr;
    for (int32_t element = 1; array != nullptr && element <= count; ++element) {
        TJsonNode* item;
        if (record.IsGroup(index)) {
            item = WriteRecord(record.Group(index, element), rules, lowerCase).release();
        } else if (!record.IsText(index)) {
            item = CreateNumber(Transform(rule, fieldName, record.Value(index, element)).real());
        } else {
            item = TextNode(Transform(rule, fieldName, record.Value(index, element)).text(), rule, kMaxArrayText);
        }
        if (item == nullptr) continue;
        LinkAfter(array, last, item);
        last = item;
    }
    return array;
}

TJsonNode* ListField(uint32_t handle, const TFieldRule& rule, const RuleSet& rules, bool lowerCase) {
    RecordList* list = ResolveList(handle);
    JsonTree array = rule.FIELDNUMBER != 0 ? WriteScalarArray(list, rule.FIELDNUMBER, rules, lowerCase)
                                           : WriteList(list, rules, lowerCase);
    if (rule.IGNOREEMPTYARRAY != 0 && array && array->CHILD == nullptr) return nullptr;
    return array.release();
}

// The node for one scalar field, or nullptr when the rule leaves it out.
TJsonNode* ScalarField(const Variant& value, const TFieldRule& rule) {
    if (rule.ISBOOL != 0) {
        const int64_t flag = ClampedInteger(value, INT32_MIN, INT32_MAX);
        if (rule.IGNOREFALSE != 0 && flag == 0) return nullptr;
        return CreateBool(flag == 1 ? 1 : 0);
    }
    if (rule.ISRAW != 0) return CreateRaw(value.text());
    return ScalarNode(value, rule);
}

bool LoadRecord(const TJsonNode* node, RecordView record, const RuleSet& rules) {
    RuleCursor cursor(rules);
    const LayoutRules* layout = rules.HasHelpers() ? nullptr : &rules.RulesOf(record);
    for (const TJsonNode* member = node->CHILD; member != nullptr; member = member->NEXT)
        if (!base::RightTrim(member->NAME.View()).empty()) LoadMember(*member, record, rules, cursor, layout);
    return true;
}

// An object whose members go into the record; false (record untouched) for anything else.
bool LoadObject(const TJsonNode* node, RecordView record, const RuleSet& rules) {
    if (!IsObject(node) || !record.IsValid()) return false;
    record.Clear();
    return LoadRecord(node, record, rules);
}

bool LoadList(const TJsonNode* node, RecordList& list, int32_t fieldNumber, const RuleSet& rules) {
    // Each call's helper gets a list of its own, as a freshly parsed one, to look at or change.
    FieldRuleList helperRules;
    RuleHelper* helper = ResolveRuleHelper(rules.InitialSelection().RULEHELPER);
    if (helper != nullptr) rules.CopyTo(helperRules);
    const int32_t total = helper != nullptr ? GetSize(node) : 0;
    if (fieldNumber == 0) fieldNumber = 1;
    int32_t index = 0;
    for (const TJsonNode* element = node->CHILD; element != nullptr; element = element->NEXT) {
        ++index;
        RecordView buffer = list.Buffer();
        if (element->Kind() == kJsonObject) {
            if (LoadObject(element, buffer, rules)) list.Add();
        } else if (buffer.HasField(fieldNumber)) {
            // A fresh buffer for each scalar, so that no field of the previous record is carried over.
            buffer.Clear();
            buffer.SetValue(fieldNumber, MemberValue(*element, false));
            list.Add();
        }
        if (helper != nullptr && !helper->OnItem(total, index, node, helperRules, list.Handle())) break;
    }
    return true;
}

JsonTree WriteRecord(RecordView record, const RuleSet& rules, bool lowerCase) {
    RuleCursor cursor(rules);
    JsonTree object(CreateObject());
    if (!object) return object;
    for (int32_t index = 1; index <= kMaxFields && record.HasField(index); ++index) {
        const std::string_view declared = record.FieldName(index);
        if (base::RightTrim(declared).empty()) continue;
        const std::string fieldName = NormalisedFieldName(declared, lowerCase);
        const TFieldRule& rule = cursor.Select(fieldName);
        const std::string jsonName(JsonNameOf(rule, fieldName));
        if (rule.IGNORE == 1) continue;
        const bool group = record.IsGroup(index);
        if (record.ElementCount(index) > 1) {
            AddMember(object.get(), jsonName, ArrayField(record, index, rule, fieldName, rules, lowerCase));
        } else if (rule.ISQUEUE != 0) {
            const auto handle = static_cast<uint32_t>(ClampedInteger(record.Value(index + 1), 0, UINT32_MAX));
            AddMember(object.get(), jsonName, ListField(handle, rule, rules, lowerCase));
            ++index;
        } else if (group) {
            JsonTree members = WriteRecord(record.Group(index), rules, lowerCase);
            if (!(rule.IGNOREEMPTYOBJECT != 0 && members && members->CHILD == nullptr))
                AddMember(object.get(), jsonName, members.release());
        } else if (rule.INSTANCE != 0) {
            AddMember(object.get(), jsonName, ListField(rule.INSTANCE, rule, rules, lowerCase));
        } else {
            const Variant value = Base64IfAsked(rule, Transform(rule, fieldName, record.Value(index)));
            AddMember(object.get(), jsonName, ScalarField(value, rule));
        }
        // A group written as an object or an array of objects takes its members with it.
        if (group) index = record.LastMember(index);
    }
    return object;
}

JsonTree WriteList(RecordList* list, const RuleSet& rules, bool lowerCase) {
    JsonTree array(CreateArray());
    if (!array || list == nullptr) return array;
    FieldRuleList helperRules;
    RuleHelper* helper = ResolveRuleHelper(rules.InitialSelection().RULEHELPER);
    if (helper != nullptr) rules.CopyTo(helperRules);
    TJsonNode* last = nullptr;
    const int32_t count = list->Count();
    for (int32_t index = 1; index <= count && list->Get(index); ++index) {
        TJsonNode* item = WriteRecord(list->Buffer(), rules, lowerCase).release();
        if (item != nullptr) {
            LinkAfter(array.get(), last, item);
            last = item;
        }
        if (helper != nullptr && !helper->OnItem(count, index, array.get(), helperRules, list->Handle())) break;
    }
    return array;
}

JsonTree WriteScalarArray(RecordList* list, int32_t fieldNumber, const RuleSet& ruleSet, bool lowerCase) {
    JsonTree array(CreateArray());
    if (!array || list == nullptr) return array;
    // One selection per call: the list itself serves, as its helper may look at it after that selection.
    FieldRuleList rules;
    ruleSet.CopyTo(rules);
    RuleHelper* helper = ResolveRuleHelper(rules.BufferRecord().RULEHELPER);
    const std::string fieldName = NormalisedFieldName(list->Buffer().FieldName(fieldNumber), lowerCase);
    FindRule(rules, fieldName);
    const TFieldRule rule = rules.BufferRecord();
    TJsonNode* last = nullptr;
    const int32_t count = list->Count();
    for (int32_t index = 1; index <= count && list->Get(index); ++index) {
        RecordView buffer = list->Buffer();
        if (!buffer.HasField(fieldNumber)) break;
        const Variant value = Base64IfAsked(rule, Transform(rule, fieldName, buffer.Value(fieldNumber)));
        if (TJsonNode* item = ScalarNode(value, rule)) {
            LinkAfter(array.get(), last, item);
            last = item;
        }
        if (helper != nullptr && !helper->OnItem(count, index, array.get(), rules, list->Handle())) break;
    }
    return array;
}

// A rules text always gives the same rules: each thread keeps the last text it read without a fault, with
// its rules, and uses them again while that text comes again (a lookup passes the same text every time).
// A text with faults is read, and its trace lines written, at every use.
std::shared_ptr<const RuleSet> RulesFor(std::string_view rulesText) {
    thread_local std::string lastText;
    thread_local std::shared_ptr<const RuleSet> lastRules;
    if (lastRules && lastText == rulesText) return lastRules;
    auto rules = std::make_shared<const RuleSet>(rulesText);
    if (rules->Clean()) {
        lastText.assign(rulesText);
        lastRules = rules;
    }
    return rules;
}

} // namespace

bool JsonToRecord(const TJsonNode* node, RecordView record, std::string_view rulesText) {
    if (!IsObject(node) || !record.IsValid()) return false;
    record.Clear();
    if (node->CHILD == nullptr) return true;
    const std::shared_ptr<const RuleSet> parsed = RulesFor(rulesText);
    const RuleSet& rules = *parsed;
    return LoadRecord(node, record, rules);
}

JsonTree ParseForRecord(TJsonParser& parser, std::string_view text, int32_t codePage, RecordView record,
                        std::string_view rulesText, int32_t maxElements) {
    const std::shared_ptr<const RuleSet> parsed = RulesFor(rulesText);
    const RuleSet& rules = *parsed;
    ParseFilter filter;
    filter.KeepElements(maxElements);
    if (!rules.HasHelpers() && record.IsValid()) {
        // The JSON names of every field a member can land in: the record's own (groups included, as the
        // flat enumeration lists them), and those of every list an array can be sent into.
        const auto keep = [&](RecordView view) {
            for (const auto& [key, fields] : rules.RulesOf(view).fieldsByJsonName)
                filter.KeepMember(key);
        };
        keep(record);
        for (const TFieldRule& rule : rules.Rules())
            if (RecordList* list = ResolveList(rule.INSTANCE)) keep(list->Buffer());
    }
    return ParseJson(parser, text, codePage, filter);
}

bool JsonTextToRecord(TJsonParser& parser, std::string_view text, int32_t codePage, RecordView record,
                      std::string_view rulesText, int32_t maxElements) {
    const JsonTree root = ParseForRecord(parser, text, codePage, record, rulesText, maxElements);
    return JsonToRecord(root.get(), record, rulesText);
}

bool JsonToList(const TJsonNode* node, RecordList& list, int32_t fieldNumber, std::string_view rulesText) {
    if (!IsArray(node)) return false;
    if (node->CHILD == nullptr) return true;
    const std::shared_ptr<const RuleSet> parsed = RulesFor(rulesText);
    const RuleSet& rules = *parsed;
    return LoadList(node, list, fieldNumber, rules);
}

JsonTree RecordToJson(RecordView record, std::string_view rulesText, bool lowerCase) {
    const std::shared_ptr<const RuleSet> parsed = RulesFor(rulesText);
    const RuleSet& rules = *parsed;
    return WriteRecord(record, rules, lowerCase);
}

JsonTree ListToJson(RecordList* list, std::string_view rulesText, bool lowerCase) {
    // The rules text is read only when there is a list to write, so a blank answer writes no trace.
    if (list == nullptr) return JsonTree(CreateArray());
    const std::shared_ptr<const RuleSet> parsed = RulesFor(rulesText);
    const RuleSet& rules = *parsed;
    return WriteList(list, rules, lowerCase);
}

JsonTree ListToScalarArray(RecordList* list, int32_t fieldNumber, std::string_view rulesText, bool lowerCase) {
    if (list == nullptr) return JsonTree(CreateArray());
    const std::shared_ptr<const RuleSet> parsed = RulesFor(rulesText);
    const RuleSet& rules = *parsed;
    return WriteScalarArray(list, fieldNumber, rules, lowerCase);
}

std::string ReadWholeFile(std::string_view fileName) {
    std::string contents;
    // A file that cannot be read to its end gives what was read of it.
    if (!base::RightTrim(fileName).empty())
        platform::ReadFileContents(base::RightTrim(fileName), std::string::npos, contents);
    return contents;
}

} // namespace kvilo::json
