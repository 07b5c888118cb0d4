#pragma once
// Code page 932 text: every text inside the system is a byte string in this code page. These
// helpers walk such texts by character (a lead byte and the byte after it are one step, whatever
// that byte is; a lead byte that ends the text stands alone), so a trail byte 0x5C is never taken
// for a backslash and a double-byte character is never cut. Conversion to and from UTF-8 happens
// only at the edges (display, Unix paths, fixtures).

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace ferrolin {

// 0x81-0x9F and 0xE0-0xFC.
bool IsLeadByte(unsigned char byte);
// 0x40-0x7E and 0x80-0xFC.
bool IsTrailByte(unsigned char byte);

// Bytes of the character that starts at `pos`: 2 for a lead byte with a byte after it, else 1.
std::size_t CharLengthAt(std::string_view text, std::size_t pos);
// True when the byte at `index` is the first or the second byte of a double-byte character.
bool IsDoubleByteAt(std::string_view text, std::size_t index);
// Byte index of the last (first from `from`) single-byte character `c`, by character; npos if none.
std::size_t FindLastChar(std::string_view text, char c);
std::size_t FindFirstChar(std::string_view text, char c, std::size_t from = 0);
// True when the text's last character is the single-byte character `c`.
bool EndsWithChar(std::string_view text, char c);
// The longest prefix of whole characters that holds at most `maxBytes` bytes.
std::string CutToWholeChars(std::string_view text, std::size_t maxBytes);

// Strict conversions through iconv "CP932"; nullopt when a byte sequence has no counterpart.
std::optional<std::string> Cp932ToUtf8(std::string_view cp932);
std::optional<std::string> Utf8ToCp932(std::string_view utf8);
// For display only: bytes that do not convert become U+FFFD.
std::string Cp932ToUtf8Lossy(std::string_view cp932);

// The full-width mapping of the company name: ASCII 0x21-0x7E to U+FF01-U+FF5E, space to U+3000,
// half-width katakana to full-width with a following voiced or semi-voiced mark composed where
// the composed kana exists (else the spacing mark after the kana); double-byte characters stay.
std::string ToFullWidth(std::string_view cp932);

}  // namespace ferrolin
