#include "gui/wx/WxMessageBox.h"

#include <wx/artprov.h>
#include <wx/button.h>
#include <wx/sizer.h>
#include <wx/statbmp.h>
#include <wx/stattext.h>

#include "gui/wx/DialogFont.h"
#include "gui/wx/WxTexts.h"

namespace ferrolin {

namespace {

wxString Label(const FixedText& text) { return wxString::FromUTF8(text.Utf8()); }

wxArtID IconOf(UINT type) {
    switch (type & MB_ICONMASK) {
        case 0x10:
            return wxART_ERROR;
        case MB_ICONQUESTION:
            return wxART_QUESTION;
        case MB_ICONEXCLAMATION:
            return wxART_WARNING;
        case MB_ICONINFORMATION:
            return wxART_INFORMATION;
        default:
            return {};
    }
}

}  // namespace

WxMessageBox::WxMessageBox(wxWindow* owner, const wxString& text, const wxString& caption,
                           UINT type)
    : wxDialog(owner, wxID_ANY, caption, wxDefaultPosition, wxDefaultSize,
               wxCAPTION | ((type & MB_TYPEMASK) == MB_YESNO ? 0 : wxSYSTEM_MENU | wxCLOSE_BOX) |
                   (owner ? 0 : wxDIALOG_NO_PARENT)),
      m_text(text),
      m_question((type & MB_TYPEMASK) == MB_YESNO) {
    SetFont(JapaneseUiFont(9));
    auto* body = new wxBoxSizer(wxHORIZONTAL);
    if (const wxArtID icon = IconOf(type); !icon.empty()) {
        const wxBitmap bitmap = wxArtProvider::GetBitmap(icon, wxART_MESSAGE_BOX);
        if (bitmap.IsOk()) body->Add(new wxStaticBitmap(this, wxID_ANY, bitmap), 0, wxRIGHT, 12);
    }
    body->Add(new wxStaticText(this, wxID_ANY, text), 0, wxALIGN_CENTER_VERTICAL);

    auto* buttons = new wxBoxSizer(wxHORIZONTAL);
    const auto add = [&](wxWindowID id, const FixedText& label) {
        auto* button = new wxButton(this, id, Label(label));
        button->Bind(wxEVT_BUTTON, &WxMessageBox::OnButton, this);
        buttons->Add(button, 0, wxLEFT | wxRIGHT, 4);
        return button;
    };
    wxButton* first = m_question ? add(wxID_YES, wx_texts::kYes) : add(wxID_OK, wx_texts::kOk);
    if (m_question) add(wxID_NO, wx_texts::kNo);

    auto* all = new wxBoxSizer(wxVERTICAL);
    all->Add(body, 0, wxALL, 16);
    all->Add(buttons, 0, wxALIGN_CENTER_HORIZONTAL | wxLEFT | wxRIGHT | wxBOTTOM, 12);
    SetSizerAndFit(all);
    SetEscapeId(wxID_NONE);
    first->SetFocus();
    Bind(wxEVT_CHAR_HOOK, &WxMessageBox::OnCharHook, this);
    Bind(wxEVT_CLOSE_WINDOW, &WxMessageBox::OnClose, this);
    CentreOnParent();
}

int WxMessageBox::Ask() {
    const int answer = ShowModal();
    if (!m_question) return IDOK;
    return answer == wxID_YES ? IDYES : IDNO;
}

void WxMessageBox::OnButton(wxCommandEvent& event) { EndModal(event.GetId()); }

void WxMessageBox::OnCharHook(wxKeyEvent& event) {
    if (event.GetKeyCode() == WXK_ESCAPE) {
        if (!m_question) EndModal(wxID_OK);
        return;
    }
    event.Skip();
}

void WxMessageBox::OnClose(wxCloseEvent& event) {
    if (!m_question) {
        EndModal(wxID_OK);
    } else if (event.CanVeto()) {
        event.Veto();
    }
}

}  // namespace ferrolin
