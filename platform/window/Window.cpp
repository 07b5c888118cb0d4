#include "platform/window/Window.h"

#include <algorithm>

#include "platform/window/Dialog.h"
#include "platform/window/WindowBackend.h"
#include "platform/window/WindowRegistry.h"
#include "platform/window/WindowServices.h"

namespace ferrolin {

HWND CWnd::GetSafeHwnd() const { return m_pState ? m_pState->hwnd : 0; }

int CWnd::GetDlgCtrlID() const { return m_pState ? m_pState->id : 0; }

void CWnd::Changed(WindowChange change) {
    if (m_pState) NotifyWindowChanged(*m_pState, change);
}

// As the framework does, a program may set any text, also one longer than an edit's limit: the
// limit only restrains what the user types.
void CWnd::SetWindowText(const std::string& text) {
    if (!m_pState) return;
    m_pState->text = text;
    if (m_pState->kind == ControlKind::Edit && !m_pState->isDialog) {
        m_pState->selStart = 0;
        m_pState->selEnd = 0;
    }
    Changed(WindowChange::Text);
}

std::string CWnd::GetWindowText() const { return m_pState ? m_pState->text : std::string(); }

BOOL CWnd::EnableWindow(BOOL enable) { return ferrolin::EnableWindow(GetSafeHwnd(), enable); }

BOOL CWnd::IsWindowEnabled() const { return m_pState && m_pState->enabled ? 1 : 0; }

BOOL CWnd::IsWindowVisible() const { return m_pState && m_pState->visible ? 1 : 0; }

CWnd* CWnd::SetFocus() {
    if (!m_pState || !m_pState->dialog || m_pState->isDialog) return nullptr;
    CDialog* dialog = m_pState->dialog;
    CWnd* previous = dialog->GetFocus();
    dialog->FocusControl(m_pState, false);
    return previous;
}

void CWnd::UpdateWindow() { ferrolin::UpdateWindow(GetSafeHwnd()); }

BOOL CWnd::BringWindowToTop() { return ferrolin::BringWindowToTop(GetSafeHwnd()); }

BOOL CWnd::SetForegroundWindow() { return ferrolin::SetForegroundWindow(GetSafeHwnd()); }

void CEdit::SetLimitText(int maxBytes) {
    if (!m_pState) return;
    m_pState->limit = std::max(maxBytes, 0);
    Changed(WindowChange::Limit);
}

int CEdit::GetLimitText() const { return m_pState ? m_pState->limit : 0; }

void CEdit::SetSel(int start, int end) {
    if (!m_pState) return;
    const int length = static_cast<int>(m_pState->text.size());
    if (end < 0 || end > length) end = length;
    start = std::clamp(start, 0, length);
    m_pState->selStart = std::min(start, end);
    m_pState->selEnd = std::max(start, end);
    Changed(WindowChange::Selection);
}

void CEdit::GetSel(int& start, int& end) const {
    start = m_pState ? m_pState->selStart : 0;
    end = m_pState ? m_pState->selEnd : 0;
}

void CEdit::ScrollCaret() {
    if (!m_pState) return;
    ++m_pState->caretScrolls;
    Changed(WindowChange::Selection);
}

int CButton::GetCheck() const { return m_pState && m_pState->checked ? 1 : 0; }

void CButton::SetCheck(int check) {
    if (!m_pState) return;
    m_pState->checked = check != 0;
    Changed(WindowChange::Checked);
}

void CProgressCtrl::SetRange(int low, int high) {
    if (!m_pState) return;
    m_pState->rangeLow = low;
    m_pState->rangeHigh = high;
    m_pState->pos = std::clamp(m_pState->pos, std::min(low, high), std::max(low, high));
    Changed(WindowChange::Progress);
}

void CProgressCtrl::GetRange(int& low, int& high) const {
    low = m_pState ? m_pState->rangeLow : 0;
    high = m_pState ? m_pState->rangeHigh : 100;
}

void CProgressCtrl::SetStep(int step) {
    if (!m_pState) return;
    m_pState->step = step;
    Changed(WindowChange::Progress);
}

int CProgressCtrl::SetPos(int pos) {
    if (!m_pState) return 0;
    const int previous = m_pState->pos;
    m_pState->pos = std::clamp(pos, std::min(m_pState->rangeLow, m_pState->rangeHigh),
                               std::max(m_pState->rangeLow, m_pState->rangeHigh));
    Changed(WindowChange::Progress);
    return previous;
}

int CProgressCtrl::GetPos() const { return m_pState ? m_pState->pos : 0; }

// As the common control does: a step that passes the top of the range starts the bar over from
// the bottom (and one that passes the bottom, from the top).
int CProgressCtrl::StepIt() {
    if (!m_pState) return 0;
    WindowState& s = *m_pState;
    const int previous = s.pos;
    const long long next = static_cast<long long>(s.pos) + s.step;
    if (next > s.rangeHigh) {
        s.pos = s.rangeLow;
    } else if (next < s.rangeLow) {
        s.pos = s.rangeHigh;
    } else {
        s.pos = static_cast<int>(next);
    }
    Changed(WindowChange::Progress);
    return previous;
}

}  // namespace ferrolin
