#include "json/json_text.h"

#include "json/node_memory.h"

namespace kvilo::json {

bool TJsonText::Assign(std::string_view bytes) {
    Release();
    if (bytes.size() > INT32_MAX) return false;
    const auto length = static_cast<int32_t>(bytes.size());
    if (length <= kInline) {
        if (length > 0) std::memcpy(inline_, bytes.data(), bytes.size());
    } else {
        auto* block = static_cast<char*>(AllocateNodeMemory(bytes.size()));
        if (block == nullptr) return false;
        std::memcpy(block, bytes.data(), bytes.size());
        heap_ = block;
    }
    length_ = length;
    return true;
}

void TJsonText::Release() {
    if (length_ > kInline) ReleaseNodeMemory(heap_, static_cast<size_t>(length_));
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
