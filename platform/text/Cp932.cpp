#include "platform/text/Cp932.h"

#include <iconv.h>

#include <cerrno>
#include <memory>

namespace ferrolin {

bool IsLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

bool IsTrailByte(unsigned char byte) {
    return (byte >= 0x40 && byte <= 0x7E) || (byte >= 0x80 && byte <= 0xFC);
}

std::size_t CharLengthAt(std::string_view text, std::size_t pos) {
    if (pos + 1 < text.size() && IsLeadByte(static_cast<unsigned char>(text[pos]))) return 2;
    return 1;
}

bool IsDoubleByteAt(std::string_view text, std::size_t index) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        if (index < pos + length) return length == 2;
        pos += length;
    }
    return false;
}

std::size_t FindFirstChar(std::string_view text, char c, std::size_t from) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        if (length == 1 && pos >= from && text[pos] == c) return pos;
        pos += length;
    }
    return std::string_view::npos;
}

std::size_t FindLastChar(std::string_view text, char c) {
    std::size_t found = std::string_view::npos;
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t length = CharLengthAt(text, pos);
        if (length == 1 && text[pos] == c) found = pos;
        pos += length;
    }
    return found;
}

bool EndsWithChar(std::string_view text, char c) {
    return !text.empty() && FindLastChar(text, c) == text.size() - 1;
}

std::string CutToWholeChars(std::string_view text, std::size_t maxBytes) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t length = CharLengthAt(text, end);
        if (end + length > maxBytes) break;
        end += length;
    }
    return std::string(text.substr(0, end));
}

namespace {

// One iconv conversion; `lossy` replaces each byte that does not convert with U+FFFD (only used
// from code page 932 towards UTF-8, for display).
std::optional<std::string> Convert(const char* to, const char* from, std::string_view input,
                                   bool lossy) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    // Closed on every way out, also when growing the output runs out of memory.
    std::unique_ptr<void, int (*)(iconv_t)> closer(cd, iconv_close);
    std::string out;
    char buffer[1024];
    char* in = const_cast<char*>(input.data());
    std::size_t inLeft = input.size();
    bool ok = true;
    while (inLeft > 0) {
        char* outPtr = buffer;
        std::size_t outLeft = sizeof buffer;
        const std::size_t result = iconv(cd, &in, &inLeft, &outPtr, &outLeft);
        out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
        if (result != static_cast<std::size_t>(-1)) continue;
        if (errno == E2BIG) continue;
        if (!lossy) {
            ok = false;
            break;
        }
        out += "\xEF\xBF\xBD";
        ++in;
        --inLeft;
        iconv(cd, nullptr, nullptr, nullptr, nullptr);
    }
    if (!ok) return std::nullopt;
    return out;
}

}  // namespace

std::optional<std::string> Cp932ToUtf8(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932, false);
}

std::optional<std::string> Utf8ToCp932(std::string_view utf8) {
    return Convert("CP932", "UTF-8", utf8, false);
}

std::string Cp932ToUtf8Lossy(std::string_view cp932) {
    return Convert("UTF-8", "CP932", cp932, true).value_or(std::string());
}

}  // namespace ferrolin
