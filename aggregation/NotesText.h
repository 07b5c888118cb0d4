#pragma once
// The notes lines of the report from the host's saved notes text.

#include <string>
#include <vector>

namespace ferrolin {

// Replaces `notes` with the lines of `text` after decoding its five character entities. Lines
// end with CR LF; a final line without one counts too, and a lone CR or LF stays in its line. An
// empty text gives no line.
void SplitNotesText(std::string text, std::vector<std::string>& notes);

}  // namespace ferrolin
