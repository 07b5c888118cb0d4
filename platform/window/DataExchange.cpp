#include <cstdio>
#include <string>

#include "platform/window/Dialog.h"
#include "platform/window/WindowServices.h"
#include "platform/window/WindowTexts.h"

namespace ferrolin {

namespace {

// Thrown by CDataExchange::Fail and caught by CDialog::UpdateData only.
struct DataExchangeFailure {};

WindowState* ControlOf(CDataExchange* pDX, int id) {
    WindowState* control = pDX->m_pDlgWnd->FindControl(id);
    pDX->m_lastControl = control;
    return control;
}

}  // namespace

// As the framework does: the failing control gets the focus (an edit's text selected) so the
// user can correct it; the exchange then stops.
void CDataExchange::Fail() {
    if (m_bSaveAndValidate && m_lastControl) {
        CWnd* control = m_pDlgWnd->GetDlgItem(m_lastControl->id);
        if (control) m_pDlgWnd->GotoDlgCtrl(control);
    }
    throw DataExchangeFailure{};
}

BOOL CDialog::UpdateData(BOOL saveAndValidate) {
    if (!m_pState) return 0;
    CDataExchange dx(this, saveAndValidate);
    try {
        DoDataExchange(&dx);
    } catch (const DataExchangeFailure&) {
        return 0;
    }
    return 1;
}

void DDX_Control(CDataExchange* pDX, int id, CWnd& control) {
    WindowState* state = ControlOf(pDX, id);
    if (control.GetState() == state) return;
    control.Attach(state);
    pDX->m_pDlgWnd->BindView(control);
}

void DDX_Text(CDataExchange* pDX, int id, std::string& value) {
    WindowState* state = ControlOf(pDX, id);
    if (!state) return;
    CWnd* control = pDX->m_pDlgWnd->GetDlgItem(id);
    if (pDX->m_bSaveAndValidate) {
        value = control->GetWindowText();
    } else {
        control->SetWindowText(value);
    }
}

void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars) {
    WindowState* last = pDX->m_lastControl;
    if (pDX->m_bSaveAndValidate) {
        if (static_cast<long long>(value.size()) > maxChars) {
            char message[128];
            std::snprintf(message, sizeof message, window_texts::kMaxCharsFormat.Cp932().c_str(),
                          maxChars);
            MessageBoxA(pDX->m_pDlgWnd->GetSafeHwnd(), message, std::string(),
                        MB_OK | MB_ICONEXCLAMATION);
            pDX->Fail();
        }
    } else if (last && last->kind == ControlKind::Edit) {
        CEdit* edit = static_cast<CEdit*>(pDX->m_pDlgWnd->GetDlgItem(last->id));
        edit->SetLimitText(maxChars);
    }
}

}  // namespace ferrolin
