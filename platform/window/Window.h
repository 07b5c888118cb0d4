#pragma once
// The window model: windows and controls with the state a dialog's rules read and change (text,
// enabled, visible, checked, focus, selection, edit limit, progress range, step and position).
// The state lives in WindowState, one per window the process made; CWnd and the control classes
// are the framework-style views the dialogs use. Every change is reported to the back end, which
// shows it; nothing here knows a toolkit.

#include <cstdint>
#include <string>
#include <vector>

#include "platform/window/DialogTemplate.h"
#include "platform/window/WindowTypes.h"

namespace ferrolin {

class CDialog;

// What changed on a window, for the back end.
enum class WindowChange {
    Text,  // caption of a dialog, text of a control
    Enabled,
    Visible,
    Checked,
    Focus,      // the control became the dialog's focus
    Selection,  // edit selection, caret scroll
    Limit,
    Progress,  // range, step or position
    Parent,
    ZOrder,  // brought to the top / made the foreground window
};

struct WindowState {
    HWND hwnd = 0;
    int id = IDC_STATIC;
    bool isDialog = false;
    ControlKind kind = ControlKind::Static;            // controls only
    const ControlTemplate* controlTemplate = nullptr;  // controls only
    CDialog* dialog = nullptr;                         // the dialog a control belongs to, or itself
    HWND parent = 0;                                   // owner or parent window, local or foreign

    std::string text;  // code page 932
    bool enabled = true;
    bool visible = false;
    bool checked = false;          // radio buttons
    int selStart = 0, selEnd = 0;  // edits, in bytes
    int caretScrolls = 0;          // edits: how often the caret was scrolled into view
    int limit = 0;                 // edits: most bytes the user may type; 0 = no limit set
    int rangeLow = 0, rangeHigh = 100, step = 10, pos = 0;  // progress bars
    int topCount = 0;         // how often brought to the top of the window order
    int foregroundCount = 0;  // how often made the foreground window
    int repaintCount = 0;     // explicit repaints (UpdateWindow)
};

// A framework-style view of one window. Views of controls are bound with DDX_Control or got from
// CDialog::GetDlgItem; a view that is bound to nothing does nothing and reports defaults.
class CWnd {
public:
    CWnd() = default;
    virtual ~CWnd() = default;

    HWND GetSafeHwnd() const;
    int GetDlgCtrlID() const;
    WindowState* GetState() const { return m_pState; }
    void Attach(WindowState* state) { m_pState = state; }

    void SetWindowText(const std::string& text);
    std::string GetWindowText() const;
    BOOL EnableWindow(BOOL enable);  // returns whether it was disabled before, as Windows does
    BOOL IsWindowEnabled() const;
    BOOL IsWindowVisible() const;
    CWnd* SetFocus();     // focuses this control in its dialog
    void UpdateWindow();  // explicit repaint
    BOOL BringWindowToTop();
    BOOL SetForegroundWindow();

protected:
    void Changed(WindowChange change);
    WindowState* m_pState = nullptr;
};

class CStatic : public CWnd {};

class CEdit : public CWnd {
public:
    void SetLimitText(int maxBytes);
    int GetLimitText() const;
    void SetSel(int start, int end);  // end -1: to the end of the text
    void GetSel(int& start, int& end) const;
    void ScrollCaret();  // EM_SCROLLCARET
};

class CButton : public CWnd {
public:
    int GetCheck() const;  // 1 checked, 0 not
    void SetCheck(int check);
};

class CProgressCtrl : public CWnd {
public:
    void SetRange(int low, int high);
    void GetRange(int& low, int& high) const;
    void SetStep(int step);
    int SetPos(int pos);  // returns the previous position
    int GetPos() const;
    int StepIt();  // past the top of the range the bar starts over from the bottom
};

}  // namespace ferrolin
