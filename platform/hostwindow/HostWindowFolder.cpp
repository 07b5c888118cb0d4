#include "platform/hostwindow/HostWindowFolder.h"

#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace ferrolin {

std::string HostWindowFolderPath() {
    const char* runtime = std::getenv("XDG_RUNTIME_DIR");
    if (runtime != nullptr && *runtime != '\0') return std::string(runtime) + "/quorvel";
    return "/tmp/quorvel-" + std::to_string(geteuid());
}

HostWindowFolderState CheckHostWindowFolder(bool create, std::string* problem) {
    const std::string folder = HostWindowFolderPath();
    struct stat info {};
    if (lstat(folder.c_str(), &info) != 0) {
        if (errno != ENOENT) {
            if (problem != nullptr) *problem = folder + ": " + std::strerror(errno);
            return HostWindowFolderState::Unsafe;
        }
        if (!create) {
            if (problem != nullptr) *problem = folder + " does not exist";
            return HostWindowFolderState::Missing;
        }
        if (mkdir(folder.c_str(), 0700) != 0 && errno != EEXIST) {
            if (problem != nullptr)
                *problem = "cannot create " + folder + ": " + std::strerror(errno);
            return HostWindowFolderState::Unsafe;
        }
        if (lstat(folder.c_str(), &info) != 0) {
            if (problem != nullptr) *problem = folder + ": " + std::strerror(errno);
            return HostWindowFolderState::Unsafe;
        }
    }
    if (!S_ISDIR(info.st_mode)) {
        if (problem != nullptr) *problem = folder + " is not a directory";
        return HostWindowFolderState::Unsafe;
    }
    if (info.st_uid != geteuid()) {
        if (problem != nullptr) *problem = folder + " belongs to another user";
        return HostWindowFolderState::Unsafe;
    }
    if ((info.st_mode & 077) != 0) {
        if (problem != nullptr) *problem = folder + " is open to other users (mode must be 0700)";
        return HostWindowFolderState::Unsafe;
    }
    return HostWindowFolderState::Private;
}

std::optional<std::string> HostWindowSocketPath(HWND window) {
    std::string path = HostWindowFolderPath() + "/" + std::to_string(window);
    if (path.size() >= sizeof(sockaddr_un::sun_path)) return std::nullopt;
    return path;
}

bool IsHostWindowHandle(HWND window) {
    return window != 0 && window >= std::numeric_limits<std::int32_t>::min() &&
           window <= std::numeric_limits<std::int32_t>::max();
}

}  // namespace ferrolin
