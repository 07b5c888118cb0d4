#pragma once
// Helpers that make byte strings readable in test expectations.

#include <cstdio>
#include <string>
#include <string_view>

namespace ferrolin::test {

// "8C 88 8E 5A" for the bytes 8C 88 8E 5A.
inline std::string Hex(std::string_view bytes) {
    std::string out;
    char buffer[4];
    for (unsigned char b : bytes) {
        std::snprintf(buffer, sizeof buffer, "%02X", b);
        if (!out.empty()) out += ' ';
        out += buffer;
    }
    return out;
}

// Code page 932 bytes of a UTF-8 literal; fails the test binary loudly when it does not convert.
std::string Sjis(std::string_view utf8);

}  // namespace ferrolin::test
