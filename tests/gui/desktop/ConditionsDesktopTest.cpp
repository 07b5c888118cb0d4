// The conditions dialog on the desktop, driven through the X server as a user would drive it:
// typing, Enter, F12, Esc, and the answers to message boxes.

#include <gtest/gtest.h>
#include <wx/fontenum.h>
#include <wx/radiobut.h>
#include <wx/textctrl.h>

#include "ConditionsScene.h"
#include "DesktopUser.h"
#include "gui/wx/WxBackend.h"
#include "gui/wx/WxDialogWindow.h"
#include "gui/wx/WxText.h"
#include "ui/UiTexts.h"

namespace ferrolin {
namespace {

using test::DesktopUser;
namespace t = ui_texts;

wxString Wx(const FixedText& text) { return wxString::FromUTF8(text.Utf8()); }

class ConditionsDesktopTest : public ::testing::Test {
protected:
    WxDialogWindow* Window() const { return backend.WindowOf(scene.dlg); }
    wxWindow* Control(int id) const { return Window() ? Window()->ControlOf(id) : nullptr; }
    wxString Shown(int id) const {
        auto* edit = dynamic_cast<wxTextCtrl*>(Control(id));
        return edit ? edit->GetValue() : wxString();
    }
    // The keyboard is in the control, for the toolkit and for the model alike.
    bool HasFocus(int id) const {
        const WindowState* focus = scene.dlg.GetFocusState();
        return Control(id) && wxWindow::FindFocus() == Control(id) && focus && focus->id == id;
    }
    // Waits for the dialog on the screen and points at it, so that keys go to it.
    void OpenOnScreen() {
        user.When(
            "the dialog on the screen", [this] { return Window() && Window()->IsShownOnScreen(); },
            [this] { DesktopUser::PointAt(Window()); });
    }

    test::ConditionsScene scene;
    WxBackend backend;
    DesktopUser user{[this] { scene.dlg.EndDialog(-1); }};
};

TEST_F(ConditionsDesktopTest, TypedMonthsEnterAndF12EndInExecuteAfterTheOverwriteQuestion) {
    wxString question, yesLabel, noLabel;
    OpenOnScreen();
    user.When(
            "start month focused", [&] { return HasFocus(IDC_START_MONTH); },
            [] { DesktopUser::TypeText("5"); })
        .When(
            "start month typed", [&] { return Shown(IDC_START_MONTH) == "5"; },
            [] { DesktopUser::PressKey(WXK_RETURN); })
        .When(
            "end month focused", [&] { return HasFocus(IDC_END_MONTH); },
            [] { DesktopUser::TypeText("9"); })
        .When(
            "end month typed", [&] { return Shown(IDC_END_MONTH) == "9"; },
            [] { DesktopUser::PressKey(WXK_RETURN); })
        .When(
            "path focused", [&] { return HasFocus(IDC_OUTPUT_PATH); },
            [] { DesktopUser::PressKey(WXK_RETURN); })
        .When(
            "browse focused", [&] { return HasFocus(IDC_BROWSE); },
            [] { DesktopUser::PressKey(WXK_F12); })
        .When(
            "the overwrite question", [] { return DesktopUser::ShownMessageBox() != nullptr; },
            [&] {
                WxMessageBox* box = DesktopUser::ShownMessageBox();
                question = DesktopUser::MessageOf(box);
                yesLabel = DesktopUser::ButtonOf(box, wxID_YES)->GetLabel();
                noLabel = DesktopUser::ButtonOf(box, wxID_NO)->GetLabel();
                DesktopUser::Click(DesktopUser::ButtonOf(box, wxID_YES));
            });

    EXPECT_EQ(scene.dlg.DoModal(), IDC_EXECUTE);
    EXPECT_TRUE(user.AllStepsDone());
    EXPECT_EQ(question, Wx(t::kOverwrite));
    EXPECT_EQ(yesLabel, wxString::FromUTF8("はい"));
    EXPECT_EQ(noLabel, wxString::FromUTF8("いいえ"));
    EXPECT_EQ(scene.dlg.m_strStartMonth, "5");
    EXPECT_EQ(scene.dlg.m_strEndMonth, "9");
    EXPECT_EQ(scene.dlg.m_strOutputPath, scene.reportWindowsPath);
    EXPECT_EQ(scene.dlg.m_equityKind, kShareholdersEquity);
}

// The month edits take two digits at most and digits only; a refused keystroke leaves the text
// (and its selection) as it was, on the screen and in the model. Esc then stops the run after its
// message.
TEST_F(ConditionsDesktopTest, MonthEditsRefuseOtherKeysAndEscStops) {
    wxString shownAfterLetter, shownAfterDigits, stopMessage;
    std::string modelAfterLetter, modelAfterDigits;
    const auto startMonth = [&] { return scene.dlg.FindControl(IDC_START_MONTH)->text; };
    OpenOnScreen();
    // The remembered "4" is selected: the refused "x" leaves it as it was.
    user.When(
            "start month focused", [&] { return HasFocus(IDC_START_MONTH); },
            [] {
                DesktopUser::TypeText("x");
                DesktopUser::PressKey(WXK_TAB);  // arrives after the typed key
            })
        .When(
            "end month focused", [&] { return HasFocus(IDC_END_MONTH); },
            [&] {
                shownAfterLetter = Shown(IDC_START_MONTH);
                modelAfterLetter = startMonth();
                DesktopUser::PressKey(WXK_TAB, wxMOD_SHIFT);
            })
        // Back with all selected: "4" and "2" are taken, "5" would pass the limit.
        .When(
            "start month focused again", [&] { return HasFocus(IDC_START_MONTH); },
            [] {
                DesktopUser::TypeText("425");
                DesktopUser::PressKey(WXK_TAB);
            })
        .When(
            "end month focused again", [&] { return HasFocus(IDC_END_MONTH); },
            [&] {
                shownAfterDigits = Shown(IDC_START_MONTH);
                modelAfterDigits = startMonth();
                DesktopUser::PressKey(WXK_ESCAPE);
            })
        .When(
            "the stop message", [] { return DesktopUser::ShownMessageBox() != nullptr; },
            [&] {
                WxMessageBox* box = DesktopUser::ShownMessageBox();
                stopMessage = DesktopUser::MessageOf(box);
                EXPECT_EQ(DesktopUser::ButtonOf(box, wxID_NO), nullptr);
                DesktopUser::Click(DesktopUser::ButtonOf(box, wxID_OK));
            });

    EXPECT_EQ(scene.dlg.DoModal(), IDC_CANCEL_BUTTON);
    EXPECT_TRUE(user.AllStepsDone());
    EXPECT_EQ(shownAfterLetter, "4");
    EXPECT_EQ(modelAfterLetter, "4");
    EXPECT_EQ(shownAfterDigits, "42");
    EXPECT_EQ(modelAfterDigits, "42");
    EXPECT_EQ(stopMessage, Wx(t::kStopped));
}

// Template 130 on the screen: every control where its dialog units put it, the template's
// Gothic face or its nearest, no default button, the radio buttons one group.
TEST_F(ConditionsDesktopTest, TemplateLaysOutInDialogUnits) {
    OpenOnScreen();
    user.When(
        "the dialog on the screen", [] { return true; },
        [&] {
            WxDialogWindow* window = Window();
            const wxString face = window->GetFont().GetFaceName();
            EXPECT_TRUE(face == "IPAPGothic" || !wxFontEnumerator::IsValidFacename("IPAPGothic"))
                << face;
            EXPECT_EQ(window->GetTitle(), Wx(t::kDialogCaption));
            EXPECT_EQ(window->GetClientSize(), wxSize(MulDiv(281, window->BaseUnits().cx, 4),
                                                      MulDiv(167, window->BaseUnits().cy, 8)));
            for (const auto& state : scene.dlg.GetControls()) {
                const ControlTemplate& ct = *state->controlTemplate;
                wxWindow* control = window->ControlOf(*state);
                ASSERT_NE(control, nullptr);
                const PixelRect r = MapDialogRect(window->BaseUnits(), ct.x, ct.y, ct.cx, ct.cy);
                if (ct.kind == ControlKind::Static) {
                    // Vertically centred in its box.
                    EXPECT_EQ(control->GetPosition().x, r.x) << ct.id;
                    EXPECT_GE(control->GetPosition().y, r.y) << ct.id;
                    EXPECT_LE(control->GetRect().GetBottom(), r.y + r.height) << ct.id;
                } else {
                    EXPECT_EQ(control->GetRect(), wxRect(r.x, r.y, r.width, r.height)) << ct.id;
                }
            }
            EXPECT_EQ(window->GetDefaultItem(), nullptr);
            EXPECT_TRUE(window->ControlOf(IDC_SHAREHOLDERS)->HasFlag(wxRB_GROUP));
            EXPECT_FALSE(window->ControlOf(IDC_MEMBERS)->HasFlag(wxRB_GROUP));
            EXPECT_TRUE(
                static_cast<wxRadioButton*>(window->ControlOf(IDC_SHAREHOLDERS))->GetValue());
            EXPECT_EQ(Shown(IDC_OUTPUT_PATH), ToWxText(scene.reportWindowsPath));
            scene.dlg.EndDialog(IDC_CANCEL_BUTTON);
        });
    EXPECT_EQ(scene.dlg.DoModal(), IDC_CANCEL_BUTTON);
    EXPECT_TRUE(user.AllStepsDone());
}

}  // namespace
}  // namespace ferrolin
