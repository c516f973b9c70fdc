#pragma once
// Counting the heap allocations a piece of code makes, through the
// sanitizers' allocation hooks (absent, null, in a build without them):
// how the engine's tests hold a search to allocating nothing.

#include <atomic>
#include <cstddef>

extern "C" int __sanitizer_install_malloc_and_free_hooks(void (*)(const volatile void*,
                                                                  std::size_t),
                                                         void (*)(const volatile void*))
    __attribute__((weak));

namespace verlano::test {

inline std::atomic<long> g_allocations{0};
inline void CountAllocation(const volatile void*, std::size_t) {
  ++g_allocations;
}
inline void IgnoreFree(const volatile void*) {}

}  // namespace verlano::test
