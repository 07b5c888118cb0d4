#include "ui/progress/ProgressDlg.h"
#include "ui/progress/ProgressTexts.h"

namespace ferrolin {

// Dialog template 131: always on top, no system menu and so no close box, hidden until shown.
const DialogTemplate& ProgressDialogTemplate() {
    using namespace progress_texts;
    static const DialogTemplate kTemplate{
        131,
        kCaption,
        kFontName,
        9,
        221,
        45,
        DS_POPUP | DS_CAPTION | DS_MODALFRAME | DS_SYSMODAL,
        {
            // id, kind, text, x, y, cx, cy, styles
            {kOverallBarId, ControlKind::ProgressBar, kOverallBarText, 5, 6, 211, 22,
             CS_VISIBLE | CS_BORDER | CS_SMOOTH | CS_STATICEDGE | CS_CLIENTEDGE},
            {kPulseBarId, ControlKind::ProgressBar, kPulseBarText, 5, 29, 211, 10,
             CS_VISIBLE | CS_BORDER | CS_STATICEDGE},
        },
    };
    return kTemplate;
}

}  // namespace ferrolin
