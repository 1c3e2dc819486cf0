#include "json/record_view.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <string>

namespace kvilo::json {

namespace {

template <class T> T Load(const void* address) {
    T value;
    std::memcpy(&value, address, sizeof(T));
    return value;
}

template <class T> void Store(void* address, const Variant& value) {
    const T stored =
        static_cast<T>(ClampedInteger(value, std::numeric_limits<T>::min(), std::numeric_limits<T>::max()));
    std::memcpy(address, &stored, sizeof(T));
}

std::string_view FixedView(const char* bytes, uint32_t width) {
    return {bytes, LengthWithoutTrailingBlanks(bytes, width)};
}

} // namespace

int64_t ClampedInteger(const Variant& value, int64_t min, int64_t max) {
    if (value.isInteger()) return std::clamp<int64_t>(value.integer(), min, max);
    const double real = value.isReal() ? value.real() : (base::IsNumericText(value.text()) ? value.real() : 0);
    if (std::isnan(real)) return 0;
    if (real <= static_cast<double>(min)) return min;
    if (real >= static_cast<double>(max)) return max;
    return static_cast<int64_t>(real);
}

int32_t RecordView::FieldCount() const {
    return layout_ == nullptr ? 0 : static_cast<int32_t>(layout_->Flat().size());
}

const FieldInfo* RecordView::Info(int32_t index) const {
    return HasField(index) ? layout_->Flat()[static_cast<size_t>(index - 1)].info : nullptr;
}

std::string_view RecordView::FieldName(int32_t index) const {
    const FieldInfo* info = Info(index);
    return info == nullptr ? std::string_view{} : info->KnownName();
}

bool RecordView::IsGroup(int32_t index) const {
    const FieldInfo* info = Info(index);
    return info != nullptr && info->kind == FieldKind::Group;
}

bool RecordView::IsText(int32_t index) const {
    const FieldInfo* info = Info(index);
    return info != nullptr && info->IsText();
}

int32_t RecordView::ElementCount(int32_t index) const {
    const FieldInfo* info = Info(index);
    return info == nullptr ? 0 : static_cast<int32_t>(info->count);
}

int32_t RecordView::LastMember(int32_t index) const {
    return HasField(index) ? layout_->Flat()[static_cast<size_t>(index - 1)].lastMember : index;
}

void* RecordView::ElementAddress(int32_t index, int32_t element) const {
    const FieldInfo* info = Info(index);
    if (info == nullptr || record_ == nullptr || element < 1 || static_cast<uint32_t>(element) > info->count)
        return nullptr;
    const int32_t parent = layout_->Flat()[static_cast<size_t>(index - 1)].parent;
    void* container = parent == 0 ? record_ : ElementAddress(parent, 1);
    return static_cast<char*>(info->AddressIn(container)) + info->stride * static_cast<size_t>(element - 1);
}

RecordView RecordView::Group(int32_t index, int32_t element) const {
    const FieldInfo* info = Info(index);
    if (info == nullptr || info->kind != FieldKind::Group) return {};
    void* address = ElementAddress(index, element);
    return address == nullptr ? RecordView{} : RecordView(info->GroupLayout(), address);
}

Variant RecordView::Value(int32_t index, int32_t element) const {
    const void* address = ElementAddress(index, element);
    if (address == nullptr) return Variant(std::string_view{});
    const FieldInfo& info = *Info(index);
    switch (info.kind) {
    case FieldKind::FixedText:
        return Variant(FixedView(static_cast<const char*>(address), info.width));
    case FieldKind::ZText: {
        const auto* bytes = static_cast<const char*>(address);
        return Variant(std::string_view(bytes, strnlen(bytes, info.width)));
    }
    case FieldKind::TextRef:
        return Variant(Load<std::string_view>(address));
    case FieldKind::Int8:
        return Variant(static_cast<int>(Load<int8_t>(address)));
    case FieldKind::UInt8:
        return Variant(static_cast<int>(Load<uint8_t>(address)));
    case FieldKind::Int16:
        return Variant(static_cast<int>(Load<int16_t>(address)));
    case FieldKind::UInt16:
        return Variant(static_cast<int>(Load<uint16_t>(address)));
    case FieldKind::Int32:
        return Variant(static_cast<int>(Load<int32_t>(address)));
    case FieldKind::UInt32:
        return Variant(static_cast<long long>(Load<uint32_t>(address)));
    case FieldKind::Date:
        return Variant(static_cast<int>(Load<int32_t>(address)));
    case FieldKind::Real:
        return Variant(Load<double>(address));
    case FieldKind::Group:
        break;
    }
    return Variant(std::string_view{});
}

void RecordView::SetValue(int32_t index, const Variant& value, int32_t element) const {
    void* address = ElementAddress(index, element);
    if (address == nullptr) return;
    const FieldInfo& info = *Info(index);
    // A text value is copied straight from the variant; only a number needs its text form made.
    const std::string numberText = value.isText() || !info.IsText() ? std::string() : value.text();
    const std::string_view text = value.isText() ? value.textView() : std::string_view(numberText);
    switch (info.kind) {
    case FieldKind::FixedText: {
        const size_t count = std::min<size_t>(info.width, text.size());
        std::memcpy(address, text.data(), count);
        std::memset(static_cast<char*>(address) + count, ' ', info.width - count);
        break;
    }
    case FieldKind::ZText: {
        const size_t count = std::min<size_t>({info.width, text.size(), text.find('\0')});
        std::memcpy(address, text.data(), count);
        std::memset(static_cast<char*>(address) + count, 0, info.width + 1 - count);
        break;
    }
    case FieldKind::Int8:
        Store<int8_t>(address, value);
        break;
    case FieldKind::UInt8:
        Store<uint8_t>(address, value);
        break;
    case FieldKind::Int16:
        Store<int16_t>(address, value);
        break;
    case FieldKind::UInt16:
        Store<uint16_t>(address, value);
        break;
    case FieldKind::Int32:
    case FieldKind::Date:
        Store<int32_t>(address, value);
        break;
    case FieldKind::UInt32:
        Store<uint32_t>(address, value);
        break;
    case FieldKind::Real: {
        const double real = value.isText() && !base::IsNumericText(value.text()) ? 0 : value.real();
        std::memcpy(address, &real, sizeof real);
        break;
    }
    case FieldKind::TextRef:
    case FieldKind::Group:
        break; // a text reference cannot be made from a value; a group takes none
    }
}

void RecordView::Clear() const {
    if (IsValid()) layout_->Clear(record_);
}

} // namespace kvilo::json
