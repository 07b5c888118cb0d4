#pragma once
// The component's window transport: each window service on a host window becomes one datagram
// (HostWindowProtocol.h) sent to that window's socket (HostWindowFolder.h). No socket, or no host
// listening, and the call does nothing, as a call on a dead window handle does. Install it with
// SetWindowTransport at start-up.

#include <string>

#include "platform/window/WindowTransport.h"

namespace ferrolin {

class SocketWindowTransport : public IWindowTransport {
public:
    void EnableWindow(HWND window, bool enable) override;
    void SetParent(HWND child, HWND newParent) override;
    void SetForegroundWindow(HWND window) override;
    void BringWindowToTop(HWND window) override;
    void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    void Send(HWND window, const std::string& datagram);
    bool m_warned = false;  // an unsafe folder is reported once per process
};

}  // namespace ferrolin
