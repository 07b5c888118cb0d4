#pragma once
// The stand-in host's data: one SQLite database, named by QUORVEL_STORE, opened read-only and
// shared by every engine object of the process. The engine never writes to it.

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class HostStore {
public:
    HostStore() = default;
    HostStore(const HostStore&) = delete;
    HostStore& operator=(const HostStore&) = delete;
    ~HostStore();

    // Opens the database that QUORVEL_STORE names (or `path`) and checks that it holds the store's
    // tables. An open store stays open; false and `error` when it cannot be opened or read.
    bool Open(std::string* error = nullptr);
    bool OpenPath(const std::string& path, std::string* error = nullptr);
    void Close();

    // The open database, opening it on first use; null when it cannot be opened.
    sqlite3* Db();

    // A host_setting value in code page 932: the stored value, `defaultValue` (UTF-8) when the key
    // is absent; nullopt when the store cannot be read or the value has no code page 932 form.
    std::optional<std::string> TextSetting(std::string_view key, std::string_view defaultValue);
    // A host_setting value that must be a decimal 32-bit integer; nullopt when it is not one.
    std::optional<std::int32_t> IntSetting(std::string_view key, std::int32_t defaultValue);

    // Says on standard error (UTF-8) what is wrong with the store; a repeat of the last message
    // is not said again.
    void Report(const std::string& problem);

private:
    sqlite3* m_db = nullptr;
    std::string m_lastReport;
};

}  // namespace quorvel
