#pragma once
// A user at the virtual desktop, for tests that run the real dialogs. The test lists the steps
// first; each step waits until its condition holds and then acts. Steps run from a timer inside
// whatever modal loop is open (the dialog's, a message box's), so the test then simply calls
// DoModal. Keys and mouse clicks go through the X server (XTest), so they take the same path as
// a person's: GTK, the dialog's key hook, the control. With no window manager the keyboard
// follows the pointer, so a step that types first points at the window.
//
// A step that does not become ready within its time is a test failure; the user then gives up
// (closes every box and asks the test to end its dialog) rather than leaving the test hanging.

#include <wx/string.h>

#include <chrono>
#include <deque>
#include <functional>
#include <memory>
#include <string>

#include "gui/wx/WxMessageBox.h"

namespace ferrolin::test {

class DesktopUser {
public:
    // `giveUp` ends the test's dialog after a failed step (e.g. EndDialog on the model).
    explicit DesktopUser(std::function<void()> giveUp);
    ~DesktopUser();
    DesktopUser(const DesktopUser&) = delete;
    DesktopUser& operator=(const DesktopUser&) = delete;

    DesktopUser& When(std::string what, std::function<bool()> ready, std::function<void()> act);
    bool AllStepsDone() const { return m_steps.empty() && !m_gaveUp; }

    // Moves the pointer to the middle of a window, which gives its top-level window the keyboard.
    static void PointAt(wxWindow* window);
    static void Click(wxWindow* window);
    static void TypeText(const char* ascii);
    static void PressKey(int wxKey, int modifiers = 0);

    // The message box on the screen now, or null; its text and button labels as shown.
    static WxMessageBox* ShownMessageBox();
    static wxString MessageOf(WxMessageBox* box);
    static wxWindow* ButtonOf(WxMessageBox* box, int wxId);

private:
    struct Step {
        std::string what;
        std::function<bool()> ready;
        std::function<void()> act;
    };
    class Ticker;
    void Tick();
    void GiveUp(const std::string& why);

    std::function<void()> m_giveUp;
    std::deque<Step> m_steps;
    std::chrono::steady_clock::time_point m_stepSince;
    std::unique_ptr<Ticker> m_ticker;
    bool m_gaveUp = false;
};

}  // namespace ferrolin::test
