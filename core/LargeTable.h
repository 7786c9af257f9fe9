// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Storage for the large tables: a network's patterns and the tables a run
// builds from them, tens of megabytes on the large sets, read from a file,
// copied for each share of a run's threads and built at the start of every
// run (and of every random start). Two things keep that cheap:
//  - growing the vector leaves the new elements as they are (resize(n)
//    without a value), so a builder that writes every element touches each
//    page once, not twice;
//  - on Linux, a block of 2 MB or more asks the kernel for huge pages. A
//    19 MB table then takes ten page faults instead of some 4600, which on a
//    virtual machine cost 50 ms, more than 70 epochs of the step rule on a
//    3000 x 784 x 10 set.

#include <cstddef>
#include <cstdlib>
#include <new>
#include <type_traits>
#include <utility>
#include <vector>

#if defined(__linux__) && !defined(__EMSCRIPTEN__)
#include <sys/mman.h>
#define VANTORELLE_HUGE_PAGES 1
#else
#define VANTORELLE_HUGE_PAGES 0
#endif

namespace vantorelle {

inline constexpr std::size_t HugePage = std::size_t{2} << 20;

template <typename T>
struct LargeTableAllocator {
    using value_type = T;

    LargeTableAllocator() = default;
    template <typename U>
    LargeTableAllocator(const LargeTableAllocator<U>&) noexcept
    {
    }

    T* allocate(std::size_t n)
    {
        if (n > static_cast<std::size_t>(-1) / sizeof(T))
            throw std::bad_array_new_length();
        const std::size_t bytes = n * sizeof(T);
        void* p = nullptr;
        if (VANTORELLE_HUGE_PAGES && bytes >= HugePage) {
            const std::size_t rounded = (bytes + HugePage - 1) / HugePage * HugePage;
            p = std::aligned_alloc(HugePage, rounded);
#if VANTORELLE_HUGE_PAGES
            if (p)
                madvise(p, rounded, MADV_HUGEPAGE);  // a hint: without huge pages the table still works
#endif
        } else {
            p = std::malloc(bytes > 0 ? bytes : 1);
        }
        if (!p)
            throw std::bad_alloc();
        return static_cast<T*>(p);
    }
    void deallocate(T* p, std::size_t) noexcept { std::free(p); }

    // Default-initialised: a double or an index grown this way is left as
    // the memory holds it, for the builder to write.
    template <typename U>
    void construct(U* p) noexcept(std::is_nothrow_default_constructible_v<U>)
    {
        ::new (static_cast<void*>(p)) U;
    }
    template <typename U, typename... Args>
    void construct(U* p, Args&&... args)
    {
        ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
    }

    friend bool operator==(const LargeTableAllocator&, const LargeTableAllocator&) { return true; }
};

template <typename T>
using LargeTable = std::vector<T, LargeTableAllocator<T>>;

}  // namespace vantorelle
