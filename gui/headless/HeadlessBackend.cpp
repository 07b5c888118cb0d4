#include "gui/headless/HeadlessBackend.h"

#include <algorithm>
#include <iostream>

#include "platform/text/Cp932.h"

namespace ferrolin {

HeadlessBackend::HeadlessBackend(ProblemHandler onProblem)
    : m_previous(GetWindowBackend()), m_onProblem(std::move(onProblem)) {
    SetWindowBackend(this);
}

HeadlessBackend::~HeadlessBackend() {
    if (GetWindowBackend() == this) SetWindowBackend(m_previous);
}

void HeadlessBackend::AnswerNext(int answer) { m_answers.push_back(answer); }

void HeadlessBackend::ChooseFile(const std::string& path) { m_files.push_back({true, path}); }

void HeadlessBackend::CancelFileDialog() { m_files.push_back({false, {}}); }

void HeadlessBackend::DriveNextModal(Driver driver) {
    m_modals.push_back({false, std::move(driver)});
}

void HeadlessBackend::RefuseNextModal() { m_modals.push_back({true, {}}); }

std::vector<std::string> HeadlessBackend::CaptionsOf(HWND dialog) const {
    std::vector<std::string> captions;
    for (const ChangeRecord& change : m_changes) {
        if (change.hwnd == dialog && change.change == WindowChange::Text) {
            captions.push_back(change.text);
        }
    }
    return captions;
}

int HeadlessBackend::RepaintsOf(HWND window) const {
    return static_cast<int>(std::count(m_repaints.begin(), m_repaints.end(), window));
}

bool HeadlessBackend::AllQueuedUsed() const {
    return m_answers.empty() && m_files.empty() && m_modals.empty();
}

void HeadlessBackend::ClearRecords() {
    m_messageBoxes.clear();
    m_fileDialogs.clear();
    m_dialogs.clear();
    m_changes.clear();
    m_repaints.clear();
    m_waitCursor.clear();
}

void HeadlessBackend::Problem(const std::string& what) {
    m_problems.push_back(what);
    if (m_onProblem) {
        m_onProblem(what);
    } else {
        std::cerr << "headless back end: " << what << '\n';
    }
}

void HeadlessBackend::OnDialogCreated(CDialog& dialog) {
    m_dialogs.push_back(
        {DialogEvent::Created, dialog.GetTemplate().id, dialog.GetSafeHwnd(), dialog.IsModal(), 0});
}

bool HeadlessBackend::RunModal(CDialog& dialog) {
    const int id = dialog.GetTemplate().id;
    if (m_modals.empty()) {
        Problem("dialog " + std::to_string(id) + " runs modally with no driver queued");
        dialog.UserClose();
        return true;
    }
    ModalPlan plan = std::move(m_modals.front());
    m_modals.pop_front();
    if (plan.refuse) return false;
    if (plan.driver) plan.driver(dialog);
    if (!dialog.IsEnded()) {
        Problem("dialog " + std::to_string(id) + " is still open after its driver; closed");
        dialog.UserClose();
    }
    return true;
}

void HeadlessBackend::OnDialogEnded(CDialog& dialog) {
    m_dialogs.push_back({DialogEvent::Ended, dialog.GetTemplate().id, dialog.GetSafeHwnd(),
                         dialog.IsModal(), dialog.GetResult()});
}

void HeadlessBackend::OnDialogDestroyed(CDialog& dialog) {
    m_dialogs.push_back({DialogEvent::Destroyed, dialog.GetTemplate().id, dialog.GetSafeHwnd(),
                         dialog.IsModal(), dialog.GetResult()});
}

void HeadlessBackend::OnWindowChanged(const WindowState& window, WindowChange change) {
    m_changes.push_back({window.hwnd, window.id, window.isDialog, change, window.text});
}

void HeadlessBackend::Repaint(const WindowState& window) { m_repaints.push_back(window.hwnd); }

int HeadlessBackend::MessageBox(HWND owner, const std::string& text, const std::string& caption,
                                UINT type) {
    int answer = IDOK;
    if ((type & MB_TYPEMASK) == MB_YESNO) {
        if (m_answers.empty()) {
            Problem("unanswered question: " + Cp932ToUtf8Lossy(text));
            answer = IDNO;
        } else {
            answer = m_answers.front();
            m_answers.pop_front();
        }
    }
    m_messageBoxes.push_back({owner, caption, text, type, answer});
    return answer;
}

bool HeadlessBackend::RunFileDialog(const FileDialogRequest& request, std::string* path) {
    FileOutcome outcome{false, {}};
    if (m_files.empty()) {
        Problem("file dialog with no outcome queued: " + Cp932ToUtf8Lossy(request.title));
    } else {
        outcome = std::move(m_files.front());
        m_files.pop_front();
    }
    m_fileDialogs.push_back({request, outcome.confirmed, outcome.path});
    if (outcome.confirmed && path) *path = outcome.path;
    return outcome.confirmed;
}

void HeadlessBackend::SetWaitCursor(bool shown) {
    m_waitCursorShown = shown;
    m_waitCursor.push_back(shown);
}

}  // namespace ferrolin
