// The remembered-settings file: one line per user and data set, the latest saved last, replaced
// whole so that a failed save changes nothing.

#include <gtest/gtest.h>

#include <filesystem>

#include "DialogFixture.h"
#include "path_services/FileSizeLimit.h"
#include "support/TempFolder.h"
#include "ui/SettingsRecord.h"

namespace ferrolin {
namespace {

class ConditionSettingsTest : public DialogFixture {
protected:
    std::string FileText() const {
        return test::ReadFileBytes(tree.Unix("c/settings/FerrolinBasic.env"));
    }
    void SetUser(const char* userId, std::int32_t no1, std::int32_t no2) {
        std::memset(dlg.m_userId, 0, sizeof dlg.m_userId);
        std::strcpy(dlg.m_userId, userId);
        dlg.m_selectedNo1 = no1;
        dlg.m_selectedNo2 = no2;
    }
    BOOL Save(std::int16_t start, std::int16_t end, std::int16_t choice, const std::string& path) {
        return dlg.SaveSettings(start, end, choice, &path);
    }
};

TEST_F(ConditionSettingsTest, SavesOneLinePerUserAndDataSetTheLatestLast) {
    host.files.folders[1] = "C:\\host\\settings\\";  // neither folder exists yet
    ASSERT_TRUE(Save(4, 3, 1, "C:\\Data\\report.xml"));
    EXPECT_TRUE(tree.IsFolder("c/host/settings"));
    const std::string first = test::ReadFileBytes(tree.Unix("c/host/settings/FerrolinBasic.env"));
    EXPECT_EQ(first, "USER01/1/3:4/3/1/C:\\Data\\report.xml\n");

    host.files.folders[1] = "C:\\settings\\";
    ASSERT_TRUE(Save(4, 3, 1, "C:\\a.xml"));
    SetUser("USER01", 1, 4);
    ASSERT_TRUE(Save(1, 12, 2, "C:\\b.xml"));
    EXPECT_EQ(FileText(), "USER01/1/3:4/3/1/C:\\a.xml\nUSER01/1/4:1/12/2/C:\\b.xml\n");

    SetUser("USER01", 1, 3);
    ASSERT_TRUE(Save(10, 3, 2, "C:\\c.xml"));
    EXPECT_EQ(FileText(), "USER01/1/4:1/12/2/C:\\b.xml\nUSER01/1/3:10/3/2/C:\\c.xml\n");

    std::int16_t start = 0, end = 0, choice = 0;
    std::string path;
    ASSERT_TRUE(dlg.LoadSettings(&start, &end, &choice, &path));
    EXPECT_EQ(start, 10);
    EXPECT_EQ(end, 3);
    EXPECT_EQ(choice, 2);
    EXPECT_EQ(path, "C:\\c.xml");
}

TEST_F(ConditionSettingsTest, KeysMatchOnlyAtTheStartOfALine) {
    WriteSettings("XUSER1/1/3:5/6/2/C:\\x.xml\n");
    SetUser("USER1", 1, 3);
    std::int16_t start = 0, end = 0, choice = 0;
    std::string path = "untouched";
    EXPECT_FALSE(dlg.LoadSettings(&start, &end, &choice, &path));
    EXPECT_EQ(path, "untouched");

    ASSERT_TRUE(Save(4, 3, 1, "C:\\u.xml"));
    SetUser("XUSER1", 1, 3);
    ASSERT_TRUE(Save(7, 8, 1, "C:\\x2.xml"));
    EXPECT_EQ(FileText(), "USER1/1/3:4/3/1/C:\\u.xml\nXUSER1/1/3:7/8/1/C:\\x2.xml\n");

    SetUser("USER1", 1, 3);
    ASSERT_TRUE(dlg.LoadSettings(&start, &end, &choice, &path));
    EXPECT_EQ(path, "C:\\u.xml");
}

TEST_F(ConditionSettingsTest, WithoutAPathTheRememberedOneIsSaved) {
    dlg.m_rememberedPath = "C:\\mine.xml";
    ASSERT_TRUE(dlg.SaveSettings(4, 3, 1, nullptr));
    EXPECT_EQ(FileText(), "USER01/1/3:4/3/1/C:\\mine.xml\n");
    dlg.m_rememberedPath.clear();
    ASSERT_TRUE(dlg.SaveSettings(5, 3, 2, nullptr));
    EXPECT_EQ(FileText(), "USER01/1/3:5/3/2/\n");
}

TEST_F(ConditionSettingsTest, ReadsRecordsAsTheyStand) {
    const struct {
        std::string file;
        bool found;
        SettingsValues values;
    } cases[] = {
        {"USER01/1/3:4/3/1/C:\\r.xml", true, {4, 3, 1, "C:\\r.xml"}},  // no final line feed
        {"A/1/1:1/1/1/\nUSER01/1/3:0/99/2/\nB", true, {0, 99, 2, ""}},
        {"USER01/1/3:x/y/z/p\n", true, {0, 0, 0, "p"}},
        // Longer than a record was ever allowed to be: read whole.
        {"USER01/1/3:4/3/1/" + std::string(600, 'p') + "\n",
         true,
         {4, 3, 1, std::string(600, 'p')}},
        {"USER01/1/3:4\n", false, {}},  // cut before its values
        {"USER01/1/33:4/3/1/C:\\r.xml\n", false, {}},
        {"", false, {}},
    };
    for (const auto& c : cases) {
        WriteSettings(c.file);
        SettingsValues got{-1, -1, -1, "untouched"};
        EXPECT_EQ(dlg.LoadSettings(&got.startMonth, &got.endMonth, &got.choice, &got.path),
                  c.found ? 1 : 0)
            << c.file;
        const SettingsValues& want = c.found ? c.values : SettingsValues{-1, -1, -1, "untouched"};
        EXPECT_EQ(got.startMonth, want.startMonth) << c.file;
        EXPECT_EQ(got.endMonth, want.endMonth) << c.file;
        EXPECT_EQ(got.choice, want.choice) << c.file;
        EXPECT_EQ(got.path, want.path) << c.file;
    }
}

TEST_F(ConditionSettingsTest, AFileCutShortKeepsItsLastRecordWhole) {
    WriteSettings("A/1/1:1/1/1/C:\\a.xml");
    ASSERT_TRUE(Save(4, 3, 1, "C:\\b.xml"));
    EXPECT_EQ(FileText(), "A/1/1:1/1/1/C:\\a.xml\nUSER01/1/3:4/3/1/C:\\b.xml\n");
}

TEST_F(ConditionSettingsTest, AFailedSaveLeavesTheOldFileByteForByte) {
    const std::string old = "A/1/1:1/1/1/C:\\a.xml\nUSER01/1/3:4/3/1/C:\\b.xml\nB/2/2:2/2/2/\n";
    WriteSettings(old);
    const std::size_t newSize = old.size() + 1;  // the record moves to the end with "C:\bb.xml"
    for (rlim_t limit = 0; limit < newSize; ++limit) {
        BOOL saved;
        {
            FileSizeLimit cap(limit);
            saved = Save(4, 3, 1, "C:\\bb.xml");
        }
        EXPECT_FALSE(saved) << limit;
        EXPECT_EQ(FileText(), old) << limit;
    }
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(tree.Unix("c/settings")),
                            std::filesystem::directory_iterator()),
              1);
    ASSERT_TRUE(Save(4, 3, 1, "C:\\bb.xml"));
    EXPECT_EQ(FileText(), "A/1/1:1/1/1/C:\\a.xml\nB/2/2:2/2/2/\nUSER01/1/3:4/3/1/C:\\bb.xml\n");
}

TEST_F(ConditionSettingsTest, NothingIsSavedWithoutAUsableFolder) {
    host.files.folders.erase(1);
    EXPECT_FALSE(Save(4, 3, 1, "C:\\a.xml"));
    std::int16_t start = 0;
    EXPECT_FALSE(dlg.LoadSettings(&start, &start, &start, nullptr));

    host.files.folders[1] = "C:\\blocked\\settings\\";
    tree.MakeFile("c/blocked", "a file where the folder should be");
    EXPECT_FALSE(Save(4, 3, 1, "C:\\a.xml"));
    EXPECT_TRUE(std::filesystem::is_regular_file(tree.Unix("c/blocked")));
}

TEST_F(ConditionSettingsTest, ACancelledRunLeavesTheFileAlone) {
    const std::string old = "USER01/1/3:4/3/1/C:\\b.xml\n";
    WriteSettings(old);
    EXPECT_EQ(Run([](CConditionDlg& d) { d.UserClick(IDC_CANCEL_BUTTON); }), IDC_CANCEL_BUTTON);
    EXPECT_EQ(FileText(), old);
}

}  // namespace
}  // namespace ferrolin
