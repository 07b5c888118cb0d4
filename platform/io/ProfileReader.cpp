#include "platform/io/ProfileReader.h"

#include "platform/io/File.h"
#include "platform/text/Cp932.h"
#include "platform/text/IniText.h"

namespace ferrolin {

std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, std::size_t size,
                                     const std::string& windowsPath) {
    std::string value = defaultValue;
    CFile file;
    if (file.Open(windowsPath, CFile::modeRead | CFile::shareDenyNone)) {
        std::string text;
        char buffer[4096];
        try {
            for (std::size_t got; (got = file.Read(buffer, sizeof buffer)) > 0;)
                text.append(buffer, got);
        } catch (const CFileException&) {
            text.clear();  // an unreadable file reads as a missing one
        }
        if (auto found = IniText::Parse(text).Find(section, key)) value = *found;
    }
    return size == 0 ? std::string() : CutToWholeChars(value, size - 1);
}

}  // namespace ferrolin
