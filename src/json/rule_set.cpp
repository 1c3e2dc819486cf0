#include "json/rule_set.h"

#include "base/blank_text.h"
#include "base/code_page.h"

namespace kvilo::json {

std::string MemberKey(std::string_view name) {
    return base::UpperText(base::RightTrim(name));
}

size_t NoCaseHash::operator()(std::string_view name) const {
    // FNV-1a over the upper-cased bytes.
    size_t hash = 14695981039346656037ull;
    for (char c : base::RightTrim(name))
        hash = (hash ^ static_cast<unsigned char>(base::UpperChar(c))) * 1099511628211ull;
    return hash;
}

RuleSet::RuleSet(std::string_view rulesText) {
    FieldRuleList parsed;
    clean_ = ParseFieldRules(rulesText, parsed);
    rules_ = parsed.Records();
    initial_ = parsed.BufferRecord();
    ViewOf(blank_).Clear();
    hasHelpers_ = initial_.RULEHELPER != 0;
    for (size_t i = 0; i < rules_.size(); ++i) {
        if (rules_[i].RULEHELPER != 0) hasHelpers_ = true;
        if (default_ < 0 && base::RightTrim(rules_[i].NAME.View()) == "*") default_ = static_cast<int32_t>(i);
    }
}

int32_t RuleSet::RuleIndexFor(std::string_view fieldName) const {
    for (size_t i = 0; i < rules_.size(); ++i)
        if (base::EqualNoCase(rules_[i].NAME.View(), fieldName)) return static_cast<int32_t>(i);
    return default_;
}

const TFieldRule& RuleSet::RuleAt(int32_t ruleIndex) const {
    return ruleIndex < 0 ? blank_ : rules_[static_cast<size_t>(ruleIndex)];
}

void RuleSet::CopyTo(FieldRuleList& list) const {
    list.Records() = rules_;
    list.BufferRecord() = initial_;
}

const LayoutRules& RuleSet::RulesOf(RecordView record) const {
    auto [entry, added] = layouts_.try_emplace(record.Layout()->Id());
    LayoutRules& layout = entry->second;
    if (!added) return layout;
    const int32_t count = record.FieldCount();
    layout.fieldNames.reserve(static_cast<size_t>(count));
    layout.ruleIndex.reserve(static_cast<size_t>(count));
    for (int32_t index = 1; index <= count; ++index) {
        std::string fieldName = NormalisedFieldName(record.FieldName(index), false);
        const int32_t rule = RuleIndexFor(fieldName);
        const std::string_view jsonName = base::RightTrim(RuleAt(rule).JSONNAME.View());
        layout.fieldsByJsonName[MemberKey(jsonName.empty() ? std::string_view(fieldName) : jsonName)].push_back(index);
        layout.fieldNames.push_back(std::move(fieldName));
        layout.ruleIndex.push_back(rule);
    }
    return layout;
}

const TFieldRule& RuleCursor::Select(std::string_view fieldName) {
    const int32_t index = rules_.RuleIndexFor(fieldName);
    if (!rules_.HasHelpers()) return rules_.RuleAt(index);
    // The helper told is the one of the rule selected before, as FindRule does it; the blank rule is
    // selected without telling anyone.
    const uint32_t notedHelper = selected_.RULEHELPER;
    selected_ = rules_.RuleAt(index);
    if (index < 0) return selected_;
    if (RuleHelper* helper = ResolveRuleHelper(notedHelper)) helper->OnRuleFound(fieldName, selected_);
    return selected_;
}

} // namespace kvilo::json
