#pragma once
// The keys of the host's saved statement texts that decide the notes list. Byte searches: a key
// may match at any byte, as the host writes these keys in ASCII only.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace ferrolin {

// The settings text (kind 100) sets InputMode to a value above 0. The value follows the first
// "=" after the key, which may lie on a later line.
bool TextSetsInputMode(std::string_view settingsText);

// The note switch text (kind 0) sets "Note=" to a value above 0.
bool TextSetsNote(std::string_view noteSwitchText);

// Byte g of `flags` takes the low 8 bits of the Disp value of the g-th [Note_ section of the
// settings text; a section without its own Disp takes the next section's. At most flags.size()
// sections are stored; bytes without a section are left as they are.
void FillNoteDisplayFlags(std::string_view settingsText, std::span<std::uint8_t> flags);

}  // namespace ferrolin
