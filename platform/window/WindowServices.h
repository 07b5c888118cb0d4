#pragma once
// The window services the system calls on handles: on a window of this process they act on the
// model; on any other handle they go to the window transport.

#include <string>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

struct WindowState;

bool IsLocalWindow(HWND window);
WindowState* FindLocalWindow(HWND window);

BOOL EnableWindow(HWND window, BOOL enable);
HWND SetParent(HWND child, HWND newParent);  // returns the previous parent
BOOL SetForegroundWindow(HWND window);
BOOL BringWindowToTop(HWND window);
BOOL PostMessageA(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
BOOL UpdateWindow(HWND window);

// A message box owned by `owner` (0: none), through the back end.
int MessageBoxA(HWND owner, const std::string& text, const std::string& caption, UINT type);

// The wait cursor: shown from BeginWaitCursor until EndWaitCursor; RestoreWaitCursor shows it
// again after a message box took it away.
void BeginWaitCursor();
void EndWaitCursor();
void RestoreWaitCursor();

}  // namespace ferrolin
