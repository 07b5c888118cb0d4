#include "quorvel/tool/HostWindowEventLine.h"

namespace quorvel {

std::string HostWindowEventLine(ferrolin::HWND window, const ferrolin::HostWindowEvent& event) {
    using ferrolin::HostWindowEventKind;
    const std::string head = "host window " + std::to_string(window) + ": ";
    switch (event.kind) {
        case HostWindowEventKind::Enable:
            return head + (event.enable ? "enabled" : "disabled");
        case HostWindowEventKind::SetParent:
            if (event.child == window)
                return head + "parent set to window " + std::to_string(event.parent);
            return head + "now parent of window " + std::to_string(event.child);
        case HostWindowEventKind::Foreground:
            return head + "brought to foreground";
        case HostWindowEventKind::Top:
            return head + "brought to top";
        case HostWindowEventKind::Post:
            return head + "posted message " + std::to_string(event.message) + " wparam " +
                   std::to_string(event.wParam) + " lparam " + std::to_string(event.lParam);
    }
    return head;
}

}  // namespace quorvel
