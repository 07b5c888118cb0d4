#include "quorvel/engine/store/HostStore.h"

#include <charconv>
#include <cstdio>
#include <cstdlib>

#include "platform/text/Cp932.h"
#include "quorvel/engine/store/Statement.h"
#include "quorvel/engine/store/StoreContract.h"

namespace quorvel {

HostStore::~HostStore() { Close(); }

bool HostStore::Open(std::string* error) {
    if (m_db != nullptr) return true;
    const char* path = std::getenv("QUORVEL_STORE");
    if (path == nullptr || *path == '\0') {
        if (error != nullptr) *error = "QUORVEL_STORE names no host store";
        return false;
    }
    return OpenPath(path, error);
}

bool HostStore::OpenPath(const std::string& path, std::string* error) {
    if (m_db != nullptr) return true;
    sqlite3* db = nullptr;
    std::string problem;
    if (sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr) != SQLITE_OK) {
        problem = sqlite3_errmsg(db);
    } else {
        problem = CheckContract(db);
    }
    if (!problem.empty()) {
        sqlite3_close(db);
        if (error != nullptr) *error = "host store " + path + ": " + problem;
        return false;
    }
    // The account walk reads two tables side by side; a larger page cache and memory mapping keep
    // a store of 100,000 accounts from being read page by page through system calls.
    sqlite3_exec(db, "PRAGMA cache_size = -32768; PRAGMA mmap_size = 1073741824", nullptr, nullptr,
                 nullptr);
    m_db = db;
    return true;
}

void HostStore::Close() {
    // An engine object may still hold a statement (a cursor the component keeps after a failed
    // walk); the database then closes when that statement is finalized.
    sqlite3_close_v2(m_db);
    m_db = nullptr;
}

sqlite3* HostStore::Db() {
    if (m_db == nullptr) {
        std::string error;
        if (!Open(&error)) Report(error);
    }
    return m_db;
}

std::optional<std::string> HostStore::TextSetting(std::string_view key,
                                                  std::string_view defaultValue) {
    Statement query(Db(), "SELECT value FROM host_setting WHERE key = ?1");
    query.BindText(1, key);
    switch (query.Next()) {
        case Statement::Step::Row:
            if (auto value = query.Cp932(0)) return value;
            Report("host_setting " + std::string(key) + " has no code page 932 form");
            return std::nullopt;
        case Statement::Step::Done:
            return ferrolin::Utf8ToCp932(defaultValue);
        case Statement::Step::Error:
            break;
    }
    Report("host_setting cannot be read: " + query.Error());
    return std::nullopt;
}

std::optional<std::int32_t> HostStore::IntSetting(std::string_view key, std::int32_t defaultValue) {
    const auto text = TextSetting(key, std::to_string(defaultValue));
    if (!text) return std::nullopt;
    std::int32_t value = 0;
    const char* end = text->data() + text->size();
    const auto [stop, error] = std::from_chars(text->data(), end, value);
    if (error != std::errc() || stop != end) {
        Report("host_setting " + std::string(key) +
               " is not a 32-bit integer: " + ferrolin::Cp932ToUtf8Lossy(*text));
        return std::nullopt;
    }
    return value;
}

void HostStore::Report(const std::string& problem) {
    if (problem == m_lastReport) return;
    m_lastReport = problem;
    std::fprintf(stderr, "quorvel: %s\n", problem.c_str());
}

}  // namespace quorvel
