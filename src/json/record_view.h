#pragma once
// RecordView: the mapping engine's view of one record (a layout and the record's address). Fields are
// numbered from 1 in flat order: a group is one field, immediately followed by its members (and theirs).
// Members of an array of groups are reached in that order as the members of its first element; the other
// elements are reached through Group(index, element).
//
// Values are variants. Reading: texts give their text without padding, numbers an integer or a real, a date
// its day number, a group empty text. Writing converts to the field's type: texts are cut to their width,
// integers take the value truncated toward zero and held to the type's range, a group or a text reference
// ignores the assignment.
//
//   Party party;
//   RecordView view = ViewOf(party);
//   for (int32_t i = 1; view.HasField(i); ++i) ... view.FieldName(i), view.Value(i) ...
#include <cstdint>
#include <string_view>

#include "base/variant.h"
#include "json/record_layout.h"

namespace kvilo::json {

using base::Variant;

class RecordView {
public:
    RecordView() = default;
    RecordView(const RecordLayout& layout, void* record) : layout_(&layout), record_(record) {}

    bool IsValid() const { return layout_ != nullptr && record_ != nullptr; }
    const RecordLayout* Layout() const { return layout_; }
    void* Address() const { return record_; }

    int32_t FieldCount() const;
    bool HasField(int32_t index) const { return index >= 1 && index <= FieldCount(); }
    // The name the field is known by (its external name when it declares one); empty past the end.
    std::string_view FieldName(int32_t index) const;
    const FieldInfo* Info(int32_t index) const;
    bool IsGroup(int32_t index) const;
    bool IsText(int32_t index) const;
    // 1 for a scalar or a single group; n for an array.
    int32_t ElementCount(int32_t index) const;
    // For a group, the flat index of its last member; for any other field, `index` itself.
    int32_t LastMember(int32_t index) const;
    // A view of the group field's element (1-based); an invalid view for anything else.
    RecordView Group(int32_t index, int32_t element = 1) const;

    Variant Value(int32_t index, int32_t element = 1) const;
    void SetValue(int32_t index, const Variant& value, int32_t element = 1) const;
    // Texts blank, numbers and dates 0, groups likewise.
    void Clear() const;

private:
    void* ElementAddress(int32_t index, int32_t element) const;

    const RecordLayout* layout_ = nullptr;
    void* record_ = nullptr;
};

template <class T> RecordView ViewOf(T& record) {
    return RecordView(LayoutOf<T>(), &record);
}

// The integer value of a variant truncated toward zero, held to [min, max]; a non-numeric text gives 0.
int64_t ClampedInteger(const Variant& value, int64_t min, int64_t max);

} // namespace kvilo::json
