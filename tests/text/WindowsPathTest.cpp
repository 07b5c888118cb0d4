#include <gtest/gtest.h>

#include "platform/paths/WindowsPath.h"
#include "support/Bytes.h"

namespace ferrolin {
namespace {

class WindowsPathTest : public ::testing::Test {
protected:
    void SetUp() override {
        DriveMap::SetCurrent(
            DriveMap::FromIniText("[Drives]\nC=/srv/c,fixed\nD=/media/cd/"
                                  ",cdrom\n[Shares]\n\\\\Server\\Share=/mnt/share\n"));
    }
    void TearDown() override { DriveMap::SetCurrent(DriveMap::Default()); }
};

TEST_F(WindowsPathTest, MapsDrivesSharesAndRelativePaths) {
    const std::string hyou = "\x95\x5C";  // 表: trail byte 0x5C stays part of the name
    EXPECT_EQ(ToUnixPath("C:\\a\\" + hyou + "\\x.xml").value(), "/srv/c/a/表/x.xml");
    EXPECT_EQ(ToUnixPath("c:\\").value(), "/srv/c");
    EXPECT_EQ(ToUnixPath("Z:\\tmp\\r.xml").value(), "/tmp/r.xml");
    EXPECT_EQ(ToUnixPath("\\\\server\\SHARE\\r.xml").value(), "/mnt/share/r.xml");
    EXPECT_EQ(ToUnixPath("SUPPORT.INF").value(), "SUPPORT.INF");
    EXPECT_FALSE(ToUnixPath("Q:\\x").has_value());  // no drive behind the letter
    EXPECT_FALSE(ToUnixPath("\\\\other\\share\\x").has_value());
    EXPECT_EQ(DriveMap::Current().drives.at('D').kind, DriveKind::Cdrom);
    EXPECT_EQ(DriveMap::Current().drives.at('D').unixFolder, "/media/cd");
}

TEST_F(WindowsPathTest, UnixPathsComeBackByTheLongestMappedFolder) {
    EXPECT_EQ(ToWindowsPath("/srv/c/a/x.xml").value(), "C:\\a\\x.xml");
    EXPECT_EQ(ToWindowsPath("/srv/cc/x").value(), "Z:\\srv\\cc\\x");
    EXPECT_EQ(ToWindowsPath("/home/a/x.xml").value(), "Z:\\home\\a\\x.xml");
    EXPECT_EQ(ToWindowsPath("/mnt/share/r.xml").value(), "\\\\server\\share\\r.xml");
    EXPECT_EQ(ToWindowsPath("/tmp/表").value(), "Z:\\tmp\\" + test::Sjis("表"));
    EXPECT_EQ(ToWindowsPath("/").value(), "Z:\\");
    EXPECT_EQ(ToWindowsPath("a/表").value(), "a\\" + test::Sjis("表"));  // relative stays so
}

}  // namespace
}  // namespace ferrolin
