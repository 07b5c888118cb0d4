#pragma once
// The datagrams that carry window services on the host's window to the host. One datagram is one
// line of ASCII text, without a line end:
//   enable 0 | enable 1            EnableWindow(false | true)
//   setparent CHILD PARENT         SetParent(CHILD, PARENT), sent to each host window of the two
//   foreground                     SetForegroundWindow
//   top                            BringWindowToTop
//   post MESSAGE WPARAM LPARAM     PostMessageA
// Numbers are decimal without a plus sign: CHILD, PARENT and LPARAM signed 64-bit, MESSAGE
// unsigned 32-bit, WPARAM unsigned 64-bit. Words are separated by one space. Anything else is not
// a datagram of this protocol.

#include <optional>
#include <string>
#include <string_view>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

enum class HostWindowEventKind { Enable, SetParent, Foreground, Top, Post };

struct HostWindowEvent {
    HostWindowEventKind kind = HostWindowEventKind::Enable;
    bool enable = false;         // Enable
    HWND child = 0, parent = 0;  // SetParent
    UINT message = 0;            // Post
    WPARAM wParam = 0;
    LPARAM lParam = 0;

    bool operator==(const HostWindowEvent&) const = default;
};

// The longest datagram the protocol makes; a receiver reads at most this many bytes plus one.
constexpr std::size_t kHostWindowDatagramMax = 96;

std::string FormatHostWindowDatagram(const HostWindowEvent& event);
// nullopt when `datagram` is not exactly one datagram of the protocol.
std::optional<HostWindowEvent> ParseHostWindowDatagram(std::string_view datagram);

}  // namespace ferrolin
