// Saves PNG pictures of the desktop's dialogs for the documentation: the conditions dialog with
// its remembered record, the overwrite question, and the progress dialog in the middle of a run.
// Runs on a virtual X server (scripts/screenshots). Xvfb runs no window manager, so the title
// bar that one would draw is painted here from the window's caption.
//
// Usage: ferrolin_screenshots FOLDER

#include <wx/dcmemory.h>
#include <wx/evtloop.h>
#include <wx/image.h>

#include <chrono>
#include <cstdio>
#include <thread>

#include "ConditionsScene.h"
#include "DesktopUser.h"
#include "ScreenPixels.h"
#include "gui/wx/DialogFont.h"
#include "gui/wx/WxBackend.h"
#include "gui/wx/WxDialogWindow.h"
#include "gui/wx/WxSession.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin {
namespace {

using test::DesktopUser;

constexpr int kTitleBar = 22;

void LetTheScreenSettle() {
    for (int i = 0; i < 10; ++i) {
        if (wxEventLoopBase* loop = wxEventLoopBase::GetActive()) {
            loop->YieldFor(wxEVT_CATEGORY_UI);
        } else {
            wxGUIEventLoop().YieldFor(wxEVT_CATEGORY_UI);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    }
}

// Xvfb runs no window manager: the title bar one would draw is painted over the screen's pixels.
bool Capture(wxTopLevelWindow* window, const wxString& file) {
    LetTheScreenSettle();
    const wxRect rect = window->GetScreenRect();
    const wxImage screen = test::ScreenPixels(rect);
    if (!screen.IsOk()) {
        std::fprintf(stderr, "could not read the screen for %s\n", file.utf8_str().data());
        return false;
    }
    wxBitmap shot(rect.width, rect.height + kTitleBar);
    {
        wxMemoryDC dc(shot);
        dc.SetBrush(wxBrush(wxColour(0x2f, 0x57, 0x9a)));
        dc.SetPen(*wxTRANSPARENT_PEN);
        dc.DrawRectangle(0, 0, rect.width, kTitleBar);
        dc.SetFont(JapaneseUiFont(9).Bold());
        dc.SetTextForeground(*wxWHITE);
        const wxSize text = dc.GetTextExtent(window->GetTitle());
        dc.DrawText(window->GetTitle(), 6, (kTitleBar - text.y) / 2);
        dc.DrawBitmap(wxBitmap(screen), 0, kTitleBar);
    }
    const bool saved = shot.SaveFile(file, wxBITMAP_TYPE_PNG);
    std::printf("%s %s\n", saved ? "wrote" : "could not write", file.utf8_str().data());
    return saved;
}

bool ConditionsPictures(WxBackend& backend, const wxString& folder) {
    test::ConditionsScene scene;
    bool saved = true;
    auto window = [&] { return backend.WindowOf(scene.dlg); };
    DesktopUser user([&] { scene.dlg.EndDialog(-1); });
    user.When(
            "the dialog on the screen", [&] { return window() && window()->IsShownOnScreen(); },
            [&] { DesktopUser::PointAt(window()); })
        .When(
            "the start month focused",
            [&] { return wxWindow::FindFocus() == window()->ControlOf(IDC_START_MONTH); },
            [&] {
                saved &= Capture(window(), folder + "/conditions.png");
                DesktopUser::PressKey(WXK_F12);
            })
        .When(
            "the overwrite question", [] { return DesktopUser::ShownMessageBox() != nullptr; },
            [&] {
                WxMessageBox* box = DesktopUser::ShownMessageBox();
                saved &= Capture(box, folder + "/overwrite-question.png");
                DesktopUser::Click(DesktopUser::ButtonOf(box, wxID_NO));
            })
        .When(
            "the dialog back", [] { return DesktopUser::ShownMessageBox() == nullptr; },
            [&] { scene.dlg.EndDialog(IDC_CANCEL_BUTTON); });
    scene.dlg.DoModal();
    return saved && user.AllStepsDone();
}

bool ProgressPicture(WxBackend& backend, const wxString& folder) {
    CProgressDlg dlg;
    dlg.Create(nullptr);
    dlg.ShowWindow(true);
    dlg.StartOverall();
    dlg.Advance(0, 100);
    for (int i = 0; i < 2000; ++i) dlg.Pulse();
    dlg.Advance(100, 300);
    dlg.Advance(300, 420);
    dlg.m_pulseBar.SetPos(3);  // a pulse caught in the middle of its sweep
    backend.PaintAll();
    const bool saved = Capture(backend.WindowOf(dlg), folder + "/progress.png");
    dlg.EndDialog(1);
    dlg.DestroyWindow();
    return saved;
}

}  // namespace
}  // namespace ferrolin

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    ferrolin::WxSession session(argv[0]);
    if (!session.IsStarted()) {
        std::fprintf(stderr, "%s: no display\n", argv[0]);
        return 2;
    }
    wxImage::AddHandler(new wxPNGHandler);
    const wxString folder = wxString::FromUTF8(argv[1]);
    ferrolin::WxBackend backend;
    bool saved = ferrolin::ConditionsPictures(backend, folder);
    saved &= ferrolin::ProgressPicture(backend, folder);
    return saved ? 0 : 1;
}
