#include "report/xml/XmlWriter.h"

namespace ferrolin {
namespace {

void AppendIndent(std::string& line, int level) {
    if (level > 0) line.append(static_cast<std::size_t>(level), '\t');
}

void AppendAttributes(std::string& line, const std::optional<XmlAttr>& first,
                      const std::optional<XmlAttr>& second) {
    // Without a first attribute the second is ignored, as the target's format has always had it.
    if (!first) return;
    for (const auto* attr : {&first, &second}) {
        if (!*attr) continue;
        line += ' ';
        line += (*attr)->name;
        line += "=\"";
        line += CXmlWriter::EscapeText((*attr)->value);
        line += '"';
    }
}

}  // namespace

void CXmlWriter::Open(CFile* file, const std::string& path) {
    Close();
    m_path = path;
    if (file != nullptr &&
        file->Open(path, CFile::modeCreate | CFile::modeWrite | CFile::shareExclusive)) {
        m_file = file;
    }
}

bool CXmlWriter::WriteRaw(std::string_view text) {
    if (m_file == nullptr) return false;
    try {
        m_file->Write(text.data(), text.size());
        return true;
    } catch (const CFileException&) {
        // Once a write has failed nothing more may reach the file: close it, so every later
        // call reports false as well. What was written stays.
        Close();
        return false;
    }
}

bool CXmlWriter::WriteStartTag(std::string_view name, int level, std::optional<XmlAttr> first,
                               std::optional<XmlAttr> second) {
    std::string line;
    AppendIndent(line, level);
    line += '<';
    line += name;
    AppendAttributes(line, first, second);
    line += ">\r\n";
    return WriteRaw(line);
}

bool CXmlWriter::WriteElement(std::string_view name, std::string_view text, int level,
                              std::optional<XmlAttr> first, std::optional<XmlAttr> second) {
    std::string line;
    AppendIndent(line, level);
    line += '<';
    line += name;
    AppendAttributes(line, first, second);
    line += '>';
    line += EscapeText(text);
    line += "</";
    line += name;
    line += ">\r\n";
    return WriteRaw(line);
}

bool CXmlWriter::WriteEndTag(std::string_view name, int level) {
    std::string line;
    AppendIndent(line, level);
    line += "</";
    line += name;
    line += ">\r\n";
    return WriteRaw(line);
}

std::string CXmlWriter::EscapeText(std::string_view text) {
    // Both bytes of a double-byte character are 0x40 or above, so a byte-wise scan never
    // touches one.
    std::string escaped;
    escaped.reserve(text.size());
    for (char c : text) {
        switch (c) {
            case '&':
                escaped += "&amp;";
                break;
            case '<':
                escaped += "&lt;";
                break;
            case '>':
                escaped += "&gt;";
                break;
            case '"':
                escaped += "&quot;";
                break;
            case '\'':
                escaped += "&apos;";
                break;
            default:
                escaped += c;
        }
    }
    return escaped;
}

void CXmlWriter::Close() {
    if (m_file != nullptr) {
        m_file->Close();
        m_file = nullptr;
    }
}

}  // namespace ferrolin
