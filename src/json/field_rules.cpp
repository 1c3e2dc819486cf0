#include "json/field_rules.h"

#include <array>

#include "base/blank_text.h"
#include "base/code_page.h"
#include "json/json_mapping.h"
#include "json/json_parser.h"
#include "json/json_trace.h"

namespace kvilo::json {

void RuleHelper::OnRuleFound(std::string_view, TFieldRule&) {}
Variant RuleHelper::TransformValue(std::string_view, const TFieldRule&, const Variant& value) {
    return value;
}
void RuleHelper::AssignNode(std::string_view, const TJsonNode&) {}
bool RuleHelper::OnItem(int32_t, int32_t, const TJsonNode*, FieldRuleList&, uint32_t) {
    return true;
}

RuleHelper* ResolveRuleHelper(uint32_t handle) {
    return static_cast<RuleHelper*>(ResolveHandle(HandleKind::RuleHelper, handle));
}

std::string NormalisedFieldName(std::string_view fieldName, bool lowerCase) {
    const size_t colon = fieldName.find(':');
    if (colon != std::string_view::npos) fieldName.remove_prefix(colon + 1);
    return lowerCase ? base::LowerText(fieldName) : std::string(fieldName);
}

namespace {

// The options an element takes over from the default rule when it lacks them, in this order.
constexpr std::array<std::string_view, 17> kInheritedKeys = {
    "JsonName", "EmptyString", "IgnoreFalse", "IgnoreZero", "IgnoreEmptyArray", "IgnoreEmptyObject",
    "Format",   "FormatLeft",  "Deformat",    "Ignore",     "IsStringRef",      "IsBool",
    "IsRaw",    "IsBase64",    "IsFile",      "Auto",       "RuleHelper"};

// The element whose "name" (searched anywhere in it) is "*".
TJsonNode* FindDefaultElement(const TJsonNode* array) {
    for (TJsonNode* element = array->CHILD; element != nullptr; element = element->NEXT) {
        const TJsonNode* name = FindItemAnywhere(element, "name");
        if (name != nullptr && base::RightTrim(GetValue(name).text()) == "*") return element;
    }
    return nullptr;
}

// A blank rule named "*" written out with every option present (0 or ""), so that every element inherits
// a value for each option.
TJsonNode* BlankDefaultElement() {
    TFieldRule blank;
    blank.NAME = "*";
    return RecordToJson(ViewOf(blank), {}, true).release();
}

void InheritDefaults(TJsonNode* array, const TJsonNode* defaults) {
    for (TJsonNode* element = array->CHILD; element != nullptr; element = element->NEXT) {
        if (element == defaults || !IsObject(element)) continue;
        for (std::string_view key : kInheritedKeys) {
            const TJsonNode* option = GetObjectItem(defaults, key);
            if (option != nullptr && GetObjectItem(element, key) == nullptr) AddReferenceToObject(element, key, option);
        }
    }
}

} // namespace

bool ParseFieldRules(std::string_view rulesText, FieldRuleList& rules) {
    rules.Free();
    if (base::RightTrim(rulesText).empty()) return true;
    TJsonParser parser;
    JsonTree root = ParseJson(parser, rulesText, -1);
    if (!root) {
        JsonTrace("[ParseFieldRules] Syntax error near \"" + std::string(base::RightTrim(parser.PARSEERRORSTRING)) +
                  "\" at position " + std::to_string(parser.PARSEERRORPOS));
        return false;
    }
    if (IsObject(root.get())) {
        JsonTree array(CreateArray());
        if (!array || !AddItemToArray(array.get(), root.get())) return false;
        (void)root.release(); // the array owns the object now
        root = std::move(array);
    } else if (!IsArray(root.get())) {
        JsonTrace("[ParseFieldRules] Unable to parse options.");
        return false;
    }
    const TJsonNode* defaults = FindDefaultElement(root.get());
    if (defaults == nullptr) {
        TJsonNode* blank = BlankDefaultElement();
        if (!AddItemToArray(root.get(), blank)) {
            DeleteJson(blank);
            return false;
        }
        defaults = blank;
    }
    InheritDefaults(root.get(), defaults);
    return JsonToList(root.get(), rules, 0, {});
}

void FindRule(FieldRuleList& rules, std::string_view fieldName) {
    const uint32_t notedHelper = rules.BufferRecord().RULEHELPER;
    bool found = false;
    for (const TFieldRule& rule : rules.Records()) {
        if (base::EqualNoCase(rule.NAME.View(), fieldName)) {
            rules.BufferRecord() = rule;
            found = true;
            break;
        }
    }
    if (!found && !rules.FindByKey("NAME", "*")) {
        rules.ClearBuffer();
        return;
    }
    if (RuleHelper* helper = ResolveRuleHelper(notedHelper)) helper->OnRuleFound(fieldName, rules.BufferRecord());
}

} // namespace kvilo::json
