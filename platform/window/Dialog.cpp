#include "platform/window/Dialog.h"

#include <algorithm>

#include "platform/text/Cp932.h"
#include "platform/window/KeyState.h"
#include "platform/window/WindowBackend.h"
#include "platform/window/WindowRegistry.h"
#include "platform/window/WindowServices.h"

namespace ferrolin {

namespace {

bool HasStyle(const WindowState& control, std::uint32_t style) {
    return control.controlTemplate && (control.controlTemplate->styles & style) != 0;
}

bool CanTakeFocus(const WindowState& control) {
    return control.enabled && control.visible && control.kind != ControlKind::Static &&
           control.kind != ControlKind::GroupBox && control.kind != ControlKind::ProgressBar;
}

std::unique_ptr<CWnd> MakeView(ControlKind kind) {
    switch (kind) {
        case ControlKind::Edit:
            return std::make_unique<CEdit>();
        case ControlKind::PushButton:
        case ControlKind::AutoRadioButton:
        case ControlKind::GroupBox:
            return std::make_unique<CButton>();
        case ControlKind::ProgressBar:
            return std::make_unique<CProgressCtrl>();
        case ControlKind::Static:
            break;
    }
    return std::make_unique<CStatic>();
}

}  // namespace

CDialog::CDialog(const DialogTemplate& dialogTemplate, CWnd* parent)
    : m_pParentWnd(parent), m_template(dialogTemplate) {}

// Member views of a derived dialog are already gone here, so they are not touched.
CDialog::~CDialog() {
    m_boundViews.clear();
    DestroyWindows(false);
}

void CDialog::MakeWindows(HWND parent) {
    m_self = std::make_unique<WindowState>();
    m_self->isDialog = true;
    m_self->dialog = this;
    m_self->parent = parent;
    m_self->text = m_template.caption.Cp932();
    RegisterWindow(*m_self);
    for (const ControlTemplate& ct : m_template.controls) {
        auto control = std::make_unique<WindowState>();
        control->id = ct.id;
        control->kind = ct.kind;
        control->controlTemplate = &ct;
        control->dialog = this;
        control->parent = m_self->hwnd;
        control->text = ct.text.Cp932();
        // The controls of a template are all shown with their dialog.
        control->visible = true;
        RegisterWindow(*control);
        m_controls.push_back(std::move(control));
    }
    m_pState = m_self.get();
    m_focus = nullptr;
    m_ended = false;
    m_result = 0;
    if (IWindowBackend* backend = GetWindowBackend()) backend->OnDialogCreated(*this);
}

void CDialog::DestroyWindows(bool unbindViews) {
    if (!m_pState) return;
    if (IWindowBackend* backend = GetWindowBackend()) backend->OnDialogDestroyed(*this);
    if (unbindViews) {
        for (CWnd* view : m_boundViews) view->Attach(nullptr);
    }
    m_boundViews.clear();
    m_itemViews.clear();
    for (const auto& control : m_controls) UnregisterWindow(*control);
    UnregisterWindow(*m_self);
    m_controls.clear();
    m_self.reset();
    m_pState = nullptr;
    m_focus = nullptr;
}

// OnInitDialog's TRUE asks for the focus on the first tab stop that can take it.
void CDialog::InitDialog() {
    if (!OnInitDialog() || m_ended) return;
    auto first = std::find_if(m_controls.begin(), m_controls.end(), [](const auto& c) {
        return HasStyle(*c, CS_TABSTOP) && CanTakeFocus(*c);
    });
    if (first != m_controls.end()) FocusControl(first->get(), true);
}

std::intptr_t CDialog::DoModal() {
    IWindowBackend* backend = GetWindowBackend();
    if (!backend || m_pState) return -1;
    m_modal = true;
    const HWND parent = m_pParentWnd ? m_pParentWnd->GetSafeHwnd() : 0;
    // A modal dialog disables a window of ours that owns it while it runs. A foreign owner (the
    // host's window) is left alone: the host's window is already disabled for the whole run.
    WindowState* owner = FindLocalWindow(parent);
    const bool reenableOwner = owner && owner->enabled;
    if (reenableOwner) ferrolin::EnableWindow(parent, 0);

    MakeWindows(parent);
    InitDialog();
    if (!m_ended) {
        ShowWindow(true);
        if (!backend->RunModal(*this) || !m_ended) {
            m_ended = true;
            m_result = -1;
        }
    }
    const int result = m_result;
    DestroyWindows(true);
    if (reenableOwner) ferrolin::EnableWindow(parent, 1);
    return result;
}

BOOL CDialog::Create(CWnd* parent) {
    if (m_pState) return 0;
    m_modal = false;
    m_pParentWnd = parent;
    MakeWindows(parent ? parent->GetSafeHwnd() : 0);
    InitDialog();
    if ((m_template.styles & DS_VISIBLE) != 0) ShowWindow(true);
    return 1;
}

void CDialog::ShowWindow(bool show) {
    if (!m_pState || m_pState->visible == show) return;
    m_pState->visible = show;
    Changed(WindowChange::Visible);
}

void CDialog::DestroyWindow() { DestroyWindows(true); }

void CDialog::EndDialog(int result) {
    m_ended = true;
    m_result = result;
    if (!m_pState) return;
    ShowWindow(false);
    if (IWindowBackend* backend = GetWindowBackend()) backend->OnDialogEnded(*this);
}

void CDialog::DoDataExchange(CDataExchange*) {}

BOOL CDialog::OnInitDialog() {
    UpdateData(0);
    return 1;
}

void CDialog::OnOK() {
    if (!UpdateData(1)) return;
    EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG*) { return 0; }

void CDialog::OnCommand(int id) {
    if (id == IDOK) {
        OnOK();
    } else if (id == IDCANCEL) {
        OnCancel();
    }
}

WindowState* CDialog::FindControl(int id) const {
    for (const auto& control : m_controls) {
        if (control->id == id) return control.get();
    }
    return nullptr;
}

void CDialog::BindView(CWnd& view) {
    if (std::find(m_boundViews.begin(), m_boundViews.end(), &view) == m_boundViews.end()) {
        m_boundViews.push_back(&view);
    }
}

// A member view bound to the control is preferred, so that GetDlgItem and GetFocus answer the
// dialog's own members, as the framework's permanent window objects do.
CWnd* CDialog::ViewOf(WindowState* state) {
    if (!state) return nullptr;
    for (CWnd* view : m_boundViews) {
        if (view->GetState() == state) return view;
    }
    for (const auto& view : m_itemViews) {
        if (view->GetState() == state) return view.get();
    }
    m_itemViews.push_back(MakeView(state->kind));
    m_itemViews.back()->Attach(state);
    return m_itemViews.back().get();
}

CWnd* CDialog::GetDlgItem(int id) { return ViewOf(FindControl(id)); }

void CDialog::GotoDlgCtrl(CWnd* control) {
    if (!control || !control->GetState() || control->GetState()->dialog != this) return;
    FocusControl(control->GetState(), true);
}

CWnd* CDialog::GetFocus() { return ViewOf(m_focus); }

int CDialog::MessageBox(const std::string& text, const std::string& caption, UINT type) {
    return MessageBoxA(GetSafeHwnd(), text, caption, type);
}

// The dialog manager's focus move: an edit that gets the focus this way has all its text
// selected and the caret scrolled into view.
void CDialog::FocusControl(WindowState* control, bool selectAll) {
    if (!control || control->isDialog) return;
    m_focus = control;
    NotifyWindowChanged(*control, WindowChange::Focus);
    if (selectAll && control->kind == ControlKind::Edit) {
        control->selStart = 0;
        control->selEnd = static_cast<int>(control->text.size());
        ++control->caretScrolls;
        NotifyWindowChanged(*control, WindowChange::Selection);
    }
}

void CDialog::UserKeyDown(int virtualKey, bool shift, bool ctrl, bool alt) {
    if (!m_pState || m_ended) return;
    ScopedKeyState keys(shift, ctrl, alt);
    MSG msg;
    msg.hwnd = m_focus ? m_focus->hwnd : m_pState->hwnd;
    msg.message = alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
    msg.wParam = static_cast<WPARAM>(virtualKey);
    if (PreTranslateMessage(&msg)) return;
    DefaultKey(virtualKey, shift, ctrl, alt);
}

void CDialog::DefaultKey(int virtualKey, bool shift, bool ctrl, bool alt) {
    switch (virtualKey) {
        case VK_RETURN: {
            // A focused push button is the default one for the moment and is clicked.
            if (m_focus && m_focus->kind == ControlKind::PushButton) {
                if (m_focus->enabled) OnCommand(m_focus->id);
                return;
            }
            int defaultId = IDOK;
            for (const auto& control : m_controls) {
                if (control->kind == ControlKind::PushButton &&
                    HasStyle(*control, CS_DEFPUSHBUTTON)) {
                    if (!control->enabled) return;
                    defaultId = control->id;
                    break;
                }
            }
            OnCommand(defaultId);
            return;
        }
        case VK_ESCAPE:
            OnCommand(IDCANCEL);
            return;
        case VK_TAB:
            if (!ctrl && !alt) MoveTabFocus(shift);
            return;
        case VK_F4:
            if (alt) UserClose();
            return;
        default:
            return;
    }
}

void CDialog::MoveTabFocus(bool backwards) {
    const int count = static_cast<int>(m_controls.size());
    if (count == 0) return;
    int current = -1;
    for (int i = 0; i < count; ++i) {
        if (m_controls[static_cast<std::size_t>(i)].get() == m_focus) current = i;
    }
    if (current < 0) current = backwards ? 0 : count - 1;
    for (int n = 1; n <= count; ++n) {
        const int i = ((backwards ? current - n : current + n) % count + count) % count;
        WindowState* control = m_controls[static_cast<std::size_t>(i)].get();
        if (HasStyle(*control, CS_TABSTOP) && CanTakeFocus(*control)) {
            FocusControl(control, true);
            return;
        }
    }
}

// Typing replaces the whole text, as select-all then typing would: a digits-only edit refuses
// other characters, and no more than the edit's limit is taken.
void CDialog::UserType(int id, const std::string& text) {
    WindowState* control = FindControl(id);
    if (!m_pState || m_ended || !control || control->kind != ControlKind::Edit ||
        !control->enabled) {
        return;
    }
    FocusControl(control, false);
    std::string typed;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = CharLengthAt(text, i);
        const bool digit = length == 1 && text[i] >= '0' && text[i] <= '9';
        if (!HasStyle(*control, CS_NUMBER) || digit) typed.append(text, i, length);
        i += length;
    }
    if (control->limit > 0)
        typed = CutToWholeChars(typed, static_cast<std::size_t>(control->limit));
    control->text = typed;
    control->selStart = control->selEnd = static_cast<int>(typed.size());
    NotifyWindowChanged(*control, WindowChange::Text);
    NotifyWindowChanged(*control, WindowChange::Selection);
}

void CDialog::UserClick(int id) {
    WindowState* control = FindControl(id);
    if (!m_pState || m_ended || !control || !control->enabled || !control->visible) return;
    if (control->kind == ControlKind::PushButton) {
        FocusControl(control, false);
        OnCommand(id);
    } else if (control->kind == ControlKind::AutoRadioButton) {
        FocusControl(control, false);
        // An automatic radio button clears the others of its group: the controls from the last
        // group start up to the next one.
        auto self = std::find_if(m_controls.begin(), m_controls.end(),
                                 [&](const auto& c) { return c.get() == control; });
        auto begin = self;
        while (begin != m_controls.begin() && !HasStyle(**begin, CS_GROUP)) --begin;
        auto end = self + 1;
        while (end != m_controls.end() && !HasStyle(**end, CS_GROUP)) ++end;
        for (auto it = begin; it != end; ++it) {
            WindowState& other = **it;
            const bool checked = &other == control;
            if (other.kind == ControlKind::AutoRadioButton && other.checked != checked) {
                other.checked = checked;
                NotifyWindowChanged(other, WindowChange::Checked);
            }
        }
        OnCommand(id);
    }
}

void CDialog::UserFocus(int id) {
    WindowState* control = FindControl(id);
    if (!m_pState || m_ended || !control || !CanTakeFocus(*control)) return;
    FocusControl(control, true);
}

void CDialog::UserClose() {
    if (!m_pState || m_ended) return;
    OnCommand(IDCANCEL);
}

}  // namespace ferrolin
