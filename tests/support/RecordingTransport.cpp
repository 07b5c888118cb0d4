#include "tests/support/RecordingTransport.h"

namespace ferrolin {

RecordingTransport::RecordingTransport() : m_previous(GetWindowTransport()) {
    SetWindowTransport(this);
}

RecordingTransport::~RecordingTransport() {
    if (GetWindowTransport() == this) SetWindowTransport(m_previous);
}

std::vector<std::string> RecordingTransport::Lines() const {
    std::vector<std::string> lines;
    for (const Call& c : m_calls) {
        const std::string w = std::to_string(c.window);
        switch (c.kind) {
            case Kind::EnableWindow:
                lines.push_back("EnableWindow " + w + (c.enable ? " 1" : " 0"));
                break;
            case Kind::SetParent:
                lines.push_back("SetParent " + w + " " + std::to_string(c.newParent));
                break;
            case Kind::SetForegroundWindow:
                lines.push_back("SetForegroundWindow " + w);
                break;
            case Kind::BringWindowToTop:
                lines.push_back("BringWindowToTop " + w);
                break;
            case Kind::PostMessage:
                lines.push_back("PostMessage " + w + " " + std::to_string(c.message) + " " +
                                std::to_string(c.wParam) + " " + std::to_string(c.lParam));
                break;
        }
    }
    return lines;
}

void RecordingTransport::EnableWindow(HWND window, bool enable) {
    m_calls.push_back({Kind::EnableWindow, window, 0, enable});
}

void RecordingTransport::SetParent(HWND child, HWND newParent) {
    m_calls.push_back({Kind::SetParent, child, newParent});
}

void RecordingTransport::SetForegroundWindow(HWND window) {
    m_calls.push_back({Kind::SetForegroundWindow, window});
}

void RecordingTransport::BringWindowToTop(HWND window) {
    m_calls.push_back({Kind::BringWindowToTop, window});
}

void RecordingTransport::PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    m_calls.push_back({Kind::PostMessage, window, 0, false, message, wParam, lParam});
}

}  // namespace ferrolin
