#include "gui/script/TranscriptText.h"

#include <cstdio>

#include "platform/text/Cp932.h"

namespace ferrolin {

std::string TranscriptText(const std::string& cp932) {
    const std::string utf8 = Cp932ToUtf8Lossy(cp932);
    std::string shown;
    shown.reserve(utf8.size());
    for (char c : utf8) {
        switch (c) {
            case '\n':
                shown += "\\n";
                break;
            case '\r':
                shown += "\\r";
                break;
            case '\t':
                shown += "\\t";
                break;
            default:
                shown += c;
        }
    }
    return shown;
}

std::string IconName(UINT type) {
    switch (type & MB_ICONMASK) {
        case 0x00:
            return "none";
        case 0x10:
            return "stop";
        case MB_ICONQUESTION:
            return "question";
        case MB_ICONEXCLAMATION:
            return "exclamation";
        case MB_ICONINFORMATION:
            return "information";
        default: {
            char name[16];
            std::snprintf(name, sizeof name, "icon0x%X", type & MB_ICONMASK);
            return name;
        }
    }
}

std::string ButtonsName(UINT type) {
    switch (type & MB_TYPEMASK) {
        case MB_OK:
            return "ok";
        case 0x1:
            return "okcancel";
        case 0x3:
            return "yesnocancel";
        case MB_YESNO:
            return "yesno";
        default: {
            char name[16];
            std::snprintf(name, sizeof name, "type0x%X", type & MB_TYPEMASK);
            return name;
        }
    }
}

}  // namespace ferrolin
