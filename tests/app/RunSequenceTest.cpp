// Whole runs through the conditions dialog with the headless back end: what the user sees, in
// which order, what the host is told, and which files are written.

#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "AppFixture.h"
#include "app/AppTexts.h"
#include "gui/headless/HeadlessBackend.h"
#include "platform/window/WindowServices.h"
#include "ui/ConditionDialogTemplate.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin::test {
namespace {

constexpr int kProgressTemplate = 131;

// Also notes, for every message box, whether its owner window was visible when it was shown.
class ObservingBackend : public HeadlessBackend {
public:
    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT type) override {
        const WindowState* window = FindLocalWindow(owner);
        ownerVisible.push_back(window != nullptr && window->visible);
        return HeadlessBackend::MessageBox(owner, text, caption, type);
    }
    std::vector<bool> ownerVisible;
};

class RunSequenceTest : public AppTest {
protected:
    RunSequenceTest() {
        InstallTarget();
        DataSetInfo dataSet = MakeDataSetInfo("DATA0001", 1, 20020401, 20030331);
        std::strcpy(dataSet.companyName, "ABC");
        host.dataSets.records.push_back(dataSet);
        host.files.folders[1] = settingsFolder.WindowsPath() + "\\";
        outputPath = outputFolder.WindowsPath("report.xml");
    }

    // The user types the output path and presses Execute (F12).
    void ExecuteWith(const std::string& path) {
        ui.DriveNextModal([path](CDialog& dialog) {
            dialog.UserType(IDC_OUTPUT_PATH, path);
            dialog.UserKeyDown(VK_F12, false, false, false);
        });
    }

    bool ProgressDialogMade() const {
        for (const auto& record : ui.Dialogs())
            if (record.templateId == kProgressTemplate) return true;
        return false;
    }
    std::filesystem::path SettingsFile() const {
        return settingsFolder.Path() / "FerrolinBasic.env";
    }

    ObservingBackend ui;
    TempFolder settingsFolder;
    TempFolder outputFolder;
    std::string outputPath;
};

TEST_F(RunSequenceTest, WrittenReportSavesSettingsAndReportsAfterTheProgressDialogIsGone) {
    ExecuteWith(outputPath);
    CLinkApp& app = MakeApp("100,1024,7,");

    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(ui.AllQueuedUsed());
    EXPECT_TRUE(std::filesystem::exists(outputFolder.Path() / "report.xml"));
    EXPECT_EQ(ReadFileBytes(SettingsFile()), "user01/1/1:4/3/1/" + outputPath + "\n");

    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    const auto& box = ui.MessageBoxes()[0];
    EXPECT_EQ(box.text, app_text::kReportWritten.Cp932());
    EXPECT_EQ(box.caption, app_text::kCaption.Cp932());
    EXPECT_EQ(box.Icon(), MB_ICONINFORMATION);
    EXPECT_NE(box.owner, 0);
    EXPECT_FALSE(ui.ownerVisible[0]);  // the progress dialog had gone
    EXPECT_FALSE(ui.WaitCursorShown());
    const auto lines = transport.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines.back(), "EnableWindow 100 1");
    EXPECT_EQ(lines[lines.size() - 2], "PostMessage 100 1024 7 0");
}

TEST_F(RunSequenceTest, ProgressDialogIsParentedToTheHostWindow) {
    ExecuteWith(outputPath);
    MakeApp("100,1024,7,").Run();

    bool parented = false;
    for (const auto& event : transport.Lines())
        parented = parented || (event.starts_with("SetParent ") && event.ends_with(" 100"));
    EXPECT_TRUE(parented);
}

TEST_F(RunSequenceTest, HostFixedPathKeepsTheRememberedPath) {
    WriteFileBytes(SettingsFile(), "user01/1/1:5/9/2/Z:\\old\\chosen.xml\n");
    ui.DriveNextModal([](CDialog& dialog) { dialog.UserKeyDown(VK_F12, false, false, false); });
    CLinkApp& app = MakeApp("100,1024,7," + outputPath);

    EXPECT_EQ(app.Run(), 0);
    EXPECT_TRUE(std::filesystem::exists(outputFolder.Path() / "report.xml"));
    EXPECT_EQ(ReadFileBytes(SettingsFile()), "user01/1/1:5/9/2/Z:\\old\\chosen.xml\n");
}

TEST_F(RunSequenceTest, CancelMakesNoProgressDialogAndLeavesTheSettingsAlone) {
    ui.DriveNextModal([](CDialog& dialog) { dialog.UserClick(IDC_CANCEL_BUTTON); });
    CLinkApp& app = MakeApp("100,1024,7,");

    EXPECT_EQ(app.Run(), 1);
    EXPECT_FALSE(ProgressDialogMade());
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    const auto lines = transport.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "PostMessage 100 1024 7 1");
}

TEST_F(RunSequenceTest, RefusedDataSetIsACancelledRun) {
    host.dataSets.records[0].companyLawFlag = 0;
    CLinkApp& app = MakeApp("");

    EXPECT_EQ(app.Run(), 1);
    ASSERT_EQ(ui.MessageBoxes().size(), 1u);
    EXPECT_FALSE(ProgressDialogMade());
}

TEST_F(RunSequenceTest, FailedAggregationFailsTheRunWithoutTouchingTheReportFile) {
    host.cursor.records.push_back(MakeAccountRecord(100, 0x80000000u));
    host.cursor.moveNextFailAt = 0;
    // An existing file at the output path stays as it was.
    WriteFileBytes(outputFolder.Path() / "report.xml", "previous");
    ui.AnswerNext(IDYES);  // overwrite it
    ExecuteWith(outputPath);
    CLinkApp& app = MakeApp("100,1024,7,");

    EXPECT_EQ(app.Run(), 2);
    EXPECT_EQ(ReadFileBytes(outputFolder.Path() / "report.xml"), "previous");
    EXPECT_FALSE(std::filesystem::exists(SettingsFile()));
    ASSERT_FALSE(ui.MessageBoxes().empty());
    const auto& box = ui.MessageBoxes().back();
    EXPECT_EQ(box.text, app_text::kReportFailed.Cp932());
    EXPECT_EQ(box.Icon(), MB_ICONEXCLAMATION);
    EXPECT_TRUE(ui.ownerVisible.back());  // shown while the progress dialog is up
    const auto lines = transport.Lines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "PostMessage 100 1024 7 2");
}

TEST_F(RunSequenceTest, DialogThatCannotBeShownFailsTheRun) {
    ui.RefuseNextModal();
    CLinkApp& app = MakeApp("");

    EXPECT_EQ(app.Run(), 2);
    EXPECT_FALSE(ProgressDialogMade());
}

}  // namespace
}  // namespace ferrolin::test
