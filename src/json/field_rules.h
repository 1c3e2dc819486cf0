#pragma once
// Field rules: how the mapping engine treats one record field, given as a small JSON rules text, e.g.
//   [{"name":"*","ignoreZero":1},{"name":"inn","jsonName":"tax_id"},{"name":"suggestions","instance":7}]
// The keys are TFieldRule's field names in any letter case. The element named "*" is the default rule;
// every other element inherits the default's options it does not give itself (but never "name",
// "instance", "isQueue", "fieldNumber" or "arraySize").
#include <cstdint>
#include <string_view>

#include "json/json_node.h"
#include "json/record_layout.h"
#include "json/record_list.h"

namespace kvilo::json {

struct TFieldRule {
    ZText<64> NAME;                // field name (prefix removed), compared without regard to case; "*" = default
    uint32_t RULEHELPER = 0;       // handle of a RuleHelper, 0 = none
    ZText<64> JSONNAME;            // JSON member name instead of the field name
    uint32_t INSTANCE = 0;         // handle of the list that receives / supplies the JSON array
    int32_t ISQUEUE = 0;           // writing: the next field holds the handle of the list to write
    int32_t FIELDNUMBER = 0;       // with a list: field of the list's record holding scalar items; 0 = records
    int32_t ARRAYSIZE = 0;         // writing: at most this many elements of an array field
    ZText<32> FORMAT;              // display picture applied to the value
    ZText<32> FORMATLEFT;          // display picture applied, result left-justified
    ZText<32> DEFORMAT;            // display picture removed from the value
    int32_t IGNORE = 0;            // 1: the field takes no part
    int32_t ISSTRINGREF = 0;       // writing: the field refers to text held elsewhere
    int32_t ISBOOL = 0;            // writing: the field becomes a JSON boolean
    int32_t ISRAW = 0;             // writing: the text goes in as raw JSON
    int32_t ISBASE64 = 0;          // base64 on the way out, decoded on the way in
    int32_t ISFILE = 0;            // the value is a file name; the file's contents take its place
    int32_t AUTO = 0;              // reading: the member goes to the helper's AssignNode
    ZText<20> EMPTYSTRING;         // writing: a blank text becomes null ("null"), nothing ("ignore") or ""
    int32_t IGNOREFALSE = 0;       // writing: leave out a boolean that is 0
    int32_t IGNOREZERO = 0;        // writing: leave out a number that is 0
    int32_t IGNOREEMPTYARRAY = 0;  // writing: leave out an array built from an empty list
    int32_t IGNOREEMPTYOBJECT = 0; // writing: leave out a group that produced no members
};
KVILO_RECORD(TFieldRule, NAME, RULEHELPER, JSONNAME, INSTANCE, ISQUEUE, FIELDNUMBER, ARRAYSIZE, FORMAT, FORMATLEFT,
             DEFORMAT, IGNORE, ISSTRINGREF, ISBOOL, ISRAW, ISBASE64, ISFILE, AUTO, EMPTYSTRING, IGNOREFALSE, IGNOREZERO,
             IGNOREEMPTYARRAY, IGNOREEMPTYOBJECT)

// The rules of one engine call; the buffer holds the rule last selected.
using FieldRuleList = RecordListOf<TFieldRule>;

// An object that adjusts the engine's work; a rule names it by its handle ("ruleHelper").
class RuleHelper {
public:
    RuleHelper() : handle_(RegisterHandle(HandleKind::RuleHelper, this)) {}
    virtual ~RuleHelper() { UnregisterHandle(handle_); }
    RuleHelper(const RuleHelper&) = delete;
    RuleHelper& operator=(const RuleHelper&) = delete;

    uint32_t Handle() const { return handle_; }

    // A rule was selected for `fieldName`; the helper may change it.
    virtual void OnRuleFound(std::string_view fieldName, TFieldRule& rule);
    // The value to use instead of `value`.
    virtual Variant TransformValue(std::string_view fieldName, const TFieldRule& rule, const Variant& value);
    // Reading with AUTO: the helper stores the member itself.
    virtual void AssignNode(std::string_view fieldName, const TJsonNode& node);
    // After each item of a list or array: true to go on, false to stop.
    virtual bool OnItem(int32_t total, int32_t index, const TJsonNode* node, FieldRuleList& rules, uint32_t listHandle);

private:
    uint32_t handle_;
};

RuleHelper* ResolveRuleHelper(uint32_t handle);

// Rebuilds `rules` from the rules text. A blank text leaves it empty (every field then gets the blank rule);
// a text that does not parse, or is not an object or array, writes a trace line and leaves it empty. True
// when the text was read without a fault (a blank text included).
bool ParseFieldRules(std::string_view rulesText, FieldRuleList& rules);

// Selects the rule for `fieldName` into the list's buffer: the first rule of that name, else the default
// ("*"), else the blank rule. When the rule selected before had a helper, its OnRuleFound is called.
void FindRule(FieldRuleList& rules, std::string_view fieldName);

// The field name as rules and JSON know it: everything up to the first ":" dropped, lower-cased on request.
std::string NormalisedFieldName(std::string_view fieldName, bool lowerCase);

} // namespace kvilo::json
