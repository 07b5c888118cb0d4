#pragma once
// The argument text after the program name, as the host's process start hands it over: the
// arguments joined with single spaces, in code page 932 like every text of the system.

#include <string>

namespace ferrolin {

// Arguments arrive from a Unix process start in UTF-8 and are converted; text that is not UTF-8
// is taken as code page 932 bytes already.
std::string CommandLineFromArguments(int argc, const char* const* argv);

}  // namespace ferrolin
