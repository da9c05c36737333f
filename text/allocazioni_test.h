#ifndef QUADRIVO_TEXT_ALLOCAZIONI_TEST_H
#define QUADRIVO_TEXT_ALLOCAZIONI_TEST_H

// Counts the heap blocks a program takes: every operator new of the
// program goes through here. Include it in one file of a program only (a
// test program or a benchmark), never in the library.

#include <cstddef>
#include <cstdlib>
#include <new>

namespace quadrivo::heap {

// Blocks and bytes taken since the program started; a caller resets them or
// takes differences.
inline std::size_t allocations = 0;
inline std::size_t allocatedBytes = 0;

inline void* Allocate(std::size_t size)
{
    ++allocations;
    allocatedBytes += size;
    if (void* block = std::malloc(size ? size : 1)) return block;
    throw std::bad_alloc();
}

}  // namespace quadrivo::heap

void* operator new(std::size_t size)
{
    return quadrivo::heap::Allocate(size);
}
void* operator new[](std::size_t size)
{
    return quadrivo::heap::Allocate(size);
}
void operator delete(void* block) noexcept
{
    std::free(block);
}
void operator delete(void* block, std::size_t) noexcept
{
    std::free(block);
}
void operator delete[](void* block) noexcept
{
    std::free(block);
}
void operator delete[](void* block, std::size_t) noexcept
{
    std::free(block);
}

#endif
