#include "app/CommandLineText.h"

#include "platform/text/Cp932.h"

namespace ferrolin {

std::string CommandLineFromArguments(int argc, const char* const* argv) {
    std::string text;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) text += ' ';
        text += argv[i];
    }
    return Utf8ToCp932(text).value_or(text);
}

}  // namespace ferrolin
