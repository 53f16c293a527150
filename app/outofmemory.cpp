// The global operator new family, replaced so that memory running out anywhere in the program
// ends in the fatal error report with the number of bytes asked for.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <new>

#include "fatalerror.h"

namespace {

// What malloc aligns to by itself.
constexpr std::size_t plain = alignof(std::max_align_t);

// Set aside at start and given back when memory runs out, so that the report can still build
// its error box.
void *reserve = std::malloc(1 << 20);
bool reporting = false;

void reportFailure(std::size_t bytes) {
    if (reporting)  // The report itself ran out of memory: nothing more can be shown.
        std::_Exit(-1);
    reporting = true;
    std::free(reserve);
    reserve = nullptr;
    namer::reportOutOfMemory(static_cast<int64_t>(bytes));
    reporting = false;
}

void *allocate(std::size_t bytes, std::size_t alignment) {
    if (bytes == 0)
        bytes = 1;
    void *block = nullptr;
    if (alignment <= plain)
        block = std::malloc(bytes);
    else if (bytes <= SIZE_MAX - alignment)  // aligned_alloc wants a multiple of the alignment
        block = std::aligned_alloc(alignment, (bytes + alignment - 1) / alignment * alignment);
    if (block == nullptr)
        reportFailure(bytes);
    return block;
}

// Only a handler installed by a test returns from the report; the allocation then fails the
// way the standard asks.
void *allocateOrThrow(std::size_t bytes, std::size_t alignment) {
    if (void *block = allocate(bytes, alignment))
        return block;
    throw std::bad_alloc();
}

}  // namespace

void *operator new(std::size_t bytes) {
    return allocateOrThrow(bytes, plain);
}

void *operator new[](std::size_t bytes) {
    return allocateOrThrow(bytes, plain);
}

void *operator new(std::size_t bytes, std::align_val_t alignment) {
    return allocateOrThrow(bytes, static_cast<std::size_t>(alignment));
}

void *operator new[](std::size_t bytes, std::align_val_t alignment) {
    return allocateOrThrow(bytes, static_cast<std::size_t>(alignment));
}

void *operator new(std::size_t bytes, const std::nothrow_t &) noexcept {
    return allocate(bytes, plain);
}

void *operator new[](std::size_t bytes, const std::nothrow_t &) noexcept {
    return allocate(bytes, plain);
}

void *operator new(std::size_t bytes, std::align_val_t alignment, const std::nothrow_t &) noexcept {
    return allocate(bytes, static_cast<std::size_t>(alignment));
}

void *operator new[](std::size_t bytes, std::align_val_t alignment,
                     const std::nothrow_t &) noexcept {
    return allocate(bytes, static_cast<std::size_t>(alignment));
}

void operator delete(void *block) noexcept {
    std::free(block);
}

void operator delete[](void *block) noexcept {
    std::free(block);
}

void operator delete(void *block, std::size_t) noexcept {
    std::free(block);
}

void operator delete[](void *block, std::size_t) noexcept {
    std::free(block);
}

void operator delete(void *block, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete[](void *block, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete(void *block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete[](void *block, std::size_t, std::align_val_t) noexcept {
    std::free(block);
}

void operator delete(void *block, const std::nothrow_t &) noexcept {
    std::free(block);
}

void operator delete[](void *block, const std::nothrow_t &) noexcept {
    std::free(block);
}

void operator delete(void *block, std::align_val_t, const std::nothrow_t &) noexcept {
    std::free(block);
}

void operator delete[](void *block, std::align_val_t, const std::nothrow_t &) noexcept {
    std::free(block);
}
