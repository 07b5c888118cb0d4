// The script back end driving a small dialog: actions, answers, file dialogs, errors for a
// script that does not match the dialog, and the transcript it writes.

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "gui/script/ScriptBackend.h"
#include "platform/window/FileDialog.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin {
namespace {

constexpr int kNumber = 20, kPath = 21, kBrowse = 22, kRun = 23, kStop = 24;

const DialogTemplate& TrialTemplate() {
    static const DialogTemplate kTemplate{
        950,
        FixedText("試験"),
        FixedText("ＭＳ Ｐゴシック"),
        9,
        120,
        50,
        DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME,
        {
            {kNumber, ControlKind::Edit, FixedText(""), 5, 5, 20, 12,
             CS_BORDER | CS_TABSTOP | CS_NUMBER},
            {kPath, ControlKind::Edit, FixedText(""), 30, 5, 60, 12, CS_BORDER | CS_TABSTOP},
            {kBrowse, ControlKind::PushButton, FixedText("参照"), 95, 5, 20, 14, CS_TABSTOP},
            {kRun, ControlKind::PushButton, FixedText("実行"), 5, 30, 40, 14, CS_TABSTOP},
            {kStop, ControlKind::PushButton, FixedText("中止"), 50, 30, 40, 14, CS_TABSTOP},
        },
    };
    return kTemplate;
}

// Browse asks for a file; Run (button or F12 without modifiers) asks before it ends; cancelling
// tells the user first.
class TrialDialog : public CDialog {
public:
    TrialDialog() : CDialog(TrialTemplate(), nullptr) {}
    BOOL PreTranslateMessage(MSG* pMsg) override {
        const bool plain =
            GetKeyState(VK_SHIFT) >= 0 && GetKeyState(VK_CONTROL) >= 0 && GetKeyState(VK_MENU) >= 0;
        if (plain && pMsg->wParam == VK_F12) {
            OnCommand(kRun);
            return 1;
        }
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnCommand(int id) override {
        if (id == kBrowse) {
            CFileDialog file(false, "XML", "*.xml", 0, "Xml Files (*.xml)|*.xml||", this);
            file.m_title = FixedText("保存先").Cp932();
            file.m_initialFolder = "C:\\data\\";
            if (file.DoModal() == IDOK) GetDlgItem(kPath)->SetWindowText(file.GetPathName());
        } else if (id == kRun) {
            if (MessageBox(FixedText("上書きしますか？\n\n確認").Cp932(), FixedText("試験").Cp932(),
                           MB_YESNO | MB_ICONQUESTION) == IDYES) {
                m_path = GetDlgItem(kPath)->GetWindowText();
                m_number = GetDlgItem(kNumber)->GetWindowText();
                EndDialog(1002);
            } else {
                GotoDlgCtrl(GetDlgItem(kPath));
            }
        } else if (id == kStop) {
            OnCancel();
        } else {
            CDialog::OnCommand(id);
        }
    }
    void OnCancel() override {
        MessageBox(FixedText("中止します。").Cp932(), FixedText("試験").Cp932(),
                   MB_OK | MB_ICONINFORMATION);
        EndDialog(1003);
    }
    std::string m_path, m_number;
};

struct ScriptRun {
    std::intptr_t result;
    std::string transcript;
    bool hadError;
    std::string path, number;
};

ScriptRun RunScript(const std::string& script) {
    std::ostringstream transcript;
    std::string error;
    auto backend = ScriptBackend::FromText(script, &error, &transcript);
    if (!backend) {
        ADD_FAILURE() << error;
        return {};
    }
    SetWindowBackend(backend.get());
    TrialDialog dialog;
    const std::intptr_t result = dialog.DoModal();
    SetWindowBackend(nullptr);
    return {result, transcript.str(), backend->HadError(), dialog.m_path, dialog.m_number};
}

TEST(ScriptBackendTest, DrivesADialogFromAScriptFileAndWritesTheTranscript) {
    const std::string file = ::testing::TempDir() + "/trial-ui-script.txt";
    std::ofstream(file) << "# fill in, choose a file, refuse once, then run\n"
                           "type 20 4x\n"
                           "click 22\n"
                           "save C:\\出力\\決算.xml\n"
                           "\n"
                           "key F12\n"
                           "answer no\n"
                           "key Shift+F12\n"
                           "  click 23\n"
                           "answer yes\n";
    std::ostringstream transcript;
    std::string error;
    auto backend = ScriptBackend::FromFile(file, &error, &transcript);
    ASSERT_TRUE(backend) << error;
    SetWindowBackend(backend.get());
    TrialDialog dialog;
    EXPECT_EQ(dialog.DoModal(), 1002);
    SetWindowBackend(nullptr);

    EXPECT_EQ(transcript.str(),
              "dialog 950 start: 試験\n"
              "file save [保存先] folder \"C:\\data\\\" name \"*.xml\"\n"
              "save C:\\出力\\決算.xml\n"
              "message [試験] question yesno: 上書きしますか？\\n\\n確認\n"
              "answer no\n"
              "message [試験] question yesno: 上書きしますか？\\n\\n確認\n"
              "answer yes\n"
              "dialog 950 end: 1002\n");
    EXPECT_FALSE(backend->HadError());
    EXPECT_EQ(dialog.m_number, "4");  // a digits-only edit refuses the letter
    EXPECT_EQ(dialog.m_path, "C:\\\x8F\x6F\x97\xCD\\\x8C\x88\x8E\x5A.xml");  // code page 932
}

TEST(ScriptBackendTest, AQuestionThatFindsNoAnswerIsAnsweredNoAndTheDialogIsClosed) {
    const ScriptRun run = RunScript("type 20 4\nclick 23\nclick 24\n");
    EXPECT_EQ(run.result, 1003);
    EXPECT_TRUE(run.hadError);
    EXPECT_EQ(run.transcript,
              "dialog 950 start: 試験\n"
              "message [試験] question yesno: 上書きしますか？\\n\\n確認\n"
              "error: line 3: the question needs 'answer yes' or 'answer no', not 'click'\n"
              "answer no\n"
              "message [試験] information ok: 中止します。\n"
              "dialog 950 end: 1003\n");
}

TEST(ScriptBackendTest, MismatchesEndTheRunAsTheCloseBoxWould) {
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"type 20 4\n", "error: dialog 950 waits for the user and the script has no more lines"},
        {"answer yes\n", "error: line 1: 'answer' but dialog 950 asks nothing now"},
        {"click 99\n", "error: line 1: 'click': dialog 950 has no control 99"},
        {"type 22 x\n", "error: line 1: 'type': control 22 is not an edit"},
        {"click 22\nclick 23\n",
         "error: line 2: the file dialog needs 'save PATH' or 'cancel', not 'click'"},
        {"click 23\n", "error: the question finds no more lines in the script"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.script);
        const ScriptRun run = RunScript(c.script);
        EXPECT_EQ(run.result, 1003);
        EXPECT_TRUE(run.hadError);
        EXPECT_NE(run.transcript.find(std::string(c.error) + "\n"), std::string::npos)
            << run.transcript;
        const std::string tail =
            "message [試験] information ok: 中止します。\ndialog 950 end: 1003\n";
        EXPECT_EQ(run.transcript.substr(run.transcript.size() - tail.size()), tail);
    }
}

TEST(ScriptBackendTest, AMalformedLineIsReportedWithItsNumber) {
    struct Case {
        const char* script;
        const char* error;
    } cases[] = {
        {"click 22\nfrob 3\n", "line 2: unknown action 'frob': frob 3"},
        {"# c\ntype x 1\n", "line 2: 'type' needs a control id: type x 1"},
        {"key Meta+Enter\n", "line 1: unknown key"},
        {"\n\nanswer maybe\n", "line 3: 'answer' needs yes or no"},
        {"save   \n", "line 1: 'save' needs a path"},
        {"click 22 now\n", "line 1: unexpected text after the control id"},
    };
    for (const Case& c : cases) {
        std::string error;
        EXPECT_EQ(ScriptBackend::FromText(c.script, &error), nullptr) << c.script;
        EXPECT_EQ(error.rfind(c.error, 0), 0u) << error;
    }
    std::string error;
    EXPECT_EQ(ScriptBackend::FromFile("/nonexistent/ui-script", &error), nullptr);
    EXPECT_NE(error.find("/nonexistent/ui-script"), std::string::npos);
}

TEST(ScriptBackendTest, KeysTakeAnyCombinationOfModifiers) {
    std::string error;
    auto backend = ScriptBackend::FromText("key Shift+Ctrl+Enter\nkey alt+f4\nkey Tab\n", &error);
    ASSERT_TRUE(backend) << error;
    const auto& a = backend->Actions();
    ASSERT_EQ(a.size(), 3u);
    EXPECT_TRUE(a[0].shift && a[0].ctrl && !a[0].alt && a[0].key == VK_RETURN);
    EXPECT_TRUE(!a[1].shift && !a[1].ctrl && a[1].alt && a[1].key == VK_F4);
    EXPECT_TRUE(!a[2].shift && a[2].key == VK_TAB);
}

TEST(ScriptBackendTest, ProgressCaptionsAreWrittenOncePerChange) {
    std::ostringstream transcript;
    std::string error;
    auto backend = ScriptBackend::FromText("", &error, &transcript);
    ASSERT_TRUE(backend);
    SetWindowBackend(backend.get());
    {
        CProgressDlg progress;
        ASSERT_TRUE(progress.Create(nullptr));
        progress.ShowWindow(true);
        progress.StartOverall();
        progress.Advance(0, 20);
        progress.Advance(20, 30);
        progress.EndDialog(1);
    }
    SetWindowBackend(nullptr);
    EXPECT_EQ(transcript.str(),
              "dialog 131 start: 集計中\n"
              "caption 131: 集計中 0％\n"
              "caption 131: 集計中 1％\n"
              "caption 131: 集計中 2％\n"
              "caption 131: 集計中 3％\n"
              "dialog 131 end: 1\n");
    EXPECT_FALSE(backend->HadError());
}

}  // namespace
}  // namespace ferrolin
