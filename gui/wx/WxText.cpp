#include "gui/wx/WxText.h"

#include <algorithm>

#include "platform/text/Cp932.h"

namespace ferrolin {

wxString ToWxText(const std::string& cp932) { return wxString::FromUTF8(Cp932ToUtf8Lossy(cp932)); }

std::string ToUtf8(const wxString& text) {
    const wxScopedCharBuffer utf8 = text.utf8_str();
    return std::string(utf8.data(), utf8.length());
}

std::optional<std::string> FromWxText(const wxString& text) { return Utf8ToCp932(ToUtf8(text)); }

// Counted through the display conversion itself, so an unconvertible byte counts as it is shown.
long CharPositionOfByte(const std::string& cp932, int byteOffset) {
    const std::size_t bytes =
        std::clamp<std::size_t>(static_cast<std::size_t>(std::max(byteOffset, 0)), 0, cp932.size());
    return static_cast<long>(ToWxText(CutToWholeChars(cp932, bytes)).length());
}

}  // namespace ferrolin
