#include "json/record_layout.h"

#include <atomic>
#include <cstring>
#include <new>

namespace kvilo::json {

namespace {

uint64_t NewLayoutId() {
    static std::atomic<uint64_t> next{1};
    return next++;
}

} // namespace

RecordLayout::RecordLayout(std::string_view typeName, void (*clear)(void*), std::initializer_list<FieldInfo> fields)
    : typeName_(typeName), id_(NewLayoutId()), clear_(clear), fields_(fields) {
    Flatten(*this, 0);
}

RecordLayout::RecordLayout(std::string_view typeName, std::vector<FieldInfo> fields)
    : typeName_(typeName), id_(NewLayoutId()), clear_(nullptr), fields_(std::move(fields)) {
    Flatten(*this, 0);
}

void RecordLayout::Clear(void* record) const {
    if (clear_ != nullptr) {
        clear_(record);
        return;
    }
    for (const FieldInfo& field : fields_) {
        for (uint32_t element = 0; element < field.count; ++element) {
            char* at = static_cast<char*>(field.AddressIn(record)) + field.stride * element;
            switch (field.kind) {
            case FieldKind::FixedText:
                std::memset(at, ' ', field.width);
                break;
            case FieldKind::ZText:
                std::memset(at, 0, field.width + 1);
                break;
            case FieldKind::Group:
                field.GroupLayout().Clear(at);
                break;
            case FieldKind::TextRef:
                new (at) std::string_view();
                break;
            default:
                std::memset(at, 0, field.stride);
                break;
            }
        }
    }
}

// Appends the fields of `layout` to the flat enumeration; each group is followed by its own members.
void RecordLayout::Flatten(const RecordLayout& layout, int32_t parent) {
    for (const FieldInfo& field : layout.fields_) {
        flat_.push_back({&field, parent, 0});
        const auto index = static_cast<int32_t>(flat_.size());
        if (field.kind == FieldKind::Group) Flatten(field.GroupLayout(), index);
        flat_[static_cast<size_t>(index - 1)].lastMember = static_cast<int32_t>(flat_.size());
    }
}

} // namespace kvilo::json
