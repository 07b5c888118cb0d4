#pragma once
// What every edition's executable does: answer --help and --version, choose the window back end
// from the environment, install the stand-in host and the host window transport, and run the
// application object. Returns the process exit status.

#include "editions/Edition.h"

namespace ferrolin {

int EditionMain(const Edition& edition, int argc, char** argv);

}  // namespace ferrolin
