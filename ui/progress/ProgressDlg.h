#pragma once
// The progress dialog (template 131): an overall bar over 0 to 1000 with the percentage in the
// caption, and a pulse bar that sweeps once per processed item and brings the dialog to the front.
// The aggregation and the report writer drive it through Advance and Pulse.

#include <cstdint>

#include "platform/window/Dialog.h"

namespace ferrolin {

const DialogTemplate& ProgressDialogTemplate();  // template 131

inline constexpr int kOverallBarId = 1016;
inline constexpr int kPulseBarId = 1017;

class CProgressDlg : public CDialog {
public:
    CProgressDlg();
    void DoDataExchange(CDataExchange* pDX) override;

    void StartOverall();  // range 0 to 1000, step 1, position 0
    void Advance(std::int16_t from, std::int16_t to);
    void Pulse();

    CProgressCtrl m_pulseBar;    // kPulseBarId
    CProgressCtrl m_overallBar;  // kOverallBarId
};

}  // namespace ferrolin
