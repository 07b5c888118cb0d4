// Plays a linkage program's calls on the host window for the launch tests. Its last argument is
// the command line "N,M,F,..." (window, message, function); earlier arguments choose extras:
//   garbage   first send a datagram that is not of the protocol
//   nopost    end with status 3 without posting
// Otherwise it disables the window, makes it the parent of a window of its own, posts M with
// F and 2 (failed), enables the window again and ends with status 0.

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <string>

#include "platform/hostwindow/HostWindowFolder.h"
#include "platform/hostwindow/SocketWindowTransport.h"

namespace {

void SendRaw(ferrolin::HWND window, const std::string& bytes) {
    const auto path = ferrolin::HostWindowSocketPath(window);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strcpy(address.sun_path, path->c_str());
    const int fd = socket(AF_UNIX, SOCK_DGRAM, 0);
    sendto(fd, bytes.data(), bytes.size(), 0, reinterpret_cast<const sockaddr*>(&address),
           sizeof address);
    close(fd);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc < 2) return 64;
    const std::string line = argv[argc - 1];
    const ferrolin::HWND window = std::atoi(line.c_str());
    const std::string rest = line.substr(line.find(',') + 1);
    const auto message = static_cast<ferrolin::UINT>(std::atoi(rest.c_str()));
    const auto function = std::atoi(rest.substr(rest.find(',') + 1).c_str());
    bool post = true;
    ferrolin::SocketWindowTransport transport;
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "garbage") == 0) SendRaw(window, "enable  1\n");
        if (std::strcmp(argv[i], "nopost") == 0) post = false;
    }
    transport.EnableWindow(window, false);
    // A window of this process lies above 2^32: the host learns of it, the child is not told.
    transport.SetParent(0x100000001LL, window);
    if (!post) return 3;
    transport.PostMessage(window, message,
                          static_cast<ferrolin::WPARAM>(static_cast<std::int64_t>(function)), 2);
    transport.EnableWindow(window, true);
    return 0;
}
