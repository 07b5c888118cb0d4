#include "DesktopUser.h"

#include <gtest/gtest.h>
#include <wx/button.h>
#include <wx/timer.h>
#include <wx/toplevel.h>
#include <wx/uiaction.h>

namespace ferrolin::test {

namespace {
constexpr auto kStepTime = std::chrono::seconds(15);
}

class DesktopUser::Ticker : public wxTimer {
public:
    explicit Ticker(DesktopUser& user) : m_user(user) {}
    void Notify() override { m_user.Tick(); }

private:
    DesktopUser& m_user;
};

DesktopUser::DesktopUser(std::function<void()> giveUp)
    : m_giveUp(std::move(giveUp)), m_ticker(std::make_unique<Ticker>(*this)) {
    m_stepSince = std::chrono::steady_clock::now();
    m_ticker->Start(10);
}

DesktopUser::~DesktopUser() {
    m_ticker->Stop();
    if (!m_steps.empty() && !m_gaveUp)
        ADD_FAILURE() << "step never reached: " << m_steps.front().what;
}

DesktopUser& DesktopUser::When(std::string what, std::function<bool()> ready,
                               std::function<void()> act) {
    if (m_steps.empty()) m_stepSince = std::chrono::steady_clock::now();
    m_steps.push_back({std::move(what), std::move(ready), std::move(act)});
    return *this;
}

// The step leaves the list before it acts: an act that opens a box runs a loop of its own, in
// which the next steps must go on.
void DesktopUser::Tick() {
    if (m_steps.empty() || m_gaveUp) return;
    if (m_steps.front().ready()) {
        Step step = std::move(m_steps.front());
        m_steps.pop_front();
        m_stepSince = std::chrono::steady_clock::now();
        if (step.act) step.act();
        return;
    }
    if (std::chrono::steady_clock::now() - m_stepSince > kStepTime) {
        GiveUp("timed out waiting for: " + m_steps.front().what);
    }
}

void DesktopUser::GiveUp(const std::string& why) {
    ADD_FAILURE() << why;
    m_gaveUp = true;
    m_steps.clear();
    while (WxMessageBox* box = ShownMessageBox()) box->EndModal(wxID_NO);
    if (m_giveUp) m_giveUp();
}

void DesktopUser::PointAt(wxWindow* window) {
    const wxRect rect = window->GetScreenRect();
    wxUIActionSimulator().MouseMove(rect.GetX() + rect.GetWidth() / 2,
                                    rect.GetY() + rect.GetHeight() / 2);
}

void DesktopUser::Click(wxWindow* window) {
    PointAt(window);
    wxUIActionSimulator().MouseClick();
}

void DesktopUser::TypeText(const char* ascii) { wxUIActionSimulator().Text(ascii); }

void DesktopUser::PressKey(int wxKey, int modifiers) {
    wxUIActionSimulator().Char(wxKey, modifiers);
}

WxMessageBox* DesktopUser::ShownMessageBox() {
    for (wxWindow* window : wxTopLevelWindows) {
        auto* box = dynamic_cast<WxMessageBox*>(window);
        if (box && box->IsShown() && box->IsModal()) return box;
    }
    return nullptr;
}

wxString DesktopUser::MessageOf(WxMessageBox* box) { return box->Message(); }

wxWindow* DesktopUser::ButtonOf(WxMessageBox* box, int wxId) { return box->FindWindow(wxId); }

}  // namespace ferrolin::test
