#pragma once
// Memory for nodes and their short texts. A parse makes a block per value by the hundred thousand, and the
// tree is released all at once: the blocks are cut one after another from 64 KB slabs, and a slab goes back
// to the heap when the last block cut from it is released. A released block is not reused on its own, so a
// slab that still holds one living node stays whole; trees are made and released in one piece, which keeps
// that waste small.
//
// Blocks may be released on any thread; each thread cuts from a slab of its own.
#include <cstddef>

namespace kvilo::json {

// Blocks of this size or more come from the heap directly; Release tells them apart by the size.
inline constexpr size_t kLargestSlabBlock = 1024;

// A block of `bytes` bytes aligned for a pointer; nullptr when memory runs out.
void* AllocateNodeMemory(size_t bytes) noexcept;
// `bytes` must be the size the block was allocated with.
void ReleaseNodeMemory(void* block, size_t bytes) noexcept;

} // namespace kvilo::json
