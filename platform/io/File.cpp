#include "platform/io/File.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

#include "platform/paths/WindowsPath.h"

namespace ferrolin {

CFile::~CFile() { Close(); }

bool CFile::Open(const std::string& windowsPath, unsigned flags) {
    Close();
    const auto unixPath = ToUnixPath(windowsPath);
    if (!unixPath) return false;
    int mode = O_CLOEXEC;
    if (flags & modeWrite) {
        mode |= O_WRONLY;
        if (flags & modeCreate) mode |= O_CREAT;
    } else {
        mode |= O_RDONLY;
    }
    const int fd = ::open(unixPath->c_str(), mode, 0666);
    if (fd < 0) return false;
    // Not shared: a second exclusive opener of the same file is refused while this one is open.
    // The file is emptied only once the lock is held, so a refused opener changes nothing.
    if ((flags & shareExclusive) && ::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    if ((flags & modeWrite) && (flags & modeCreate) && ::ftruncate(fd, 0) != 0) {
        ::close(fd);
        return false;
    }
    m_fd = fd;
    return true;
}

void CFile::Write(const void* data, std::size_t size) {
    if (m_fd < 0) throw CFileException("file not open");
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t written = ::write(m_fd, bytes, size);
        if (written < 0) {
            if (errno == EINTR) continue;
            throw CFileException(std::strerror(errno));
        }
        bytes += written;
        size -= static_cast<std::size_t>(written);
    }
}

std::size_t CFile::Read(void* data, std::size_t size) {
    if (m_fd < 0) throw CFileException("file not open");
    for (;;) {
        const ssize_t got = ::read(m_fd, data, size);
        if (got >= 0) return static_cast<std::size_t>(got);
        if (errno != EINTR) throw CFileException(std::strerror(errno));
    }
}

void CFile::Close() {
    if (m_fd >= 0) {
        ::close(m_fd);
        m_fd = -1;
    }
}

}  // namespace ferrolin
