#pragma once
// A temporary folder tree mapped as drives, for tests of Windows-form paths on the real file
// system:  C: fixed, E: removable, N: remote, D: cdrom, R: ramdisk, \\server\share, and Z: as "/".
// Q: (and every other letter) has no entry. The previous drive map comes back at the end.

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "platform/paths/WindowsPath.h"

namespace ferrolin {

class TempDriveTree {
public:
    TempDriveTree() : m_saved(DriveMap::Current()) {
        std::string pattern = (std::filesystem::temp_directory_path() / "ferrolin-drives-XXXXXX");
        root = ::mkdtemp(pattern.data());
        DriveMap map = DriveMap::Default();
        const struct {
            char letter;
            const char* folder;
            DriveKind kind;
        } drives[] = {{'C', "c", DriveKind::Fixed},
                      {'E', "e", DriveKind::Removable},
                      {'N', "n", DriveKind::Remote},
                      {'D', "d", DriveKind::Cdrom},
                      {'R', "r", DriveKind::Ramdisk}};
        for (const auto& d : drives) {
            std::filesystem::create_directory(root / d.folder);
            map.drives[d.letter] = DriveEntry{(root / d.folder).string(), d.kind};
        }
        std::filesystem::create_directory(root / "share");
        map.shares["\\\\server\\share"] = (root / "share").string();
        DriveMap::SetCurrent(map);
    }
    ~TempDriveTree() {
        DriveMap::SetCurrent(m_saved);
        std::error_code ignored;
        std::filesystem::remove_all(root, ignored);
    }
    TempDriveTree(const TempDriveTree&) = delete;
    TempDriveTree& operator=(const TempDriveTree&) = delete;

    // A path below the tree's root (UTF-8), e.g. Unix("c/a/b") for C:\a\b.
    std::filesystem::path Unix(const std::string& below) const { return root / below; }
    void MakeFolder(const std::string& below) const {
        std::filesystem::create_directories(Unix(below));
    }
    void MakeFile(const std::string& below, const std::string& bytes = "x") const {
        std::ofstream(Unix(below), std::ios::binary) << bytes;
    }
    bool IsFolder(const std::string& below) const {
        return std::filesystem::is_directory(Unix(below));
    }
    bool Exists(const std::string& below) const { return std::filesystem::exists(Unix(below)); }

    std::filesystem::path root;

private:
    DriveMap m_saved;
};

}  // namespace ferrolin
