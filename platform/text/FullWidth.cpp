// The full-width mapping of the company name that the target program expects: half-width
// characters become their full-width forms, double-byte characters keep their bytes.

#include <cstdint>
#include <map>
#include <mutex>
#include <string>

#include "platform/text/Cp932.h"

namespace ferrolin {
namespace {

// Full-width forms of the half-width katakana bytes 0xA1-0xDF, in byte order.
constexpr std::u32string_view kKatakana =
    U"。「」、・ヲァィゥェォャュョッーアイウエオカキクケコサシスセソタチツテトナニヌネノハヒフヘホ"
    U"マミムメモヤユヨラリルレロワン゛゜";
static_assert(kKatakana.size() == 0xDF - 0xA1 + 1);

constexpr unsigned char kVoicedMark = 0xDE;      // ﾞ
constexpr unsigned char kSemiVoicedMark = 0xDF;  // ﾟ

std::string EncodeUtf8(char32_t c) {
    std::string out;
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
    return out;
}

// Code page 932 bytes of one full-width character, converted once.
const std::string& Cp932Of(char32_t c) {
    static std::mutex mutex;
    static std::map<char32_t, std::string> cache;
    std::lock_guard<std::mutex> lock(mutex);
    auto found = cache.find(c);
    if (found != cache.end()) return found->second;
    return cache.emplace(c, Utf8ToCp932(EncodeUtf8(c)).value_or(std::string())).first->second;
}

// The full-width character of a single byte, or 0 when the byte has none and stays as it is.
char32_t FullWidthOf(unsigned char byte) {
    if (byte == 0x20) return U'\u3000';
    if (byte >= 0x21 && byte <= 0x7E) return static_cast<char32_t>(0xFF01 + (byte - 0x21));
    if (byte >= 0xA1 && byte <= 0xDF) return kKatakana[byte - 0xA1];
    return 0;
}

// The kana composed with a following voiced (or semi-voiced) mark, or 0 when code page 932 has
// no composed form.
char32_t Compose(char32_t kana, unsigned char mark) {
    // In Unicode each of these kana is directly followed by its voiced form (and the ha row by
    // its semi-voiced form after that).
    constexpr std::u32string_view kVoiceable = U"カキクケコサシスセソタチツテトハヒフヘホ";
    constexpr std::u32string_view kSemiVoiceable = U"ハヒフヘホ";
    if (mark == kVoicedMark) {
        if (kana == U'ウ') return U'ヴ';
        if (kVoiceable.find(kana) != std::u32string_view::npos) return kana + 1;
    }
    if (mark == kSemiVoicedMark && kSemiVoiceable.find(kana) != std::u32string_view::npos) {
        return kana + 2;
    }
    return 0;
}

}  // namespace

std::string ToFullWidth(std::string_view cp932) {
    std::string out;
    for (std::size_t pos = 0; pos < cp932.size();) {
        const std::size_t length = CharLengthAt(cp932, pos);
        const auto byte = static_cast<unsigned char>(cp932[pos]);
        const char32_t wide = length == 1 ? FullWidthOf(byte) : 0;
        if (wide == 0) {
            out.append(cp932.substr(pos, length));
            pos += length;
            continue;
        }
        pos += 1;
        if (byte >= 0xA6 && byte <= 0xDD && pos < cp932.size()) {
            const auto next = static_cast<unsigned char>(cp932[pos]);
            if (char32_t composed = Compose(wide, next); composed != 0) {
                out += Cp932Of(composed);
                ++pos;
                continue;
            }
        }
        out += Cp932Of(wide);
    }
    return out;
}

}  // namespace ferrolin
