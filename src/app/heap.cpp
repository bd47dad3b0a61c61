#include "app/heap.h"

#include <cstdlib>
#include <string>

#include "app/constant_area.h"
#include "app/fatal_error.h"

namespace app {
namespace {

std::size_t live_blocks = 0;
bool fail_next_allocation = false;

// "分配 " ... " 字节内存失败!"
constexpr char kAllocationFailedHead[] = "\xb7\xd6\xc5\xe4 ";
constexpr char kAllocationFailedTail[] = " \xd7\xd6\xbd\xda\xc4\xda\xb4\xe6\xca\xa7\xb0\xdc!";

}  // namespace

void* AllocateMemory(std::size_t n) {
  void* block = nullptr;
  if (fail_next_allocation) {
    fail_next_allocation = false;
  } else {
    // The platform heap hands out a real block for zero bytes too.
    block = std::malloc(n == 0 ? 1 : n);
  }
  if (block == nullptr) {
    const std::string message = kAllocationFailedHead + std::to_string(n) + kAllocationFailedTail;
    FatalError(message.c_str(), 0);
  }
  ++live_blocks;
  return block;
}

void ReleaseMemory(const void* p) {
  if (p == nullptr || IsInConstantArea(p)) return;
  --live_blocks;
  std::free(const_cast<void*>(p));
}

std::size_t LiveHeapBlocks() { return live_blocks; }

void FailNextAllocation() { fail_next_allocation = true; }

}  // namespace app
