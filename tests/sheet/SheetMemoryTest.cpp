#include "sheet/SheetMemory.h"
#include "cells/CurrencyCell.h"
#include "cells/StringCell.h"
#include "sheet/Sheet.h"

#include <gtest/gtest.h>
#include <set>
#include <vector>

namespace qv {
namespace {

TEST(SheetMemoryTest, FreedBlocksAreReusedOnlyForTheirSize)
{
    SheetMemory pool;
    void* keep = pool.Allocate(64); // keeps the pool from emptying
    void* small = pool.Allocate(64);
    void* large = pool.Allocate(96);
    SheetMemory::Free(small, 64);
    SheetMemory::Free(large, 96);
    EXPECT_EQ(pool.Allocate(90), large) << "sizes round up to the same grain";
    EXPECT_EQ(pool.Allocate(64), small);
    EXPECT_NE(pool.Allocate(64), small);
    EXPECT_EQ(pool.LiveBlocks(), 4u);
    (void)keep;
}

TEST(SheetMemoryTest, BlocksAcrossManyChunksAreDistinctAndFreedToTheirOwnMemory)
{
    SheetMemory first;
    SheetMemory second;
    const size_t count = 3 * SheetMemory::kChunkSize / 64;
    std::vector<void*> blocks;
    std::set<uintptr_t> seen;
    for (size_t i = 0; i < count; ++i) {
        SheetMemory& pool = i % 2 ? second : first;
        void* block = pool.Allocate(64);
        ASSERT_EQ(reinterpret_cast<uintptr_t>(block) % 16, 0u);
        ASSERT_TRUE(seen.insert(reinterpret_cast<uintptr_t>(block)).second);
        static_cast<char*>(block)[63] = 1; // every byte of a block is usable
        blocks.push_back(block);
    }
    EXPECT_EQ(first.LiveBlocks() + second.LiveBlocks(), count);
    for (size_t i = 1; i < count; i += 2)
        SheetMemory::Free(blocks[i], 64);
    EXPECT_EQ(second.LiveBlocks(), 0u);
    EXPECT_EQ(first.LiveBlocks(), (count + 1) / 2);
}

TEST(SheetMemoryTest, AnEmptiedMemoryStartsOverInItsFirstChunk)
{
    SheetMemory pool;
    void* firstBlock = pool.Allocate(48);
    std::vector<void*> blocks{firstBlock};
    for (size_t i = 0; i < SheetMemory::kChunkSize / 48 + 10; ++i)
        blocks.push_back(pool.Allocate(48));
    for (void* block : blocks)
        SheetMemory::Free(block, 48);
    EXPECT_EQ(pool.LiveBlocks(), 0u);
    EXPECT_EQ(pool.Allocate(48), firstBlock);
    EXPECT_EQ(pool.Allocate(48), blocks[1]) << "the free lists were dropped with the other chunks";
}

TEST(SheetMemoryTest, LargeAndOverAlignedRequestsGoToTheHeap)
{
    SheetMemory memory;
    std::pmr::memory_resource& resource = memory;
    void* large = resource.allocate(SheetMemory::kMaxBlock + 1, 8);
    void* aligned = resource.allocate(64, 64);
    EXPECT_EQ(reinterpret_cast<uintptr_t>(aligned) % 64, 0u);
    EXPECT_EQ(memory.LiveBlocks(), 0u);
    resource.deallocate(large, SheetMemory::kMaxBlock + 1, 8);
    resource.deallocate(aligned, 64, 64);
}

TEST(SheetMemoryTest, ASheetsCellsAndRowsLiveInItsMemoryUntilCleared)
{
    TXLSheet sheet;
    const size_t empty = sheet.Memory().LiveBlocks(); // the sections' own directories
    sheet.SetColCount(4);
    sheet.SetRowCount(4);
    TXLSection& client = sheet.Section(sClient);
    client.ReplaceCell({1, 1}, &TXLCCurrency::Class()).SetAsString("12.5");
    client.ReplaceCell({2, 1}, &TXLCString::Class());
    const size_t filled = sheet.Memory().LiveBlocks();
    EXPECT_GT(filled, empty + 2) << "two cells, their row and the blocks holding them";
    TXLCell& replaced = client.ReplaceCell({1, 1}, &TXLCString::Class());
    EXPECT_EQ(replaced.GetAsString(), "12.5");
    EXPECT_EQ(sheet.Memory().LiveBlocks(), filled);
    client.Clear();
    EXPECT_EQ(sheet.Memory().LiveBlocks(), empty);
}

} // namespace
} // namespace qv
