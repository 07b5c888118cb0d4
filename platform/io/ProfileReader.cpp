#include "platform/io/ProfileReader.h"

#include "platform/paths/WholeFile.h"
#include "platform/text/Cp932.h"
#include "platform/text/IniText.h"

namespace ferrolin {

std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, std::size_t size,
                                     const std::string& windowsPath) {
    std::string value = defaultValue;
    // An unreadable file reads as a missing one.
    if (const auto text = ReadWholeFile(windowsPath)) {
        if (auto found = IniText::Parse(*text).Find(section, key)) value = *found;
    }
    return size == 0 ? std::string() : CutToWholeChars(value, size - 1);
}

}  // namespace ferrolin
