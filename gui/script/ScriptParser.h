#pragma once
// Reads the text of a UI script into actions.

#include <string>
#include <vector>

#include "gui/script/ScriptBackend.h"

namespace ferrolin {

// False with `error` naming the first malformed line ("line 3: ...").
bool ParseScript(const std::string& utf8Script, std::vector<ScriptBackend::Action>* actions,
                 std::string* error);

}  // namespace ferrolin
