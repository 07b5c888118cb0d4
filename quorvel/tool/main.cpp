// quorvel-host: the stand-in host's tool. See docs/stand-in-host.md.

#include <iostream>
#include <string>
#include <vector>

#include "quorvel/engine/store/StoreContract.h"
#include "quorvel/tool/LaunchCommand.h"
#include "quorvel/tool/LoadCommand.h"

namespace {

constexpr const char* kUsage =
    "usage: quorvel-host schema\n"
    "       quorvel-host load FIXTURE.sql STORE.db\n"
    "       quorvel-host launch [--store S] [--window N --message M --function F [--path P]]\n"
    "                           [--args TEXT] -- PROGRAM [ARGS]\n";

}  // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> words(argv + 1, argv + argc);
    if (words.size() == 1 && words[0] == "schema") {
        // A fixture is this text followed by its data; a failed write must not pass for one.
        std::cout << quorvel::ContractSchemaSql() << std::flush;
        return std::cout ? 0 : 1;
    }
    if (words.size() == 3 && words[0] == "load") {
        return quorvel::RunLoad(words[1], words[2], std::cerr);
    }
    if (!words.empty() && words[0] == "launch") {
        return quorvel::RunLaunch({words.begin() + 1, words.end()}, std::cout, std::cerr);
    }
    if (words.size() == 1 && (words[0] == "--help" || words[0] == "-h")) {
        std::cout << kUsage;
        return 0;
    }
    std::cerr << kUsage;
    return 2;
}
