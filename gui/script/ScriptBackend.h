#pragma once
// The script back end (FERROLIN_UI=script:FILE): no window; the user's actions come from a
// script, one a line, and every dialog start and end, message box, answer, file dialog and
// caption change is written as one line of a transcript (UTF-8, standard error by default).
// The language and the transcript format are described in docs/script-ui.md.

#include <iosfwd>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "platform/window/WindowBackend.h"

namespace ferrolin {

class ScriptBackend : public IWindowBackend {
public:
    struct Action {
        enum class Kind { Type, Click, Focus, Key, Answer, Save, Cancel };
        Kind kind = Kind::Cancel;
        int line = 0;      // 1-based line number in the script
        int id = 0;        // Type, Click, Focus
        std::string text;  // Type: the text; Save: the Windows-form path (code page 932)
        int key = 0;       // Key: the virtual key
        bool shift = false, ctrl = false, alt = false;
        bool yes = false;  // Answer
    };

    // Reads a script file (UTF-8). Null with `error` set (naming the line) when the file cannot
    // be read or a line is malformed.
    static std::unique_ptr<ScriptBackend> FromFile(const std::string& unixPath, std::string* error,
                                                   std::ostream* transcript = nullptr);
    static std::unique_ptr<ScriptBackend> FromText(const std::string& utf8Script,
                                                   std::string* error,
                                                   std::ostream* transcript = nullptr);

    // True once the script did not match what was asked of it.
    bool HadError() const { return m_failed; }
    const std::vector<Action>& Actions() const { return m_actions; }

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
    ScriptBackend(std::vector<Action> actions, std::ostream& transcript);
    void Line(const std::string& utf8);
    void Error(const Action* at, const std::string& what);
    // The error for a question or file dialog that the script's next line does not answer.
    void Mismatch(const std::string& asker, const std::string& needs);
    // The next action when it is of `kind`, else null (nothing consumed).
    const Action* Take(Action::Kind kind1, Action::Kind kind2);
    bool Perform(CDialog& dialog, const Action& action);

    std::vector<Action> m_actions;
    std::size_t m_next = 0;
    std::ostream& m_transcript;
    bool m_failed = false;
    std::map<HWND, std::string> m_captions;  // last caption written per dialog
};

}  // namespace ferrolin
