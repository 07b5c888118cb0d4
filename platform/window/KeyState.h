#pragma once
// The modifier state that GetKeyState reports: set for the time one key message is handled, so a
// dialog reads the state at the time of the message, not the state of the keyboard now.

namespace ferrolin {

class ScopedKeyState {
public:
    ScopedKeyState(bool shift, bool ctrl, bool alt);
    ~ScopedKeyState();
    ScopedKeyState(const ScopedKeyState&) = delete;
    ScopedKeyState& operator=(const ScopedKeyState&) = delete;

private:
    bool m_shift, m_ctrl, m_alt;  // the state before, restored at the end
};

}  // namespace ferrolin
