#include "aggregation/EntryName.h"

#include <cstring>
#include <string>
#include <string_view>

#include "platform/text/Cp932.h"

namespace ferrolin {

void CopyEntryName(char* dest, const char* source, std::size_t sourceSize) {
    std::memset(dest, 0, kEntryNameBytes + 1);
    std::string_view name(source, strnlen(source, sourceSize));
    // A lead byte that ends the name without its trail byte is half a character: left out.
    if (!name.empty() && IsLeadByte(static_cast<unsigned char>(name.back())) &&
        !IsDoubleByteAt(name, name.size() - 1)) {
        name.remove_suffix(1);
    }
    const std::string kept = CutToWholeChars(name, kEntryNameBytes);
    std::memcpy(dest, kept.data(), kept.size());
}

}  // namespace ferrolin
