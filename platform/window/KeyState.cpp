#include "platform/window/KeyState.h"

#include "platform/window/Dialog.h"

namespace ferrolin {

namespace {
struct Modifiers {
    bool shift = false, ctrl = false, alt = false;
};
Modifiers g_modifiers;
}  // namespace

ScopedKeyState::ScopedKeyState(bool shift, bool ctrl, bool alt)
    : m_shift(g_modifiers.shift), m_ctrl(g_modifiers.ctrl), m_alt(g_modifiers.alt) {
    g_modifiers = {shift, ctrl, alt};
}

ScopedKeyState::~ScopedKeyState() { g_modifiers = {m_shift, m_ctrl, m_alt}; }

short GetKeyState(int virtualKey) {
    constexpr short kDown = static_cast<short>(0x8000);
    switch (virtualKey) {
        case VK_SHIFT:
            return g_modifiers.shift ? kDown : 0;
        case VK_CONTROL:
            return g_modifiers.ctrl ? kDown : 0;
        case VK_MENU:
            return g_modifiers.alt ? kDown : 0;
        default:
            return 0;
    }
}

}  // namespace ferrolin
