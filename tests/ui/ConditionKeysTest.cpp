// The conditions dialog's keyboard: Enter moves through the fields, F12 executes from anywhere,
// and whatever becomes the framework's OK command still goes through Execute's checks.

#include <gtest/gtest.h>

#include "DialogFixture.h"

namespace ferrolin {
namespace {

namespace t = ui_texts;

class ConditionKeysTest : public DialogFixture {
protected:
    // The default path "C:\out\*.xml" is refused by Execute, so a message tells that it ran.
    ConditionKeysTest() { host.files.folders[0] = "C:\\out\\"; }
};

TEST_F(ConditionKeysTest, EnterMovesToTheNextField) {
    const struct {
        int from;
        int to;
        bool selectsAll;
    } cases[] = {
        {IDC_START_MONTH, IDC_END_MONTH, true},
        {IDC_END_MONTH, IDC_OUTPUT_PATH, true},
        {IDC_OUTPUT_PATH, IDC_BROWSE, false},
    };
    Run([&](CConditionDlg& d) {
        for (const auto& c : cases) {
            d.UserFocus(c.from);
            const int scrolls = Control(c.to).caretScrolls;
            d.UserKeyDown(VK_RETURN, false, false, false);
            EXPECT_EQ(FocusId(), c.to) << c.from;
            if (c.selectsAll) {
                EXPECT_TRUE(IsFocusedAndSelected(c.to, scrolls)) << c.from;
            }
        }
        EXPECT_TRUE(Messages().empty());
    });
}

TEST_F(ConditionKeysTest, EnterOnBrowseBrowsesAndOnExecuteExecutes) {
    ui.CancelFileDialog();
    Run([&](CConditionDlg& d) {
        d.UserFocus(IDC_BROWSE);
        d.UserKeyDown(VK_RETURN, false, false, false);
        EXPECT_EQ(ui.FileDialogs().size(), 1u);
        EXPECT_EQ(FocusId(), IDC_EXECUTE);
        d.UserKeyDown(VK_RETURN, false, false, false);
        EXPECT_EQ(Messages(), std::vector<std::string>{t::kBadPathText.Cp932()});
        EXPECT_FALSE(d.IsEnded());
    });
}

TEST_F(ConditionKeysTest, F12ExecutesFromAnyControlButNotWithAModifier) {
    const int controls[] = {IDC_START_MONTH,  IDC_END_MONTH, IDC_OUTPUT_PATH,   IDC_BROWSE,
                            IDC_SHAREHOLDERS, IDC_MEMBERS,   IDC_CANCEL_BUTTON, IDC_EXECUTE};
    Run([&](CConditionDlg& d) {
        for (const int id : controls) {
            d.UserFocus(id);
            ui.ClearRecords();
            d.UserKeyDown(VK_F12, false, false, false);
            EXPECT_EQ(Messages(), std::vector<std::string>{t::kBadPathText.Cp932()}) << id;
            EXPECT_EQ(FocusId(), IDC_OUTPUT_PATH) << id;
        }
        ui.ClearRecords();
        d.UserFocus(IDC_START_MONTH);
        d.UserKeyDown(VK_F12, true, false, false);
        d.UserKeyDown(VK_F12, false, true, false);
        d.UserKeyDown(VK_F12, false, false, true);
        EXPECT_TRUE(Messages().empty());
        EXPECT_EQ(FocusId(), IDC_START_MONTH);
    });
}

TEST_F(ConditionKeysTest, TheOkCommandGoesThroughExecutesChecks) {
    // Enter on a radio button, and Enter with a modifier in an edit, become the OK command.
    const struct {
        int focus;
        bool shift, ctrl, alt;
    } cases[] = {
        {IDC_SHAREHOLDERS, false, false, false}, {IDC_MEMBERS, false, false, false},
        {IDC_START_MONTH, true, false, false},   {IDC_END_MONTH, false, true, false},
        {IDC_OUTPUT_PATH, false, false, true},
    };
    Run([&](CConditionDlg& d) {
        for (const auto& c : cases) {
            d.UserFocus(c.focus);
            ui.ClearRecords();
            d.UserKeyDown(VK_RETURN, c.shift, c.ctrl, c.alt);
            EXPECT_EQ(Messages(), std::vector<std::string>{t::kBadPathText.Cp932()}) << c.focus;
            EXPECT_FALSE(d.IsEnded()) << c.focus;
        }
    });

    // With a usable path the OK command ends the dialog as Execute, never with IDOK.
    tree.MakeFolder("c/out");
    ui.ClearRecords();
    EXPECT_EQ(Run([&](CConditionDlg& d) {
                  d.UserType(IDC_OUTPUT_PATH, "C:\\out\\r.xml");
                  d.UserClick(IDC_MEMBERS);
                  d.UserKeyDown(VK_RETURN, false, false, false);
              }),
              IDC_EXECUTE);
    EXPECT_EQ(dlg.m_equityKind, kMembersEquity);
}

TEST_F(ConditionKeysTest, EscTheCloseBoxAndCancelStopWithTheStopMessage) {
    const std::function<void(CConditionDlg&)> ways[] = {
        [](CConditionDlg& d) { d.UserKeyDown(VK_ESCAPE, false, false, false); },
        [](CConditionDlg& d) { d.UserClose(); },
        [](CConditionDlg& d) { d.UserKeyDown(VK_F4, false, false, true); },
        [](CConditionDlg& d) { d.UserClick(IDC_CANCEL_BUTTON); },
        [](CConditionDlg& d) {
            d.UserFocus(IDC_CANCEL_BUTTON);
            d.UserKeyDown(VK_RETURN, false, false, false);
        },
    };
    for (const auto& way : ways) {
        ui.ClearRecords();
        EXPECT_EQ(Run(way), IDC_CANCEL_BUTTON);
        ASSERT_EQ(ui.MessageBoxes().size(), 1u);
        const auto& box = ui.MessageBoxes()[0];
        EXPECT_EQ(box.text, t::kStopped.Cp932());
        EXPECT_EQ(box.caption, t::kCaption.Cp932());
        EXPECT_EQ(box.Icon(), MB_ICONINFORMATION);
        EXPECT_EQ(box.Buttons(), MB_OK);
    }
}

TEST_F(ConditionKeysTest, BrowseOffersTheCurrentFolderAndNameAndTakesTheChoice) {
    const struct {
        std::string path, folder, name;
    } cases[] = {
        {"C:\\out\\r.xml", "C:\\out\\", "r.xml"},
        {"C:r.xml", "C:", "r.xml"},
        {"r.xml", "", "r.xml"},
        {"C:\\\x95\x5C", "C:\\", "\x95\x5C"},
    };
    for (const auto& c : cases) {
        ui.ClearRecords();
        ui.ChooseFile("C:\\chosen\\s.xml");
        Run([&](CConditionDlg& d) {
            d.UserType(IDC_OUTPUT_PATH, c.path);
            d.UserClick(IDC_BROWSE);
            ASSERT_EQ(ui.FileDialogs().size(), 1u);
            const FileDialogRequest& request = ui.FileDialogs()[0].request;
            EXPECT_FALSE(request.open);
            EXPECT_EQ(request.owner, d.GetSafeHwnd());
            EXPECT_EQ(request.initialFolder, c.folder) << c.path;
            EXPECT_EQ(request.fileName, c.name) << c.path;
            EXPECT_EQ(request.defaultExt, "XML");
            EXPECT_EQ(request.filter, "Xml Files (*.xml)|*.xml||");
            EXPECT_EQ(request.title, t::kBrowseTitle.Cp932());
            EXPECT_EQ(request.flags, 0x180Cu);
            EXPECT_EQ(Control(IDC_OUTPUT_PATH).text, "C:\\chosen\\s.xml");
            EXPECT_EQ(FocusId(), IDC_EXECUTE);
        });
    }

    ui.ClearRecords();
    ui.CancelFileDialog();
    Run([&](CConditionDlg& d) {
        d.UserType(IDC_OUTPUT_PATH, "C:\\keep.xml");
        d.UserClick(IDC_BROWSE);
        EXPECT_EQ(Control(IDC_OUTPUT_PATH).text, "C:\\keep.xml");
        EXPECT_EQ(FocusId(), IDC_EXECUTE);
    });
}

}  // namespace
}  // namespace ferrolin
