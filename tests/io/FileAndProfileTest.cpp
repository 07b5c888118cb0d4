#include <gtest/gtest.h>
#include <unistd.h>

#include "platform/io/File.h"
#include "platform/io/ProfileReader.h"
#include "support/TempFolder.h"

namespace ferrolin {
namespace {

using test::ReadFileBytes;
using test::TempFolder;
using test::WriteFileBytes;

TEST(File, CreatesTruncatesAndIsNotShared) {
    TempFolder folder;
    WriteFileBytes(folder.Path() / "r.xml", "old contents");
    const unsigned flags = CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive;
    CFile file;
    ASSERT_TRUE(file.Open(folder.WindowsPath("r.xml"), flags));
    file.Write("new", 3);
    CFile second;
    EXPECT_FALSE(second.Open(folder.WindowsPath("r.xml"), flags));
    file.Close();
    EXPECT_EQ(ReadFileBytes(folder.Path() / "r.xml"), "new");
    EXPECT_FALSE(file.IsOpen());
    EXPECT_THROW(file.Write("x", 1), CFileException);  // closed: the file error
}

TEST(File, AClosedDescriptorFailsTheWrite) {
    TempFolder folder;
    struct Sabotaged : CFile {
        void CloseBehindItsBack() { ::close(m_fd); }
    } file;
    ASSERT_TRUE(file.Open(folder.WindowsPath("r.xml"), CFile::modeCreate | CFile::modeWrite));
    file.CloseBehindItsBack();
    EXPECT_THROW(file.Write("x", 1), CFileException);
}

TEST(ProfileReader, ReadsAsTheTargetCheckNeeds) {
    TempFolder folder;
    WriteFileBytes(folder.Path() / "def.ini",
                   "; target\r\n[programlevel]\r\n  Mz31 =  2  \r\nLONG=12345678901234567890\r\n");
    const std::string path = folder.WindowsPath("def.ini");
    EXPECT_EQ(GetPrivateProfileStringA("ProgramLevel", "MZ31", "1", 16, path), "2");
    EXPECT_EQ(GetPrivateProfileStringA("ProgramLevel", "MZ32", "1", 16, path), "1");
    EXPECT_EQ(GetPrivateProfileStringA("Other", "MZ31", "1", 16, path), "1");
    EXPECT_EQ(GetPrivateProfileStringA("ProgramLevel", "LONG", "1", 16, path), "123456789012345");
    EXPECT_EQ(
        GetPrivateProfileStringA("ProgramLevel", "MZ31", "1", 16, folder.WindowsPath("none.ini")),
        "1");
}

}  // namespace
}  // namespace ferrolin
