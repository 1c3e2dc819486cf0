#include "json/json_text.h"

#include <cstdlib>

namespace kvilo::json {

bool TJsonText::Assign(std::string_view bytes) {
    Release();
    if (bytes.size() > INT32_MAX) return false;
    const auto length = static_cast<int32_t>(bytes.size());
    if (length <= kInline) {
        if (length > 0) std::memcpy(inline_, bytes.data(), bytes.size());
    } else {
        auto* block = static_cast<char*>(std::malloc(bytes.size()));
        if (block == nullptr) return false;
        std::memcpy(block, bytes.data(), bytes.size());
        heap_ = block;
    }
    length_ = length;
    return true;
}

void TJsonText::Release() {
    if (length_ > kInline) std::free(heap_);
    length_ = -1;
}

void TJsonText::MoveFrom(TJsonText& other) {
    if (&other == this) return;
    Release();
    std::memcpy(static_cast<void*>(this), static_cast<const void*>(&other), sizeof(TJsonText));
    other.length_ = -1;
}

void TJsonText::BorrowFrom(const TJsonText& other) {
    Release();
    std::memcpy(static_cast<void*>(this), static_cast<const void*>(&other), sizeof(TJsonText));
}

} // namespace kvilo::json
