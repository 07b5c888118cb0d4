#include "platform/window/WindowServices.h"

#include "platform/window/Window.h"
#include "platform/window/WindowBackend.h"
#include "platform/window/WindowRegistry.h"
#include "platform/window/WindowTransport.h"

namespace ferrolin {

// A handle that is not ours goes to the transport, including 0: whether a call on it means
// anything is the host side's business, as it was the system's on the desktop.

BOOL EnableWindow(HWND window, BOOL enable) {
    if (WindowState* state = FindLocalWindow(window)) {
        const BOOL wasDisabled = state->enabled ? 0 : 1;
        if (state->enabled != (enable != 0)) {
            state->enabled = enable != 0;
            NotifyWindowChanged(*state, WindowChange::Enabled);
        }
        return wasDisabled;
    }
    if (IsLocalWindow(window)) return 0;
    if (IWindowTransport* transport = GetWindowTransport())
        transport->EnableWindow(window, enable != 0);
    return 0;
}

HWND SetParent(HWND child, HWND newParent) {
    HWND previous = 0;
    if (WindowState* state = FindLocalWindow(child)) {
        previous = state->parent;
        state->parent = newParent;
        NotifyWindowChanged(*state, WindowChange::Parent);
    }
    const bool childForeign = !IsLocalWindow(child);
    const bool parentForeign = newParent != 0 && !IsLocalWindow(newParent);
    if (childForeign || parentForeign) {
        if (IWindowTransport* transport = GetWindowTransport())
            transport->SetParent(child, newParent);
    }
    return previous;
}

BOOL SetForegroundWindow(HWND window) {
    if (WindowState* state = FindLocalWindow(window)) {
        ++state->foregroundCount;
        NotifyWindowChanged(*state, WindowChange::ZOrder);
        return 1;
    }
    if (IsLocalWindow(window)) return 0;
    if (IWindowTransport* transport = GetWindowTransport()) {
        transport->SetForegroundWindow(window);
        return 1;
    }
    return 0;
}

BOOL BringWindowToTop(HWND window) {
    if (WindowState* state = FindLocalWindow(window)) {
        ++state->topCount;
        NotifyWindowChanged(*state, WindowChange::ZOrder);
        return 1;
    }
    if (IsLocalWindow(window)) return 0;
    if (IWindowTransport* transport = GetWindowTransport()) {
        transport->BringWindowToTop(window);
        return 1;
    }
    return 0;
}

// Our own windows have no message queue of their own: nothing in the system posts to them.
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (IsLocalWindow(window)) return 0;
    if (IWindowTransport* transport = GetWindowTransport()) {
        transport->PostMessage(window, message, wParam, lParam);
        return 1;
    }
    return 0;
}

BOOL UpdateWindow(HWND window) {
    WindowState* state = FindLocalWindow(window);
    if (!state) return 0;
    ++state->repaintCount;
    if (IWindowBackend* backend = GetWindowBackend()) backend->Repaint(*state);
    return 1;
}

namespace {
// The framework's nesting count of the wait cursor, and whether it is on the screen now.
struct WaitCursor {
    int depth = 0;
    bool shown = false;
};
WaitCursor g_waitCursor;

void ShowWaitCursor(bool shown) {
    if (g_waitCursor.shown == shown) return;
    g_waitCursor.shown = shown;
    if (IWindowBackend* backend = GetWindowBackend()) backend->SetWaitCursor(shown);
}
}  // namespace

// A message box shows the normal pointer; the wait cursor stays away until it is restored.
int MessageBoxA(HWND owner, const std::string& text, const std::string& caption, UINT type) {
    IWindowBackend* backend = GetWindowBackend();
    if (!backend) return 0;
    ShowWaitCursor(false);
    return backend->MessageBox(owner, text, caption, type);
}

void BeginWaitCursor() {
    ++g_waitCursor.depth;
    ShowWaitCursor(true);
}

void EndWaitCursor() {
    if (g_waitCursor.depth > 0) --g_waitCursor.depth;
    if (g_waitCursor.depth == 0) ShowWaitCursor(false);
}

void RestoreWaitCursor() {
    if (g_waitCursor.depth > 0) ShowWaitCursor(true);
}

}  // namespace ferrolin
