#pragma once
// The account names an entry keeps: at most 30 bytes of the host's name, cut at a whole character.

#include <cstddef>

namespace ferrolin {

constexpr std::size_t kEntryNameBytes = 30;

// Copies the name held in `source` (a field of `sourceSize` bytes, read up to its terminator or
// its end) into `dest`, zero-filled, of kEntryNameBytes + 1 bytes. A double-byte character that
// would not fit whole is left out, and so is a lone lead byte at the end, so that the entry never
// ends in the first byte of a double-byte character.
void CopyEntryName(char* dest, const char* source, std::size_t sourceSize);

}  // namespace ferrolin
