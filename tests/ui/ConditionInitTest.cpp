// What the conditions dialog shows when it opens, and the data sets it refuses.

#include <gtest/gtest.h>
#include <stdlib.h>

#include "DialogFixture.h"

namespace ferrolin {
namespace {

namespace t = ui_texts;

using ConditionInitTest = DialogFixture;

TEST_F(ConditionInitTest, RefusesPastDataAndDataNotConvertedForTheCompanyLaw) {
    const struct {
        std::int32_t isPastData;
        std::int16_t companyLawFlag;
        const FixedText& message;
    } cases[] = {
        {1, 1, t::kPastData},
        {1, 0, t::kPastData},
        {0, 0, t::kNotCompanyLaw},
        {0, 2, t::kNotCompanyLaw},
    };
    for (const auto& c : cases) {
        HeadlessBackend local{[](const std::string& problem) { ADD_FAILURE() << problem; }};
        CConditionDlg refused(nullptr, "FerrolinBasic.env");
        refused.m_isPastData = c.isPastData;
        refused.m_companyLawFlag = c.companyLawFlag;
        EXPECT_EQ(refused.DoModal(), IDC_CANCEL_BUTTON);
        ASSERT_EQ(local.MessageBoxes().size(), 1u);
        const auto& box = local.MessageBoxes()[0];
        EXPECT_EQ(box.text, c.message.Cp932());
        EXPECT_EQ(box.caption, t::kCaption.Cp932());
        EXPECT_EQ(box.Icon(), MB_ICONEXCLAMATION);
        EXPECT_EQ(box.Buttons(), MB_OK);
        EXPECT_EQ(box.owner, local.Dialogs().front().hwnd);
    }
}

TEST_F(ConditionInitTest, WithoutARecordShowsThePeriodsMonthsAndTheHostFolder) {
    const struct {
        std::int32_t start, end;
        const char* startMonth;
        const char* endMonth;
    } cases[] = {
        {20020401, 20030331, "4", "3"},
        {20020101, 20021231, "1", "12"},
        {20021001, 20030930, "10", "9"},
    };
    host.files.folders[0] = "C:\\out\\";
    for (const auto& c : cases) {
        SetPeriod(c.start, c.end);
        Run([&](CConditionDlg& d) {
            EXPECT_EQ(Control(IDC_START_MONTH).text, c.startMonth);
            EXPECT_EQ(Control(IDC_END_MONTH).text, c.endMonth);
            EXPECT_EQ(Control(IDC_OUTPUT_PATH).text, "C:\\out\\*.xml");
            EXPECT_TRUE(Control(IDC_SHAREHOLDERS).checked);
            EXPECT_FALSE(Control(IDC_MEMBERS).checked);
            EXPECT_EQ(d.m_equityKind, kShareholdersEquity);
            EXPECT_EQ(d.m_isPathFixed, 0);
            EXPECT_TRUE(d.m_rememberedPath.empty());
        });
    }
}

TEST_F(ConditionInitTest, FillsTheStaticsLimitsTheEditsAndFocusesTheStartMonth) {
    dlg.m_strCompany = " \x8A\x94\x8E\xAE\x89\xEF\x8E\xD0";  // " 株式会社"
    dlg.m_strPeriod =
        " 2002/04/01\x81\x60"
        "2003/03/31";
    Run([&](CConditionDlg&) {
        EXPECT_EQ(Control(IDC_COMPANY).text, dlg.m_strCompany);
        EXPECT_EQ(Control(IDC_PERIOD).text, dlg.m_strPeriod);
        EXPECT_EQ(Control(IDC_OUTPUT_PATH).limit, 255);
        EXPECT_EQ(Control(IDC_START_MONTH).limit, 2);
        EXPECT_EQ(Control(IDC_END_MONTH).limit, 2);
        EXPECT_TRUE(IsFocusedAndSelected(IDC_START_MONTH, 0));
        EXPECT_EQ(Control(IDC_OUTPUT_GROUP).text, t::kOutputGroup.Cp932());
        EXPECT_TRUE(Control(IDC_BROWSE).enabled);
        EXPECT_TRUE(Control(IDC_OUTPUT_PATH).enabled);
    });
}

TEST_F(ConditionInitTest, WithoutAHostFolderTheTemporaryFolderIsOffered) {
    const char* old = std::getenv("TMPDIR");
    const std::string saved = old ? old : "";
    tree.MakeFolder("c/temp");
    ::setenv("TMPDIR", tree.Unix("c/temp").c_str(), 1);
    Run([&](CConditionDlg&) { EXPECT_EQ(Control(IDC_OUTPUT_PATH).text, "C:\\temp\\*.xml"); });
    if (old) {
        ::setenv("TMPDIR", saved.c_str(), 1);
    } else {
        ::unsetenv("TMPDIR");
    }
}

TEST_F(ConditionInitTest, ARecordGivesMonthsChoiceAndPath) {
    const struct {
        const char* record;
        const char* startMonth;
        const char* endMonth;
        std::int16_t choice;
        bool members;
    } cases[] = {
        {"USER01/1/3:6/11/2/C:\\out\\r.xml\n", "6", "11", 2, true},
        {"USER01/1/3:0/9/2/C:\\out\\r.xml\n", "4", "9", 2, true},     // start 0: the period's first
        {"USER01/1/3:13/0/3/C:\\out\\r.xml\n", "13", "0", 3, false},  // shown unchecked
    };
    for (const auto& c : cases) {
        WriteSettings(c.record);
        Run([&](CConditionDlg& d) {
            EXPECT_EQ(Control(IDC_START_MONTH).text, c.startMonth);
            EXPECT_EQ(Control(IDC_END_MONTH).text, c.endMonth);
            EXPECT_EQ(Control(IDC_MEMBERS).checked, c.members);
            EXPECT_EQ(Control(IDC_SHAREHOLDERS).checked, !c.members);
            EXPECT_EQ(d.m_equityKind, c.choice);
            EXPECT_EQ(Control(IDC_OUTPUT_PATH).text, "C:\\out\\r.xml");
            EXPECT_EQ(d.m_rememberedPath, "C:\\out\\r.xml");
        });
    }
}

TEST_F(ConditionInitTest, AnyChoiceButTwoIsStoredAsOneByExecute) {
    tree.MakeFolder("c/out");
    WriteSettings("USER01/1/3:4/3/7/C:\\out\\r.xml\n");
    EXPECT_EQ(Run([](CConditionDlg& d) { d.UserClick(IDC_EXECUTE); }), IDC_EXECUTE);
    EXPECT_EQ(dlg.m_equityKind, kShareholdersEquity);
}

TEST_F(ConditionInitTest, AHostFixedPathLocksThePathAndSkipsTheOverwriteQuestion) {
    WriteSettings("USER01/1/3:4/3/1/C:\\mine.xml\n");
    tree.MakeFile("c/fixed.xml", "old report");
    dlg.m_strFixedPath = "C:\\fixed.xml";
    EXPECT_EQ(Run([&](CConditionDlg& d) {
                  EXPECT_EQ(Control(IDC_OUTPUT_PATH).text, "C:\\fixed.xml");
                  EXPECT_FALSE(Control(IDC_OUTPUT_PATH).enabled);
                  EXPECT_FALSE(Control(IDC_BROWSE).enabled);
                  EXPECT_EQ(Control(IDC_OUTPUT_GROUP).text, t::kOutputGroupFixed.Cp932());
                  EXPECT_EQ(d.m_isPathFixed, 1);
                  EXPECT_EQ(d.m_rememberedPath, "C:\\mine.xml");
                  d.UserFocus(IDC_END_MONTH);
                  d.UserKeyDown(VK_RETURN, false, false, false);
                  EXPECT_EQ(FocusId(), IDC_EXECUTE);
                  d.UserKeyDown(VK_RETURN, false, false, false);
              }),
              IDC_EXECUTE);
    EXPECT_TRUE(ui.MessageBoxes().empty());  // no overwrite question
    EXPECT_EQ(dlg.m_strOutputPath, "C:\\fixed.xml");
}

}  // namespace
}  // namespace ferrolin
