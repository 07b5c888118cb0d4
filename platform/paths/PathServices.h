#pragma once
// The Windows file-system and shell services that the system's path checks rely on, over the
// drive map: every path is a Windows-form path in code page 932, split by character so that a
// trail byte 0x5C is never taken for a backslash. Paths that do not map onto the Unix file system
// (an unmapped drive or share, text that does not convert) behave as paths with nothing behind
// them.

#include <cstdint>
#include <optional>
#include <string>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

// Access modes of _access.
constexpr int kAccessExists = 0;
constexpr int kAccessWrite = 2;
constexpr int kAccessRead = 4;
constexpr int kAccessReadWrite = 6;

// 0 when the path can be accessed with `mode`, else -1.
int _access(const std::string& path, int mode);

// Drive types of GetDriveTypeA.
constexpr UINT DRIVE_UNKNOWN = 0;
constexpr UINT DRIVE_NO_ROOT_DIR = 1;
constexpr UINT DRIVE_REMOVABLE = 2;
constexpr UINT DRIVE_FIXED = 3;
constexpr UINT DRIVE_REMOTE = 4;
constexpr UINT DRIVE_CDROM = 5;
constexpr UINT DRIVE_RAMDISK = 6;

// The type of the drive or share whose root is `root` ("C:\", "C:", "\\server\share\"). A letter
// or share with no entry in the drive map, or whose mapped folder is not a directory, has no root
// directory.
UINT GetDriveTypeA(const std::string& root);

// Splits a path into drive ("C:"), folder (up to and including the last "\" or "/"), file name
// and extension (from the last "."). Outputs may be null.
void _splitpath(const std::string& path, std::string* drive, std::string* dir, std::string* fname,
                std::string* ext);

// Byte index just after the path's root ("C:\", "\\server\share\", "\"); none when it has none.
std::optional<std::size_t> PathSkipRootA(const std::string& path);
// Reduces the path to its root in place ("C:\", "\\server\share", "\"); FALSE when it has none,
// leaving the path unchanged.
BOOL PathStripToRootA(std::string* path);

BOOL PathIsDirectoryA(const std::string& path);
BOOL PathFileExistsA(const std::string& path);
BOOL CreateDirectoryA(const std::string& path);  // one folder, default permissions
BOOL RemoveDirectoryA(const std::string& path);  // one empty folder

constexpr std::uint8_t kFileAttributeDirectory = 0x10;

struct CFileStatus {
    std::int64_t m_size = 0;
    std::uint8_t m_attribute = 0;  // kFileAttributeDirectory for a directory
};
// TRUE when a file or a directory exists at the path.
BOOL GetFileStatus(const std::string& path, CFileStatus* status);

// The Windows form of $TMPDIR (or /tmp when it is unset or empty), ending in a backslash; empty
// when no mapped folder holds it.
std::string GetTempPathA();

}  // namespace ferrolin
