#pragma once

#include <cstddef>
#include <cstdlib>
#include <new>
#include <vector>

#ifdef __linux__
#include <sys/mman.h>
#endif

// An allocator for large buffers that are written right after they grow: growing leaves the new
// elements unset instead of zeroing them first, and a large block asks the kernel for huge pages,
// so filling tens of megabytes does not take a page fault every 4 KiB.
template <typename T>
struct BulkAllocator {
    using value_type = T;

    BulkAllocator() = default;
    template <typename U>
    BulkAllocator(const BulkAllocator<U>&) noexcept
    {
    }

    static constexpr size_t kHugePage = size_t(2) << 20;

    T* allocate(size_t n)
    {
        const size_t bytes = n * sizeof(T);
        if (bytes < 2 * kHugePage)
            return static_cast<T*>(::operator new(bytes));
        void* block = std::aligned_alloc(kHugePage, (bytes + kHugePage - 1) / kHugePage * kHugePage);
        if (!block)
            throw std::bad_alloc();
#ifdef MADV_HUGEPAGE
        madvise(block, bytes, MADV_HUGEPAGE);  // only advice: without huge pages it works as before
#endif
        return static_cast<T*>(block);
    }

    void deallocate(T* p, size_t n) noexcept
    {
        if (n * sizeof(T) < 2 * kHugePage)
            ::operator delete(p);
        else
            std::free(p);
    }

    template <typename U>
    void construct(U* p) noexcept
    {
        ::new (static_cast<void*>(p)) U;  // default-initialised: left unset
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    template <typename U>
    bool operator==(const BulkAllocator<U>&) const noexcept
    {
        return true;
    }
};

using BulkBytes = std::vector<char, BulkAllocator<char>>;
