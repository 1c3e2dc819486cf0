#include "json/record_layout.h"

namespace kvilo::json {

RecordLayout::RecordLayout(std::string_view typeName, void (*clear)(void*), std::initializer_list<FieldInfo> fields)
    : typeName_(typeName), clear_(clear), fields_(fields) {
    Flatten(*this, 0);
}

// Appends the fields of `layout` to the flat enumeration; each group is followed by its own members.
void RecordLayout::Flatten(const RecordLayout& layout, int32_t parent) {
    for (const FieldInfo& field : layout.fields_) {
        flat_.push_back({&field, parent, 0});
        const auto index = static_cast<int32_t>(flat_.size());
        if (field.kind == FieldKind::Group) Flatten(field.group(), index);
        flat_[static_cast<size_t>(index - 1)].lastMember = static_cast<int32_t>(flat_.size());
    }
}

} // namespace kvilo::json
