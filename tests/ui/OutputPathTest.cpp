#include <gtest/gtest.h>

#include <string>

#include "path_services/TempDriveTree.h"
#include "platform/paths/PathServices.h"
#include "ui/OutputPath.h"

namespace ferrolin {
namespace {

const std::string kHyo = "\x95\x5C";  // "表": its trail byte is a backslash
const std::string kSo = "\x83\x5C";   // "ソ"

TEST(PathTextTest, RefusesDoubledBackslashesAndForbiddenCharactersAfterTheColon) {
    const struct {
        std::string path;
        bool valid;
    } cases[] = {
        {"C:\\out\\report.xml", true},
        {"C:\\temp\\*.xml", false},  // the default pattern
        {"C:\\a\\\\b.xml", false},
        {"C:\\a\\b\\\\", false},
        {"\\\\server\\share\\report.xml", true},
        {"\\\\server\\share\\\\report.xml", false},
        {"\\\\server\\share\\a:b", false},
        {"report.xml", true},
        {"C:\\" + kHyo + "\\" + kSo + ".xml", true},  // trail bytes are not backslashes
        {"C:\\" + kHyo + "\\x.xml", true},
        {"", true},
    };
    for (const auto& c : cases) EXPECT_EQ(IsValidPathText(c.path), c.valid ? 1 : 0) << c.path;

    for (const char forbidden : std::string("/:,;*?\"><|")) {
        const std::string mark(1, forbidden);
        EXPECT_FALSE(IsValidPathText("C:" + mark + "x.xml")) << mark;
        EXPECT_FALSE(IsValidPathText("C:\\a" + mark + "b\\x.xml")) << mark;
        EXPECT_FALSE(IsValidPathText("\\\\server\\share\\x" + mark)) << mark;
        if (forbidden != ':') {
            EXPECT_FALSE(IsValidPathText("x" + mark + "y")) << mark;  // no colon: the whole text
        }
    }
    // Before the colon the text is not looked at (beyond doubled backslashes).
    EXPECT_TRUE(IsValidPathText("*:\\x.xml"));
}

TEST(PathSplitTest, SplitsAtTheLastSeparatorByCharacter) {
    const struct {
        std::string path, folder, file, drive, afterDrive;
    } cases[] = {
        {"C:\\a\\b.xml", "C:\\a\\", "b.xml", "C:", "\\a\\b.xml"},
        {"C:b.xml", "", "C:b.xml", "C:", "b.xml"},
        {"b.xml", "", "b.xml", "", "b.xml"},
        {"C:\\a\\", "C:\\a\\", "", "C:", "\\a\\"},
        {"C:\\" + kHyo, "C:\\", kHyo, "C:", "\\" + kHyo},
        {"", "", "", "", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GetFolderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(GetFileNamePart(c.path), c.file) << c.path;
        EXPECT_EQ(GetDrivePart(c.path), c.drive) << c.path;
        EXPECT_EQ(GetAfterDrivePart(c.path), c.afterDrive) << c.path;
    }
}

TEST(AppendSeparatorTest, AppendsUnlessTheLastCharacterIsABackslash) {
    const struct {
        std::string text;
        bool ok;
        std::string result;
    } cases[] = {
        {"", false, ""},
        {"C:\\a", true, "C:\\a\\"},
        {"C:\\a\\", true, "C:\\a\\"},
        {"C:\\" + kHyo, true, "C:\\" + kHyo + "\\"},
        {std::string(400, 'a'), true, std::string(400, 'a') + "\\"},  // no length limit
    };
    for (const auto& c : cases) {
        std::string text = c.text;
        EXPECT_EQ(AppendSeparator(&text), c.ok ? 1 : 0) << c.text;
        EXPECT_EQ(text, c.result) << c.text;
    }
    EXPECT_FALSE(AppendSeparator(nullptr));
}

TEST(ReduceToFolderTest, DropsTheLastComponent) {
    const struct {
        std::string path;
        bool ok;
        std::string result;
    } cases[] = {
        {"C:\\a\\b\\x.xml", true, "C:\\a\\b\\"},
        {"C:\\a\\b", true, "C:\\a\\"},  // a folder named without its backslash is taken as a file
        {"C:\\a\\b\\", true, "C:\\a\\b\\"},
        {"C:x.xml", true, "C:\\"},
        {"C:", true, "C:"},
        {"C:\\" + kHyo + "\\x", true, "C:\\" + kHyo + "\\"},
        {"C:\\" + kHyo, true, "C:\\"},
        {"x.xml", false, "x.xml"},
        {"", false, ""},
    };
    for (const auto& c : cases) {
        std::string path = c.path;
        EXPECT_EQ(ReduceToFolder(&path), c.ok ? 1 : 0) << c.path;
        EXPECT_EQ(path, c.result) << c.path;
    }
}

class DriveCheckTest : public ::testing::Test {
protected:
    TempDriveTree tree;
};

TEST_F(DriveCheckTest, DriveTypesDecideAsTabled) {
    const struct {
        std::string path;
        bool usable;
    } cases[] = {
        {"C:\\x.xml", true},
        {"c:\\x.xml", true},
        {"E:\\x.xml", true},   // removable, mapped folder writable
        {"N:\\x.xml", true},   // remote
        {"D:\\x.xml", false},  // cdrom
        {"R:\\x.xml", false},  // ramdisk
        {"Q:\\x.xml", true},   // no root directory: passes, the folder step decides
        {"1:\\x.xml", false},
        {"", false},
        {"C:\\a\\\\x.xml", false},
        {"\\\\server\\share\\report.xml", true},
        {"\\\\SERVER\\SHARE\\report.xml", true},
        {"\\\\server\\other\\report.xml", false},
        {"\\\\server\\share", false},  // nothing after the share: no share root
        {"\\\\server", false},
    };
    for (const auto& c : cases) EXPECT_EQ(IsUsableDrive(c.path), c.usable ? 1 : 0) << c.path;
}

TEST_F(DriveCheckTest, ARemovableDriveWithoutItsMediumIsNotWritable) {
    std::filesystem::remove(tree.Unix("e"));
    tree.MakeFile("e");  // the mapped folder is not a directory
    EXPECT_EQ(GetDriveTypeA("E:\\"), DRIVE_NO_ROOT_DIR);
    EXPECT_TRUE(IsWritableDriveLetter('E', kAccessReadWrite));
    EXPECT_FALSE(IsWritableDriveLetter('\\', kAccessReadWrite));
}

TEST_F(DriveCheckTest, ExistingFolderIsTheFolderPart) {
    tree.MakeFolder("c/a");
    EXPECT_TRUE(IsExistingFolder("C:\\a\\"));
    EXPECT_TRUE(IsExistingFolder("C:\\a\\x.xml"));
    EXPECT_TRUE(IsExistingFolder("C:\\a"));  // reduced to C:\.
    EXPECT_FALSE(IsExistingFolder("C:\\b\\x.xml"));
    EXPECT_FALSE(IsExistingFolder("Q:\\a\\"));
}

}  // namespace
}  // namespace ferrolin
