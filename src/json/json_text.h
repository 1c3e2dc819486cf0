#pragma once
// The counted byte string that a node keeps for its name and its string value. Short texts (up to 15 bytes,
// which covers most member names and numbers) live inside the node, longer ones in one heap block, so that
// parsing a document costs about one allocation per value. There is no terminating zero: JSON strings may
// carry zero bytes from "\u0000".
#include <cstdint>
#include <cstring>
#include <string_view>

namespace kvilo::json {

class TJsonText {
public:
    TJsonText() = default;
    ~TJsonText() { Release(); }
    TJsonText(const TJsonText&) = delete;
    TJsonText& operator=(const TJsonText&) = delete;

    bool IsSet() const { return length_ >= 0; }
    int32_t Length() const { return length_ < 0 ? 0 : length_; }
    std::string_view View() const {
        if (length_ <= 0) return {};
        return {length_ <= kInline ? inline_ : heap_, static_cast<size_t>(length_)};
    }

    // Stores a fresh copy of `bytes` (the previous text is released first). False when memory runs out;
    // the text is then unset.
    bool Assign(std::string_view bytes);
    // Frees the text and leaves it unset.
    void Release();
    // Leaves the text unset without freeing: used by reference nodes, whose text belongs to another node.
    void Forget() { length_ = -1; }
    // Takes over the text of `other`, which becomes unset.
    void MoveFrom(TJsonText& other);
    // Shares the text of `other` without copying a heap block (reference nodes).
    void BorrowFrom(const TJsonText& other);

private:
    static constexpr int32_t kInline = 15;
    int32_t length_ = -1; // -1: unset
    union {
        char* heap_;
        char inline_[kInline + 1];
    };
};

} // namespace kvilo::json
