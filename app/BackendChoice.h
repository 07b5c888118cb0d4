#pragma once
// Which window back end a program run uses, decided from the environment before any toolkit is
// started: FERROLIN_UI=script:FILE drives the dialogs from a script, FERROLIN_UI=wx (or no
// FERROLIN_UI with a display) shows them on the desktop; with neither the run cannot show its
// dialogs at all.

#include <string>

namespace ferrolin {

struct BackendChoice {
    enum Kind { Script, Wx, None, Unknown };
    Kind kind = None;
    std::string scriptPath;  // Script: the script file (Unix path)
};

// Null pointers stand for unset variables; an empty DISPLAY counts as unset.
BackendChoice ChooseBackend(const char* ferrolinUi, const char* display,
                            const char* waylandDisplay);

}  // namespace ferrolin
