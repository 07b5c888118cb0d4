#pragma once
// The framework's basic window types and constants, with the values the system's rules name.

#include <cstdint>

namespace ferrolin {

// A window handle. Handles of windows this process made lie above 2^32, so they can never be
// mistaken for a host window handle, which the command line gives as a signed 32-bit number.
using HWND = std::int64_t;
using UINT = std::uint32_t;
using WPARAM = std::uint64_t;
using LPARAM = std::int64_t;
using BOOL = int;  // 1 true, 0 false, as the framework's operations answer

// Message box types and answers.
constexpr UINT MB_OK = 0x00000000;
constexpr UINT MB_YESNO = 0x00000004;
constexpr UINT MB_ICONQUESTION = 0x00000020;
constexpr UINT MB_ICONEXCLAMATION = 0x00000030;
constexpr UINT MB_ICONINFORMATION = 0x00000040;
constexpr UINT MB_TYPEMASK = 0x0000000F;
constexpr UINT MB_ICONMASK = 0x000000F0;

constexpr int IDOK = 1;
constexpr int IDCANCEL = 2;
constexpr int IDYES = 6;
constexpr int IDNO = 7;

// Messages and keys that the dialogs' keyboard handling looks at.
constexpr UINT WM_KEYDOWN = 0x0100;
constexpr UINT WM_SYSKEYDOWN = 0x0104;

constexpr int VK_TAB = 0x09;
constexpr int VK_RETURN = 0x0D;
constexpr int VK_SHIFT = 0x10;
constexpr int VK_CONTROL = 0x11;
constexpr int VK_MENU = 0x12;  // Alt
constexpr int VK_ESCAPE = 0x1B;
constexpr int VK_F4 = 0x73;
constexpr int VK_F12 = 0x7B;

// Save-as dialog flags.
constexpr std::uint32_t OFN_HIDEREADONLY = 0x00000004;
constexpr std::uint32_t OFN_NOCHANGEDIR = 0x00000008;
constexpr std::uint32_t OFN_PATHMUSTEXIST = 0x00000800;
constexpr std::uint32_t OFN_FILEMUSTEXIST = 0x00001000;

}  // namespace ferrolin
