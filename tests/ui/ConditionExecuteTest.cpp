// Execute's checks in their order: the month range, the introduction month, then the output path.

#include <gtest/gtest.h>

#include "DialogFixture.h"

namespace ferrolin {
namespace {

namespace t = ui_texts;

// 86 characters of "表": 258 bytes as a UTF-8 file name, more than Linux takes.
std::string NameTooLongForLinux() {
    std::string name;
    for (int i = 0; i < 86; ++i) name += "\x95\x5C";
    return name;
}

class ConditionExecuteTest : public DialogFixture {
protected:
    // Types the months and the path, presses Execute and reports where it left the user: the
    // result when the dialog ended, else the focused control's id (negated).
    int Execute(const std::string& start, const std::string& end, const std::string& path) {
        int outcome = 0;
        Run([&](CConditionDlg& d) {
            d.UserType(IDC_START_MONTH, start);
            d.UserType(IDC_END_MONTH, end);
            d.UserType(IDC_OUTPUT_PATH, path);
            d.UserClick(IDC_EXECUTE);
            outcome = d.IsEnded() ? d.GetResult() : -FocusId();
            if (!d.IsEnded() && FocusId() != 0 && Control(FocusId()).kind == ControlKind::Edit) {
                EXPECT_EQ(Control(FocusId()).selStart, 0);
                EXPECT_EQ(Control(FocusId()).selEnd,
                          static_cast<int>(Control(FocusId()).text.size()));
            }
        });
        return outcome;
    }
    // Every box is the dialog's, titled 決算書; questions ask Yes/No, the rest are errors.
    void ExpectBoxesWellFormed() const {
        for (const auto& box : ui.MessageBoxes()) {
            EXPECT_EQ(box.caption, t::kCaption.Cp932());
            const bool question =
                box.text == t::kCreateFolder.Cp932() || box.text == t::kOverwrite.Cp932();
            if (box.text == t::kStopped.Cp932()) continue;
            EXPECT_EQ(box.Buttons(), question ? MB_YESNO : MB_OK) << box.text;
            EXPECT_EQ(box.Icon(), question ? MB_ICONQUESTION : MB_ICONEXCLAMATION) << box.text;
        }
    }
    std::string FirstMessage() const { return Messages().empty() ? "" : Messages().front(); }
};

TEST_F(ConditionExecuteTest, MonthRangesAreHeldAgainstThePeriodAndTheIntroductionMonth) {
    constexpr int kGo = IDC_EXECUTE;
    constexpr int kStart = -IDC_START_MONTH;
    constexpr int kEnd = -IDC_END_MONTH;
    const struct {
        std::int32_t periodStart, periodEnd;
        std::int16_t introMonth;
        const char* start;
        const char* end;
        int outcome;
        const FixedText* message;
    } cases[] = {
        {20020401, 20030331, 0, "4", "3", kGo, nullptr},
        {20020401, 20030331, 0, "1", "3", kGo, nullptr},
        {20020401, 20030331, 0, "10", "1", kGo, nullptr},
        {20020401, 20030331, 0, "3", "4", kEnd, &t::kBadRange},
        {20020401, 20030331, 0, "13", "3", kStart, &t::kBadRange},
        {20020401, 20030331, 0, "", "3", kStart, &t::kBadRange},
        {20020401, 20030331, 0, "4", "13", kEnd, &t::kBadRange},
        {20020101, 20021231, 0, "1", "12", kGo, nullptr},
        {20020101, 20021231, 0, "5", "4", kStart, &t::kBadRange},
        {20020101, 20021231, 0, "0", "5", kStart, &t::kBadRange},
        {20020101, 20021231, 0, "5", "0", kEnd, &t::kBadRange},
        {20020401, 20020930, 0, "4", "9", kGo, nullptr},
        {20020401, 20020930, 0, "3", "9", kStart, &t::kBadRange},
        {20020401, 20020930, 0, "4", "10", kStart, &t::kBadRange},
        {20021001, 20030630, 0, "2", "8", kEnd, &t::kBadRange},  // start in the second year
        {20020401, 20030331, 4, "4", "6", kEnd, &t::kBeforeIntroduction},
        {20020401, 20030331, 4, "4", "7", kGo, nullptr},  // may start before it
        {20020401, 20030331, 4, "7", "3", kGo, nullptr},
    };
    tree.MakeFolder("c/out");
    for (const auto& c : cases) {
        ui.ClearRecords();
        SetPeriod(c.periodStart, c.periodEnd);
        dlg.m_introMonth = c.introMonth;
        const std::string label = std::to_string(c.periodStart) + " " + c.start + "-" + c.end;
        EXPECT_EQ(Execute(c.start, c.end, "C:\\out\\r.xml"), c.outcome) << label;
        EXPECT_EQ(FirstMessage(), c.message ? c.message->Cp932() : std::string()) << label;
        ExpectBoxesWellFormed();
    }
}

TEST_F(ConditionExecuteTest, OutputPathsAreCheckedInOrder) {
    constexpr int kGo = IDC_EXECUTE;
    constexpr int kPath = -IDC_OUTPUT_PATH;
    tree.MakeFolder("c/a");
    tree.MakeFolder("c/dir.xml");
    tree.MakeFile("c/x.xml", "old");
    const struct {
        std::string path;
        std::vector<int> answers;
        std::vector<const FixedText*> messages;
        int outcome;
    } cases[] = {
        {"C:\\temp\\*.xml", {}, {&t::kBadPathText}, kPath},  // the default pattern
        {"C:\\a\\\\b.xml", {}, {&t::kBadPathText}, kPath},
        {"C:|b.xml", {}, {&t::kBadPathText}, kPath},
        {"D:\\r.xml", {}, {&t::kBadDrive}, kPath},  // CD-ROM
        {"\\\\server\\other\\r.xml", {}, {&t::kBadDrive}, kPath},
        {"\\\\server\\share\\report.xml", {}, {}, kGo},
        {"C:\\a\\", {}, {&t::kNoFileName}, kPath},
        {"C:\\dir.xml", {}, {&t::kNoFileName}, kPath},  // a directory named as a file
        {"C:\\x.xml", {IDNO}, {&t::kOverwrite}, kPath},
        {"C:\\x.xml", {IDYES}, {&t::kOverwrite}, kGo},
        {"C:\\new\\sub\\r.xml", {IDNO}, {&t::kCreateFolder}, kPath},
        {"C:\\new\\sub\\r.xml", {IDYES}, {&t::kCreateFolder}, kGo},
        {"Q:\\r.xml", {IDYES}, {&t::kCreateFolder}, kGo},  // no drive behind it: nothing to make
        {"C:\\a\\b\\" + NameTooLongForLinux() + "\\r.xml",
         {IDYES},
         {&t::kCreateFolder, &t::kCreateFolderFailed},
         kPath},
    };
    for (const auto& c : cases) {
        ui.ClearRecords();
        for (const int answer : c.answers) ui.AnswerNext(answer);
        EXPECT_EQ(Execute("4", "3", c.path), c.outcome) << c.path;
        std::vector<std::string> expected;
        for (const FixedText* m : c.messages) expected.push_back(m->Cp932());
        std::vector<std::string> shown = Messages();
        if (c.outcome != kGo && !shown.empty()) shown.pop_back();  // the stop message at close
        EXPECT_EQ(shown, expected) << c.path;
        ExpectBoxesWellFormed();
        if (c.outcome == kGo) {
            EXPECT_EQ(dlg.m_strOutputPath, c.path);
        }
    }
    EXPECT_TRUE(tree.IsFolder("c/new/sub"));
    EXPECT_TRUE(tree.IsFolder("c/a"));
    EXPECT_FALSE(tree.Exists("c/a/b"));  // made, then removed when the next folder failed
}

TEST_F(ConditionExecuteTest, AnEmptyPathAsksForOneWithTheFileDialog) {
    ui.CancelFileDialog();
    EXPECT_EQ(Execute("4", "3", ""), -IDC_EXECUTE);
    ASSERT_FALSE(Messages().empty());
    EXPECT_EQ(Messages().front(), t::kNoPath.Cp932());
    EXPECT_EQ(ui.FileDialogs().size(), 1u);
}

TEST_F(ConditionExecuteTest, ExecuteHandsBackTheTypedChoices) {
    tree.MakeFolder("c/out");
    EXPECT_EQ(Run([&](CConditionDlg& d) {
                  d.UserType(IDC_START_MONTH, "10");
                  d.UserType(IDC_END_MONTH, "12");
                  d.UserType(IDC_OUTPUT_PATH, "C:\\out\\r.xml");
                  d.UserClick(IDC_MEMBERS);
                  d.UserClick(IDC_EXECUTE);
              }),
              IDC_EXECUTE);
    EXPECT_EQ(dlg.m_strStartMonth, "10");
    EXPECT_EQ(dlg.m_strEndMonth, "12");
    EXPECT_EQ(dlg.m_strOutputPath, "C:\\out\\r.xml");
    EXPECT_EQ(dlg.m_equityKind, kMembersEquity);
    EXPECT_FALSE(tree.Exists("c/out/r.xml"));  // Execute only checks; the run writes
}

}  // namespace
}  // namespace ferrolin
