// The notes list: the note element table walked in order, a row written when the notes text marks
// its item as shown and its group's display flag is set, with the item's text lines as Line
// elements. The notes text is a list of blocks:
//   "<ID>" and the item's ID, two lines not read, "<Disp>1" when shown, "<Value>", then one
//   "<Line>" line per text line.

#include "report/NoteElementTable.h"
#include "report/ReportWriter.h"
#include "report/xml/XmlWriter.h"

namespace ferrolin {

namespace {

constexpr std::string_view kIdMarker = "<ID>";
constexpr std::string_view kDispMarker = "<Disp>";
constexpr std::string_view kValueMarker = "<Value>";
constexpr std::string_view kLineMarker = "<Line>";
constexpr std::string_view kLineEndMarker = "</Line>";
constexpr std::size_t kDispOffset = 3;
constexpr std::size_t kValueOffset = 4;
constexpr std::size_t kFirstLineOffset = 5;

bool Holds(const std::string& line, std::string_view marker) {
    return line.find(marker) != std::string::npos;
}

// True when the line holds "<ID>" and the text after it holds the ID's digits.
bool IsBlockOf(const std::string& line, const std::string& digits) {
    const std::size_t marker = line.find(kIdMarker);
    return marker != std::string::npos &&
           line.find(digits, marker + kIdMarker.size()) != std::string::npos;
}

// The text after the first "<Line>", without any "</Line>" of the original line.
std::string LineText(const std::string& line) {
    const std::string_view text =
        std::string_view(line).substr(line.find(kLineMarker) + kLineMarker.size());
    std::string result;
    result.reserve(text.size());
    std::size_t pos = 0;
    while (pos < text.size()) {
        const std::size_t found = text.find(kLineEndMarker, pos);
        if (found == std::string_view::npos) {
            result.append(text.substr(pos));
            break;
        }
        result.append(text.substr(pos, found - pos));
        pos = found + kLineEndMarker.size();
    }
    return result;
}

}  // namespace

bool CReportWriter::WriteNotesList(CXmlWriter& xml) {
    if (!xml.WriteStartTag("ListNotesNonConsolidated", 2)) return false;
    std::size_t row = 0;
    while (NoteElementTable[row].level != 0) {
        const std::optional<std::size_t> next = WriteNoteEntry(row, xml);
        if (!next) return false;
        row = *next;
    }
    return xml.WriteEndTag("ListNotesNonConsolidated", 2);
}

// A hidden row's shown descendants are written as roots of their own subtrees, at their own
// levels, so that no shown note is lost with its parent.
std::optional<std::size_t> CReportWriter::WriteNoteEntry(std::size_t row, CXmlWriter& xml) {
    const NoteElement& note = NoteElementTable[row];
    std::size_t end = row + 1;
    while (NoteElementTable[end].level > note.level) ++end;

    const bool shown = IsNoteShown(note.id) && note.group >= 0 &&
                       static_cast<std::size_t>(note.group) < m_noteFlags.size() &&
                       m_noteFlags[static_cast<std::size_t>(note.group)] != 0;
    if (shown) {
        if (!xml.WriteStartTag(note.element, note.level)) return std::nullopt;
        WriteNoteLines(note.id, note.level + 1, xml);
    }
    for (std::size_t child = row + 1; child < end;) {
        const std::optional<std::size_t> next = WriteNoteEntry(child, xml);
        if (!next) return std::nullopt;
        child = *next;
    }
    if (shown && !xml.WriteEndTag(note.element, note.level)) return std::nullopt;
    return end;
}

bool CReportWriter::IsNoteShown(std::int32_t id) const {
    if (m_pNotes == nullptr) return false;
    const std::vector<std::string>& lines = *m_pNotes;
    const std::string digits = std::to_string(id);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!IsBlockOf(lines[i], digits) || i + kDispOffset >= lines.size()) continue;
        const std::string& disp = lines[i + kDispOffset];
        const std::size_t marker = disp.find(kDispMarker);
        if (marker == std::string::npos) continue;
        const std::size_t flag = marker + kDispMarker.size();
        return flag < disp.size() && disp[flag] == '1';
    }
    return false;
}

// A failed write shows at the row's end tag, since the file is closed by then.
void CReportWriter::WriteNoteLines(std::int32_t id, int level, CXmlWriter& xml) {
    if (m_pNotes == nullptr) return;
    const std::vector<std::string>& lines = *m_pNotes;
    const std::string digits = std::to_string(id);
    std::size_t block = 0;
    while (block < lines.size() && !IsBlockOf(lines[block], digits)) ++block;
    if (block + kValueOffset >= lines.size() || !Holds(lines[block + kValueOffset], kValueMarker))
        return;
    for (std::size_t j = block + kFirstLineOffset; j < lines.size() && Holds(lines[j], kLineMarker);
         ++j) {
        if (!xml.WriteElement("Line", LineText(lines[j]), level)) return;
    }
}

}  // namespace ferrolin
