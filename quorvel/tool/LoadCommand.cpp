#include "quorvel/tool/LoadCommand.h"

#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fstream>
#include <sstream>
#include <vector>

#include "quorvel/engine/store/StoreContract.h"

namespace quorvel {
namespace {

bool ReadWhole(const std::string& path, std::string* text) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return false;
    std::ostringstream content;
    content << in.rdbuf();
    *text = content.str();
    return !in.bad();
}

// Runs the script statement by statement, so that a failure names the line it starts on.
bool RunScript(sqlite3* db, const std::string& script, std::string* error) {
    const char* const begin = script.c_str();
    const char* next = begin;
    while (*next != '\0') {
        next += std::strspn(next, " \t\r\n");
        sqlite3_stmt* stmt = nullptr;
        const char* tail = nullptr;
        const char* const start = next;
        int rc = sqlite3_prepare_v2(db, start, -1, &stmt, &tail);
        if (rc == SQLITE_OK && stmt != nullptr) {
            while ((rc = sqlite3_step(stmt)) == SQLITE_ROW) {
            }
            if (rc == SQLITE_DONE) rc = SQLITE_OK;
        }
        sqlite3_finalize(stmt);
        if (rc != SQLITE_OK) {
            const long line = 1 + std::count(begin, start, '\n');
            *error = "line " + std::to_string(line) + ": " + sqlite3_errmsg(db);
            return false;
        }
        if (tail == nullptr || tail == start) break;  // only comments were left
        next = tail;
    }
    return true;
}

std::string BuildStore(const std::string& path, const std::string& script) {
    sqlite3* db = nullptr;
    std::string error;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        error = sqlite3_errmsg(db);
    } else {
        // The file is new and discarded on failure, so it needs no journal.
        sqlite3_exec(db, "PRAGMA journal_mode = OFF; PRAGMA synchronous = OFF", nullptr, nullptr,
                     nullptr);
        if (RunScript(db, script, &error)) {
            error = CheckContract(db);
            if (!error.empty()) error = "not a host store: " + error;
        }
    }
    if (sqlite3_close(db) != SQLITE_OK && error.empty()) error = "cannot close the new store";
    return error;
}

}  // namespace

int RunLoad(const std::string& fixturePath, const std::string& storePath, std::ostream& err) {
    std::string script;
    if (!ReadWhole(fixturePath, &script)) {
        err << "quorvel-host: cannot read " << fixturePath << ": " << std::strerror(errno) << '\n';
        return 1;
    }
    // Built beside the store and renamed over it, so a failed load leaves the old store whole.
    std::vector<char> temp(storePath.begin(), storePath.end());
    const std::string suffix = ".loading-XXXXXX";
    temp.insert(temp.end(), suffix.begin(), suffix.end());
    temp.push_back('\0');
    const int fd = mkstemp(temp.data());
    if (fd < 0) {
        err << "quorvel-host: cannot create a file beside " << storePath << ": "
            << std::strerror(errno) << '\n';
        return 1;
    }
    close(fd);
    std::string error = BuildStore(temp.data(), script);
    if (error.empty() && std::rename(temp.data(), storePath.c_str()) != 0) {
        error = std::string("cannot replace the store: ") + std::strerror(errno);
    }
    if (!error.empty()) {
        std::remove(temp.data());
        err << "quorvel-host: " << fixturePath << ": " << error << '\n';
        return 1;
    }
    return 0;
}

}  // namespace quorvel
