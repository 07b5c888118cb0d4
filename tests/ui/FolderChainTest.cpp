#include <gtest/gtest.h>

#include <string>

#include "path_services/TempDriveTree.h"
#include "ui/FolderChain.h"

namespace ferrolin {
namespace {

// 86 characters of "表" (trail byte 0x5C): 172 bytes here, 258 bytes as a UTF-8 file name, which
// no Linux file system takes (at most 255). A real creation failure, also for root.
std::string NameTooLongForLinux() {
    std::string name;
    for (int i = 0; i < 86; ++i) name += "\x95\x5C";
    return name;
}

class FolderChainTest : public ::testing::Test {
protected:
    void SetUp() override { tree.MakeFolder("c/a"); }
    TempDriveTree tree;
};

TEST_F(FolderChainTest, CreatesEveryMissingFolderBelowTheExistingOne) {
    EXPECT_TRUE(CreateFolderChain("C:\\a\\b\\c\\"));
    EXPECT_TRUE(tree.IsFolder("c/a/b/c"));
    // The folder part only: the last component of a path without a backslash is a file name.
    EXPECT_TRUE(CreateFolderChain("C:\\a\\d\\e"));
    EXPECT_TRUE(tree.IsFolder("c/a/d"));
    EXPECT_FALSE(tree.Exists("c/a/d/e"));
    // Double-byte names whose trail byte is a backslash are one folder each.
    EXPECT_TRUE(CreateFolderChain("C:\\\x95\x5C\\\x83\x5C\\"));
    EXPECT_TRUE(tree.IsFolder("c/表/ソ"));
    EXPECT_TRUE(CreateFolderChain("\\\\server\\share\\x\\y\\"));
    EXPECT_TRUE(tree.IsFolder("share/x/y"));
}

TEST_F(FolderChainTest, AFailedStepRemovesWhatItCreatedAndKeepsWhatExisted) {
    EXPECT_FALSE(CreateFolderChain("C:\\a\\b\\" + NameTooLongForLinux() + "\\"));
    EXPECT_TRUE(tree.IsFolder("c/a"));
    EXPECT_FALSE(tree.Exists("c/a/b"));

    // Nothing existed below the root: every created folder goes.
    EXPECT_FALSE(CreateFolderChain("C:\\n\\m\\" + NameTooLongForLinux() + "\\"));
    EXPECT_FALSE(tree.Exists("c/n"));
    EXPECT_TRUE(tree.IsFolder("c"));
}

TEST_F(FolderChainTest, AFileInTheWayFailsAndIsLeftAlone) {
    tree.MakeFile("c/a/b", "keep");
    EXPECT_FALSE(CreateFolderChain("C:\\a\\b\\c\\"));
    EXPECT_TRUE(tree.IsFolder("c/a"));
    EXPECT_TRUE(std::filesystem::is_regular_file(tree.Unix("c/a/b")));
}

TEST_F(FolderChainTest, RootsAndUnusableFoldersGiveNothingOrFail) {
    EXPECT_TRUE(CreateFolderChain("C:\\"));
    EXPECT_TRUE(CreateFolderChain("Q:\\"));  // nothing to create below an unmapped root
    EXPECT_FALSE(CreateFolderChain(""));
    EXPECT_FALSE(CreateFolderChain("a\\b\\"));  // no root
    EXPECT_FALSE(CreateFolderChain("Q:\\a\\"));
}

TEST_F(FolderChainTest, RemovalStopsAtTheKeptFolderAndRefusesAnotherChain) {
    tree.MakeFolder("c/a/b/c");
    EXPECT_TRUE(RemoveCreatedFolders("C:\\a\\b\\c\\d\\", "C:\\A\\"));  // case ignored
    EXPECT_TRUE(tree.IsFolder("c/a"));
    EXPECT_FALSE(tree.Exists("c/a/b"));

    tree.MakeFolder("c/a/b");
    tree.MakeFolder("c/x");
    EXPECT_FALSE(RemoveCreatedFolders("C:\\a\\b\\c\\", "C:\\x\\"));
    EXPECT_FALSE(RemoveCreatedFolders("C:\\a\\b\\c\\", "E:\\"));
    EXPECT_FALSE(RemoveCreatedFolders("", "C:\\"));
    EXPECT_TRUE(tree.IsFolder("c/a/b"));

    // A folder that cannot be removed ends the clean-up with FALSE.
    tree.MakeFile("c/a/b/f");
    EXPECT_FALSE(RemoveCreatedFolders("C:\\a\\b\\c\\", "C:\\"));
    EXPECT_TRUE(tree.IsFolder("c/a/b"));
}

}  // namespace
}  // namespace ferrolin
