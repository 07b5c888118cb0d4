#pragma once
// A window transport for tests: records every call on a foreign window, in order. Constructing
// one installs it; destroying it puts the previous transport back.

#include <string>
#include <vector>

#include "platform/window/WindowTransport.h"

namespace ferrolin {

class RecordingTransport : public IWindowTransport {
public:
    enum class Kind { EnableWindow, SetParent, SetForegroundWindow, BringWindowToTop, PostMessage };
    struct Call {
        Kind kind;
        HWND window;          // SetParent: the child
        HWND newParent = 0;   // SetParent only
        bool enable = false;  // EnableWindow only
        UINT message = 0;     // PostMessage only
        WPARAM wParam = 0;
        LPARAM lParam = 0;
        bool operator==(const Call&) const = default;
    };

    RecordingTransport();
    ~RecordingTransport() override;
    RecordingTransport(const RecordingTransport&) = delete;
    RecordingTransport& operator=(const RecordingTransport&) = delete;

    const std::vector<Call>& Calls() const { return m_calls; }
    // The calls one a line, e.g. "EnableWindow 1234 0", "SetParent 4294967552 1234",
    // "PostMessage 1234 1025 3 0", for readable comparisons in tests.
    std::vector<std::string> Lines() const;
    void Clear() { m_calls.clear(); }

    void EnableWindow(HWND window, bool enable) override;
    void SetParent(HWND child, HWND newParent) override;
    void SetForegroundWindow(HWND window) override;
    void BringWindowToTop(HWND window) override;
    void PostMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    IWindowTransport* m_previous;
    std::vector<Call> m_calls;
};

}  // namespace ferrolin
