#pragma once
// A conditions dialog on the headless back end, over the host fakes and a temporary drive tree:
// user USER01 with selection numbers 1 and 3, a data set converted for the company law with the
// period 2002/04/01 to 2003/03/31, the settings folder C:\settings\ (not made yet) and no default
// output folder from the host.

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>

#include "gui/headless/HeadlessBackend.h"
#include "path_services/TempDriveTree.h"
#include "support/FakeHost.h"
#include "ui/ConditionDlg.h"
#include "ui/UiTexts.h"

namespace ferrolin {

class DialogFixture : public ::testing::Test {
protected:
    DialogFixture() {
        host.files.folders[1] = "C:\\settings\\";
        std::strcpy(dlg.m_userId, "USER01");
        dlg.m_selectedNo1 = 1;
        dlg.m_selectedNo2 = 3;
        dlg.m_companyLawFlag = 1;
        SetPeriod(20020401, 20030331);
    }

    void SetPeriod(std::int32_t start, std::int32_t end) {
        dlg.m_periodStart = start;
        dlg.m_periodEnd = end;
    }
    // Runs the dialog modally; `actions` is what the user does while it is open.
    std::intptr_t Run(std::function<void(CConditionDlg&)> actions = {}) {
        ui.DriveNextModal([this, actions](CDialog&) {
            if (actions) actions(dlg);
            // A test that leaves the dialog open closes it, and so also sees the stop message.
            if (!dlg.IsEnded()) dlg.UserClose();
        });
        return dlg.DoModal();
    }
    int FocusId() const { return dlg.GetFocusState() ? dlg.GetFocusState()->id : 0; }
    const WindowState& Control(int id) const { return *dlg.FindControl(id); }
    // Whether the edit has the focus with all its text selected and the caret scrolled to.
    bool IsFocusedAndSelected(int id, int scrollsBefore) const {
        const WindowState& edit = Control(id);
        return FocusId() == id && edit.selStart == 0 &&
               edit.selEnd == static_cast<int>(edit.text.size()) &&
               edit.caretScrolls > scrollsBefore;
    }
    // The texts of the message boxes shown so far.
    std::vector<std::string> Messages() const {
        std::vector<std::string> texts;
        for (const auto& box : ui.MessageBoxes()) texts.push_back(box.text);
        return texts;
    }
    void WriteSettings(const std::string& bytes) const {
        tree.MakeFolder("c/settings");
        tree.MakeFile("c/settings/FerrolinBasic.env", bytes);
    }

    TempDriveTree tree;
    FakeHost host;
    HeadlessBackend ui{[](const std::string& problem) { ADD_FAILURE() << problem; }};
    CConditionDlg dlg{nullptr, "FerrolinBasic.env"};
};

}  // namespace ferrolin
