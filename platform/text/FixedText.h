#pragma once
// A fixed Japanese text of the product (message, caption, label), written once and readable in
// UTF-8 in the source, used everywhere as its code page 932 bytes. Each subsystem keeps its fixed
// texts together in one header; a table-driven test pins their bytes.

#include <string>

namespace ferrolin {

class FixedText {
public:
    constexpr explicit FixedText(const char* utf8) : m_utf8(utf8) {}
    // The code page 932 bytes, converted once. A text that has no code page 932 form is a
    // programming error and stops the program at its first use.
    const std::string& Cp932() const;
    const char* Utf8() const { return m_utf8; }
    operator const std::string&() const { return Cp932(); }

private:
    const char* m_utf8;
};

}  // namespace ferrolin
