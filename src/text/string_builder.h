#pragma once
// A growing byte buffer. Growth is linear: exactly the shortfall plus ExtraSize() spare bytes, no doubling,
// because callers size the first block for the whole result and appending then never reallocates.
#include <cstddef>
#include <cstdint>
#include <string_view>

namespace kvilo::text {

class TStringBuilder {
public:
    TStringBuilder() = default;
    virtual ~TStringBuilder();
    TStringBuilder(const TStringBuilder&) = delete;
    TStringBuilder& operator=(const TStringBuilder&) = delete;

    void Init(int32_t size);
    void Cat(const void* bytes, int32_t length);
    void Cat(std::string_view text);

    int32_t Length() const { return dataSize_; }
    // A view of the collected bytes; valid until the builder changes.
    std::string_view Text() const;

    int32_t BlockSize() const { return blockSize_; }
    int32_t ExtraSize() const { return extraSize_; }

private:
    char* block_ = nullptr;
    int32_t blockSize_ = 0;
    int32_t dataSize_ = 0;
    int32_t extraSize_ = 256;
};

} // namespace kvilo::text
