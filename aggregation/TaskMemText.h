#pragma once
// A text the host handed out through its task allocator, released exactly once with CoTaskMemFree
// when its holder goes, on every path.

#include <memory>

#include "host/HostTaskMemory.h"

namespace ferrolin {

struct TaskMemRelease {
    void operator()(char* text) const { CoTaskMemFree(text); }
};

using TaskMemText = std::unique_ptr<char, TaskMemRelease>;

}  // namespace ferrolin
