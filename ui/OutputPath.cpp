#include "ui/OutputPath.h"

#include <string_view>

#include "platform/paths/PathServices.h"
#include "platform/text/Cp932.h"

namespace ferrolin {
namespace {

bool IsNetworkPath(std::string_view path) { return path.rfind("\\\\", 0) == 0; }

// Whether a pair of single-byte backslashes starts at a character whose index (in characters)
// is at least `fromCharIndex`.
bool HasDoubledBackslash(std::string_view text, std::size_t fromCharIndex) {
    std::size_t charIndex = 0;
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos), ++charIndex) {
        if (charIndex < fromCharIndex || CharLengthAt(text, pos) != 1 || text[pos] != '\\') {
            continue;
        }
        if (pos + 1 < text.size() && text[pos + 1] == '\\') return true;
    }
    return false;
}

bool HasForbiddenChar(std::string_view text) {
    constexpr std::string_view kForbidden = "/:,;*?\"><|";
    for (std::size_t pos = 0; pos < text.size(); pos += CharLengthAt(text, pos)) {
        if (CharLengthAt(text, pos) == 1 && kForbidden.find(text[pos]) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}

// Byte index where the character with the index `charIndex` (counted in characters) starts.
std::size_t ByteIndexOfChar(std::string_view text, std::size_t charIndex) {
    std::size_t pos = 0;
    for (; pos < text.size() && charIndex > 0; --charIndex) pos += CharLengthAt(text, pos);
    return pos;
}

}  // namespace

BOOL IsValidPathText(const std::string& path) {
    std::string_view part = path;
    if (!IsNetworkPath(path)) {
        if (HasDoubledBackslash(path, 0)) return 0;
        const std::size_t colon = FindFirstChar(path, ':');
        if (colon != std::string::npos) part = part.substr(colon + 1);
    } else {
        if (HasDoubledBackslash(path, 3)) return 0;
        part = part.substr(2);
    }
    return HasForbiddenChar(part) ? 0 : 1;
}

BOOL IsUsableDrive(const std::string& path) {
    if (!IsNetworkPath(path)) {
        if (HasDoubledBackslash(path, 0)) return 0;
        return path.empty() ? 0 : IsWritableDriveLetter(path[0], kAccessReadWrite);
    }
    // \\server\share\...: the server name ends at the first backslash from the fourth character.
    const std::size_t serverEnd = FindFirstChar(path, '\\', ByteIndexOfChar(path, 3));
    if (serverEnd == std::string::npos) return 0;
    const std::size_t shareEnd = FindFirstChar(path, '\\', serverEnd + 1);
    if (shareEnd == std::string::npos) return 0;
    return _access(path.substr(0, shareEnd), kAccessReadWrite) == 0 ? 1 : 0;
}

BOOL IsWritableDriveLetter(char letter, int mode) {
    char upper = 0;
    if (letter >= 'A' && letter <= 'Z')
        upper = letter;
    else if (letter >= 'a' && letter <= 'z')
        upper = static_cast<char>(letter - 'a' + 'A');
    else
        return 0;
    const std::string root = std::string(1, upper) + ":\\";
    switch (GetDriveTypeA(root)) {
        case DRIVE_UNKNOWN:
            return 0;
        case DRIVE_NO_ROOT_DIR:
            return 1;
        case DRIVE_REMOVABLE:
        case DRIVE_FIXED:
        case DRIVE_REMOTE:
            return _access(root, mode) == 0 ? 1 : 0;
        case DRIVE_CDROM:
        case DRIVE_RAMDISK:
            return 0;
        default:
            return 1;
    }
}

BOOL AppendSeparator(std::string* text) {
    if (!text || text->empty()) return 0;
    if (!EndsWithChar(*text, '\\')) *text += '\\';
    return 1;
}

BOOL ReduceToFolder(std::string* path) {
    if (!path) return 0;
    std::string drive, dir;
    _splitpath(*path, &drive, &dir, nullptr, nullptr);
    std::string folder = drive + dir;
    if (folder.empty()) return 0;
    if (!EndsWithChar(folder, '\\') &&
        (IsDoubleByteAt(folder, folder.size() - 1) || folder.size() < path->size())) {
        folder += '\\';
    }
    *path = std::move(folder);
    return 1;
}

BOOL IsExistingFolder(const std::string& path) {
    std::string folder = path;
    ReduceToFolder(&folder);
    return PathIsDirectoryA(folder);
}

std::string GetFolderPart(const std::string& path) {
    const std::size_t last = FindLastChar(path, '\\');
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string GetFileNamePart(const std::string& path) {
    const std::size_t last = FindLastChar(path, '\\');
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string GetDrivePart(const std::string& path) {
    const std::size_t last = FindLastChar(path, ':');
    return last == std::string::npos ? std::string() : path.substr(0, last + 1);
}

std::string GetAfterDrivePart(const std::string& path) {
    const std::size_t last = FindLastChar(path, ':');
    return last == std::string::npos ? path : path.substr(last + 1);
}

}  // namespace ferrolin
