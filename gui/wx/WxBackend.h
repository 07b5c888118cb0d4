#pragma once
// The desktop back end of the window model (wxWidgets 3.2). It turns each dialog the model makes
// into a wx dialog built from its template, shows every change of the model's state, delivers
// the user's keys, typing, clicks and focus moves to the model, and runs message boxes and the
// save-as dialog modally.
//
// The progress dialog is updated from the busy run, which calls the model far more often than a
// screen can show (six bar steps, bring-to-top requests and repaints per account). The model
// keeps every call; this back end records the latest state of a modeless dialog and paints it at
// most once per display frame, yielding to wx for paint and size events only, so the user's
// input stays queued. The last state is always painted before a message box, a file dialog, a
// modal dialog or the end of the dialog.
//
// Needs a started wx (see WxSession); constructing one installs it, destroying it puts the
// previous back end back.

#include <chrono>
#include <map>
#include <memory>

#include "platform/window/Dialog.h"
#include "platform/window/WindowBackend.h"

class wxGUIEventLoop;

namespace ferrolin {

class WxDialogWindow;

class WxBackend : public IWindowBackend {
public:
    static constexpr std::chrono::milliseconds kFrame{40};

    WxBackend();
    ~WxBackend() override;
    WxBackend(const WxBackend&) = delete;
    WxBackend& operator=(const WxBackend&) = delete;

    void OnDialogCreated(CDialog& dialog) override;
    bool RunModal(CDialog& dialog) override;
    void OnDialogEnded(CDialog& dialog) override;
    void OnDialogDestroyed(CDialog& dialog) override;
    void OnWindowChanged(const WindowState& window, WindowChange change) override;
    void Repaint(const WindowState& window) override;
    int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                   UINT type) override;
    bool RunFileDialog(const FileDialogRequest& request, std::string* path) override;
    void SetWaitCursor(bool shown) override;

    // The wx window of a model dialog, or null (tests and the screenshot tool look at it).
    WxDialogWindow* WindowOf(const CDialog& dialog) const;
    // Paints every recorded state now.
    void PaintAll();
    // How many frames were painted for the busy run (the measurement reports it).
    long FramesPainted() const { return m_framesPainted; }

private:
    WxDialogWindow* WindowOfHandle(HWND window) const;
    WxDialogWindow* WindowOfState(const WindowState& window) const;
    void PaintFrame();

    IWindowBackend* m_previous;
    std::map<const CDialog*, WxDialogWindow*> m_windows;
    std::chrono::steady_clock::time_point m_lastFrame{};
    long m_framesPainted = 0;
    bool m_busyCursor = false;
    std::unique_ptr<wxGUIEventLoop> m_yieldLoop;  // yields while no dialog runs a loop
};

}  // namespace ferrolin
