#include "platform/paths/WholeFile.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <vector>

#include "platform/paths/WindowsPath.h"

namespace ferrolin {
namespace {

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (written == 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

std::string FolderOf(const std::string& unixPath) {
    const std::size_t slash = unixPath.rfind('/');
    if (slash == std::string::npos) return ".";
    return slash == 0 ? "/" : unixPath.substr(0, slash);
}

// The permissions a new file would get, so that a replaced file keeps the old one's.
mode_t PermissionsFor(const std::string& unixPath) {
    struct stat info {};
    if (::stat(unixPath.c_str(), &info) == 0) return info.st_mode & 07777;
    const mode_t mask = ::umask(0);
    ::umask(mask);
    return 0666 & ~mask;
}

}  // namespace

std::optional<std::string> ReadWholeFile(const std::string& windowsPath) {
    const auto unixPath = ToUnixPath(windowsPath);
    if (!unixPath) return std::nullopt;
    const int fd = ::open(unixPath->c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return std::nullopt;
    std::string bytes;
    std::vector<char> chunk(1 << 16);
    for (;;) {
        const ssize_t got = ::read(fd, chunk.data(), chunk.size());
        if (got < 0) {
            if (errno == EINTR) continue;
            ::close(fd);
            return std::nullopt;
        }
        if (got == 0) break;
        bytes.append(chunk.data(), static_cast<std::size_t>(got));
    }
    ::close(fd);
    return bytes;
}

bool ReplaceFileAtomically(const std::string& windowsPath, std::string_view bytes) {
    const auto unixPath = ToUnixPath(windowsPath);
    if (!unixPath || unixPath->empty() || unixPath->back() == '/') return false;
    const std::string folder = FolderOf(*unixPath);
    const std::size_t nameStart =
        unixPath->rfind('/') == std::string::npos ? 0 : unixPath->rfind('/') + 1;
    std::string temp = folder + "/." + unixPath->substr(nameStart) + ".XXXXXX";
    const int fd = ::mkostemp(temp.data(), O_CLOEXEC);
    if (fd < 0) return false;
    const bool written =
        ::fchmod(fd, PermissionsFor(*unixPath)) == 0 && WriteAll(fd, bytes) && ::fsync(fd) == 0;
    if (::close(fd) != 0 || !written || ::rename(temp.c_str(), unixPath->c_str()) != 0) {
        ::unlink(temp.c_str());
        return false;
    }
    // The rename is durable only once the folder's entry is on disk; the new file is in place
    // either way, so a folder that cannot be flushed does not fail the save.
    const int dirFd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (dirFd >= 0) {
        ::fsync(dirFd);
        ::close(dirFd);
    }
    return true;
}

}  // namespace ferrolin
