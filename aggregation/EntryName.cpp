#include "aggregation/EntryName.h"

#include <cstring>
#include <string_view>

#include "platform/text/Cp932.h"

namespace ferrolin {

void CopyEntryName(char* dest, const char* source, std::size_t sourceSize) {
    std::memset(dest, 0, kEntryNameBytes + 1);
    const std::string_view name(source, strnlen(source, sourceSize));
    std::size_t end = 0;
    while (end < name.size()) {
        const std::size_t length = CharLengthAt(name, end);
        if (end + length > kEntryNameBytes) break;
        // A lead byte stands alone only at the end of the name: a half character, left out.
        if (length == 1 && IsLeadByte(static_cast<unsigned char>(name[end]))) break;
        end += length;
    }
    std::memcpy(dest, name.data(), end);
}

}  // namespace ferrolin
