#include "gui/wx/VirtualKeys.h"

#include <wx/defs.h>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

namespace {

struct KeyPair {
    int wxKey;
    int virtualKey;
};

// The framework's virtual key codes of the keys that have no letter or digit of their own.
constexpr KeyPair kNamedKeys[] = {
    {WXK_BACK, 0x08},
    {WXK_TAB, VK_TAB},
    {WXK_RETURN, VK_RETURN},
    {WXK_NUMPAD_ENTER, VK_RETURN},
    {WXK_SHIFT, VK_SHIFT},
    {WXK_CONTROL, VK_CONTROL},
    {WXK_ALT, VK_MENU},
    {WXK_PAUSE, 0x13},
    {WXK_CAPITAL, 0x14},
    {WXK_ESCAPE, VK_ESCAPE},
    {WXK_SPACE, 0x20},
    {WXK_PAGEUP, 0x21},
    {WXK_PAGEDOWN, 0x22},
    {WXK_END, 0x23},
    {WXK_HOME, 0x24},
    {WXK_LEFT, 0x25},
    {WXK_UP, 0x26},
    {WXK_RIGHT, 0x27},
    {WXK_DOWN, 0x28},
    {WXK_INSERT, 0x2D},
    {WXK_DELETE, 0x2E},
    {WXK_NUMPAD_SPACE, 0x20},
    {WXK_NUMPAD_TAB, VK_TAB},
    {WXK_NUMPAD_HOME, 0x24},
    {WXK_NUMPAD_LEFT, 0x25},
    {WXK_NUMPAD_UP, 0x26},
    {WXK_NUMPAD_RIGHT, 0x27},
    {WXK_NUMPAD_DOWN, 0x28},
    {WXK_NUMPAD_PAGEUP, 0x21},
    {WXK_NUMPAD_PAGEDOWN, 0x22},
    {WXK_NUMPAD_END, 0x23},
    {WXK_NUMPAD_INSERT, 0x2D},
    {WXK_NUMPAD_DELETE, 0x2E},
    {WXK_MULTIPLY, 0x6A},
    {WXK_NUMPAD_MULTIPLY, 0x6A},
    {WXK_ADD, 0x6B},
    {WXK_NUMPAD_ADD, 0x6B},
    {WXK_SUBTRACT, 0x6D},
    {WXK_NUMPAD_SUBTRACT, 0x6D},
    {WXK_DECIMAL, 0x6E},
    {WXK_NUMPAD_DECIMAL, 0x6E},
    {WXK_DIVIDE, 0x6F},
    {WXK_NUMPAD_DIVIDE, 0x6F},
};

}  // namespace

std::optional<int> VirtualKeyOf(int wxKeyCode) {
    if (wxKeyCode >= '0' && wxKeyCode <= '9') return wxKeyCode;
    if (wxKeyCode >= 'A' && wxKeyCode <= 'Z') return wxKeyCode;
    if (wxKeyCode >= 'a' && wxKeyCode <= 'z') return wxKeyCode - 'a' + 'A';
    if (wxKeyCode >= WXK_NUMPAD0 && wxKeyCode <= WXK_NUMPAD9)
        return 0x60 + (wxKeyCode - WXK_NUMPAD0);
    if (wxKeyCode >= WXK_F1 && wxKeyCode <= WXK_F24) return 0x70 + (wxKeyCode - WXK_F1);
    for (const KeyPair& pair : kNamedKeys) {
        if (pair.wxKey == wxKeyCode) return pair.virtualKey;
    }
    return std::nullopt;
}

bool IsDialogManagerKey(int virtualKey) {
    return virtualKey == VK_TAB || virtualKey == VK_RETURN || virtualKey == VK_ESCAPE;
}

}  // namespace ferrolin
