// The memory of one sheet's cells, rows and sparse-list blocks: large aligned chunks carved into blocks by size.
#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <memory_resource>

namespace qv {

// Allocation is a free-list pop or a pointer bump, freeing a push: a sheet of millions of cells is built
// without a general-purpose allocator's bookkeeping, and huge pages spare most of the page faults. Every small
// block lies in a chunk whose header names its memory, so a cell is freed without knowing its sheet. Sizes
// beyond kMaxBlock (a large directory, say) go to the heap. When the last block goes, every chunk but the
// first goes back to the system.
class SheetMemory : public std::pmr::memory_resource {
public:
    SheetMemory() = default;
    ~SheetMemory() override;
    SheetMemory(const SheetMemory&) = delete;
    SheetMemory& operator=(const SheetMemory&) = delete;

    void* Allocate(size_t size);
    // Returns a block of the given size to the memory that handed it out.
    static void Free(void* block, size_t size);
    // A small block whose object never came to life (its constructor raised): it is not reused until the
    // memory empties.
    static void Abandon(void* block);
    size_t LiveBlocks() const { return m_live; }

    static constexpr size_t kChunkSize = size_t{2} << 20;
    static constexpr size_t kMaxBlock = 1024;

private:
    static constexpr size_t kGrain = 16;
    struct Chunk {
        SheetMemory* memory;
        Chunk* older;
    };
    struct FreeBlock {
        FreeBlock* next;
    };
    static constexpr size_t kHeader = (sizeof(Chunk) + kGrain - 1) / kGrain * kGrain;

    void* do_allocate(size_t bytes, size_t alignment) override;
    void do_deallocate(void* block, size_t bytes, size_t alignment) override;
    bool do_is_equal(const std::pmr::memory_resource& other) const noexcept override { return this == &other; }

    static SheetMemory& MemoryOf(void* block);
    // The size a block of the asked size takes, a whole number of grains.
    static size_t BlockSize(size_t size) { return (std::max<size_t>(size, 1) + kGrain - 1) / kGrain * kGrain; }
    void* Carve(size_t size);
    void AddChunk();
    // Every chunk but the first is unmapped and the first is carved again from its start.
    void Reset();

    std::array<FreeBlock*, kMaxBlock / kGrain + 1> m_free{};
    Chunk* m_newest = nullptr;
    char* m_next = nullptr;
    char* m_end = nullptr;
    size_t m_live = 0;
};

} // namespace qv
