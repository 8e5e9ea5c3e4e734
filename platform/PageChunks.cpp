// Aligned chunks over mmap: map twice the size, then give back the unaligned head and tail.
#include "platform/PageChunks.h"

#include <cstdint>
#include <new>
#include <sys/mman.h>

namespace qv {

void* MapAlignedChunk(size_t size, bool huge)
{
    void* mapped = ::mmap(nullptr, 2 * size, PROT_READ | PROT_WRITE, MAP_PRIVATE | MAP_ANONYMOUS, -1, 0);
    if (mapped == MAP_FAILED)
        throw std::bad_alloc();
    const auto start = reinterpret_cast<uintptr_t>(mapped);
    const uintptr_t aligned = (start + size - 1) & ~(uintptr_t{size} - 1);
    if (aligned > start)
        ::munmap(mapped, aligned - start);
    if (const uintptr_t tail = start + 2 * size - (aligned + size); tail > 0)
        ::munmap(reinterpret_cast<void*>(aligned + size), tail);
    void* chunk = reinterpret_cast<void*>(aligned);
    if (huge)
        ::madvise(chunk, size, MADV_HUGEPAGE); // advice only: without huge pages the chunk still works
    return chunk;
}

void UnmapChunk(void* chunk, size_t size)
{
    ::munmap(chunk, size);
}

} // namespace qv
