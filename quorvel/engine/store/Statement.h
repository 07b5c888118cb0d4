#pragma once
// A prepared SQLite statement with bound parameters. Every query of the engine goes through it,
// so no value is ever pasted into SQL text.

#include <sqlite3.h>

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvel {

class Statement {
public:
    enum class Step { Row, Done, Error };

    Statement(sqlite3* db, const char* sql);
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;
    ~Statement();

    bool Ok() const { return m_stmt != nullptr; }
    // The database's message for the last failure.
    std::string Error() const;

    Statement& BindInt(int index, std::int64_t value);
    Statement& BindText(int index, std::string_view utf8);
    Statement& BindBlob(int index, std::string_view bytes);
    Statement& BindNull(int index);
    // A key that the component hands over in code page 932 (a data ID, a user ID): bound as the
    // UTF-8 text at `textIndex` and as the raw bytes at `blobIndex`, so that a query written
    // "IN (?textIndex, ?blobIndex)" finds the row whether the store keeps it as TEXT or as BLOB.
    Statement& BindKey(int textIndex, int blobIndex, std::string_view cp932);
    // The same key bound once, in the form `table` keeps it: the UTF-8 text when a row of `table`
    // has that text in `column`, else the raw bytes. Walks written "column = ?index" then run in
    // index order; "IN (...)" would make the database sort the whole walk first.
    Statement& BindStoredKey(int index, const char* table, const char* column,
                             std::string_view cp932);

    Step Next();
    void Reset();  // keeps the bindings

    std::int64_t Int(int column) const;
    bool IsNull(int column) const;
    // A text column as the engine hands it out: TEXT converted from UTF-8 to code page 932, BLOB
    // byte for byte; nullopt when the TEXT has no code page 932 form.
    std::optional<std::string> Cp932(int column) const;
    // The stored bytes as they are (UTF-8 for TEXT).
    std::string Raw(int column) const;

private:
    sqlite3* m_db;
    sqlite3_stmt* m_stmt = nullptr;
};

}  // namespace quorvel
