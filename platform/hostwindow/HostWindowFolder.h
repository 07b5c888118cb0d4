#pragma once
// Where the host's window sockets live: $XDG_RUNTIME_DIR/quorvel/, or /tmp/quorvel-UID/ when that
// variable is unset or empty. Each host window's socket is named after its handle in decimal
// ("1234", "-5"). The folder must belong to the user alone: a directory (not a symbolic link)
// owned by the effective user with no permission bits for group or others. A folder that breaks
// this is never used, by either side.

#include <optional>
#include <string>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

// The folder's path, without a trailing slash.
std::string HostWindowFolderPath();

enum class HostWindowFolderState { Private, Missing, Unsafe };

// Checks the folder; with `create`, a missing folder is made with mode 0700 first (its parent
// must exist). `problem` says what is wrong when the answer is not Private.
HostWindowFolderState CheckHostWindowFolder(bool create, std::string* problem);

// The socket path for a window handle; nullopt when it would not fit a Unix socket address.
std::optional<std::string> HostWindowSocketPath(HWND window);

// Whether a handle can name a host window: non-zero and within the signed 32-bit range in which
// host windows are numbered (windows this process makes lie above it).
bool IsHostWindowHandle(HWND window);

}  // namespace ferrolin
