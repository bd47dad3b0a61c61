#include "app/heap.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstring>

#include "app/constant_area.h"
#include "app/shell_state.h"

namespace {

TEST(Heap, BlocksAreCountedUntilReleased) {
  const std::size_t before = app::LiveHeapBlocks();
  void* a = app::AllocateMemory(40);
  void* b = app::AllocateMemory(1);
  ASSERT_NE(a, nullptr);
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  std::memset(a, 0x5A, 40);  // the whole block is ours
  EXPECT_EQ(app::LiveHeapBlocks(), before + 2);
  app::ReleaseMemory(a);
  EXPECT_EQ(app::LiveHeapBlocks(), before + 1);
  app::ReleaseMemory(b);
  EXPECT_EQ(app::LiveHeapBlocks(), before);
}

TEST(Heap, ZeroBytesStillGiveABlock) {
  void* block = app::AllocateMemory(0);
  EXPECT_NE(block, nullptr);
  app::ReleaseMemory(block);
}

TEST(Heap, ReleasingNullOrConstantTextsDoesNothing) {
  const std::size_t before = app::LiveHeapBlocks();
  app::ReleaseMemory(nullptr);
  app::ReleaseMemory(app::ConstantText(app::ConstantTextId::kEmpty));
  app::ReleaseMemory(app::ConstantText(app::ConstantTextId::kFilterDescribedAsIs));
  app::ReleaseMemory(app::ConstantText(app::ConstantTextId::kTaobaoSearchPriceAsc));
  EXPECT_EQ(app::LiveHeapBlocks(), before);
  EXPECT_STREQ(app::ConstantText(app::ConstantTextId::kFilterDescribedAsIs), "&isprepay=1");
}

TEST(Heap, ABlockIsNeverInTheConstantArea) {
  void* block = app::AllocateMemory(16);
  EXPECT_FALSE(app::IsInConstantArea(block));
  app::ReleaseMemory(block);
}

TEST(HeapDeathTest, FailedAllocationIsAFatalErrorNamingTheByteCount) {
  // The message box text, as standard error shows it.
  const std::string expected = "运行时出错!\r\n\r\n错误信息：分配 40 字节内存失败!\r\n";
  EXPECT_EXIT(
      {
        app::FailNextAllocation();
        app::AllocateMemory(40);
      },
      testing::ExitedWithCode(255), testing::HasSubstr(expected));
}

TEST(HeapDeathTest, FailedAllocationShowsOnlyTheMessageLine) {
  // No code line: the code is 0.
  EXPECT_EXIT(
      {
        app::FailNextAllocation();
        app::AllocateMemory(123456789);
      },
      testing::ExitedWithCode(255),
      testing::AllOf(testing::HasSubstr("分配 123456789 字节内存失败!"), testing::Not(testing::HasSubstr("错误代码"))));
}

TEST(Heap, OnlyTheNextAllocationFails) {
  // Watched in a child: the first allocation ends it, so a second one never happens there. Here
  // the flag must not leak into later allocations once used.
  EXPECT_EXIT(
      {
        app::FailNextAllocation();
        app::AllocateMemory(8);
      },
      testing::ExitedWithCode(255), testing::_);
  void* block = app::AllocateMemory(8);
  EXPECT_NE(block, nullptr);
  app::ReleaseMemory(block);
}

}  // namespace
