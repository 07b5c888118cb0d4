#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <iterator>

#include "path_services/FileSizeLimit.h"
#include "path_services/TempDriveTree.h"
#include "platform/paths/WholeFile.h"
#include "support/TempFolder.h"

namespace ferrolin {
namespace {

std::size_t EntriesIn(const std::filesystem::path& folder) {
    return static_cast<std::size_t>(std::distance(std::filesystem::directory_iterator(folder),
                                                  std::filesystem::directory_iterator()));
}

class WholeFileTest : public ::testing::Test {
protected:
    TempDriveTree tree;
};

TEST_F(WholeFileTest, ReadsWholeFilesAndReportsMissingOnes) {
    const std::string bytes("a\0b\nc", 5);
    tree.MakeFile("c/f.env", bytes);
    EXPECT_EQ(ReadWholeFile("C:\\f.env"), bytes);
    EXPECT_EQ(ReadWholeFile("C:\\none.env"), std::nullopt);
    EXPECT_EQ(ReadWholeFile("Q:\\f.env"), std::nullopt);
}

TEST_F(WholeFileTest, ReplacesOrCreatesAndKeepsThePermissions) {
    ASSERT_TRUE(ReplaceFileAtomically("C:\\f.env", "first\n"));
    EXPECT_EQ(test::ReadFileBytes(tree.Unix("c/f.env")), "first\n");

    ::chmod(tree.Unix("c/f.env").c_str(), 0640);
    ASSERT_TRUE(ReplaceFileAtomically("C:\\f.env", "second\n"));
    EXPECT_EQ(test::ReadFileBytes(tree.Unix("c/f.env")), "second\n");
    struct stat info {};
    ASSERT_EQ(::stat(tree.Unix("c/f.env").c_str(), &info), 0);
    EXPECT_EQ(info.st_mode & 07777, 0640u);
    EXPECT_EQ(EntriesIn(tree.Unix("c")), 1u);  // no temporary file left
}

TEST_F(WholeFileTest, AFailedWriteAtAnyByteLeavesTheOldFileAndNoTemporary) {
    const std::string old = "USER1/1/1:4/3/1/C:\\old.xml\n";
    const std::string replacement = old + "USER2/1/1:1/12/2/C:\\new.xml\n";
    tree.MakeFile("c/f.env", old);
    for (rlim_t limit = 0; limit < replacement.size(); ++limit) {
        bool replaced;
        {
            FileSizeLimit cap(limit);
            replaced = ReplaceFileAtomically("C:\\f.env", replacement);
        }
        EXPECT_FALSE(replaced) << limit;
        EXPECT_EQ(test::ReadFileBytes(tree.Unix("c/f.env")), old) << limit;
        EXPECT_EQ(EntriesIn(tree.Unix("c")), 1u) << limit;
    }
}

TEST_F(WholeFileTest, FailsWithoutAFolderToWriteIn) {
    EXPECT_FALSE(ReplaceFileAtomically("C:\\missing\\f.env", "x"));
    EXPECT_FALSE(ReplaceFileAtomically("Q:\\f.env", "x"));
    EXPECT_FALSE(ReplaceFileAtomically("C:\\", "x"));
    EXPECT_FALSE(tree.Exists("c/missing"));
}

}  // namespace
}  // namespace ferrolin
