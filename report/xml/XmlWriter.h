#pragma once
// The only code that touches the report file. Every call writes one complete line (start tag,
// end tag, or element with its text) and hands it to the file at once: tabs by level, CR LF, at
// most two attributes, five escapes, every other byte as it is. Values longer than the original's
// 255-byte buffers are written whole.

#include <optional>
#include <string>
#include <string_view>

#include "platform/io/File.h"

namespace ferrolin {

struct XmlAttr {
    std::string_view name;
    std::string_view value;
};

class CXmlWriter {
public:
    // Creates or truncates the file, write-only and not shared; a file that cannot be made leaves
    // the writer closed, so every later write reports false. The file object stays the caller's.
    void Open(CFile* file, const std::string& path);
    bool WriteRaw(std::string_view text);
    bool WriteStartTag(std::string_view name, int level, std::optional<XmlAttr> first = {},
                       std::optional<XmlAttr> second = {});
    bool WriteElement(std::string_view name, std::string_view text, int level,
                      std::optional<XmlAttr> first = {}, std::optional<XmlAttr> second = {});
    bool WriteEndTag(std::string_view name, int level);
    static std::string EscapeText(std::string_view text);
    void Close();

private:
    CFile* m_file = nullptr;  // null once closed
    std::string m_path;
};

}  // namespace ferrolin
