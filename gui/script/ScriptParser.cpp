#include "gui/script/ScriptParser.h"

#include <sstream>
#include <string_view>

#include "platform/text/Cp932.h"
#include "platform/text/IniText.h"
#include "platform/window/WindowTypes.h"

namespace ferrolin {

namespace {

using Kind = ScriptBackend::Action::Kind;

std::string_view Trim(std::string_view s) {
    while (!s.empty() && (s.front() == ' ' || s.front() == '\t')) s.remove_prefix(1);
    while (!s.empty() && (s.back() == ' ' || s.back() == '\t' || s.back() == '\r')) {
        s.remove_suffix(1);
    }
    return s;
}

// Splits off the first word; `rest` is what follows the single blank after it.
std::string_view FirstWord(std::string_view s, std::string_view* rest) {
    const std::size_t blank = s.find_first_of(" \t");
    if (blank == std::string_view::npos) {
        *rest = {};
        return s;
    }
    *rest = s.substr(blank + 1);
    return s.substr(0, blank);
}

bool ParseId(std::string_view word, int* id) {
    if (word.empty() || word.size() > 9) return false;
    int value = 0;
    for (char c : word) {
        if (c < '0' || c > '9') return false;
        value = value * 10 + (c - '0');
    }
    *id = value;
    return true;
}

bool ParseKey(std::string_view spec, ScriptBackend::Action* action) {
    for (;;) {
        const std::size_t plus = spec.find('+');
        if (plus == std::string_view::npos) break;
        const std::string_view modifier = spec.substr(0, plus);
        if (EqualsIgnoringAsciiCase(modifier, "Shift")) {
            action->shift = true;
        } else if (EqualsIgnoringAsciiCase(modifier, "Ctrl")) {
            action->ctrl = true;
        } else if (EqualsIgnoringAsciiCase(modifier, "Alt")) {
            action->alt = true;
        } else {
            return false;
        }
        spec.remove_prefix(plus + 1);
    }
    struct Name {
        const char* name;
        int key;
    };
    static const Name kNames[] = {
        {"Enter", VK_RETURN}, {"F12", VK_F12}, {"Esc", VK_ESCAPE}, {"Tab", VK_TAB}, {"F4", VK_F4}};
    for (const Name& n : kNames) {
        if (EqualsIgnoringAsciiCase(spec, n.name)) {
            action->key = n.key;
            return true;
        }
    }
    return false;
}

// The problem with one line, or empty when it parsed.
std::string ParseLine(std::string_view line, ScriptBackend::Action* action) {
    std::string_view rest;
    const std::string_view command = FirstWord(line, &rest);
    if (command == "type" || command == "click" || command == "focus") {
        std::string_view text;
        const std::string_view idWord = FirstWord(Trim(rest), &text);
        if (!ParseId(idWord, &action->id))
            return "'" + std::string(command) + "' needs a control id";
        if (command == "click") {
            action->kind = Kind::Click;
        } else if (command == "focus") {
            action->kind = Kind::Focus;
        } else {
            action->kind = Kind::Type;
            const auto cp932 = Utf8ToCp932(text);
            if (!cp932) return "the text has no code page 932 form";
            action->text = *cp932;
            return {};
        }
        if (!Trim(text).empty()) return "unexpected text after the control id";
        return {};
    }
    if (command == "key") {
        action->kind = Kind::Key;
        if (!ParseKey(Trim(rest), action)) {
            return "unknown key (use [Shift+|Ctrl+|Alt+]Enter, F12, Esc, Tab or F4)";
        }
        return {};
    }
    if (command == "answer") {
        action->kind = Kind::Answer;
        const std::string_view word = Trim(rest);
        if (word != "yes" && word != "no") return "'answer' needs yes or no";
        action->yes = word == "yes";
        return {};
    }
    if (command == "save") {
        action->kind = Kind::Save;
        rest = Trim(rest);
        if (rest.empty()) return "'save' needs a path";
        const auto cp932 = Utf8ToCp932(rest);
        if (!cp932) return "the path has no code page 932 form";
        action->text = *cp932;
        return {};
    }
    if (command == "cancel") {
        action->kind = Kind::Cancel;
        if (!Trim(rest).empty()) return "unexpected text after 'cancel'";
        return {};
    }
    return "unknown action '" + std::string(command) + "'";
}

}  // namespace

// Blanks around a line are ignored (so TEXT and PATH never end in one); a line whose first
// non-blank character is '#' is a comment, a '#' anywhere else is part of the text.
bool ParseScript(const std::string& utf8Script, std::vector<ScriptBackend::Action>* actions,
                 std::string* error) {
    actions->clear();
    std::istringstream in(utf8Script);
    std::string raw;
    int number = 0;
    while (std::getline(in, raw)) {
        ++number;
        std::string_view line = raw;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        while (!line.empty() && (line.front() == ' ' || line.front() == '\t'))
            line.remove_prefix(1);
        if (Trim(line).empty() || line.front() == '#') continue;
        ScriptBackend::Action action;
        action.line = number;
        const std::string problem = ParseLine(line, &action);
        if (!problem.empty()) {
            if (error)
                *error =
                    "line " + std::to_string(number) + ": " + problem + ": " + std::string(line);
            return false;
        }
        actions->push_back(std::move(action));
    }
    return true;
}

}  // namespace ferrolin
