#pragma once
// A growing byte buffer. Growth is linear: exactly the shortfall plus EXTRASIZE spare bytes, no doubling,
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

    int32_t Length() const { return DATASIZE; }
    // A view of the collected bytes; valid until the builder changes.
    std::string_view Text() const;

    int32_t BlockSize() const { return BLOCKSIZE; }
    int32_t ExtraSize() const { return EXTRASIZE; }

private:
    char* MEMBLOCK = nullptr;
    int32_t BLOCKSIZE = 0;
    int32_t DATASIZE = 0;
    int32_t EXTRASIZE = 256;
};

} // namespace kvilo::text
