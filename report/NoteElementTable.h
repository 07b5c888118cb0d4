#pragma once
// The elements of the notes list: 177 rows in document order and an end row. A row's subtree is
// the row and the rows after it while their level is greater; every row of level 3 starts a
// group, whose display flag hides or shows its rows.

#include <array>
#include <cstdint>

namespace ferrolin {

struct NoteElement {
    std::int16_t group;   // index into the note display flags, 0 to 10
    std::int32_t id;      // the item's ID in the host's notes text; 0 in the end row
    std::int16_t level;   // nesting level and number of leading tabs, 3 to 8; 0 in the end row
    const char* element;  // "" in the end row
};

constexpr std::size_t kNoteElementRows = 177;

// The rows followed by the end row.
extern const std::array<NoteElement, kNoteElementRows + 1> NoteElementTable;

}  // namespace ferrolin
