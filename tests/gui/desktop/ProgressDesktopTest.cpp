// The progress dialog on the desktop through a whole busy run of 32,768 accounts: the bars and
// the caption end where the model ends them, the window is painted by frame rather than on every
// call, and the desktop's share of the run stays small.

#include <gtest/gtest.h>
#include <wx/gauge.h>

#include <chrono>
#include <cstdio>
#include <tuple>

#include "ScreenPixels.h"
#include "gui/wx/WxBackend.h"
#include "gui/wx/WxDialogWindow.h"
#include "platform/window/WindowBackend.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin {
namespace {

constexpr int kAccounts = 32768;

// The calls of one run as the aggregation and the report writer make them.
void BusyRun(CProgressDlg& dlg) {
    dlg.StartOverall();
    dlg.Advance(0, 100);
    for (int i = 0; i < kAccounts; ++i) dlg.Pulse();
    dlg.Advance(100, 300);
    dlg.Advance(300, 400);
    dlg.Advance(400, 500);
    for (int step = 0; step < 40; ++step) dlg.Pulse();
    dlg.Advance(500, 600);
    dlg.Advance(600, 700);
    dlg.Advance(700, 1000);
}

double Seconds(std::chrono::steady_clock::duration d) {
    return std::chrono::duration<double>(d).count();
}

// The bars are really on the screen, not only in the widgets: half-way through a run, the overall
// bar is filled on its left and empty on its right.
TEST(ProgressDesktopTest, BarsReachTheScreenDuringTheBusyRun) {
    WxBackend backend;
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(nullptr));
    dlg.ShowWindow(true);
    dlg.StartOverall();
    dlg.Advance(0, 500);
    for (int i = 0; i < 2000; ++i) dlg.Pulse();
    // Further frames, as the busy run would go on painting them.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(300);
    while (std::chrono::steady_clock::now() < until) dlg.Pulse();

    wxWindow* overall = backend.WindowOf(dlg)->ControlOf(1016);
    const wxImage pixels = test::ScreenPixels(overall->GetScreenRect());
    if (!pixels.IsOk()) GTEST_SKIP() << "ImageMagick's import is not installed";
    const int y = pixels.GetHeight() / 2;
    const auto colour = [&](int x) {
        return std::tuple(pixels.GetRed(x, y), pixels.GetGreen(x, y), pixels.GetBlue(x, y));
    };
    const int w = pixels.GetWidth();
    EXPECT_EQ(colour(w / 8), colour(w * 3 / 8));      // filled
    EXPECT_EQ(colour(w * 5 / 8), colour(w * 7 / 8));  // empty
    EXPECT_NE(colour(w * 3 / 8), colour(w * 5 / 8));
    dlg.EndDialog(1);
    dlg.DestroyWindow();
}

TEST(ProgressDesktopTest, BusyRunIsPaintedByFrameAndEndsOnTheFinalState) {
    // The same calls with no back end: what the model itself costs.
    double modelOnly = 0;
    {
        IWindowBackend* previous = GetWindowBackend();
        SetWindowBackend(nullptr);
        CProgressDlg dlg;
        dlg.Create(nullptr);
        const auto start = std::chrono::steady_clock::now();
        BusyRun(dlg);
        modelOnly = Seconds(std::chrono::steady_clock::now() - start);
        dlg.DestroyWindow();
        SetWindowBackend(previous);
    }

    WxBackend backend;
    CProgressDlg dlg;
    ASSERT_TRUE(dlg.Create(nullptr));
    WxDialogWindow* window = backend.WindowOf(dlg);
    ASSERT_NE(window, nullptr);
    // Template 131: always on top, no close box.
    EXPECT_TRUE(window->HasFlag(wxSTAY_ON_TOP));
    EXPECT_FALSE(window->HasFlag(wxCLOSE_BOX));
    EXPECT_FALSE(window->HasFlag(wxSYSTEM_MENU));
    dlg.ShowWindow(true);
    EXPECT_TRUE(window->IsShown());

    const auto start = std::chrono::steady_clock::now();
    BusyRun(dlg);
    const double withDesktop = Seconds(std::chrono::steady_clock::now() - start);
    const long frames = backend.FramesPainted();

    dlg.EndDialog(1);  // paints the final state, then hides
    auto* overall = static_cast<wxGauge*>(window->ControlOf(1016));
    auto* pulse = static_cast<wxGauge*>(window->ControlOf(1017));
    EXPECT_EQ(overall->GetRange(), 1000);
    EXPECT_EQ(overall->GetValue(), 1000);
    EXPECT_EQ(pulse->GetRange(), 5);
    EXPECT_EQ(pulse->GetValue(), 0);  // the sixth step of a pulse starts the bar over
    EXPECT_EQ(window->GetTitle(), wxString::FromUTF8("集計中 100％"));
    EXPECT_FALSE(window->IsShown());

    std::printf(
        "progress: %d pulses; model alone %.3f s, with the desktop %.3f s "
        "(desktop's share %.3f s), %ld frames painted\n",
        kAccounts, modelOnly, withDesktop, withDesktop - modelOnly, frames);
    // Painting every call costs over a minute for this run; by frame, well under a second. The
    // bound leaves room for a loaded machine while still catching painting on every call.
    EXPECT_LT(withDesktop - modelOnly, 5.0);
    EXPECT_GT(frames, 0);
    EXPECT_LE(frames, static_cast<long>(withDesktop / 0.040) + 2);
    dlg.DestroyWindow();
}

}  // namespace
}  // namespace ferrolin
