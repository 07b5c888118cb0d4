#pragma once
// The host's side of the window transport: the socket of one host window, bound in the private
// host window folder and removed again when the listener ends.

#include <optional>
#include <string>

#include "platform/hostwindow/HostWindowProtocol.h"

namespace quorvel {

class HostWindowListener {
public:
    HostWindowListener() = default;
    HostWindowListener(const HostWindowListener&) = delete;
    HostWindowListener& operator=(const HostWindowListener&) = delete;
    ~HostWindowListener();

    // Binds the socket for `window`; false and `error` when the folder is not private, the path is
    // too long, or another host already listens for that window. A socket file left by a host that
    // died is replaced.
    bool Open(ferrolin::HWND window, std::string* error);
    int Fd() const { return m_fd; }

    struct Received {
        std::string datagram;
        std::optional<ferrolin::HostWindowEvent> event;  // nullopt: not a datagram of the protocol
    };
    // The next datagram when one is waiting, without blocking.
    std::optional<Received> Poll();

private:
    int m_fd = -1;
    std::string m_path;
};

}  // namespace quorvel
