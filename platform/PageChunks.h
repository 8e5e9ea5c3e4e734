// Large, aligned blocks of pages straight from the system, for allocators that carve them up themselves.
#pragma once

#include <cstddef>

namespace qv {

// A zero-filled block of size bytes aligned to size (a power of two, a multiple of the page size). Huge asks
// the system to back it with huge pages, which spares most page faults when the block is filled. Raises
// std::bad_alloc when the system has no room.
void* MapAlignedChunk(size_t size, bool huge);
void UnmapChunk(void* chunk, size_t size);

} // namespace qv
