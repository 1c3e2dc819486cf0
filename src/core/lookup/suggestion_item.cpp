#include "core/lookup/suggestion_item.h"

#include <cstddef>
#include <deque>
#include <memory>
#include <string>
#include <vector>

#include "base/code_page.h"

namespace kvilo::lookup {

namespace {

#define KVILO_PARTY_ANSWER_OFFSET(name, ...) offsetof(SuggestionItem, name),
constexpr size_t kAnswerOffsets[] = {KVILO_PARTY_FIELDS(KVILO_PARTY_ANSWER_OFFSET, KVILO_PARTY_NOTHING)};
#undef KVILO_PARTY_ANSWER_OFFSET

// One group of the answer record while its layout is put together: its own texts, then its groups in the
// order the field list first names them.
struct GroupDraft {
    std::string name;
    std::vector<json::FieldInfo> texts;
    std::vector<std::unique_ptr<GroupDraft>> groups;

    GroupDraft& Group(const std::string& groupName) {
        for (auto& group : groups)
            if (group->name == groupName) return *group;
        groups.push_back(std::make_unique<GroupDraft>());
        groups.back()->name = groupName;
        return *groups.back();
    }
};

// The finished layouts and the names they refer to, alive as long as the program.
struct AnswerLayouts {
    std::deque<std::string> names;
    std::deque<json::RecordLayout> layouts;
};

// Every member lies at its offset in the item itself; a group's members keep those offsets, so a group is
// placed at the item's start (offset 0) and a view of it is a view of the whole item.
const json::RecordLayout& Finish(GroupDraft& draft, AnswerLayouts& out) {
    std::vector<json::FieldInfo> fields = std::move(draft.texts);
    for (auto& group : draft.groups) {
        json::FieldInfo info;
        info.kind = json::FieldKind::Group;
        info.groupLayout = &Finish(*group, out);
        info.name = out.names.emplace_back(group->name);
        fields.push_back(info);
    }
    return out.layouts.emplace_back(out.names.emplace_back(draft.name), std::move(fields));
}

const json::RecordLayout& BuildLayout(AnswerLayouts& out) {
    GroupDraft item;
    item.name = "SuggestionItem";
    for (size_t i = 0; i < kPartyFieldCount; ++i) {
        const PartyField& field = PartyFields()[i];
        // "data.state.status": the groups DATA and STATE, the text STATUS.
        const std::string path = base::UpperText(field.answerPath);
        GroupDraft* group = &item;
        size_t start = 0;
        for (size_t dot = path.find('.'); dot != std::string::npos; dot = path.find('.', start)) {
            group = &group->Group(path.substr(start, dot - start));
            start = dot + 1;
        }
        json::FieldInfo text;
        text.name = out.names.emplace_back(path.substr(start));
        text.kind = json::FieldKind::FixedText;
        text.width = static_cast<uint32_t>(field.answerWidth);
        text.stride = field.answerWidth;
        text.offset = kAnswerOffsets[i];
        group->texts.push_back(text);
    }
    return Finish(item, out);
}

} // namespace

const json::RecordLayout& KviloRecordLayout(const SuggestionItem*) {
    static AnswerLayouts layouts;
    static const json::RecordLayout& layout = BuildLayout(layouts);
    return layout;
}

} // namespace kvilo::lookup
