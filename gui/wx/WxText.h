#pragma once
// Text at the edge between the system and wx: the system's texts are code page 932 bytes, wx
// shows Unicode. Selections in the model count bytes, wx counts characters.

#include <wx/string.h>

#include <optional>
#include <string>

namespace ferrolin {

// For display: bytes that do not convert are shown as U+FFFD.
wxString ToWxText(const std::string& cp932);
// A wx text as UTF-8 bytes (paths the desktop hands back).
std::string ToUtf8(const wxString& text);
// What the user entered, as code page 932; nullopt when it holds a character that code page 932
// has no code for.
std::optional<std::string> FromWxText(const wxString& text);
// The character position in the shown text of a byte offset into the code page 932 text.
long CharPositionOfByte(const std::string& cp932, int byteOffset);

}  // namespace ferrolin
