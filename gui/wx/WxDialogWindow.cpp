#include "gui/wx/WxDialogWindow.h"

#include <wx/button.h>
#include <wx/gauge.h>
#include <wx/radiobut.h>
#include <wx/statbox.h>
#include <wx/stattext.h>
#include <wx/textctrl.h>

#include <algorithm>
#include <cstdlib>
#include <string>

#include "gui/wx/DialogFont.h"
#include "gui/wx/VirtualKeys.h"
#include "gui/wx/WxText.h"

namespace ferrolin {

namespace {

bool Has(std::uint32_t styles, std::uint32_t style) { return (styles & style) != 0; }

long DialogStyleOf(const DialogTemplate& dialogTemplate) {
    long style = 0;
    if (Has(dialogTemplate.styles, DS_CAPTION)) style |= wxCAPTION;
    if (Has(dialogTemplate.styles, DS_SYSMENU)) style |= wxSYSTEM_MENU | wxCLOSE_BOX;
    if (Has(dialogTemplate.styles, DS_SYSMODAL)) style |= wxSTAY_ON_TOP;
    return style;
}

// GTK's theme gives entries, buttons and bars paddings and minimum heights made for larger
// widgets than a template's 12-unit edits; these rules let a control take the template's size.
template <class Base>
class Compact : public Base {
public:
    template <class... Args>
    explicit Compact(const std::string& css, Args&&... args) : Base(std::forward<Args>(args)...) {
        this->GTKApplyCssStyle(css.c_str());
    }
};

const std::string kEditCss =
    "entry { min-height: 0; padding-top: 0; padding-bottom: 0; padding-left: 2px;"
    " padding-right: 2px; }";
const std::string kButtonCss = "button { min-height: 0; min-width: 0; padding: 0 2px; }";

std::string BarCss(int height) {
    const std::string inner = std::to_string(std::max(height - 2, 1)) + "px";
    return "progressbar trough { min-height: " + inner +
           "; min-width: 0; }"
           " progressbar progress { min-height: " +
           inner + "; }";
}

constexpr unsigned Bit(WindowChange change) { return 1u << static_cast<unsigned>(change); }

}  // namespace

WxDialogWindow::WxDialogWindow(CDialog& model, wxWindow* parent)
    : wxDialog(parent, wxID_ANY, ToWxText(model.GetState() ? model.GetState()->text : ""),
               wxDefaultPosition, wxDefaultSize, DialogStyleOf(model.GetTemplate())),
      m_model(&model) {
    const DialogTemplate& dialogTemplate = model.GetTemplate();
    // Set before the controls are made, so that they inherit it.
    SetFont(DialogFontOf(dialogTemplate));
    m_units = MeasureBaseUnits(GetFont());
    const PixelRect client = MapDialogRect(m_units, 0, 0, dialogTemplate.cx, dialogTemplate.cy);
    SetClientSize(client.width, client.height);

    const WindowState* previous = nullptr;
    for (const auto& control : model.GetControls()) {
        MakeControl(*control, previous);
        previous = control.get();
    }
    Bind(wxEVT_CHAR_HOOK, &WxDialogWindow::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &WxDialogWindow::OnClose, this);
    CentreOnParent();
}

void WxDialogWindow::MakeControl(const WindowState& state, const WindowState* previous) {
    if (!state.controlTemplate) return;
    const ControlTemplate& ct = *state.controlTemplate;
    const PixelRect r = MapDialogRect(m_units, ct.x, ct.y, ct.cx, ct.cy);
    const wxPoint pos(r.x, r.y);
    const wxSize size(r.width, r.height);
    const wxWindowID id = ct.id > 0 ? ct.id : wxID_ANY;
    const wxString text = ToWxText(state.text);

    wxWindow* window = nullptr;
    switch (ct.kind) {
        case ControlKind::Static: {
            const long align = Has(ct.styles, CS_RIGHT) ? wxALIGN_RIGHT : wxALIGN_LEFT;
            auto* label = new wxStaticText(this, id, text, pos, size, wxST_NO_AUTORESIZE | align);
            // A vertically centred static: the label is as tall as its text, in the middle.
            if (Has(ct.styles, CS_CENTERIMAGE)) {
                const int height = std::min(label->GetBestSize().y, r.height);
                label->SetSize(r.x, r.y + (r.height - height) / 2, r.width, height);
            }
            window = label;
            break;
        }
        case ControlKind::Edit: {
            long style = Has(ct.styles, CS_RIGHT) ? wxTE_RIGHT : wxTE_LEFT;
            if (!Has(ct.styles, CS_BORDER | CS_CLIENTEDGE | CS_STATICEDGE)) style |= wxBORDER_NONE;
            // No SetMaxLength: the limit restrains typing only (see OnEditChar), while the model
            // may show any text, as the framework's edits do.
            auto* edit = new Compact<wxTextCtrl>(kEditCss, this, id, text, pos, size, style);
            edit->Bind(wxEVT_TEXT, &WxDialogWindow::OnText, this);
            edit->Bind(wxEVT_CHAR, &WxDialogWindow::OnEditChar, this);
            window = edit;
            break;
        }
        case ControlKind::PushButton: {
            auto* button = new Compact<wxButton>(kButtonCss, this, id, text, pos, size);
            button->Bind(wxEVT_BUTTON, &WxDialogWindow::OnClick, this);
            window = button;
            break;
        }
        case ControlKind::AutoRadioButton: {
            // A radio group runs from a radio button that follows anything else, or that starts a
            // group itself, to the next such one.
            const bool starts = Has(ct.styles, CS_GROUP) || !previous ||
                                previous->kind != ControlKind::AutoRadioButton;
            auto* radio = new wxRadioButton(this, id, text, pos, size, starts ? wxRB_GROUP : 0);
            radio->Bind(wxEVT_RADIOBUTTON, &WxDialogWindow::OnClick, this);
            window = radio;
            break;
        }
        case ControlKind::GroupBox:
            window = new wxStaticBox(this, id, text, pos, size);
            break;
        case ControlKind::ProgressBar: {
            const long style = wxGA_HORIZONTAL | (Has(ct.styles, CS_SMOOTH) ? wxGA_SMOOTH : 0);
            window = new Compact<wxGauge>(BarCss(r.height), this, id, 100, pos, size, style);
            break;
        }
    }
    if (!window) return;
    if (ct.kind != ControlKind::Static && ct.kind != ControlKind::GroupBox &&
        ct.kind != ControlKind::ProgressBar) {
        window->Bind(wxEVT_SET_FOCUS, &WxDialogWindow::OnControlFocus, this);
    }
    m_controls.push_back({&state, window});
    ShowInitialState(m_controls.back());
}

void WxDialogWindow::ShowInitialState(const Control& control) {
    Reflecting reflecting(m_reflecting);
    const WindowState& s = *control.state;
    control.window->Enable(s.enabled);
    control.window->Show(s.visible);
    if (s.kind == ControlKind::AutoRadioButton && s.checked) {
        static_cast<wxRadioButton*>(control.window)->SetValue(true);
    }
    if (s.kind == ControlKind::ProgressBar) ShowProgress(control);
}

void WxDialogWindow::Detach() {
    m_model = nullptr;
    m_deferred.clear();
    m_raiseDeferred = false;
    m_controls.clear();
}

const WxDialogWindow::Control* WxDialogWindow::Find(const WindowState& state) const {
    for (const Control& control : m_controls) {
        if (control.state == &state) return &control;
    }
    return nullptr;
}

const WxDialogWindow::Control* WxDialogWindow::Find(const wxObject* window) const {
    for (const Control& control : m_controls) {
        if (control.window == window) return &control;
    }
    return nullptr;
}

wxWindow* WxDialogWindow::ControlOf(int id) const {
    for (const Control& control : m_controls) {
        if (control.state->id == id) return control.window;
    }
    return nullptr;
}

wxWindow* WxDialogWindow::ControlOf(const WindowState& state) const {
    const Control* control = Find(state);
    return control ? control->window : nullptr;
}

// ---- The model's state on the screen ---------------------------------------------------------

void WxDialogWindow::Reflect(const WindowState& window, WindowChange change) {
    if (!m_model) return;
    Reflecting reflecting(m_reflecting);
    if (window.isDialog) {
        switch (change) {
            case WindowChange::Text:
                if (GetTitle() != ToWxText(window.text)) SetTitle(ToWxText(window.text));
                break;
            case WindowChange::Enabled:
                Enable(window.enabled);
                break;
            case WindowChange::ZOrder:
                Raise();
                break;
            default:  // shown and hidden by the back end, which knows modal from modeless
                break;
        }
        return;
    }
    const Control* control = Find(window);
    if (!control) return;
    switch (change) {
        case WindowChange::Text:
            if (control->state != m_typing) ShowControlText(*control);
            break;
        case WindowChange::Enabled:
            control->window->Enable(window.enabled);
            break;
        case WindowChange::Visible:
            control->window->Show(window.visible);
            break;
        case WindowChange::Checked:
            // A radio group always shows one button checked; the model checks the new one.
            if (window.kind == ControlKind::AutoRadioButton && window.checked) {
                static_cast<wxRadioButton*>(control->window)->SetValue(true);
            }
            break;
        case WindowChange::Focus:
            // The user's own typing or click put the focus there already, caret and all.
            if (control->state != m_typing && control->state != m_focusing) ShowFocus(*control);
            break;
        case WindowChange::Selection:
            // While the user types or clicks, the caret is where the user put it.
            if (control->state != m_typing && control->state != m_focusing) ShowSelection(*control);
            break;
        case WindowChange::Progress:
            ShowProgress(*control);
            break;
        case WindowChange::Limit:
        case WindowChange::Parent:
        case WindowChange::ZOrder:
            break;
    }
}

void WxDialogWindow::ShowControlText(const Control& control) {
    const WindowState& s = *control.state;
    if (s.kind == ControlKind::Edit) {
        auto* edit = static_cast<wxTextCtrl*>(control.window);
        if (FromWxText(edit->GetValue()) != s.text) edit->ChangeValue(ToWxText(s.text));
        return;
    }
    if (s.kind == ControlKind::ProgressBar) return;  // a bar's text is not shown
    const wxString text = ToWxText(s.text);
    if (control.window->GetLabel() != text) control.window->SetLabel(text);
}

void WxDialogWindow::ShowEditText(const Control& control, const std::string& text, long caret) {
    Reflecting reflecting(m_reflecting);
    auto* edit = static_cast<wxTextCtrl*>(control.window);
    const wxString shown = ToWxText(text);
    edit->ChangeValue(shown);
    edit->SetInsertionPoint(std::clamp<long>(caret, 0, static_cast<long>(shown.length())));
}

void WxDialogWindow::ShowSelection(const Control& control) {
    const WindowState& s = *control.state;
    if (s.kind != ControlKind::Edit) return;
    auto* edit = static_cast<wxTextCtrl*>(control.window);
    edit->SetSelection(CharPositionOfByte(s.text, s.selStart),
                       CharPositionOfByte(s.text, s.selEnd));
}

void WxDialogWindow::ShowFocus(const Control& control) {
    if (wxWindow::FindFocus() != control.window) control.window->SetFocus();
    // GTK selects an entry's whole text when it takes the focus; the model's selection stands.
    ShowSelection(control);
}

void WxDialogWindow::ShowProgress(const Control& control) {
    const WindowState& s = *control.state;
    auto* gauge = static_cast<wxGauge*>(control.window);
    const int low = std::min(s.rangeLow, s.rangeHigh);
    const int range = std::max(std::abs(s.rangeHigh - s.rangeLow), 1);
    const int value = std::clamp(s.pos - low, 0, range);
    if (gauge->GetRange() != range) gauge->SetRange(range);
    if (gauge->GetValue() != value) gauge->SetValue(value);
}

void WxDialogWindow::Defer(const WindowState& window, WindowChange change) {
    if (!m_model) return;
    if (window.isDialog && change == WindowChange::ZOrder) {
        m_raiseDeferred = true;
        return;
    }
    for (auto& [state, changes] : m_deferred) {
        if (state == &window) {
            changes |= Bit(change);
            return;
        }
    }
    m_deferred.emplace_back(&window, Bit(change));
}

void WxDialogWindow::Paint() {
    if (!m_model) return;
    const auto deferred = std::exchange(m_deferred, {});
    for (const auto& [state, changes] : deferred) {
        for (WindowChange change : {WindowChange::Text, WindowChange::Progress}) {
            if (changes & Bit(change)) Reflect(*state, change);
        }
    }
    if (std::exchange(m_raiseDeferred, false) && IsShown()) Raise();
}

// ---- Modal run ---------------------------------------------------------------------------------

void WxDialogWindow::RunModalLoop() {
    m_settled = false;
    // Once the dialog is on the screen: the model's focus, and the keyboard for this window.
    CallAfter([this] {
        if (!m_model) return;
        Raise();
        ApplyModelFocus();
        m_settled = true;
    });
    ShowModal();
}

void WxDialogWindow::ApplyModelFocus() {
    if (!m_model) return;
    const WindowState* focus = m_model->GetFocusState();
    if (const Control* control = focus ? Find(*focus) : nullptr) {
        Reflecting reflecting(m_reflecting);
        control->window->SetFocus();
        ShowSelection(*control);
    }
}

void WxDialogWindow::ModelEnded() {
    if (IsModal()) {
        EndModal(m_model ? m_model->GetResult() : wxID_CANCEL);
    } else {
        Hide();
    }
}

void WxDialogWindow::AfterUserAction() {
    if (m_model && m_model->IsEnded()) ModelEnded();
}

// ---- The user's actions ------------------------------------------------------------------------

// Every key-down goes to the model first, with the modifiers as they are now; the dialog
// manager's keys stop there, the others reach the control (typing, caret moves).
void WxDialogWindow::OnCharHook(wxKeyEvent& event) {
    const std::optional<int> key = VirtualKeyOf(event.GetKeyCode());
    if (!m_model || m_model->IsEnded() || !key) {
        event.Skip();
        return;
    }
    RememberEditBeforeKey();
    m_model->UserKeyDown(*key, event.ShiftDown(), event.ControlDown(), event.AltDown());
    if (!IsDialogManagerKey(*key) && m_model && !m_model->IsEnded()) event.Skip();
    AfterUserAction();
}

// A typed character is refused before it reaches the edit, as the framework's edit refuses it:
// a non-digit in a digits-only edit, a character that would pass the edit's limit, or one that
// code page 932 cannot hold.
void WxDialogWindow::OnEditChar(wxKeyEvent& event) {
    const Control* control = m_model ? Find(event.GetEventObject()) : nullptr;
    const wxChar typed = event.GetUnicodeKey();
    if (!control || typed < 0x20 || typed == 0x7F || event.ControlDown() || event.AltDown()) {
        event.Skip();
        return;
    }
    const WindowState& state = *control->state;
    auto* edit = static_cast<wxTextCtrl*>(control->window);
    long from = 0, to = 0;
    edit->GetSelection(&from, &to);
    wxString after = edit->GetValue();
    after.replace(static_cast<std::size_t>(from), static_cast<std::size_t>(to - from),
                  wxString(typed));
    const std::optional<std::string> text = FromWxText(after);
    const bool digit = typed >= '0' && typed <= '9';
    const bool refused = !text || (Has(state.controlTemplate->styles, CS_NUMBER) && !digit) ||
                         (state.limit > 0 && text->size() > static_cast<std::size_t>(state.limit));
    if (!refused) {
        event.Skip();
        return;
    }
    // GTK removes a selection before the typed character arrives here; a refused keystroke
    // leaves the edit as it was before the key, as the framework's edit does.
    if (m_beforeKey.state == &state && edit->GetValue() != m_beforeKey.text) {
        const std::string before = FromWxText(m_beforeKey.text).value_or(state.text);
        ShowEditText(*control, before, m_beforeKey.to);
        edit->SetSelection(m_beforeKey.from, m_beforeKey.to);
        m_typing = &state;
        m_model->UserType(state.id, before);
        m_typing = nullptr;
    }
}

void WxDialogWindow::RememberEditBeforeKey() {
    m_beforeKey = {};
    const Control* control = Find(wxWindow::FindFocus());
    if (!control || control->state->kind != ControlKind::Edit) return;
    auto* edit = static_cast<wxTextCtrl*>(control->window);
    m_beforeKey.state = control->state;
    m_beforeKey.text = edit->GetValue();
    edit->GetSelection(&m_beforeKey.from, &m_beforeKey.to);
}

// The edit's new text (typed, pasted, composed) goes to the model, which takes what typing would
// take. When the model took less (a pasted text too long, a non-digit), the edit shows the
// model's text; that is done after GTK has finished its own change of the entry.
void WxDialogWindow::OnText(wxCommandEvent& event) {
    event.Skip();
    if (m_reflecting || !m_model) return;
    const Control* control = Find(event.GetEventObject());
    if (!control) return;
    const WindowState& state = *control->state;
    auto* edit = static_cast<wxTextCtrl*>(control->window);
    const wxString shown = edit->GetValue();
    std::optional<std::string> typed = FromWxText(shown);
    if (typed) {
        m_typing = &state;
        m_model->UserType(state.id, *typed);
        m_typing = nullptr;
    }
    if (!typed || state.text != *typed) {
        const long caret =
            edit->GetInsertionPoint() -
            (static_cast<long>(shown.length()) - static_cast<long>(ToWxText(state.text).length()));
        CallAfter([this, &state, caret] {
            if (const Control* again = m_model ? Find(state) : nullptr) {
                ShowEditText(*again, state.text, caret);
            }
        });
    }
    AfterUserAction();
}

void WxDialogWindow::OnClick(wxCommandEvent& event) {
    if (m_reflecting || !m_model) return;
    if (const Control* control = Find(event.GetEventObject())) {
        m_model->UserClick(control->state->id);
        AfterUserAction();
    }
}

void WxDialogWindow::OnControlFocus(wxFocusEvent& event) {
    event.Skip();
    if (m_reflecting || !m_model || !m_settled) return;
    const Control* control = Find(event.GetEventObject());
    if (!control || m_model->GetFocusState() == control->state) return;
    m_focusing = control->state;
    m_model->UserFocus(control->state->id);
    m_focusing = nullptr;
    AfterUserAction();
}

// The close box (and the window manager's close) is the model's close command; a dialog
// without a system menu has no close box and is not closed this way.
void WxDialogWindow::OnClose(wxCloseEvent& event) {
    if (m_model && Has(m_model->GetTemplate().styles, DS_SYSMENU)) {
        m_model->UserClose();
        AfterUserAction();
    }
    if (event.CanVeto()) event.Veto();
}

}  // namespace ferrolin
