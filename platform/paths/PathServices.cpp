#include "platform/paths/PathServices.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cctype>
#include <cstdlib>

#include "platform/paths/WindowsPath.h"
#include "platform/text/Cp932.h"

namespace ferrolin {
namespace {

bool IsSeparatorAt(const std::string& text, std::size_t pos) {
    return CharLengthAt(text, pos) == 1 && (text[pos] == '\\' || text[pos] == '/');
}

bool StatUnix(const std::string& windowsPath, struct stat* info) {
    const auto unixPath = ToUnixPath(windowsPath);
    return unixPath && ::stat(unixPath->c_str(), info) == 0;
}

bool IsDriveLetter(char c) { return std::isalpha(static_cast<unsigned char>(c)) != 0; }

// Byte index where the share root "\\server\share" ends (at the backslash after the share, or the
// text's end); none when the text is not a network path with a server and a share name.
std::optional<std::size_t> ShareRootEnd(const std::string& path) {
    if (path.rfind("\\\\", 0) != 0) return std::nullopt;
    const std::size_t serverEnd = FindFirstChar(path, '\\', 2);
    if (serverEnd == std::string::npos || serverEnd == 2) return std::nullopt;
    const std::size_t shareEnd = FindFirstChar(path, '\\', serverEnd + 1);
    if (shareEnd == serverEnd + 1) return std::nullopt;
    return shareEnd == std::string::npos ? path.size() : shareEnd;
}

}  // namespace

int _access(const std::string& path, int mode) {
    const auto unixPath = ToUnixPath(path);
    if (!unixPath) return -1;
    int how = F_OK;
    if (mode & kAccessWrite) how |= W_OK;
    if (mode & kAccessRead) how |= R_OK;
    return ::access(unixPath->c_str(), how) == 0 ? 0 : -1;
}

UINT GetDriveTypeA(const std::string& root) {
    const DriveMap& map = DriveMap::Current();
    std::string unixFolder;
    UINT type = DRIVE_NO_ROOT_DIR;
    if (auto shareEnd = ShareRootEnd(root)) {
        std::string share = root.substr(0, *shareEnd);
        for (char& c : share) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        auto found = map.shares.find(share);
        if (found == map.shares.end()) return DRIVE_NO_ROOT_DIR;
        unixFolder = found->second;
        type = DRIVE_REMOTE;
    } else if (root.size() >= 2 && IsDriveLetter(root[0]) && root[1] == ':' &&
               (root.size() == 2 || (root.size() == 3 && root[2] == '\\'))) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(root[0])));
        auto found = map.drives.find(letter);
        if (found == map.drives.end()) return DRIVE_NO_ROOT_DIR;
        unixFolder = found->second.unixFolder;
        switch (found->second.kind) {
            case DriveKind::Fixed:
                type = DRIVE_FIXED;
                break;
            case DriveKind::Removable:
                type = DRIVE_REMOVABLE;
                break;
            case DriveKind::Remote:
                type = DRIVE_REMOTE;
                break;
            case DriveKind::Cdrom:
                type = DRIVE_CDROM;
                break;
            case DriveKind::Ramdisk:
                type = DRIVE_RAMDISK;
                break;
        }
    } else {
        return DRIVE_NO_ROOT_DIR;
    }
    struct stat info {};
    if (::stat(unixFolder.c_str(), &info) != 0 || !S_ISDIR(info.st_mode)) return DRIVE_NO_ROOT_DIR;
    return type;
}

void _splitpath(const std::string& path, std::string* drive, std::string* dir, std::string* fname,
                std::string* ext) {
    std::size_t pos = 0;
    if (path.size() >= 2 && CharLengthAt(path, 0) == 1 && path[1] == ':') pos = 2;
    if (drive) *drive = path.substr(0, pos);
    std::size_t dirEnd = pos;  // just after the last separator
    std::size_t lastDot = std::string::npos;
    for (std::size_t i = pos; i < path.size(); i += CharLengthAt(path, i)) {
        if (IsSeparatorAt(path, i)) {
            dirEnd = i + 1;
            lastDot = std::string::npos;
        } else if (CharLengthAt(path, i) == 1 && path[i] == '.') {
            lastDot = i;
        }
    }
    if (dir) *dir = path.substr(pos, dirEnd - pos);
    const std::size_t nameEnd = lastDot == std::string::npos ? path.size() : lastDot;
    if (fname) *fname = path.substr(dirEnd, nameEnd - dirEnd);
    if (ext) *ext = lastDot == std::string::npos ? std::string() : path.substr(lastDot);
}

std::optional<std::size_t> PathSkipRootA(const std::string& path) {
    if (path.size() >= 3 && IsDriveLetter(path[0]) && path[1] == ':' && path[2] == '\\') return 3;
    if (auto shareEnd = ShareRootEnd(path)) {
        return *shareEnd == path.size() ? *shareEnd : *shareEnd + 1;
    }
    if (!path.empty() && path[0] == '\\' && path.rfind("\\\\", 0) != 0) return 1;
    return std::nullopt;
}

BOOL PathStripToRootA(std::string* path) {
    if (!path) return 0;
    if (path->size() >= 3 && IsDriveLetter((*path)[0]) && (*path)[1] == ':' && (*path)[2] == '\\') {
        path->resize(3);
        return 1;
    }
    if (path->size() >= 2 && IsDriveLetter((*path)[0]) && (*path)[1] == ':') {
        path->resize(2);
        return 1;
    }
    if (auto shareEnd = ShareRootEnd(*path)) {
        path->resize(*shareEnd);
        return 1;
    }
    if (!path->empty() && (*path)[0] == '\\' && path->rfind("\\\\", 0) != 0) {
        path->resize(1);
        return 1;
    }
    return 0;
}

BOOL PathIsDirectoryA(const std::string& path) {
    struct stat info {};
    return StatUnix(path, &info) && S_ISDIR(info.st_mode) ? 1 : 0;
}

BOOL PathFileExistsA(const std::string& path) {
    struct stat info {};
    return StatUnix(path, &info) ? 1 : 0;
}

BOOL CreateDirectoryA(const std::string& path) {
    const auto unixPath = ToUnixPath(path);
    return unixPath && ::mkdir(unixPath->c_str(), 0777) == 0 ? 1 : 0;
}

BOOL RemoveDirectoryA(const std::string& path) {
    const auto unixPath = ToUnixPath(path);
    return unixPath && ::rmdir(unixPath->c_str()) == 0 ? 1 : 0;
}

BOOL GetFileStatus(const std::string& path, CFileStatus* status) {
    struct stat info {};
    if (!StatUnix(path, &info)) return 0;
    if (status) {
        status->m_size = static_cast<std::int64_t>(info.st_size);
        status->m_attribute = S_ISDIR(info.st_mode) ? kFileAttributeDirectory : 0;
    }
    return 1;
}

std::string GetTempPathA() {
    const char* tmp = std::getenv("TMPDIR");
    const std::string unixFolder = tmp != nullptr && *tmp != '\0' ? tmp : "/tmp";
    auto windowsPath = ToWindowsPath(unixFolder);
    if (!windowsPath) return {};
    if (!EndsWithChar(*windowsPath, '\\')) *windowsPath += '\\';
    return *windowsPath;
}

}  // namespace ferrolin
