#include "quorvel/tool/HostWindowListener.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/hostwindow/HostWindowFolder.h"

namespace quorvel {
namespace {

sockaddr_un AddressOf(const std::string& path) {
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::memcpy(address.sun_path, path.c_str(), path.size() + 1);
    return address;
}

// A socket file that nobody listens on any more refuses a connection.
bool SomeoneListens(const std::string& path) {
    const int probe = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC, 0);
    if (probe < 0) return false;
    const sockaddr_un address = AddressOf(path);
    const bool alive =
        connect(probe, reinterpret_cast<const sockaddr*>(&address), sizeof address) == 0;
    close(probe);
    return alive;
}

}  // namespace

HostWindowListener::~HostWindowListener() {
    if (m_fd >= 0) {
        close(m_fd);
        unlink(m_path.c_str());
    }
}

bool HostWindowListener::Open(ferrolin::HWND window, std::string* error) {
    std::string problem;
    if (ferrolin::CheckHostWindowFolder(true, &problem) !=
        ferrolin::HostWindowFolderState::Private) {
        *error = "host window folder refused: " + problem;
        return false;
    }
    const auto path = ferrolin::HostWindowSocketPath(window);
    if (!path) {
        *error = "socket path too long under " + ferrolin::HostWindowFolderPath();
        return false;
    }
    struct stat info {};
    if (lstat(path->c_str(), &info) == 0) {
        if (!S_ISSOCK(info.st_mode)) {
            *error = *path + " exists and is not a socket";
            return false;
        }
        if (SomeoneListens(*path)) {
            *error = "another host already listens for window " + std::to_string(window);
            return false;
        }
        unlink(path->c_str());
    }
    const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0);
    if (fd < 0) {
        *error = std::string("socket: ") + std::strerror(errno);
        return false;
    }
    const sockaddr_un address = AddressOf(*path);
    if (bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address) != 0) {
        *error = "cannot bind " + *path + ": " + std::strerror(errno);
        close(fd);
        return false;
    }
    m_fd = fd;
    m_path = *path;
    return true;
}

std::optional<HostWindowListener::Received> HostWindowListener::Poll() {
    char buffer[ferrolin::kHostWindowDatagramMax + 1];
    const ssize_t size = recv(m_fd, buffer, sizeof buffer, 0);
    if (size < 0) return std::nullopt;
    Received received;
    received.datagram.assign(buffer, static_cast<std::size_t>(size));
    // One byte more than the longest datagram fits: a longer one arrives cut and must not parse.
    if (static_cast<std::size_t>(size) <= ferrolin::kHostWindowDatagramMax) {
        received.event = ferrolin::ParseHostWindowDatagram(received.datagram);
    }
    return received;
}

}  // namespace quorvel
