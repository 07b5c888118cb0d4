#pragma once
// The options of quorvel-host launch:
//   [--store S] [--window N --message M --function F [--path P]] [--args TEXT] -- PROGRAM [ARGS]

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace quorvel {

struct LaunchOptions {
    std::optional<std::string> store;    // becomes QUORVEL_STORE
    std::optional<std::int32_t> window;  // the host window whose socket is opened
    std::optional<std::string> message, function, path;
    std::optional<std::string> args;   // raw command line text instead of the four fields
    std::vector<std::string> program;  // PROGRAM and its own ARGS

    // The text the program receives as its last argument: --args as given, else "N,M,F,P" when a
    // window is given (P may be empty); nullopt when there is none.
    std::optional<std::string> CommandLine() const;
};

// The options after "launch"; nullopt and `error` when they are not usable.
std::optional<LaunchOptions> ParseLaunchOptions(const std::vector<std::string>& words,
                                                std::string* error);

}  // namespace quorvel
