#include "platform/paths/WindowsPath.h"

#include <cctype>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <memory>
#include <string_view>

#include "platform/text/Cp932.h"
#include "platform/text/IniText.h"

namespace ferrolin {
namespace {

std::unique_ptr<DriveMap>& CurrentMap() {
    static std::unique_ptr<DriveMap> map;
    return map;
}

std::string LowerAscii(std::string text) {
    for (char& c : text) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    }
    return text;
}

std::string NormaliseFolder(std::string folder) {
    while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
    return folder;
}

std::optional<DriveKind> KindNamed(const std::string& name) {
    const std::string lower = LowerAscii(name);
    if (lower.empty() || lower == "fixed") return DriveKind::Fixed;
    if (lower == "removable") return DriveKind::Removable;
    if (lower == "remote") return DriveKind::Remote;
    if (lower == "cdrom") return DriveKind::Cdrom;
    if (lower == "ramdisk") return DriveKind::Ramdisk;
    return std::nullopt;
}

// The Unix form (UTF-8) of a Windows path's part below its root: backslashes become slashes.
std::optional<std::string> BelowRootToUnix(std::string_view rest) {
    std::string bytes;
    for (std::size_t pos = 0; pos < rest.size();) {
        const std::size_t length = CharLengthAt(rest, pos);
        if (length == 1 && rest[pos] == '\\') {
            bytes += '/';
        } else {
            bytes.append(rest.substr(pos, length));
        }
        pos += length;
    }
    return Cp932ToUtf8(bytes);
}

// The code page 932 form of a relative Unix path, slashes turned into backslashes.
std::optional<std::string> RelativeToWindows(std::string_view utf8) {
    auto bytes = Utf8ToCp932(utf8);
    if (!bytes) return std::nullopt;
    for (char& c : *bytes) {
        if (c == '/') c = '\\';
    }
    return bytes;
}

std::string JoinUnix(const std::string& folder, const std::string& rest) {
    std::string tail = rest;
    while (!tail.empty() && tail.front() == '/') tail.erase(0, 1);
    if (tail.empty()) return folder;
    return folder == "/" ? "/" + tail : folder + "/" + tail;
}

}  // namespace

DriveMap DriveMap::Default() {
    DriveMap map;
    map.drives['Z'] = DriveEntry{"/", DriveKind::Fixed};
    return map;
}

DriveMap DriveMap::FromIniText(const std::string& text) {
    DriveMap map = Default();
    const IniText ini = IniText::Parse(text);
    for (const auto& [key, value] : ini.Entries("Drives")) {
        if (key.size() != 1 || !std::isalpha(static_cast<unsigned char>(key[0]))) continue;
        const std::size_t comma = value.rfind(',');
        std::string folder = value;
        std::optional<DriveKind> kind = DriveKind::Fixed;
        if (comma != std::string::npos) {
            kind = KindNamed(value.substr(comma + 1));
            folder = value.substr(0, comma);
        }
        if (!kind || folder.empty()) continue;
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(key[0])));
        map.drives[letter] = DriveEntry{NormaliseFolder(folder), *kind};
    }
    for (const auto& [key, value] : ini.Entries("Shares")) {
        auto share = Utf8ToCp932(key);
        if (!share || share->rfind("\\\\", 0) != 0 || value.empty()) continue;
        map.shares[LowerAscii(*share)] = NormaliseFolder(value);
    }
    return map;
}

const DriveMap& DriveMap::Current() {
    auto& map = CurrentMap();
    if (!map) {
        DriveMap loaded = Default();
        if (const char* file = std::getenv("FERROLIN_DRIVES"); file != nullptr && *file != '\0') {
            std::ifstream in(file, std::ios::binary);
            const std::string text((std::istreambuf_iterator<char>(in)),
                                   std::istreambuf_iterator<char>());
            loaded = FromIniText(text);
        }
        map = std::make_unique<DriveMap>(std::move(loaded));
    }
    return *map;
}

void DriveMap::SetCurrent(DriveMap map) {
    CurrentMap() = std::make_unique<DriveMap>(std::move(map));
}

std::optional<std::string> ToUnixPath(const std::string& windowsPath) {
    const DriveMap& map = DriveMap::Current();
    std::string_view path = windowsPath;
    if (path.rfind("\\\\", 0) == 0) {
        // \\server\share\rest: the share root is the text before the backslash after the share.
        const std::size_t serverEnd = FindFirstChar(path, '\\', 2);
        if (serverEnd == std::string_view::npos) return std::nullopt;
        const std::size_t shareEnd = FindFirstChar(path, '\\', serverEnd + 1);
        const std::string root(path.substr(0, shareEnd));
        auto found = map.shares.find(LowerAscii(root));
        if (found == map.shares.end()) return std::nullopt;
        if (shareEnd == std::string_view::npos) return found->second;
        auto rest = BelowRootToUnix(path.substr(shareEnd));
        if (!rest) return std::nullopt;
        return JoinUnix(found->second, *rest);
    }
    if (path.size() >= 2 && path[1] == ':' && std::isalpha(static_cast<unsigned char>(path[0]))) {
        const char letter = static_cast<char>(std::toupper(static_cast<unsigned char>(path[0])));
        auto found = map.drives.find(letter);
        if (found == map.drives.end()) return std::nullopt;
        auto rest = BelowRootToUnix(path.substr(2));
        if (!rest) return std::nullopt;
        return JoinUnix(found->second.unixFolder, *rest);
    }
    if (!path.empty() && path[0] == '\\') {
        // Root of the current drive: the drive of the program's world is Z:.
        return ToUnixPath("Z:" + windowsPath);
    }
    return BelowRootToUnix(path);
}

std::optional<std::string> ToWindowsPath(const std::string& unixPath) {
    if (unixPath.empty() || unixPath[0] != '/') return RelativeToWindows(unixPath);
    const DriveMap& map = DriveMap::Current();
    std::string bestRoot;
    std::size_t bestLength = 0;  // a root is never empty, so an empty one means none found
    auto consider = [&](const std::string& folder, const std::string& root) {
        const bool inside = folder == "/" || unixPath == folder ||
                            (unixPath.rfind(folder, 0) == 0 && unixPath.size() > folder.size() &&
                             unixPath[folder.size()] == '/');
        if (!inside || (!bestRoot.empty() && folder.size() <= bestLength)) return;
        bestLength = folder.size();
        bestRoot = root;
    };
    for (const auto& [letter, entry] : map.drives)
        consider(entry.unixFolder, std::string(1, letter) + ":");
    for (const auto& [share, folder] : map.shares) consider(folder, share);
    if (bestRoot.empty()) return std::nullopt;
    std::string_view rest = unixPath;
    rest.remove_prefix(bestLength);
    while (!rest.empty() && rest.front() == '/') rest.remove_prefix(1);
    auto bytes = RelativeToWindows(rest);
    if (!bytes) return std::nullopt;
    return bestRoot + "\\" + *bytes;
}

}  // namespace ferrolin
