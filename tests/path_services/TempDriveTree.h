#pragma once
// A temporary folder tree mapped as drives, for tests of Windows-form paths on the real file
// system:  C: fixed, E: removable, N: remote, D: cdrom, R: ramdisk, \\server\share, and Z: as "/".
// Q: (and every other letter) has no entry. The previous drive map comes back at the end.

#include <filesystem>
#include <string>

#include "platform/paths/WindowsPath.h"
#include "support/TempFolder.h"

namespace ferrolin {

class TempDriveTree {
public:
    TempDriveTree() : m_saved(DriveMap::Current()) {
        const std::filesystem::path& root = m_folder.Path();
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
    ~TempDriveTree() { DriveMap::SetCurrent(m_saved); }
    TempDriveTree(const TempDriveTree&) = delete;
    TempDriveTree& operator=(const TempDriveTree&) = delete;

    // A path below the tree's root (UTF-8), e.g. Unix("c/a/b") for C:\a\b.
    std::filesystem::path Unix(const std::string& below) const { return m_folder.Path() / below; }
    void MakeFolder(const std::string& below) const {
        std::filesystem::create_directories(Unix(below));
    }
    void MakeFile(const std::string& below, const std::string& bytes = "x") const {
        test::WriteFileBytes(Unix(below), bytes);
    }
    bool IsFolder(const std::string& below) const {
        return std::filesystem::is_directory(Unix(below));
    }
    bool Exists(const std::string& below) const { return std::filesystem::exists(Unix(below)); }

private:
    test::TempFolder m_folder;
    DriveMap m_saved;
};

}  // namespace ferrolin
