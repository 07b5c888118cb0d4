#pragma once
// Windows-form paths over the Unix file system. The system works on Windows-form paths (drive
// letters, backslashes, UNC shares) in code page 932; this layer maps them onto Unix paths in
// UTF-8 through the drive map, as Wine does. The map is the INI file named by FERROLIN_DRIVES:
//   [Drives]  C=/srv/c,fixed        (types: fixed, removable, remote, cdrom, ramdisk)
//   [Shares]  \\server\share=/mnt/share
// Z: is the Unix root "/" (fixed) unless the map says otherwise; a letter with no entry has no
// root directory. Names below the root are case-sensitive, as Linux file names are.

#include <map>
#include <optional>
#include <string>

namespace ferrolin {

enum class DriveKind { Fixed, Removable, Remote, Cdrom, Ramdisk };

struct DriveEntry {
    std::string unixFolder;  // UTF-8, no trailing slash except for "/"
    DriveKind kind = DriveKind::Fixed;
};

class DriveMap {
public:
    // The map of FERROLIN_DRIVES (or the default one), read once per process.
    static const DriveMap& Current();
    // Replaces the process's map (tests, or after the environment changed).
    static void SetCurrent(DriveMap map);
    // Reads the map from an INI text; unknown lines are ignored.
    static DriveMap FromIniText(const std::string& text);
    static DriveMap Default();  // Z: = "/" fixed

    std::map<char, DriveEntry> drives;          // upper-case letter
    std::map<std::string, std::string> shares;  // "\\server\share" (lower-cased) -> Unix folder
};

// The Unix path (UTF-8) of a Windows-form path (code page 932), or nullopt when the drive or share
// is not mapped or the text does not convert. A relative path ("SUPPORT.INF", "a\b") stays
// relative to the process's current directory.
std::optional<std::string> ToUnixPath(const std::string& windowsPath);
// The Windows-form path (code page 932) of a Unix path (UTF-8), by the longest matching mapped
// folder; nullopt when no mapped folder holds it or it does not convert.
std::optional<std::string> ToWindowsPath(const std::string& unixPath);

}  // namespace ferrolin
