#include "gui/script/ScriptBackend.h"

#include <fstream>
#include <iostream>
#include <sstream>

#include "gui/script/ScriptParser.h"
#include "gui/script/TranscriptText.h"
#include "platform/window/Dialog.h"

namespace ferrolin {

namespace {

using Kind = ScriptBackend::Action::Kind;

const char* KindName(Kind kind) {
    switch (kind) {
        case Kind::Type:
            return "type";
        case Kind::Click:
            return "click";
        case Kind::Focus:
            return "focus";
        case Kind::Key:
            return "key";
        case Kind::Answer:
            return "answer";
        case Kind::Save:
            return "save";
        case Kind::Cancel:
            return "cancel";
    }
    return "?";
}

std::string Quoted(const std::string& cp932) { return "\"" + TranscriptText(cp932) + "\""; }

}  // namespace

std::unique_ptr<ScriptBackend> ScriptBackend::FromFile(const std::string& unixPath,
                                                       std::string* error,
                                                       std::ostream* transcript) {
    std::ifstream in(unixPath, std::ios::binary);
    if (!in) {
        if (error) *error = "cannot read the UI script " + unixPath;
        return nullptr;
    }
    std::ostringstream text;
    text << in.rdbuf();
    auto backend = FromText(text.str(), error, transcript);
    if (!backend && error) *error = unixPath + ": " + *error;
    return backend;
}

std::unique_ptr<ScriptBackend> ScriptBackend::FromText(const std::string& utf8Script,
                                                       std::string* error,
                                                       std::ostream* transcript) {
    std::vector<Action> actions;
    if (!ParseScript(utf8Script, &actions, error)) return nullptr;
    return std::unique_ptr<ScriptBackend>(
        new ScriptBackend(std::move(actions), transcript ? *transcript : std::cerr));
}

ScriptBackend::ScriptBackend(std::vector<Action> actions, std::ostream& transcript)
    : m_actions(std::move(actions)), m_transcript(transcript) {}

void ScriptBackend::Line(const std::string& utf8) { m_transcript << utf8 << '\n' << std::flush; }

void ScriptBackend::Error(const Action* at, const std::string& what) {
    m_failed = true;
    Line("error: " + (at ? "line " + std::to_string(at->line) + ": " : std::string()) + what);
}

void ScriptBackend::Mismatch(const std::string& asker, const std::string& needs) {
    const Action* next = m_next < m_actions.size() ? &m_actions[m_next] : nullptr;
    Error(next, next ? asker + " needs " + needs + ", not '" + KindName(next->kind) + "'"
                     : asker + " finds no more lines in the script");
}

const ScriptBackend::Action* ScriptBackend::Take(Kind kind1, Kind kind2) {
    if (m_next >= m_actions.size()) return nullptr;
    const Action& next = m_actions[m_next];
    if (next.kind != kind1 && next.kind != kind2) return nullptr;
    ++m_next;
    return &next;
}

void ScriptBackend::OnDialogCreated(CDialog& dialog) {
    m_captions[dialog.GetSafeHwnd()] = dialog.GetWindowText();
    Line("dialog " + std::to_string(dialog.GetTemplate().id) +
         " start: " + TranscriptText(dialog.GetWindowText()));
}

// Performs the script's actions until the dialog ends. Once the script has failed to match, the
// dialog gets the close box, as a user walking away would leave it.
bool ScriptBackend::RunModal(CDialog& dialog) {
    const std::string id = std::to_string(dialog.GetTemplate().id);
    while (!dialog.IsEnded() && !m_failed) {
        if (m_next >= m_actions.size()) {
            Error(nullptr, "dialog " + id + " waits for the user and the script has no more lines");
            break;
        }
        const Action& action = m_actions[m_next++];
        if (!Perform(dialog, action)) break;
    }
    if (!dialog.IsEnded()) dialog.UserClose();
    return true;
}

bool ScriptBackend::Perform(CDialog& dialog, const Action& action) {
    const std::string verb = KindName(action.kind);
    if (action.kind == Kind::Answer || action.kind == Kind::Save || action.kind == Kind::Cancel) {
        Error(&action, "'" + verb + "' but dialog " + std::to_string(dialog.GetTemplate().id) +
                           " asks nothing now");
        return false;
    }
    if (action.kind == Kind::Key) {
        dialog.UserKeyDown(action.key, action.shift, action.ctrl, action.alt);
        return true;
    }
    const WindowState* control = dialog.FindControl(action.id);
    const std::string where = "control " + std::to_string(action.id);
    if (!control) {
        Error(&action, "'" + verb + "': dialog " + std::to_string(dialog.GetTemplate().id) +
                           " has no " + where);
        return false;
    }
    if (!control->enabled) {
        Error(&action, "'" + verb + "': " + where + " is disabled");
        return false;
    }
    switch (action.kind) {
        case Kind::Type:
            if (control->kind != ControlKind::Edit) {
                Error(&action, "'type': " + where + " is not an edit");
                return false;
            }
            dialog.UserType(action.id, action.text);
            return true;
        case Kind::Click:
            if (control->kind != ControlKind::PushButton &&
                control->kind != ControlKind::AutoRadioButton) {
                Error(&action, "'click': " + where + " is not a button");
                return false;
            }
            dialog.UserClick(action.id);
            return true;
        default:
            dialog.UserFocus(action.id);
            return true;
    }
}

void ScriptBackend::OnDialogEnded(CDialog& dialog) {
    Line("dialog " + std::to_string(dialog.GetTemplate().id) +
         " end: " + std::to_string(dialog.GetResult()));
}

void ScriptBackend::OnDialogDestroyed(CDialog& dialog) { m_captions.erase(dialog.GetSafeHwnd()); }

// Each change of a dialog's caption is written once: setting the same caption again (as the
// progress dialog does where two stages meet) adds no line.
void ScriptBackend::OnWindowChanged(const WindowState& window, WindowChange change) {
    if (!window.isDialog || change != WindowChange::Text || !window.dialog) return;
    std::string& last = m_captions[window.hwnd];
    if (last == window.text) return;
    last = window.text;
    Line("caption " + std::to_string(window.dialog->GetTemplate().id) + ": " +
         TranscriptText(window.text));
}

void ScriptBackend::Repaint(const WindowState&) {}

int ScriptBackend::MessageBox(HWND, const std::string& text, const std::string& caption,
                              UINT type) {
    Line("message [" + TranscriptText(caption) + "] " + IconName(type) + " " + ButtonsName(type) +
         ": " + TranscriptText(text));
    const UINT buttons = type & MB_TYPEMASK;
    if (buttons != MB_YESNO && buttons != 0x3) return IDOK;
    const Action* answer = m_failed ? nullptr : Take(Kind::Answer, Kind::Answer);
    if (!answer && !m_failed) Mismatch("the question", "'answer yes' or 'answer no'");
    const bool yes = answer && answer->yes;
    Line(yes ? "answer yes" : "answer no");
    return yes ? IDYES : IDNO;
}

bool ScriptBackend::RunFileDialog(const FileDialogRequest& request, std::string* path) {
    Line(std::string("file ") + (request.open ? "open" : "save") + " [" +
         TranscriptText(request.title) + "] folder " + Quoted(request.initialFolder) + " name " +
         Quoted(request.fileName));
    const Action* outcome = m_failed ? nullptr : Take(Kind::Save, Kind::Cancel);
    if (!outcome && !m_failed) Mismatch("the file dialog", "'save PATH' or 'cancel'");
    if (!outcome || outcome->kind == Kind::Cancel) {
        Line("cancel");
        return false;
    }
    Line("save " + TranscriptText(outcome->text));
    if (path) *path = outcome->text;
    return true;
}

void ScriptBackend::SetWaitCursor(bool) {}

}  // namespace ferrolin
