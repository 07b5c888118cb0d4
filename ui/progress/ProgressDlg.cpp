#include "ui/progress/ProgressDlg.h"

#include <cstdio>

#include "ui/progress/ProgressTexts.h"

namespace ferrolin {

namespace {
constexpr int kOverallTop = 1000;
constexpr int kPulseTop = 5;
}  // namespace

CProgressDlg::CProgressDlg() : CDialog(ProgressDialogTemplate(), nullptr) {}

void CProgressDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, kPulseBarId, m_pulseBar);
    DDX_Control(pDX, kOverallBarId, m_overallBar);
}

void CProgressDlg::StartOverall() {
    m_overallBar.SetRange(0, kOverallTop);
    m_overallBar.SetStep(1);
    m_overallBar.SetPos(0);
}

void CProgressDlg::Advance(std::int16_t from, std::int16_t to) {
    for (int v = from; v <= to; ++v) {
        if (v % 10 == 0) {
            char caption[64];
            std::snprintf(caption, sizeof caption, progress_texts::kCaptionFormat.Cp932().c_str(),
                          v / 10);
            SetWindowText(caption);
        }
        // A full run steps the bar 1,007 times over 0 to 1000, because consecutive ranges share
        // their end value. Stepped past the top, the bar would start over near empty just as the
        // run finishes; it is held full instead.
        int low = 0, high = 0;
        m_overallBar.GetRange(low, high);
        if (m_overallBar.GetPos() < high) m_overallBar.StepIt();
        Pulse();
        UpdateWindow();
    }
}

// Five steps fill the pulse bar and the sixth passes its top, so the bar starts over and stands
// empty between pulses.
void CProgressDlg::Pulse() {
    m_pulseBar.SetRange(0, kPulseTop);
    m_pulseBar.SetStep(1);
    m_pulseBar.SetPos(0);
    for (int i = 0; i <= kPulseTop; ++i) {
        m_pulseBar.StepIt();
        BringWindowToTop();
        SetForegroundWindow();
        UpdateWindow();
    }
}

}  // namespace ferrolin
