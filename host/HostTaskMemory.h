#pragma once
// The task allocator through which the host hands out texts and the receiver releases them.
// Counted, so that tests can prove every text is released exactly once.

#include <cstddef>
#include <cstdint>

namespace ferrolin {

void* CoTaskMemAlloc(std::size_t size);
void CoTaskMemFree(void* block);  // null does nothing

struct TaskMemoryCounts {
    std::uint64_t allocations = 0;
    std::uint64_t releases = 0;  // non-null blocks released
};
TaskMemoryCounts GetTaskMemoryCounts();

}  // namespace ferrolin
