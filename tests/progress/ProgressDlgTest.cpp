#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "gui/headless/HeadlessBackend.h"
#include "ui/progress/ProgressDlg.h"
#include "ui/progress/ProgressTexts.h"

namespace ferrolin {
namespace {

std::string Caption(int percent) {
    // "集計中 " then the number then the full-width per cent sign, in code page 932.
    return "\x8F\x57\x8C\x76\x92\x86 " + std::to_string(percent) + "\x81\x93";
}

class ProgressDlgTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dialog.Create(nullptr));
        dialog.ShowWindow(true);
        dialog.StartOverall();
        ui.ClearRecords();
    }
    HWND Hwnd() const { return dialog.GetSafeHwnd(); }
    const WindowState& Pulse() const { return *dialog.FindControl(1017); }
    const WindowState& Self() const { return *dialog.GetState(); }

    HeadlessBackend ui{[](const std::string& problem) { ADD_FAILURE() << problem; }};
    CProgressDlg dialog;
};

TEST_F(ProgressDlgTest, TemplateIsHiddenAlwaysOnTopWithoutCloseBox) {
    const DialogTemplate& t = ProgressDialogTemplate();
    EXPECT_EQ(t.id, 131);
    EXPECT_EQ(t.styles & (DS_SYSMENU | DS_VISIBLE), 0u);
    EXPECT_NE(t.styles & DS_SYSMODAL, 0u);
    ASSERT_EQ(t.controls.size(), 2u);
    EXPECT_EQ(t.controls[0].id, 1016);
    EXPECT_NE(t.controls[0].styles & CS_SMOOTH, 0u);
    EXPECT_EQ(t.controls[1].id, 1017);
    EXPECT_EQ(t.controls[1].styles & CS_SMOOTH, 0u);
}

TEST_F(ProgressDlgTest, CreatedDialogStartsWithTheTemplateCaptionAndBindsBothBars) {
    EXPECT_EQ(dialog.GetWindowText(), progress_texts::kCaption.Cp932());
    EXPECT_EQ(dialog.m_overallBar.GetDlgCtrlID(), 1016);
    EXPECT_EQ(dialog.m_pulseBar.GetDlgCtrlID(), 1017);
    int low = -1, high = -1;
    dialog.m_overallBar.GetRange(low, high);
    EXPECT_EQ(low, 0);
    EXPECT_EQ(high, 1000);
    EXPECT_EQ(dialog.FindControl(1016)->step, 1);
}

TEST_F(ProgressDlgTest, AdvanceOverTheFirstTenthShowsElevenCaptionsAndStepsOncePerValue) {
    dialog.Advance(0, 100);
    std::vector<std::string> expected;
    for (int percent = 0; percent <= 10; ++percent) expected.push_back(Caption(percent));
    EXPECT_EQ(ui.CaptionsOf(Hwnd()), expected);
    EXPECT_EQ(dialog.m_overallBar.GetPos(), 101);
    // Per value: six pulse repaints and one of its own.
    EXPECT_EQ(ui.RepaintsOf(Hwnd()), 101 * 7);
    EXPECT_EQ(Self().topCount, 101 * 6);
}

TEST_F(ProgressDlgTest, AdvanceBetweenMultiplesOfTenLeavesTheCaption) {
    dialog.Advance(5, 9);
    EXPECT_TRUE(ui.CaptionsOf(Hwnd()).empty());
    EXPECT_EQ(dialog.GetWindowText(), progress_texts::kCaption.Cp932());
    EXPECT_EQ(dialog.m_overallBar.GetPos(), 5);
}

TEST_F(ProgressDlgTest, ReversedRangeDoesNothingAtAll) {
    dialog.Advance(9, 5);
    EXPECT_TRUE(ui.Changes().empty());
    EXPECT_TRUE(ui.Repaints().empty());
    EXPECT_EQ(Self().topCount, 0);
}

TEST_F(ProgressDlgTest, PulseEndsEmptyWithTheDialogInFront) {
    dialog.Pulse();
    EXPECT_EQ(Pulse().pos, 0);
    EXPECT_EQ(Pulse().rangeLow, 0);
    EXPECT_EQ(Pulse().rangeHigh, 5);
    EXPECT_EQ(Self().topCount, 6);
    EXPECT_EQ(Self().foregroundCount, 6);
    EXPECT_EQ(ui.RepaintsOf(Hwnd()), 6);
}

TEST_F(ProgressDlgTest, FullRunEndsFullAtOneHundredPerCent) {
    const std::int16_t stages[][2] = {{0, 100},   {100, 300}, {300, 400}, {400, 500},
                                      {500, 600}, {600, 700}, {700, 1000}};
    for (const auto& stage : stages) dialog.Advance(stage[0], stage[1]);
    EXPECT_EQ(dialog.m_overallBar.GetPos(), 1000);
    EXPECT_EQ(dialog.GetWindowText(), Caption(100));
    // The shared ends 10, 30, 40, 50, 60 and 70 % are each set twice.
    EXPECT_EQ(ui.CaptionsOf(Hwnd()).size(), 101u + 6u);
}

}  // namespace
}  // namespace ferrolin
