#include "platform/hostwindow/SocketWindowTransport.h"

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "platform/hostwindow/HostWindowFolder.h"
#include "platform/hostwindow/HostWindowProtocol.h"

namespace ferrolin {

void SocketWindowTransport::EnableWindow(HWND window, bool enable) {
    HostWindowEvent event;
    event.kind = HostWindowEventKind::Enable;
    event.enable = enable;
    Send(window, FormatHostWindowDatagram(event));
}

void SocketWindowTransport::SetParent(HWND child, HWND newParent) {
    HostWindowEvent event;
    event.kind = HostWindowEventKind::SetParent;
    event.child = child;
    event.parent = newParent;
    const std::string datagram = FormatHostWindowDatagram(event);
    Send(child, datagram);
    if (newParent != child) Send(newParent, datagram);
}

void SocketWindowTransport::SetForegroundWindow(HWND window) {
    HostWindowEvent event;
    event.kind = HostWindowEventKind::Foreground;
    Send(window, FormatHostWindowDatagram(event));
}

void SocketWindowTransport::BringWindowToTop(HWND window) {
    HostWindowEvent event;
    event.kind = HostWindowEventKind::Top;
    Send(window, FormatHostWindowDatagram(event));
}

void SocketWindowTransport::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    HostWindowEvent event;
    event.kind = HostWindowEventKind::Post;
    event.message = message;
    event.wParam = wParam;
    event.lParam = lParam;
    Send(window, FormatHostWindowDatagram(event));
}

void SocketWindowTransport::Send(HWND window, const std::string& datagram) {
    if (!IsHostWindowHandle(window)) return;
    std::string problem;
    switch (CheckHostWindowFolder(false, &problem)) {
        case HostWindowFolderState::Private:
            break;
        case HostWindowFolderState::Missing:
            return;  // no host has ever listened here
        case HostWindowFolderState::Unsafe:
            if (!m_warned) {
                std::fprintf(stderr, "host window folder refused: %s\n", problem.c_str());
                m_warned = true;
            }
            return;
    }
    const auto path = HostWindowSocketPath(window);
    if (!path) return;
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path->c_str(), path->size() + 1);
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return;
    // A host that stopped reading must not hang the component for ever.
    timeval timeout{2, 0};
    setsockopt(fd, SOL_SOCKET, SO_SNDTIMEO, &timeout, sizeof timeout);
    // Failures (no socket, nobody listening) are what a dead window handle gives: nothing.
    (void)sendto(fd, datagram.data(), datagram.size(), MSG_NOSIGNAL,
                 reinterpret_cast<const sockaddr*>(&address), sizeof address);
    close(fd);
}

}  // namespace ferrolin
