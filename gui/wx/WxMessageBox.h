#pragma once
// The framework's message box on the desktop: the icon beside the text, the buttons below it in
// the framework's order ("はい" before "いいえ"), the first button focused. A question cannot be
// closed without an answer (no Esc, no close box); an OK box answers OK however it is closed.

#include <wx/dialog.h>
#include <wx/string.h>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

class WxMessageBox : public wxDialog {
public:
    // `type`: the framework's MB_* buttons and icon.
    WxMessageBox(wxWindow* owner, const wxString& text, const wxString& caption, UINT type);

    // Shows the box modally; IDOK, IDYES or IDNO.
    int Ask();
    const wxString& Message() const { return m_text; }

private:
    void OnButton(wxCommandEvent& event);
    void OnCharHook(wxKeyEvent& event);
    void OnClose(wxCloseEvent& event);

    wxString m_text;
    bool m_question;
};

}  // namespace ferrolin
