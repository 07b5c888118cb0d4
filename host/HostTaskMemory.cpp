#include "host/HostTaskMemory.h"

#include <atomic>
#include <cstdlib>

namespace ferrolin {
namespace {
std::atomic<std::uint64_t> g_allocations{0};
std::atomic<std::uint64_t> g_releases{0};
}  // namespace

void* CoTaskMemAlloc(std::size_t size) {
    void* block = std::malloc(size == 0 ? 1 : size);
    if (block != nullptr) ++g_allocations;
    return block;
}

void CoTaskMemFree(void* block) {
    if (block == nullptr) return;
    ++g_releases;
    std::free(block);
}

TaskMemoryCounts GetTaskMemoryCounts() { return {g_allocations.load(), g_releases.load()}; }

}  // namespace ferrolin
