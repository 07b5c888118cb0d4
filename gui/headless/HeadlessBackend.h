#pragma once
// The in-process back end for unit tests. It records everything the window model shows
// (message boxes, file dialogs, dialogs made, ended and destroyed, window changes, repaints, the
// wait cursor) and answers from what the test queued: the answers to Yes/No questions, the
// outcome of file dialogs, and for each modal run a driver that performs the user's actions.
// OK-only message boxes are acknowledged by themselves. A question, file dialog or modal run
// with nothing queued for it is a problem (reported, then answered No / cancelled / closed), so
// a test that forgets an answer fails instead of hanging.
//
// Constructing one installs it as the process's back end; destroying it puts the previous one
// back.

#include <deque>
#include <functional>
#include <string>
#include <vector>

#include "platform/window/Dialog.h"
#include "platform/window/WindowBackend.h"

namespace ferrolin {

class HeadlessBackend : public IWindowBackend {
public:
    using Driver = std::function<void(CDialog&)>;
    using ProblemHandler = std::function<void(const std::string&)>;

    struct MessageBoxRecord {
        HWND owner;
        std::string caption;  // code page 932
        std::string text;     // code page 932
        UINT type;
        int answer;
        UINT Icon() const { return type & MB_ICONMASK; }
        UINT Buttons() const { return type & MB_TYPEMASK; }
    };
    struct FileDialogRecord {
        FileDialogRequest request;
        bool confirmed;
        std::string path;  // the path handed back, Windows form, code page 932
    };
    enum class DialogEvent { Created, Ended, Destroyed };
    struct DialogRecord {
        DialogEvent event;
        int templateId;
        HWND hwnd;
        bool modal;
        int result;  // Ended and Destroyed: the dialog's result then
    };
    struct ChangeRecord {
        HWND hwnd;
        int id;  // IDC_STATIC for a dialog
        bool isDialog;
        WindowChange change;
        std::string text;  // the window's text after the change
    };

    // An empty handler records the problem and writes it to standard error.
    explicit HeadlessBackend(ProblemHandler onProblem = {});
    ~HeadlessBackend() override;
    HeadlessBackend(const HeadlessBackend&) = delete;
    HeadlessBackend& operator=(const HeadlessBackend&) = delete;

    // What the user will do, in order.
    void AnswerNext(int answer);               // IDYES or IDNO for the next question
    void ChooseFile(const std::string& path);  // the next file dialog is confirmed with it
    void CancelFileDialog();                   // the next file dialog is cancelled
    void DriveNextModal(Driver driver);        // the user's actions in the next modal run
    void RefuseNextModal();                    // the next modal dialog cannot be shown

    const std::vector<MessageBoxRecord>& MessageBoxes() const { return m_messageBoxes; }
    const std::vector<FileDialogRecord>& FileDialogs() const { return m_fileDialogs; }
    const std::vector<DialogRecord>& Dialogs() const { return m_dialogs; }
    const std::vector<ChangeRecord>& Changes() const { return m_changes; }
    const std::vector<HWND>& Repaints() const { return m_repaints; }
    const std::vector<bool>& WaitCursorChanges() const { return m_waitCursor; }
    const std::vector<std::string>& Problems() const { return m_problems; }

    // The captions a dialog was given, in order (each SetWindowText on it counts).
    std::vector<std::string> CaptionsOf(HWND dialog) const;
    // Repaints of one window.
    int RepaintsOf(HWND window) const;
    bool WaitCursorShown() const { return m_waitCursorShown; }
    // True when every queued answer, file outcome and driver was used.
    bool AllQueuedUsed() const;
    void ClearRecords();

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

private:
    struct FileOutcome {
        bool confirmed;
        std::string path;
    };
    struct ModalPlan {
        bool refuse;
        Driver driver;
    };
    void Problem(const std::string& what);

    IWindowBackend* m_previous;
    ProblemHandler m_onProblem;
    std::deque<int> m_answers;
    std::deque<FileOutcome> m_files;
    std::deque<ModalPlan> m_modals;

    std::vector<MessageBoxRecord> m_messageBoxes;
    std::vector<FileDialogRecord> m_fileDialogs;
    std::vector<DialogRecord> m_dialogs;
    std::vector<ChangeRecord> m_changes;
    std::vector<HWND> m_repaints;
    std::vector<bool> m_waitCursor;
    std::vector<std::string> m_problems;
    bool m_waitCursorShown = false;
};

}  // namespace ferrolin
