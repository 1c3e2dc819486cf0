#include "core/lookup/party_fields.h"

#include "base/cp1251.h"
#include "core/lookup/party_row.h"

namespace kvilo::lookup {

using namespace base::literals;

namespace {

template <size_t N> base::Variant RowValue(const json::ZText<N>& text) {
    return text.View();
}
template <size_t N> base::Variant RowValue(const json::FixedText<N>& text) {
    return text.View();
}
base::Variant RowValue(json::Date date) {
    return static_cast<int32_t>(date);
}
base::Variant RowValue(int32_t count) {
    return count;
}

} // namespace

#define KVILO_PARTY_FIELD_ENTRY(id, rowType, answerType, path, ...)                                                    \
    PartyField{.name = #id,                                                                                            \
               .cliName = "QF" #id,                                                                                    \
               .answerPath = path,                                                                                     \
               .answerWidth = answerType::kWidth,                                                                      \
               __VA_ARGS__,                                                                                            \
               .rowValue = [](const PartyRow& row) { return RowValue(row.QF##id); }},

const std::array<PartyField, kPartyFieldCount>& PartyFields() {
    static const std::array<PartyField, kPartyFieldCount> fields = {
        {KVILO_PARTY_FIELDS(KVILO_PARTY_FIELD_ENTRY, KVILO_PARTY_NOTHING)}};
    return fields;
}
#undef KVILO_PARTY_FIELD_ENTRY

const PartyField& PartyFieldOf(PartyFieldId id) {
    return PartyFields()[static_cast<size_t>(id)];
}

#define KVILO_PARTY_GROUP_ENTRY(id, header, modifiers, headerAlignment)                                                \
    PartyGroupHeader{header, modifiers, headerAlignment},

const PartyGroupHeader& PartyGroupOf(PartyGroup group) {
    static const PartyGroupHeader headers[] = {{"", "", ""}, KVILO_PARTY_GROUPS(KVILO_PARTY_GROUP_ENTRY)};
    return headers[static_cast<size_t>(group)];
}
#undef KVILO_PARTY_GROUP_ENTRY

const std::string& DesignedListFormat() {
    static const std::string text = [] {
        std::string out;
        PartyGroup open = PartyGroup::None;
        // A group's members are bracketed; its own modifiers, header and header alignment follow them.
        const auto closeGroup = [&] {
            if (open == PartyGroup::None) return;
            const PartyGroupHeader& group = PartyGroupOf(open);
            out += std::string("]") + group.modifiers + "~" + group.header + "~" + group.headerAlignment;
        };
        for (const PartyField& field : PartyFields()) {
            const ListColumn& column = field.column;
            if (column.group != open) {
                closeGroup();
                open = column.group;
                if (open != PartyGroup::None) out += "[";
            }
            out += std::to_string(column.width) + column.alignment + column.modifiers + "~" + column.header + "~" +
                   column.headerAlignment + "@" + column.picture + "@";
        }
        closeGroup();
        return out;
    }();
    return text;
}

} // namespace kvilo::lookup
