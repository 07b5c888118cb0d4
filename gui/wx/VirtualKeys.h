#pragma once
// Keys as the dialogs' key handling names them (the framework's virtual keys), from wx key codes.

#include <optional>

namespace ferrolin {

// The virtual key of a wx key code (wxKeyEvent::GetKeyCode); nullopt for a key that has none.
std::optional<int> VirtualKeyOf(int wxKeyCode);

// Keys whose default handling belongs to the dialog manager (the model): Tab moves the focus,
// Enter sends the default or OK command, Esc the cancel command. The control must not handle
// them as well, or the toolkit would move the focus or activate a button a second time.
bool IsDialogManagerKey(int virtualKey);

}  // namespace ferrolin
