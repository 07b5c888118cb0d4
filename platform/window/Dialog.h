#pragma once
// The dialog base: made from a template, run modally (DoModal) or made modeless (Create), with data
// exchange in both directions, key-down pre-translation, focus moves, command routing and ending
// with a result. The user's actions arrive through the User* operations, which the back ends (and
// tests) call; they behave as the framework's dialog manager does:
//   Enter on a push button clicks it; Enter elsewhere sends the default button's command, or the
//   OK command (IDOK) when no control is a default button, whatever modifiers are held; Esc, the
//   close box and Alt+F4 send the cancel command (IDCANCEL); Tab and Shift+Tab move between the
//   enabled tab stops, selecting all of an edit's text. A key reaches PreTranslateMessage first,
//   with GetKeyState reporting the modifiers of that key.
// GetDlgItem and GetFocus answer a member view bound with DDX_Control when there is one. When
// the windows go (after DoModal, DestroyWindow) the bound member views are unbound.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/DialogTemplate.h"
#include "platform/window/Window.h"

namespace ferrolin {

class CDialog;

// One queued key-down message, with the focused control as its window.
struct MSG {
    HWND hwnd = 0;
    UINT message = 0;   // WM_KEYDOWN or WM_SYSKEYDOWN
    WPARAM wParam = 0;  // virtual key
    LPARAM lParam = 0;
};

// The modifier keys as GetKeyState sees them while a key message is being handled: the state at
// the time of the message. High bit set (negative) when the key is down.
short GetKeyState(int virtualKey);

class CDataExchange {
public:
    CDataExchange(CDialog* dialog, BOOL saveAndValidate)
        : m_pDlgWnd(dialog), m_bSaveAndValidate(saveAndValidate) {}
    [[noreturn]] void Fail();  // ends the exchange; UpdateData then reports FALSE

    CDialog* m_pDlgWnd;
    BOOL m_bSaveAndValidate;
    WindowState* m_lastControl = nullptr;
};

void DDX_Control(CDataExchange* pDX, int id, CWnd& control);
void DDX_Text(CDataExchange* pDX, int id, std::string& value);
// Loading: limits the last exchanged edit to `maxChars` characters. Saving: a longer value fails
// the exchange with the framework's message.
void DDV_MaxChars(CDataExchange* pDX, const std::string& value, int maxChars);

class CDialog : public CWnd {
public:
    CDialog(const DialogTemplate& dialogTemplate, CWnd* parent);
    ~CDialog() override;

    // Makes the windows, runs OnInitDialog and, unless it ended the dialog, lets the back end run
    // it until it ends. Returns the result given to EndDialog, or -1 when it cannot be shown.
    virtual std::intptr_t DoModal();
    // Makes a modeless dialog (hidden until ShowWindow); `parent` may be null.
    virtual BOOL Create(CWnd* parent);
    void ShowWindow(bool show);
    void DestroyWindow();
    void EndDialog(int result);  // a modeless dialog is hidden

    BOOL UpdateData(BOOL saveAndValidate = 1);
    virtual void DoDataExchange(CDataExchange* pDX);
    virtual BOOL
    OnInitDialog();           // exchanges the members into the controls; TRUE: focus first tab stop
    virtual void OnOK();      // UpdateData(TRUE), then EndDialog(IDOK)
    virtual void OnCancel();  // EndDialog(IDCANCEL)
    // TRUE when the message was handled here; the default handling above is then skipped.
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Command routing: the dialog's message map. The base sends IDOK to OnOK and IDCANCEL to
    // OnCancel; derived dialogs handle their buttons' ids and call the base for the rest.
    virtual void OnCommand(int id);

    CWnd* GetDlgItem(int id);
    void GotoDlgCtrl(CWnd* control);  // focus; an edit's text is selected whole
    CWnd* GetFocus();
    int MessageBox(const std::string& text, const std::string& caption, UINT type);

    const DialogTemplate& GetTemplate() const { return m_template; }
    const std::vector<std::unique_ptr<WindowState>>& GetControls() const { return m_controls; }
    WindowState* FindControl(int id) const;
    // Remembers a member view bound by DDX_Control, so it is unbound when the windows go.
    void BindView(CWnd& view);
    WindowState* GetFocusState() const { return m_focus; }
    bool IsEnded() const { return m_ended; }
    int GetResult() const { return m_result; }
    bool IsModal() const { return m_modal; }

    // The user's actions, as the back ends deliver them.
    void UserKeyDown(int virtualKey, bool shift, bool ctrl, bool alt);
    void UserType(int id, const std::string& text);  // replaces an edit's text as typing would
    void UserClick(int id);                          // push or radio button
    void UserFocus(int id);
    void UserClose();  // close box, Alt+F4

protected:
    CWnd* m_pParentWnd;

private:
    friend class CWnd;
    void MakeWindows(HWND parent);
    void InitDialog();
    void DestroyWindows(bool unbindViews);
    void FocusControl(WindowState* control, bool selectAll);
    void DefaultKey(int virtualKey, bool shift, bool ctrl, bool alt);
    void MoveTabFocus(bool backwards);
    CWnd* ViewOf(WindowState* state);

    const DialogTemplate& m_template;
    std::unique_ptr<WindowState> m_self;
    std::vector<std::unique_ptr<WindowState>> m_controls;
    std::vector<std::unique_ptr<CWnd>> m_itemViews;  // views handed out by GetDlgItem
    std::vector<CWnd*> m_boundViews;                 // member views bound by DDX_Control
    WindowState* m_focus = nullptr;
    bool m_ended = false;
    bool m_modal = false;
    int m_result = 0;
};

}  // namespace ferrolin
