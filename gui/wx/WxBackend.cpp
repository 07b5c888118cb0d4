#include "gui/wx/WxBackend.h"

#include <wx/app.h>
#include <wx/evtloop.h>
#include <wx/filedlg.h>
#include <wx/msgdlg.h>
#include <wx/utils.h>

#include <filesystem>

// After the message box base it builds on.
#include <wx/generic/msgdlgg.h>

#include "gui/wx/FileDialogRules.h"
#include "gui/wx/WxDialogWindow.h"
#include "gui/wx/WxMessageBox.h"
#include "gui/wx/WxText.h"
#include "platform/paths/WindowsPath.h"
#include "platform/text/Cp932.h"
#include "platform/window/WindowServices.h"

namespace ferrolin {

namespace {

// The busy run's updates of a modeless dialog are painted by frame; everything else at once.
bool IsPaintedByFrame(const WindowState& window, WindowChange change) {
    return window.dialog && !window.dialog->IsModal() &&
           (change == WindowChange::Progress || change == WindowChange::Text ||
            change == WindowChange::ZOrder);
}

// Paint and size events only: keys and clicks wait until a dialog runs its own loop, as they
// waited on the framework's message queue while the run was busy. No loop runs during the busy
// run, so a loop object of our own does the yielding then.
void YieldForDisplay(std::unique_ptr<wxGUIEventLoop>& ownLoop) {
    if (!wxTheApp) return;
    if (wxEventLoopBase* active = wxEventLoopBase::GetActive()) {
        active->YieldFor(wxEVT_CATEGORY_UI);
        return;
    }
    if (!ownLoop) ownLoop = std::make_unique<wxGUIEventLoop>();
    ownLoop->YieldFor(wxEVT_CATEGORY_UI);
}

}  // namespace

WxBackend::WxBackend() : m_previous(GetWindowBackend()) { SetWindowBackend(this); }

WxBackend::~WxBackend() {
    if (m_busyCursor) wxEndBusyCursor();
    for (auto& [dialog, window] : m_windows) {
        window->Detach();
        window->Destroy();
    }
    if (GetWindowBackend() == this) SetWindowBackend(m_previous);
}

WxDialogWindow* WxBackend::WindowOf(const CDialog& dialog) const {
    const auto it = m_windows.find(&dialog);
    return it == m_windows.end() ? nullptr : it->second;
}

WxDialogWindow* WxBackend::WindowOfState(const WindowState& window) const {
    return window.dialog ? WindowOf(*window.dialog) : nullptr;
}

WxDialogWindow* WxBackend::WindowOfHandle(HWND window) const {
    const WindowState* state = FindLocalWindow(window);
    return state ? WindowOfState(*state) : nullptr;
}

void WxBackend::OnDialogCreated(CDialog& dialog) {
    if (!wxTheApp || WindowOf(dialog)) return;
    const WindowState* self = dialog.GetState();
    // A foreign parent (the host's window) is no window of ours: the dialog stands alone.
    wxWindow* parent = self ? WindowOfHandle(self->parent) : nullptr;
    m_windows[&dialog] = new WxDialogWindow(dialog, parent);
}

bool WxBackend::RunModal(CDialog& dialog) {
    WxDialogWindow* window = WindowOf(dialog);
    if (!window) return false;
    PaintAll();
    if (!dialog.IsEnded()) window->RunModalLoop();
    return true;
}

void WxBackend::OnDialogEnded(CDialog& dialog) {
    if (WxDialogWindow* window = WindowOf(dialog)) {
        window->Paint();
        window->ModelEnded();
    }
}

void WxBackend::OnDialogDestroyed(CDialog& dialog) {
    const auto it = m_windows.find(&dialog);
    if (it == m_windows.end()) return;
    WxDialogWindow* window = it->second;
    m_windows.erase(it);
    window->Detach();
    window->Hide();
    window->Destroy();
}

void WxBackend::OnWindowChanged(const WindowState& window, WindowChange change) {
    WxDialogWindow* dialogWindow = WindowOfState(window);
    if (!dialogWindow) return;
    if (IsPaintedByFrame(window, change)) {
        dialogWindow->Defer(window, change);
        return;
    }
    if (window.isDialog && change == WindowChange::Visible) {
        // A modal dialog is shown by its modal run and hidden by its end.
        if (window.dialog->IsModal()) return;
        if (window.visible) {
            dialogWindow->Show();
            dialogWindow->Raise();
            dialogWindow->Paint();
            YieldForDisplay(m_yieldLoop);
        } else {
            dialogWindow->Paint();
            dialogWindow->Hide();
        }
        return;
    }
    dialogWindow->Reflect(window, change);
}

void WxBackend::Repaint(const WindowState& window) {
    WxDialogWindow* dialogWindow = WindowOfState(window);
    if (!dialogWindow) return;
    // A modal dialog's loop paints it; a forced update would make GTK 3 drop later frames.
    if (window.dialog->IsModal()) return;
    if (std::chrono::steady_clock::now() - m_lastFrame >= kFrame) PaintFrame();
}

void WxBackend::PaintFrame() {
    PaintAll();
    ++m_framesPainted;
    YieldForDisplay(m_yieldLoop);
    m_lastFrame = std::chrono::steady_clock::now();
}

void WxBackend::PaintAll() {
    for (auto& [dialog, window] : m_windows) {
        if (window->HasDeferred()) window->Paint();
    }
}

int WxBackend::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                          UINT type) {
    PaintAll();
    WxMessageBox box(WindowOfHandle(owner), ToWxText(text), ToWxText(caption), type);
    return box.Ask();
}

bool WxBackend::RunFileDialog(const FileDialogRequest& request, std::string* path) {
    PaintAll();
    std::error_code error;
    wxString folder;
    if (const auto unixFolder = ToUnixPath(request.initialFolder);
        unixFolder && !unixFolder->empty() && std::filesystem::is_directory(*unixFolder, error)) {
        folder = wxString::FromUTF8(*unixFolder);
    }
    const wxString name = wxString::FromUTF8(InitialFileName(Cp932ToUtf8Lossy(request.fileName)));
    const wxString wildcard =
        wxString::FromUTF8(WildcardOfFilter(Cp932ToUtf8Lossy(request.filter)));
    long style = request.open ? wxFD_OPEN : wxFD_SAVE;
    // The file-must-exist flag means something to an open dialog only; a save-as dialog names
    // new files.
    if (request.open && (request.flags & OFN_FILEMUSTEXIST)) style |= wxFD_FILE_MUST_EXIST;

    for (;;) {
        wxFileDialog dialog(WindowOfHandle(request.owner), ToWxText(request.title), folder, name,
                            wildcard, style);
        if (dialog.ShowModal() != wxID_OK) return false;
        const std::string chosen =
            WithDefaultExtension(ToUtf8(dialog.GetPath()), Cp932ToUtf8Lossy(request.defaultExt));
        const std::filesystem::path chosenPath(chosen);
        if ((request.flags & OFN_PATHMUSTEXIST) &&
            !std::filesystem::is_directory(chosenPath.parent_path(), error)) {
            folder.clear();
            continue;  // the chooser opens again, as the framework's dialog stays open
        }
        const std::optional<std::string> windowsPath = ToWindowsPath(chosen);
        if (!windowsPath) return false;  // a name code page 932 cannot hold
        if (path) *path = *windowsPath;
        return true;
    }
}

void WxBackend::SetWaitCursor(bool shown) {
    if (shown == m_busyCursor) return;
    m_busyCursor = shown;
    if (shown) {
        wxBeginBusyCursor();
    } else {
        wxEndBusyCursor();
    }
}

}  // namespace ferrolin
