#include "json/node_memory.h"

#include <sanitizer/asan_interface.h>

#include <atomic>
#include <cstdint>
#include <cstdlib>
#include <new>
#include <utility>

namespace kvilo::json {

namespace {

constexpr size_t kSlabBytes = size_t{64} * 1024;
constexpr size_t kBlockAlignment = alignof(void*);
// The slab's header, kept apart from the first block's cache line.
constexpr size_t kFirstBlock = 64;
// While a slab is a thread's current one it carries this hold on top of the blocks cut from it, so that
// releases on other threads cannot bring it to zero before the thread has moved on.
constexpr int64_t kHeld = int64_t{1} << 40;

struct SlabHeader {
    std::atomic<int64_t> outstanding;
};

size_t Rounded(size_t bytes) {
    return (bytes + kBlockAlignment - 1) & ~(kBlockAlignment - 1);
}

SlabHeader* SlabOf(void* block) {
    // Slabs are aligned to their size: the slab starts at the block's address with the low bits cleared.
    char* bytes = static_cast<char*>(block);
    return reinterpret_cast<SlabHeader*>(bytes - (reinterpret_cast<uintptr_t>(bytes) & (kSlabBytes - 1)));
}

void Drop(SlabHeader* slab, int64_t count) {
    if (slab->outstanding.fetch_sub(count, std::memory_order_acq_rel) != count) return;
    slab->~SlabHeader();
    std::free(slab);
}

class SlabCursor {
public:
    SlabCursor() = default;
    SlabCursor(const SlabCursor&) = delete;
    SlabCursor& operator=(const SlabCursor&) = delete;
    ~SlabCursor() {
        Retire();
        closed_ = true;
    }

    void* Cut(size_t bytes) {
        if (slab_ == nullptr || used_ + bytes > kSlabBytes) {
            Retire();
            if (!Open()) return nullptr;
        }
        char* block = reinterpret_cast<char*>(slab_) + used_;
        used_ += bytes;
        ++cut_;
        ASAN_UNPOISON_MEMORY_REGION(block, bytes);
        // Blocks made while the thread's objects are being destroyed get a slab each, which goes as soon as
        // they do.
        if (closed_) Retire();
        return block;
    }

private:
    bool Open() {
        void* memory = std::aligned_alloc(kSlabBytes, kSlabBytes);
        if (memory == nullptr) return false;
        slab_ = new (memory) SlabHeader{kHeld};
        used_ = kFirstBlock;
        cut_ = 0;
        ASAN_POISON_MEMORY_REGION(static_cast<char*>(memory) + kFirstBlock, kSlabBytes - kFirstBlock);
        return true;
    }

    void Retire() {
        if (slab_ != nullptr) Drop(std::exchange(slab_, nullptr), kHeld - cut_);
    }

    SlabHeader* slab_ = nullptr;
    size_t used_ = 0;
    int64_t cut_ = 0;
    bool closed_ = false;
};

SlabCursor& ThreadCursor() {
    thread_local SlabCursor cursor;
    return cursor;
}

} // namespace

void* AllocateNodeMemory(size_t bytes) noexcept {
    if (bytes >= kLargestSlabBlock) return std::malloc(bytes);
    return ThreadCursor().Cut(Rounded(bytes));
}

void ReleaseNodeMemory(void* block, size_t bytes) noexcept {
    if (block == nullptr) return;
    if (bytes >= kLargestSlabBlock) {
        std::free(block);
        return;
    }
    // A released block is never cut again; under the address sanitizer a late use of it is reported.
    ASAN_POISON_MEMORY_REGION(block, Rounded(bytes));
    Drop(SlabOf(block), 1);
}

} // namespace kvilo::json
