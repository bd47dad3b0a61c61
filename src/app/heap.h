#pragma once
// The run-time heap. Every text the system creates (joined addresses, texts read from controls)
// is a block of it; constant texts live in the constant area and are never freed.
#include <cstddef>

namespace app {

// A block of `n` bytes, not zeroed. Never returns on failure: the process ends with a fatal
// run-time error naming the byte count.
void* AllocateMemory(std::size_t n);

// Gives a block back. Null and references into the constant area are left alone, so a text may
// be released without knowing where it came from.
void ReleaseMemory(const void* p);

// Test seams. Blocks handed out and not yet released.
std::size_t LiveHeapBlocks();
// The next AllocateMemory behaves as if the heap could not supply the block.
void FailNextAllocation();

}  // namespace app
