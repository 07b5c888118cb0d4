#pragma once
// The registry of the windows this process made: it hands out local handles (above 2^32) and
// finds a window's state by its handle. Used by the model only.

#include "platform/window/Window.h"

namespace ferrolin {

HWND RegisterWindow(WindowState& state);  // gives the state its handle
void UnregisterWindow(const WindowState& state);

// Tells the back end (if any) that a window's state changed.
void NotifyWindowChanged(const WindowState& state, WindowChange change);

}  // namespace ferrolin
