// Window services on local and foreign handles, the wait cursor, the progress bar's stepping and
// the file dialog.

#include <gtest/gtest.h>

#include "gui/headless/HeadlessBackend.h"
#include "platform/window/FileDialog.h"
#include "platform/window/WindowServices.h"
#include "tests/platform_window/SampleDialog.h"
#include "tests/support/RecordingTransport.h"

namespace ferrolin {
namespace {

using namespace ferrolin::testing;

constexpr HWND kHostWindow = 0x00120034;

class WindowServicesTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(dlg.Create(nullptr)); }
    HeadlessBackend ui{[](const std::string& problem) { ADD_FAILURE() << problem; }};
    RecordingTransport transport;
    SampleDialog dlg;
};

TEST_F(WindowServicesTest, LocalHandlesLieAbove32BitsAndActOnTheModel) {
    const HWND self = dlg.GetSafeHwnd();
    EXPECT_TRUE(IsLocalWindow(self));
    EXPECT_FALSE(IsLocalWindow(kHostWindow));
    EXPECT_FALSE(IsLocalWindow(-5));
    EXPECT_EQ(FindLocalWindow(self), dlg.GetState());

    EXPECT_EQ(EnableWindow(self, 0), 0);  // was enabled
    EXPECT_EQ(EnableWindow(self, 1), 1);  // was disabled
    BringWindowToTop(self);
    SetForegroundWindow(self);
    UpdateWindow(self);
    EXPECT_EQ(dlg.GetState()->topCount, 1);
    EXPECT_EQ(dlg.GetState()->foregroundCount, 1);
    EXPECT_EQ(ui.RepaintsOf(self), 1);
    EXPECT_TRUE(transport.Calls().empty());
}

TEST_F(WindowServicesTest, ForeignHandlesGoToTheTransportInOrder) {
    const HWND self = dlg.GetSafeHwnd();
    EnableWindow(kHostWindow, 0);
    EXPECT_EQ(SetParent(self, kHostWindow), 0);
    SetForegroundWindow(kHostWindow);
    BringWindowToTop(kHostWindow);
    EXPECT_EQ(PostMessageA(kHostWindow, 0x0401, 3, 2), 1);
    EXPECT_EQ(dlg.GetState()->parent, kHostWindow);
    const std::vector<std::string> expected = {
        "EnableWindow 1179700 0",       "SetParent " + std::to_string(self) + " 1179700",
        "SetForegroundWindow 1179700",  "BringWindowToTop 1179700",
        "PostMessage 1179700 1025 3 2",
    };
    EXPECT_EQ(transport.Lines(), expected);
}

TEST_F(WindowServicesTest, WithoutATransportForeignCallsDoNothing) {
    SetWindowTransport(nullptr);
    EXPECT_EQ(EnableWindow(kHostWindow, 0), 0);
    EXPECT_EQ(PostMessageA(kHostWindow, 0x0401, 3, 2), 0);
    EXPECT_EQ(SetParent(dlg.GetSafeHwnd(), kHostWindow), 0);
    EXPECT_EQ(dlg.GetState()->parent, kHostWindow);
    SetWindowTransport(&transport);
    EXPECT_TRUE(transport.Calls().empty());
}

TEST_F(WindowServicesTest, AStaleLocalHandleReachesNeitherTheModelNorTheTransport) {
    HWND gone = 0;
    {
        SampleDialog brief;
        ASSERT_TRUE(brief.Create(nullptr));
        gone = brief.GetSafeHwnd();
    }
    EXPECT_EQ(FindLocalWindow(gone), nullptr);
    EnableWindow(gone, 0);
    PostMessageA(gone, 1, 0, 0);
    EXPECT_TRUE(transport.Calls().empty());
}

TEST_F(WindowServicesTest, AMessageBoxTakesTheWaitCursorAwayUntilItIsRestored) {
    BeginWaitCursor();
    EXPECT_EQ(MessageBoxA(dlg.GetSafeHwnd(), "text", "caption", MB_OK | MB_ICONINFORMATION), IDOK);
    EXPECT_FALSE(ui.WaitCursorShown());
    RestoreWaitCursor();
    EXPECT_TRUE(ui.WaitCursorShown());
    EndWaitCursor();
    EXPECT_EQ(ui.WaitCursorChanges(), (std::vector<bool>{true, false, true, false}));
    RestoreWaitCursor();  // nothing to restore once ended
    EXPECT_EQ(ui.WaitCursorChanges().size(), 4u);

    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_EQ(ui.MessageBoxes()[0].owner, dlg.GetSafeHwnd());
    EXPECT_EQ(ui.MessageBoxes()[0].caption, "caption");
}

TEST_F(WindowServicesTest, QuestionsAreAnsweredFromTheQueue) {
    ui.AnswerNext(IDYES);
    ui.AnswerNext(IDNO);
    EXPECT_EQ(dlg.MessageBox("q1", "c", MB_YESNO | MB_ICONQUESTION), IDYES);
    EXPECT_EQ(dlg.MessageBox("q2", "c", MB_YESNO | MB_ICONQUESTION), IDNO);
    EXPECT_TRUE(ui.AllQueuedUsed());
}

TEST(HeadlessProblemTest, AnUnansweredQuestionIsAProblemAndAnsweredNo) {
    std::vector<std::string> problems;
    HeadlessBackend ui{[&](const std::string& problem) { problems.push_back(problem); }};
    EXPECT_EQ(MessageBoxA(0, "q", "c", MB_YESNO), IDNO);
    CFileDialog file(false, "XML", "*.xml", 0, "", nullptr);
    EXPECT_EQ(file.DoModal(), IDCANCEL);
    EXPECT_EQ(problems.size(), 2u);
}

TEST_F(WindowServicesTest, ProgressBarStartsOverPastTheTopAndClampsPositions) {
    WindowState bar;
    bar.kind = ControlKind::ProgressBar;
    CProgressCtrl progress;
    progress.Attach(&bar);
    progress.SetRange(0, 5);
    progress.SetStep(2);
    std::vector<int> positions;
    for (int i = 0; i < 4; ++i) {
        progress.StepIt();
        positions.push_back(progress.GetPos());
    }
    EXPECT_EQ(positions, (std::vector<int>{2, 4, 0, 2}));
    EXPECT_EQ(progress.SetPos(9), 2);
    EXPECT_EQ(progress.GetPos(), 5);
    progress.SetPos(-3);
    EXPECT_EQ(progress.GetPos(), 0);
}

TEST_F(WindowServicesTest, FileDialogHandsTheRequestToTheBackEndAndReturnsThePath) {
    CFileDialog file(false, "XML", "out.xml", OFN_HIDEREADONLY | OFN_PATHMUSTEXIST,
                     "Xml Files (*.xml)|*.xml||", &dlg);
    file.m_title = "title";
    file.m_initialFolder = "C:\\data\\";
    ui.ChooseFile("D:\\x\\r.xml");
    EXPECT_EQ(file.DoModal(), IDOK);
    EXPECT_EQ(file.GetPathName(), "D:\\x\\r.xml");
    ui.CancelFileDialog();
    EXPECT_EQ(file.DoModal(), IDCANCEL);

    ASSERT_EQ(ui.FileDialogs().size(), 2u);
    const FileDialogRequest& r = ui.FileDialogs()[0].request;
    EXPECT_EQ(r.owner, dlg.GetSafeHwnd());
    EXPECT_FALSE(r.open);
    EXPECT_EQ(r.defaultExt, "XML");
    EXPECT_EQ(r.fileName, "out.xml");
    EXPECT_EQ(r.title, "title");
    EXPECT_EQ(r.initialFolder, "C:\\data\\");
    EXPECT_EQ(r.flags, OFN_HIDEREADONLY | OFN_PATHMUSTEXIST);
}

}  // namespace
}  // namespace ferrolin
