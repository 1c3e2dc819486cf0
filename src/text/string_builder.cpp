#include "text/string_builder.h"

#include <cstdlib>
#include <cstring>
#include <limits>

#include "text/format_text.h"

namespace kvilo::text {
namespace {

void Report(const char* message) {
    DebugTrace("[cJSON] %s", {message});
}

} // namespace

TStringBuilder::~TStringBuilder() {
    std::free(block_);
    block_ = nullptr;
    blockSize_ = 0;
    dataSize_ = 0;
}

void TStringBuilder::Init(int32_t size) {
    if (block_ != nullptr) {
        Report("[TStringBuilder.Init] already allocated.");
        return;
    }
    // A negative size cannot be allocated; malloc(0) may answer none, so at least one byte is taken.
    void* block = size >= 0 ? std::malloc(size > 0 ? static_cast<size_t>(size) : 1) : nullptr;
    if (block == nullptr) {
        Report("[TStringBuilder.Init] _malloc failed.");
        return;
    }
    block_ = static_cast<char*>(block);
    blockSize_ = size;
}

void TStringBuilder::Cat(const void* bytes, int32_t length) {
    if (length <= 0) return;
    if (block_ == nullptr) {
        Report("[TStringBuilder.Cat] buffer not allocated yet.");
        return;
    }
    // A size beyond the 32-bit fields would wrap; it is refused like a failed allocation.
    int64_t needed = static_cast<int64_t>(dataSize_) + length;
    if (needed > blockSize_) {
        int64_t grown = needed + extraSize_;
        void* block =
            grown <= std::numeric_limits<int32_t>::max() ? std::realloc(block_, static_cast<size_t>(grown)) : nullptr;
        if (block == nullptr) {
            Report("[TStringBuilder.Cat] _realloc failed.");
            return;
        }
        block_ = static_cast<char*>(block);
        blockSize_ = static_cast<int32_t>(grown);
    }
    std::memcpy(block_ + dataSize_, bytes, static_cast<size_t>(length));
    dataSize_ = static_cast<int32_t>(needed);
}

void TStringBuilder::Cat(std::string_view text) {
    if (text.size() > static_cast<size_t>(std::numeric_limits<int32_t>::max())) {
        Report("[TStringBuilder.Cat] _realloc failed.");
        return;
    }
    Cat(text.data(), static_cast<int32_t>(text.size()));
}

std::string_view TStringBuilder::Text() const {
    if (block_ == nullptr || dataSize_ == 0) return {};
    return std::string_view(block_, static_cast<size_t>(dataSize_));
}

} // namespace kvilo::text
