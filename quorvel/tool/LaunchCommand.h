#pragma once
// quorvel-host launch: plays the host around one run of a linkage program. It opens the socket
// of the host window, starts the program with the command line as its last argument and
// QUORVEL_STORE set, prints a line on `out` for every window event (HostWindowEventLine.h) and,
// when the program has ended, "program exited with status S" or "program killed by signal G".
// Its status is the lparam of the last message posted to the host window, or the program's own
// (128 + G after a signal) when nothing was posted; 125 when it cannot play the host, 126/127
// when the program cannot be started.

#include <ostream>
#include <string>
#include <vector>

namespace quorvel {

int RunLaunch(const std::vector<std::string>& words, std::ostream& out, std::ostream& err);

}  // namespace quorvel
