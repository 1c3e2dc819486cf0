#pragma once
// RuleSet: a rules text (field_rules.h) parsed once for a whole mapping call and shared by every nested
// group and every array element, so that a 20-element answer does not parse the same text 20 times.
// RuleCursor is one record's walk through the fields: it selects rules exactly as FindRule does on a
// freshly parsed FieldRuleList, including the OnRuleFound calls of the rule selected before.
//
//   RuleSet rules(rulesText);
//   RuleCursor cursor(rules);
//   const TFieldRule& rule = cursor.Select("inn");
#include <cstdint>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

#include "base/code_page.h"
#include "json/field_rules.h"
#include "json/record_view.h"

namespace kvilo::json {

// Hashing and comparing member names as EqualNoCase compares them (letter case and trailing blanks aside),
// so that a member is looked up by its name as it stands.
struct NoCaseHash {
    using is_transparent = void;
    size_t operator()(std::string_view name) const;
};
struct NoCaseEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const { return base::EqualNoCase(a, b); }
};

// The fields of one layout as the reading side needs them when no rule has a helper: each field's name
// (prefix dropped) and rule, and the fields that answer to each JSON member name.
struct LayoutRules {
    std::vector<std::string> fieldNames; // by flat index - 1
    std::vector<int32_t> ruleIndex;      // by flat index - 1; -1 = the blank rule
    // JSON name (as MemberKey makes it) -> flat indices of the fields with that name, in field order.
    std::unordered_map<std::string, std::vector<int32_t>, NoCaseHash, NoCaseEqual> fieldsByJsonName;
};

// The key under which names compare as EqualNoCase compares them: trailing blanks dropped, upper-cased.
std::string MemberKey(std::string_view name);

class RuleSet {
public:
    explicit RuleSet(std::string_view rulesText);
    RuleSet(const RuleSet&) = delete;
    RuleSet& operator=(const RuleSet&) = delete;

    // The rule FindRule would select for `fieldName` before any helper adjusts it: the first of that name,
    // else the first default ("*"), else -1 for the blank rule.
    int32_t RuleIndexFor(std::string_view fieldName) const;
    const TFieldRule& RuleAt(int32_t ruleIndex) const;
    // True when a selection could call a helper's OnRuleFound; selection is then done step by step.
    bool HasHelpers() const { return hasHelpers_; }
    // True when the text was read without a fault (ParseFieldRules).
    bool Clean() const { return clean_; }
    const std::vector<TFieldRule>& Rules() const { return rules_; }
    // The rule a freshly parsed list holds in its buffer.
    const TFieldRule& InitialSelection() const { return initial_; }
    // The rules as a freshly parsed list, for the helper callbacks that receive the list itself.
    void CopyTo(FieldRuleList& list) const;
    // The precomputed field rules of a record's layout (built on first use).
    const LayoutRules& RulesOf(RecordView record) const;

private:
    std::vector<TFieldRule> rules_;
    TFieldRule initial_;
    TFieldRule blank_;
    int32_t default_ = -1;
    bool hasHelpers_ = false;
    bool clean_ = true;
    mutable std::unordered_map<uint64_t, LayoutRules> layouts_; // by RecordLayout::Id
};

class RuleCursor {
public:
    explicit RuleCursor(const RuleSet& rules) : rules_(rules), selected_(rules.InitialSelection()) {}

    // The rule for `fieldName`, valid until the next Select.
    const TFieldRule& Select(std::string_view fieldName);

private:
    const RuleSet& rules_;
    TFieldRule selected_;
};

} // namespace kvilo::json
