// The dialog manager's behaviour of the model: keys, focus moves, data exchange, the user's
// actions, and the modal run through a back end.

#include <gtest/gtest.h>

#include <memory>

#include "gui/headless/HeadlessBackend.h"
#include "platform/window/WindowServices.h"
#include "tests/platform_window/SampleDialog.h"

namespace ferrolin {
namespace {

using namespace ferrolin::testing;

class DialogManagerTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(nullptr)); }
    WindowState& Control(int id) { return *dlg.FindControl(id); }
    int FocusId() { return dlg.GetFocusState() ? dlg.GetFocusState()->id : 0; }

    HeadlessBackend ui{[](const std::string& problem) { ADD_FAILURE() << problem; }};
    SampleDialog dlg;
};

TEST_F(DialogManagerTest, EnterClicksAFocusedButtonAndSendsOkFromAnyOtherControl) {
    struct Case {
        int focus;
        bool shift, ctrl, alt;
        int command;
        int result;
    } cases[] = {
        {kRunButton, false, false, false, kRunButton, kRunResult},
        {kStopButton, true, false, false, kStopButton, 0},  // still open: the button does nothing
        {kNumberEdit, false, false, false, IDOK, IDOK},
        {kTextEdit, true, false, false, IDOK, IDOK},
        {kTextEdit, false, true, false, IDOK, IDOK},
        {kTextEdit, false, false, true, IDOK, IDOK},
        {kRadioA, false, false, false, IDOK, IDOK},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(::testing::Message() << "focus " << c.focus << " shift " << c.shift << " ctrl "
                                          << c.ctrl << " alt " << c.alt);
        SampleDialog one;
        ASSERT_TRUE(one.Create(nullptr));
        one.UserFocus(c.focus);
        one.UserKeyDown(VK_RETURN, c.shift, c.ctrl, c.alt);
        EXPECT_EQ(one.commands, std::vector<int>{c.command});
        EXPECT_EQ(one.IsEnded(), c.result != 0);
        if (c.result != 0) {
            EXPECT_EQ(one.GetResult(), c.result);
        }
    }
}

TEST_F(DialogManagerTest, EscCloseBoxAndAltF4SendCancel) {
    const std::function<void(CDialog&)> actions[] = {
        [](CDialog& d) { d.UserKeyDown(VK_ESCAPE, false, false, false); },
        [](CDialog& d) { d.UserClose(); },
        [](CDialog& d) { d.UserKeyDown(VK_F4, false, false, true); },
    };
    for (const auto& act : actions) {
        SampleDialog one;
        ASSERT_TRUE(one.Create(nullptr));
        act(one);
        EXPECT_EQ(one.commands, std::vector<int>{IDCANCEL});
        EXPECT_TRUE(one.IsEnded());
        EXPECT_EQ(one.GetResult(), IDCANCEL);
        EXPECT_FALSE(one.IsWindowVisible());
    }
}

TEST_F(DialogManagerTest, TabWalksTheTabStopsBothWaysSkippingDisabledAndSelectsEdits) {
    EXPECT_EQ(FocusId(), kNumberEdit);  // the first tab stop, from OnInitDialog's TRUE
    dlg.GetDlgItem(kTextEdit)->SetWindowText("abc");
    dlg.UserKeyDown(VK_TAB, false, false, false);
    EXPECT_EQ(FocusId(), kTextEdit);
    EXPECT_EQ(Control(kTextEdit).selStart, 0);
    EXPECT_EQ(Control(kTextEdit).selEnd, 3);
    EXPECT_EQ(Control(kTextEdit).caretScrolls, 1);

    dlg.UserKeyDown(VK_TAB, false, false, false);
    EXPECT_EQ(FocusId(), kRunButton);  // the radio buttons are no tab stops
    dlg.GetDlgItem(kStopButton)->EnableWindow(0);
    dlg.UserKeyDown(VK_TAB, false, false, false);
    EXPECT_EQ(FocusId(), kNumberEdit);  // wrapped, past the disabled button
    dlg.UserKeyDown(VK_TAB, true, false, false);
    EXPECT_EQ(FocusId(), kRunButton);
    EXPECT_TRUE(dlg.commands.empty());
}

TEST_F(DialogManagerTest, GotoDlgCtrlSelectsAllOfAnEditAndScrollsTheCaret) {
    CWnd* text = dlg.GetDlgItem(kTextEdit);
    text->SetWindowText("\x8C\x8E\x93\x78");  // two double-byte characters
    text->SetFocus();                         // a plain focus selects nothing
    EXPECT_EQ(Control(kTextEdit).selEnd, 0);
    dlg.GotoDlgCtrl(text);
    EXPECT_EQ(dlg.GetFocus(), text);
    EXPECT_EQ(Control(kTextEdit).selStart, 0);
    EXPECT_EQ(Control(kTextEdit).selEnd, 4);
    EXPECT_EQ(Control(kTextEdit).caretScrolls, 1);
}

TEST_F(DialogManagerTest, DataExchangeRunsBothWaysAndBindsMemberViews) {
    dlg.m_number = "7";
    dlg.m_text = "\x95\xBD\x90\xAC";
    ASSERT_TRUE(dlg.UpdateData(0));
    EXPECT_EQ(Control(kNumberEdit).text, "7");
    EXPECT_EQ(Control(kTextEdit).text, "\x95\xBD\x90\xAC");
    EXPECT_EQ(dlg.GetDlgItem(kNumberEdit), &dlg.m_editNumber);
    EXPECT_EQ(dlg.m_editNumber.GetLimitText(), 2);

    dlg.UserType(kNumberEdit, "12");
    dlg.UserType(kTextEdit, "out");
    ASSERT_TRUE(dlg.UpdateData(1));
    EXPECT_EQ(dlg.m_number, "12");
    EXPECT_EQ(dlg.m_text, "out");
    EXPECT_TRUE(ui.MessageBoxes().empty());
}

TEST_F(DialogManagerTest, TypingRespectsTheLimitAndDigitsOnlyWhileAProgramMaySetAnyText) {
    struct Case {
        int id;
        const char* typed;
        const char* shown;
    } cases[] = {
        {kNumberEdit, "123", "12"},
        {kNumberEdit, "1a", "1"},
        {kNumberEdit, "\x82\x50", ""},
        {kTextEdit, "a,b/c", "a,b/c"},
    };
    for (const Case& c : cases) {
        dlg.UserType(c.id, c.typed);
        EXPECT_EQ(Control(c.id).text, c.shown) << c.typed;
    }
    dlg.GetDlgItem(kTextEdit)->EnableWindow(0);
    dlg.UserType(kTextEdit, "ignored");
    EXPECT_EQ(Control(kTextEdit).text, "a,b/c");

    dlg.m_editNumber.SetWindowText("123");
    EXPECT_EQ(Control(kNumberEdit).text, "123");
}

TEST_F(DialogManagerTest, SavingATextPastMaxCharsFailsWithAMessageAndFocusesTheEdit) {
    dlg.UserFocus(kTextEdit);
    dlg.m_editNumber.SetWindowText("123");
    EXPECT_FALSE(dlg.UpdateData(1));
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.MessageBoxes()[0].Icon(), MB_ICONEXCLAMATION);
    EXPECT_EQ(ui.MessageBoxes()[0].owner, dlg.GetSafeHwnd());
    EXPECT_EQ(FocusId(), kNumberEdit);
    EXPECT_EQ(Control(kNumberEdit).selEnd, 3);

    // OK runs the same exchange and so stays open.
    dlg.UserKeyDown(VK_RETURN, false, false, false);
    EXPECT_FALSE(dlg.IsEnded());
}

TEST_F(DialogManagerTest, GetKeyStateReportsTheModifiersOfTheMessageBeingHandled) {
    dlg.UserKeyDown(VK_F12, true, false, false);
    dlg.UserKeyDown(VK_F12, false, true, false);
    dlg.UserKeyDown(VK_F12, false, false, true);
    ASSERT_EQ(dlg.seenKeys.size(), 3u);
    EXPECT_TRUE(dlg.seenKeys[0].shift && !dlg.seenKeys[0].ctrl && !dlg.seenKeys[0].alt);
    EXPECT_TRUE(!dlg.seenKeys[1].shift && dlg.seenKeys[1].ctrl && !dlg.seenKeys[1].alt);
    EXPECT_TRUE(!dlg.seenKeys[2].shift && !dlg.seenKeys[2].ctrl && dlg.seenKeys[2].alt);
    EXPECT_EQ(dlg.seenKeys[0].message, WM_KEYDOWN);
    EXPECT_EQ(dlg.seenKeys[2].message, WM_SYSKEYDOWN);
    EXPECT_EQ(GetKeyState(VK_SHIFT), 0);  // outside a key message nothing is held
    EXPECT_EQ(GetKeyState(VK_MENU), 0);
}

TEST_F(DialogManagerTest, AKeyHandledInPreTranslateSkipsTheDefaultHandling) {
    dlg.swallowKeys = true;
    dlg.UserKeyDown(VK_ESCAPE, false, false, false);
    dlg.UserKeyDown(VK_TAB, false, false, false);
    EXPECT_FALSE(dlg.IsEnded());
    EXPECT_EQ(FocusId(), kNumberEdit);
    EXPECT_EQ(dlg.seenKeys.size(), 2u);
}

TEST_F(DialogManagerTest, ClickingARadioButtonClearsTheOthersOfItsGroupAndDisabledClicksDoNothing) {
    dlg.UserClick(kRadioA);
    EXPECT_TRUE(Control(kRadioA).checked);
    dlg.UserClick(kRadioB);
    EXPECT_TRUE(Control(kRadioB).checked);
    EXPECT_FALSE(Control(kRadioA).checked);
    EXPECT_EQ(FocusId(), kRadioB);

    dlg.GetDlgItem(kRunButton)->EnableWindow(0);
    dlg.UserClick(kRunButton);
    EXPECT_EQ(dlg.commands, (std::vector<int>{kRadioA, kRadioB}));
    EXPECT_FALSE(dlg.IsEnded());
}

TEST(DialogModalTest, RunsThroughTheDriverAndDestroysItsWindowsAfterwards) {
    HeadlessBackend ui{[](const std::string& problem) { ADD_FAILURE() << problem; }};
    SampleDialog parent;
    ASSERT_TRUE(parent.Create(nullptr));
    SampleDialog dlg(&parent);
    dlg.m_number = "4";
    HWND seen = 0;
    ui.DriveNextModal([&](CDialog& d) {
        seen = d.GetSafeHwnd();
        EXPECT_TRUE(d.IsWindowVisible());
        EXPECT_FALSE(parent.IsWindowEnabled());  // a modal dialog disables its owner
        EXPECT_EQ(d.GetFocusState()->id, kNumberEdit);
        EXPECT_EQ(d.GetFocusState()->selEnd, 1);  // the initial focus selects the text
        d.UserType(kNumberEdit, "9");
        d.UserClick(kRunButton);
    });
    EXPECT_EQ(dlg.DoModal(), kRunResult);
    EXPECT_TRUE(parent.IsWindowEnabled());
    EXPECT_GT(seen, HWND{1} << 32);
    EXPECT_EQ(FindLocalWindow(seen), nullptr);
    EXPECT_EQ(dlg.m_editNumber.GetSafeHwnd(), 0);  // member views are unbound with the windows
    EXPECT_EQ(dlg.m_number, "4");                  // the run button's command does not exchange
    using Event = HeadlessBackend::DialogEvent;
    const auto& events = ui.Dialogs();
    ASSERT_EQ(events.size(), 4u);  // the parent's creation, then this dialog's three
    EXPECT_EQ(events[1].event, Event::Created);
    EXPECT_TRUE(events[1].modal);
    EXPECT_EQ(events[2].event, Event::Ended);
    EXPECT_EQ(events[2].result, kRunResult);
    EXPECT_EQ(events[3].event, Event::Destroyed);
}

TEST(DialogModalTest, ADialogThatCannotBeShownReportsMinusOne) {
    HeadlessBackend ui;
    ui.RefuseNextModal();
    SampleDialog dlg;
    EXPECT_EQ(dlg.DoModal(), -1);

    SetWindowBackend(nullptr);
    SampleDialog none;
    EXPECT_EQ(none.DoModal(), -1);  // no back end, no dialog
    SetWindowBackend(&ui);
}

TEST(DialogModalTest, ADriverThatLeavesTheDialogOpenIsAProblemAndTheDialogIsClosed) {
    std::vector<std::string> problems;
    HeadlessBackend ui{[&](const std::string& problem) { problems.push_back(problem); }};
    ui.DriveNextModal([](CDialog&) {});
    SampleDialog dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_EQ(problems.size(), 1u);
}

}  // namespace
}  // namespace ferrolin
