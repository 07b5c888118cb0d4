#pragma once
// One dialog of the window model on the desktop: a wx dialog built from the model's template in
// dialog units. It shows the model's state and hands every user action to the model; what a key,
// a click or typed text means is the model's business, never decided here.

#include <wx/dialog.h>

#include <utility>
#include <vector>

#include "gui/wx/DialogUnits.h"
#include "platform/window/Dialog.h"

namespace ferrolin {

class WxDialogWindow : public wxDialog {
public:
    WxDialogWindow(CDialog& model, wxWindow* parent);

    CDialog* Model() const { return m_model; }
    // The model's dialog is being destroyed: from now on the window calls nothing of it.
    void Detach();

    // Shows one change of the model's state now.
    void Reflect(const WindowState& window, WindowChange change);
    // Records a change to be shown with the next Paint (the busy run's updates, see WxBackend).
    void Defer(const WindowState& window, WindowChange change);
    bool HasDeferred() const { return !m_deferred.empty() || m_raiseDeferred; }
    // Shows every recorded change and brings the window to the top when that was asked for. GTK
    // paints it in its next frame, which the back end's yield runs (a forced wxWindow::Update
    // here would make GTK 3 drop the window's later frames).
    void Paint();

    // Runs the dialog modally until the model ends it.
    void RunModalLoop();
    // The model ended the dialog: a modal run returns, a modeless dialog is hidden.
    void ModelEnded();

    const DialogBaseUnits& BaseUnits() const { return m_units; }
    wxWindow* ControlOf(int id) const;  // the wx control of a template id, or null
    wxWindow* ControlOf(const WindowState& state) const;

private:
    struct Control {
        const WindowState* state;
        wxWindow* window;
    };
    // Marks the time in which wx events come from our own changes, not from the user.
    class Reflecting {
    public:
        explicit Reflecting(int& depth) : m_depth(depth) { ++m_depth; }
        ~Reflecting() { --m_depth; }
        Reflecting(const Reflecting&) = delete;
        Reflecting& operator=(const Reflecting&) = delete;

    private:
        int& m_depth;
    };

    void MakeControl(const WindowState& state, const WindowState* previous);
    void ShowInitialState(const Control& control);
    const Control* Find(const WindowState& state) const;
    const Control* Find(const wxObject* window) const;
    void ShowControlText(const Control& control);
    void ShowEditText(const Control& control, const std::string& text, long caret);
    void ShowSelection(const Control& control);
    void ShowFocus(const Control& control);
    void ShowProgress(const Control& control);
    void ApplyModelFocus();
    void RememberEditBeforeKey();
    void AfterUserAction();

    void OnCharHook(wxKeyEvent& event);
    void OnEditChar(wxKeyEvent& event);
    void OnText(wxCommandEvent& event);
    void OnClick(wxCommandEvent& event);
    void OnControlFocus(wxFocusEvent& event);
    void OnClose(wxCloseEvent& event);

    CDialog* m_model;
    DialogBaseUnits m_units;
    std::vector<Control> m_controls;
    std::vector<std::pair<const WindowState*, unsigned>> m_deferred;  // state, changes as bits
    bool m_raiseDeferred = false;
    int m_reflecting = 0;
    const WindowState* m_typing = nullptr;    // the edit whose typed text is being delivered
    const WindowState* m_focusing = nullptr;  // the control the user is focusing
    bool m_settled = false;                   // shown with the model's focus in place
    struct {
        const WindowState* state = nullptr;  // the focused edit when the last key went down
        wxString text;
        long from = 0, to = 0;
    } m_beforeKey;
};

}  // namespace ferrolin
