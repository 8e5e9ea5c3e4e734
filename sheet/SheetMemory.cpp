// Size-class free lists over bump-allocated chunks; AddressSanitizer sees freed blocks as poisoned.
#include "sheet/SheetMemory.h"

#include "platform/PageChunks.h"

#include <cstdint>
#include <new>

#if defined(__has_feature)
#if __has_feature(address_sanitizer)
#define QV_ASAN 1
#endif
#endif
#if defined(__SANITIZE_ADDRESS__)
#define QV_ASAN 1
#endif
#ifdef QV_ASAN
#include <sanitizer/asan_interface.h>
#define QV_POISON(p, n) ASAN_POISON_MEMORY_REGION(p, n)
#define QV_UNPOISON(p, n) ASAN_UNPOISON_MEMORY_REGION(p, n)
#else
#define QV_POISON(p, n) ((void)(p), (void)(n))
#define QV_UNPOISON(p, n) ((void)(p), (void)(n))
#endif

namespace qv {

SheetMemory::~SheetMemory()
{
    while (m_newest) {
        Chunk* older = m_newest->older;
        UnmapChunk(m_newest, kChunkSize);
        m_newest = older;
    }
}

SheetMemory& SheetMemory::MemoryOf(void* block)
{
    const auto chunk = reinterpret_cast<uintptr_t>(block) & ~(uintptr_t{kChunkSize} - 1);
    return *reinterpret_cast<Chunk*>(chunk)->memory;
}

void* SheetMemory::Allocate(size_t size)
{
    if (size > kMaxBlock)
        return ::operator new(size);
    size = BlockSize(size);
    void* block = m_free[size / kGrain];
    if (block) {
        QV_UNPOISON(block, size);
        m_free[size / kGrain] = static_cast<FreeBlock*>(block)->next;
    } else {
        block = Carve(size);
    }
    ++m_live;
    return block;
}

void* SheetMemory::Carve(size_t size)
{
    if (static_cast<size_t>(m_end - m_next) < size)
        AddChunk();
    void* block = m_next;
    m_next += size;
    QV_UNPOISON(block, size);
    return block;
}

void SheetMemory::AddChunk()
{
    // The first chunk is left to ordinary pages, so that a small sheet touches only the pages it uses.
    void* memory = MapAlignedChunk(kChunkSize, m_newest != nullptr);
    Chunk* chunk = new (memory) Chunk{this, m_newest};
    m_newest = chunk;
    m_next = static_cast<char*>(memory) + kHeader;
    m_end = static_cast<char*>(memory) + kChunkSize;
}

void SheetMemory::Free(void* block, size_t size)
{
    if (!block)
        return;
    if (size > kMaxBlock) {
        ::operator delete(block);
        return;
    }
    SheetMemory& memory = MemoryOf(block);
    size = BlockSize(size);
    auto* free = static_cast<FreeBlock*>(block);
    free->next = memory.m_free[size / kGrain];
    memory.m_free[size / kGrain] = free;
    QV_POISON(block, size);
    if (--memory.m_live == 0)
        memory.Reset();
}

void SheetMemory::Abandon(void* block)
{
    SheetMemory& memory = MemoryOf(block);
    if (--memory.m_live == 0)
        memory.Reset();
}

void* SheetMemory::do_allocate(size_t bytes, size_t alignment)
{
    if (alignment > kGrain)
        return ::operator new (bytes, std::align_val_t{alignment});
    return Allocate(bytes);
}

void SheetMemory::do_deallocate(void* block, size_t bytes, size_t alignment)
{
    if (alignment > kGrain)
        ::operator delete (block, std::align_val_t{alignment});
    else
        Free(block, bytes);
}

void SheetMemory::Reset()
{
    Chunk* first = m_newest;
    while (first->older) {
        Chunk* older = first->older;
        UnmapChunk(first, kChunkSize);
        first = older;
    }
    m_newest = first;
    m_free.fill(nullptr);
    m_next = reinterpret_cast<char*>(first) + kHeader;
    m_end = reinterpret_cast<char*>(first) + kChunkSize;
    QV_POISON(m_next, static_cast<size_t>(m_end - m_next));
}

} // namespace qv
