#pragma once
// What a toolkit back end must answer for the window model. The model calls these to show
// things; the back end delivers the user's actions into the model through CDialog's User*
// operations. Back ends: gui/headless (tests), gui/script (automation), gui/wx (the desktop).

#include <cstdint>
#include <string>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

class CDialog;
struct WindowState;
enum class WindowChange;

struct FileDialogRequest {
    HWND owner = 0;
    bool open = false;          // false: save-as
    std::string defaultExt;     // "XML"
    std::string fileName;       // initial name, code page 932
    std::string filter;         // "Xml Files (*.xml)|*.xml||"
    std::string title;          // code page 932
    std::string initialFolder;  // Windows form, code page 932
    std::uint32_t flags = 0;    // OFN_*
};

class IWindowBackend {
public:
    virtual ~IWindowBackend() = default;

    // A dialog's windows were made (hidden).
    virtual void OnDialogCreated(CDialog& dialog) = 0;
    // Shows a modal dialog and delivers the user's actions until dialog.IsEnded(). False when the
    // dialog cannot be shown at all (DoModal then reports -1).
    virtual bool RunModal(CDialog& dialog) = 0;
    // EndDialog was called: a modal run is about to return, a modeless dialog is hidden.
    virtual void OnDialogEnded(CDialog& dialog) { (void)dialog; }
    // A dialog is about to be destroyed; its result is dialog.GetResult() when it was ended.
    virtual void OnDialogDestroyed(CDialog& dialog) = 0;
    // A window's state changed (see WindowChange); the back end shows it when it wants to.
    virtual void OnWindowChanged(const WindowState& window, WindowChange change) = 0;
    // UpdateWindow: the model asks for the window to be painted now.
    virtual void Repaint(const WindowState& window) = 0;

    // A message box: IDOK for an OK box, IDYES or IDNO for a Yes/No box.
    virtual int MessageBox(HWND owner, const std::string& text, const std::string& caption,
                           UINT type) = 0;
    // A file dialog: true and the chosen Windows-form path when the user confirmed.
    virtual bool RunFileDialog(const FileDialogRequest& request, std::string* path) = 0;
    virtual void SetWaitCursor(bool shown) = 0;
};

// The process's back end; the window model does nothing visible without one.
void SetWindowBackend(IWindowBackend* backend);
IWindowBackend* GetWindowBackend();

}  // namespace ferrolin
