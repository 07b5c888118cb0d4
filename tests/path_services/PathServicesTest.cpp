#include <gtest/gtest.h>
#include <stdlib.h>

#include <optional>
#include <string>

#include "path_services/TempDriveTree.h"
#include "platform/paths/PathServices.h"

namespace ferrolin {
namespace {

// "表" in code page 932: its trail byte is a backslash.
const std::string kHyo = "\x95\x5C";

class PathServicesTest : public ::testing::Test {
protected:
    TempDriveTree tree;
};

TEST_F(PathServicesTest, DriveTypesFollowTheDriveMap) {
    tree.MakeFolder("gone");
    DriveMap map = DriveMap::Current();
    map.drives['G'] = DriveEntry{tree.Unix("gone").string(), DriveKind::Fixed};
    DriveMap::SetCurrent(map);
    std::filesystem::remove(tree.Unix("gone"));

    const struct {
        const char* root;
        UINT type;
    } cases[] = {
        {"C:\\", DRIVE_FIXED},
        {"c:\\", DRIVE_FIXED},
        {"C:", DRIVE_FIXED},
        {"E:\\", DRIVE_REMOVABLE},
        {"N:\\", DRIVE_REMOTE},
        {"D:\\", DRIVE_CDROM},
        {"R:\\", DRIVE_RAMDISK},
        {"Z:\\", DRIVE_FIXED},
        {"Q:\\", DRIVE_NO_ROOT_DIR},
        {"G:\\", DRIVE_NO_ROOT_DIR},  // mapped, but its folder is gone
        {"\\\\server\\share\\", DRIVE_REMOTE},
        {"\\\\SERVER\\Share", DRIVE_REMOTE},
        {"\\\\server\\other\\", DRIVE_NO_ROOT_DIR},
        {"C:\\a", DRIVE_NO_ROOT_DIR},
        {"", DRIVE_NO_ROOT_DIR},
    };
    for (const auto& c : cases) EXPECT_EQ(GetDriveTypeA(c.root), c.type) << c.root;
}

TEST_F(PathServicesTest, AccessTestsTheMappedFile) {
    tree.MakeFile("c/x.xml");
    EXPECT_EQ(_access("C:\\x.xml", kAccessExists), 0);
    EXPECT_EQ(_access("C:\\x.xml", kAccessReadWrite), 0);
    EXPECT_EQ(_access("C:\\", kAccessReadWrite), 0);
    EXPECT_EQ(_access("C:\\y.xml", kAccessExists), -1);
    EXPECT_EQ(_access("Q:\\", kAccessExists), -1);
    EXPECT_EQ(_access("\\\\server\\share", kAccessReadWrite), 0);
    EXPECT_EQ(_access("\\\\server\\other", kAccessExists), -1);
}

TEST(SplitPathTest, SplitsByCharacter) {
    const struct {
        std::string path, drive, dir, fname, ext;
    } cases[] = {
        {"C:\\a\\b.xml", "C:", "\\a\\", "b", ".xml"},
        {"C:x.tar.gz", "C:", "", "x.tar", ".gz"},
        {"C:\\a.b\\c", "C:", "\\a.b\\", "c", ""},
        {"\\\\srv\\sh\\f.txt", "", "\\\\srv\\sh\\", "f", ".txt"},
        {"a/b\\c.", "", "a/b\\", "c", "."},
        {"C:\\" + kHyo + "x.xml", "C:", "\\", kHyo + "x", ".xml"},
        {"C:\\" + kHyo + "\\", "C:", "\\" + kHyo + "\\", "", ""},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        std::string drive, dir, fname, ext;
        _splitpath(c.path, &drive, &dir, &fname, &ext);
        EXPECT_EQ(drive, c.drive) << c.path;
        EXPECT_EQ(dir, c.dir) << c.path;
        EXPECT_EQ(fname, c.fname) << c.path;
        EXPECT_EQ(ext, c.ext) << c.path;
    }
}

TEST(PathRootTest, SkipAndStripAgreeOnTheRoot) {
    const struct {
        std::string path;
        std::optional<std::size_t> skip;
        std::optional<std::string> stripped;  // none: PathStripToRootA fails
    } cases[] = {
        {"C:\\a\\b\\", 3, "C:\\"},
        {"C:\\", 3, "C:\\"},
        {"C:a", std::nullopt, "C:"},
        {"\\\\server\\share\\a\\", 15, "\\\\server\\share"},
        {"\\\\server\\share", 14, "\\\\server\\share"},
        {"\\\\server", std::nullopt, std::nullopt},
        {"\\a\\b", 1, "\\"},
        {"a\\b", std::nullopt, std::nullopt},
        {"", std::nullopt, std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(PathSkipRootA(c.path), c.skip) << c.path;
        std::string path = c.path;
        EXPECT_EQ(PathStripToRootA(&path), c.stripped ? 1 : 0) << c.path;
        EXPECT_EQ(path, c.stripped.value_or(c.path)) << c.path;
    }
}

TEST_F(PathServicesTest, FoldersAreMadeAndRemovedUnderTheirUnixNames) {
    const std::string folder = "C:\\" + kHyo + "\\";
    EXPECT_FALSE(PathIsDirectoryA(folder));
    EXPECT_TRUE(CreateDirectoryA(folder));
    EXPECT_TRUE(tree.IsFolder("c/表"));
    EXPECT_TRUE(PathIsDirectoryA(folder));
    EXPECT_TRUE(PathFileExistsA("C:\\" + kHyo));
    EXPECT_FALSE(CreateDirectoryA(folder));  // exists already

    tree.MakeFile("c/表/f");
    EXPECT_FALSE(RemoveDirectoryA(folder));  // not empty
    EXPECT_FALSE(PathIsDirectoryA(folder + "f"));
    std::filesystem::remove(tree.Unix("c/表/f"));
    EXPECT_TRUE(RemoveDirectoryA(folder));
    EXPECT_FALSE(tree.Exists("c/表"));
    EXPECT_FALSE(CreateDirectoryA("Q:\\a\\"));
}

TEST_F(PathServicesTest, FileStatusTellsFilesFromDirectories) {
    tree.MakeFile("c/report.xml", "12345");
    tree.MakeFolder("c/dir.xml");
    CFileStatus status;
    ASSERT_TRUE(GetFileStatus("C:\\report.xml", &status));
    EXPECT_EQ(status.m_size, 5);
    EXPECT_EQ(status.m_attribute & kFileAttributeDirectory, 0);
    ASSERT_TRUE(GetFileStatus("C:\\dir.xml", &status));
    EXPECT_EQ(status.m_attribute & kFileAttributeDirectory, kFileAttributeDirectory);
    EXPECT_FALSE(GetFileStatus("C:\\missing.xml", &status));
    EXPECT_FALSE(GetFileStatus("Q:\\report.xml", &status));
}

class TempPathTest : public PathServicesTest {
protected:
    void SetUp() override {
        const char* old = std::getenv("TMPDIR");
        if (old) m_saved = old;
    }
    void TearDown() override {
        if (m_saved) {
            ::setenv("TMPDIR", m_saved->c_str(), 1);
        } else {
            ::unsetenv("TMPDIR");
        }
    }
    std::optional<std::string> m_saved;
};

TEST_F(TempPathTest, IsTheWindowsFormOfTmpdirEndingInABackslash) {
    tree.MakeFolder("c/temp");
    ::setenv("TMPDIR", tree.Unix("c/temp").c_str(), 1);
    EXPECT_EQ(GetTempPathA(), "C:\\temp\\");
    ::setenv("TMPDIR", (tree.Unix("c/temp").string() + "/").c_str(), 1);
    EXPECT_EQ(GetTempPathA(), "C:\\temp\\");
    ::unsetenv("TMPDIR");
    EXPECT_EQ(GetTempPathA(), "Z:\\tmp\\");
    ::setenv("TMPDIR", "", 1);
    EXPECT_EQ(GetTempPathA(), "Z:\\tmp\\");

    DriveMap map;  // nothing mapped at all, not even Z:
    DriveMap::SetCurrent(map);
    EXPECT_EQ(GetTempPathA(), "");
}

}  // namespace
}  // namespace ferrolin
