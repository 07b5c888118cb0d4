#include "platform/window/WindowRegistry.h"

#include <unordered_map>

#include "platform/window/WindowBackend.h"
#include "platform/window/WindowServices.h"

namespace ferrolin {

namespace {

// Local handles start above 2^32 so they can never equal a host handle, which is a signed
// 32-bit number; they are never reused within a process, so a stale handle finds nothing.
constexpr HWND kFirstLocalHandle = (HWND{1} << 32) + 0x100;

struct Registry {
    std::unordered_map<HWND, WindowState*> windows;
    HWND next = kFirstLocalHandle;
};

Registry& TheRegistry() {
    static Registry registry;
    return registry;
}

}  // namespace

HWND RegisterWindow(WindowState& state) {
    Registry& registry = TheRegistry();
    state.hwnd = registry.next;
    registry.next += 2;
    registry.windows[state.hwnd] = &state;
    return state.hwnd;
}

void UnregisterWindow(const WindowState& state) { TheRegistry().windows.erase(state.hwnd); }

bool IsLocalWindow(HWND window) { return window >= (HWND{1} << 32); }

WindowState* FindLocalWindow(HWND window) {
    Registry& registry = TheRegistry();
    auto it = registry.windows.find(window);
    return it == registry.windows.end() ? nullptr : it->second;
}

void NotifyWindowChanged(const WindowState& state, WindowChange change) {
    if (IWindowBackend* backend = GetWindowBackend()) backend->OnWindowChanged(state, change);
}

}  // namespace ferrolin
