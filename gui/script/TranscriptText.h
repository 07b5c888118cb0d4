#pragma once
// The pieces of a transcript line: a system text shown in UTF-8 on one line, and the names of a
// message box's icon and buttons.

#include <string>

#include "platform/window/WindowTypes.h"

namespace ferrolin {

// Code page 932 to UTF-8 (U+FFFD for bytes that do not convert), with line breaks, carriage
// returns and tabs shown as \n, \r and \t.
std::string TranscriptText(const std::string& cp932);
std::string IconName(UINT type);     // none, stop, question, exclamation, information
std::string ButtonsName(UINT type);  // ok, okcancel, yesnocancel, yesno, or type0xN

}  // namespace ferrolin
