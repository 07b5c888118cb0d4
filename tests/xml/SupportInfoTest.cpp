#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>

#include "report/xml/SupportInfo.h"
#include "support/Bytes.h"
#include "support/TempFolder.h"

namespace ferrolin {
namespace {

using test::Sjis;

// The reader looks in the current directory, so each test works inside its own folder.
class SupportInfoTest : public ::testing::Test {
protected:
    void SetUp() override {
        m_previous = std::filesystem::current_path();
        std::filesystem::current_path(m_folder.Path());
    }
    void TearDown() override { std::filesystem::current_path(m_previous); }
    void Write(const std::string& bytes) {
        test::WriteFileBytes(m_folder.Path() / "SUPPORT.INF", bytes);
    }

    test::TempFolder m_folder;
    std::filesystem::path m_previous;
};

TEST_F(SupportInfoTest, FindsTheFirstValueOfEachKeyToTheEndOfItsLine) {
    Write("x" + Sjis("[=製品名=]") + "Quorvel 20  \r\n" + Sjis("[=製品名=]") + "second\r\n" +
          Sjis("[=製品ﾊﾞｰｼﾞｮﾝ=]") + "20.00.01\nmore\r\n");
    CSupportInfo info;
    EXPECT_EQ(info.GetProductName(), "Quorvel 20  ");       // trailing blanks stay
    EXPECT_EQ(info.GetProductVersion(), "20.00.01\nmore");  // a bare LF ends no line
}

TEST_F(SupportInfoTest, LastLineWithoutLineEndAndEndOfFileMark) {
    Write(Sjis("[=製品名=]") + "Name\x1A" + "junk\r\n" + Sjis("[=製品ﾊﾞｰｼﾞｮﾝ=]") + "9.9");
    CSupportInfo info;
    EXPECT_EQ(info.GetProductName(), "Name");
    EXPECT_EQ(info.GetProductVersion(), "9.9");
}

TEST_F(SupportInfoTest, OnlyTheFirst30000BytesCount) {
    const std::string key = Sjis("[=製品名=]");
    Write(std::string(30000 - key.size(), 'a') + key + "inside\r\n");
    EXPECT_EQ(CSupportInfo().GetProductName(), "");  // "inside" lies past the limit
    Write(std::string(30000 - key.size() + 1, 'a') + key + "straddles");
    EXPECT_EQ(CSupportInfo().GetProductName(), "");  // the key's last byte lies past the limit
    Write(std::string(29990 - key.size(), 'a') + key + "whole");
    EXPECT_EQ(CSupportInfo().GetProductName(), "whole");
}

TEST_F(SupportInfoTest, MissingFileOrEmptyValueGivesEmpty) {
    CSupportInfo missing;
    EXPECT_FALSE(missing.Load());
    EXPECT_EQ(missing.GetProductName(), "");
    Write(Sjis("[=製品名=]") + "\r\n");
    EXPECT_EQ(CSupportInfo().GetProductName(), "");
}

}  // namespace
}  // namespace ferrolin
