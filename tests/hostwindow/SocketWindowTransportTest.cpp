// The component's side of the host window transport: the private folder, the socket per window
// and the datagrams that reach it.

#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <vector>

#include "platform/hostwindow/HostWindowFolder.h"
#include "platform/hostwindow/SocketWindowTransport.h"
#include "support/TempFolder.h"

namespace ferrolin {
namespace {

using test::TempFolder;

class SocketWindowTransportTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("XDG_RUNTIME_DIR", m_runtime.Path().c_str(), 1); }
    void TearDown() override {
        for (const int fd : m_sockets) close(fd);
        unsetenv("XDG_RUNTIME_DIR");
    }

    // A host listening for `window`, as quorvel-host does it.
    int Listen(HWND window) {
        std::string problem;
        EXPECT_EQ(CheckHostWindowFolder(true, &problem), HostWindowFolderState::Private) << problem;
        const auto path = HostWindowSocketPath(window);
        sockaddr_un address{};
        address.sun_family = AF_UNIX;
        std::strcpy(address.sun_path, path->c_str());
        const int fd = socket(AF_UNIX, SOCK_DGRAM | SOCK_NONBLOCK, 0);
        EXPECT_EQ(bind(fd, reinterpret_cast<const sockaddr*>(&address), sizeof address), 0);
        m_sockets.push_back(fd);
        return fd;
    }

    static std::vector<std::string> Received(int fd) {
        std::vector<std::string> datagrams;
        char buffer[256];
        ssize_t size;
        while ((size = recv(fd, buffer, sizeof buffer, 0)) >= 0) {
            datagrams.emplace_back(buffer, static_cast<std::size_t>(size));
        }
        return datagrams;
    }

    TempFolder m_runtime;
    std::vector<int> m_sockets;
};

TEST_F(SocketWindowTransportTest, EachCallReachesTheHostWindowsSocket) {
    const int host = Listen(1234);
    const int other = Listen(99);
    SocketWindowTransport transport;
    transport.EnableWindow(1234, false);
    transport.SetParent(0x100000002LL, 1234);  // our own window: only the host is told
    transport.SetForegroundWindow(1234);
    transport.BringWindowToTop(1234);
    transport.PostMessage(1234, 32768, 3, 1);
    transport.EnableWindow(1234, true);
    EXPECT_EQ(Received(host),
              (std::vector<std::string>{"enable 0", "setparent 4294967298 1234", "foreground",
                                        "top", "post 32768 3 1", "enable 1"}));
    EXPECT_TRUE(Received(other).empty());
    EXPECT_EQ(m_runtime.Path() / "quorvel" / "1234", *HostWindowSocketPath(1234));
}

TEST_F(SocketWindowTransportTest, WithoutAListeningHostNothingHappens) {
    SocketWindowTransport transport;
    transport.EnableWindow(5, false);  // no folder at all
    const int host = Listen(5);
    transport.EnableWindow(6, false);  // a folder, but no socket for 6
    transport.EnableWindow(0, false);  // handles that cannot name a host window
    transport.EnableWindow(0x100000000LL, false);
    EXPECT_TRUE(Received(host).empty());
    close(host);
    m_sockets.clear();
    transport.PostMessage(5, 1, 2, 3);  // a socket file that nobody reads any more
}

TEST_F(SocketWindowTransportTest, AFolderOpenToOthersIsNeverUsed) {
    const int host = Listen(7);
    const auto folder = m_runtime.Path() / "quorvel";
    chmod(folder.c_str(), 0750);
    SocketWindowTransport transport;
    testing::internal::CaptureStderr();
    transport.EnableWindow(7, false);
    transport.EnableWindow(7, true);
    const std::string err = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(Received(host).empty());
    EXPECT_NE(err.find("mode must be 0700"), std::string::npos) << err;
    EXPECT_EQ(err.find('\n'), err.size() - 1) << "said once";

    std::string problem;
    EXPECT_EQ(CheckHostWindowFolder(true, &problem), HostWindowFolderState::Unsafe);
    chmod(folder.c_str(), 0700);
    std::filesystem::remove_all(folder);
    std::filesystem::create_directory_symlink(m_runtime.Path(), folder);
    EXPECT_EQ(CheckHostWindowFolder(true, &problem), HostWindowFolderState::Unsafe);
    EXPECT_NE(problem.find("not a directory"), std::string::npos) << problem;
}

TEST_F(SocketWindowTransportTest, FolderFallsBackToAPerUserFolderUnderTmp) {
    unsetenv("XDG_RUNTIME_DIR");
    EXPECT_EQ(HostWindowFolderPath(), "/tmp/quorvel-" + std::to_string(geteuid()));
    setenv("XDG_RUNTIME_DIR", "", 1);
    EXPECT_EQ(HostWindowFolderPath(), "/tmp/quorvel-" + std::to_string(geteuid()));
    setenv("XDG_RUNTIME_DIR", std::string(120, 'r').c_str(), 1);
    EXPECT_FALSE(HostWindowSocketPath(1).has_value());
}

}  // namespace
}  // namespace ferrolin
