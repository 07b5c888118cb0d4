#pragma once
// Window services on a handle that this process did not make (the host's window) go to a
// pluggable transport. With none installed they do nothing, as calls on a dead handle do.

#include "platform/window/WindowTypes.h"

namespace ferrolin {

class IWindowTransport {
public:
    virtual ~IWindowTransport() = default;
    virtual void EnableWindow(HWND window, bool enable) = 0;
    virtual void SetParent(HWND child, HWND newParent) = 0;  // sent to the foreign one of the two
    virtual void SetForegroundWindow(HWND window) = 0;
    virtual void BringWindowToTop(HWND window) = 0;
    virtual void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) = 0;
};

void SetWindowTransport(IWindowTransport* transport);
IWindowTransport* GetWindowTransport();

}  // namespace ferrolin
