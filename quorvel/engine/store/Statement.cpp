#include "quorvel/engine/store/Statement.h"

#include "platform/text/Cp932.h"

namespace quorvel {

Statement::Statement(sqlite3* db, const char* sql) : m_db(db) {
    if (db == nullptr) return;
    if (sqlite3_prepare_v2(db, sql, -1, &m_stmt, nullptr) != SQLITE_OK) {
        sqlite3_finalize(m_stmt);
        m_stmt = nullptr;
    }
}

Statement::~Statement() { sqlite3_finalize(m_stmt); }

std::string Statement::Error() const {
    return m_db != nullptr ? sqlite3_errmsg(m_db) : "no database";
}

Statement& Statement::BindInt(int index, std::int64_t value) {
    if (m_stmt != nullptr) sqlite3_bind_int64(m_stmt, index, value);
    return *this;
}

Statement& Statement::BindText(int index, std::string_view utf8) {
    if (m_stmt != nullptr) {
        sqlite3_bind_text64(m_stmt, index, utf8.data(), utf8.size(), SQLITE_TRANSIENT, SQLITE_UTF8);
    }
    return *this;
}

Statement& Statement::BindBlob(int index, std::string_view bytes) {
    if (m_stmt != nullptr) {
        sqlite3_bind_blob64(m_stmt, index, bytes.data(), bytes.size(), SQLITE_TRANSIENT);
    }
    return *this;
}

Statement& Statement::BindNull(int index) {
    if (m_stmt != nullptr) sqlite3_bind_null(m_stmt, index);
    return *this;
}

Statement& Statement::BindKey(int textIndex, int blobIndex, std::string_view cp932) {
    if (const auto utf8 = ferrolin::Cp932ToUtf8(cp932)) {
        BindText(textIndex, *utf8);
    } else {
        BindNull(textIndex);
    }
    return BindBlob(blobIndex, cp932);
}

Statement& Statement::BindStoredKey(int index, const char* table, const char* column,
                                    std::string_view cp932) {
    const auto utf8 = ferrolin::Cp932ToUtf8(cp932);
    if (utf8) {
        // Table and column are the engine's own names, never data.
        const std::string sql =
            std::string("SELECT 1 FROM ") + table + " WHERE " + column + " = ?1 LIMIT 1";
        Statement probe(m_db, sql.c_str());
        probe.BindText(1, *utf8);
        if (probe.Next() == Step::Row) return BindText(index, *utf8);
    }
    return BindBlob(index, cp932);
}

Statement::Step Statement::Next() {
    if (m_stmt == nullptr) return Step::Error;
    switch (sqlite3_step(m_stmt)) {
        case SQLITE_ROW:
            return Step::Row;
        case SQLITE_DONE:
            return Step::Done;
        default:
            return Step::Error;
    }
}

void Statement::Reset() {
    if (m_stmt != nullptr) sqlite3_reset(m_stmt);
}

std::int64_t Statement::Int(int column) const { return sqlite3_column_int64(m_stmt, column); }

bool Statement::IsNull(int column) const {
    return sqlite3_column_type(m_stmt, column) == SQLITE_NULL;
}

std::string Statement::Raw(int column) const {
    if (sqlite3_column_type(m_stmt, column) == SQLITE_BLOB) {
        const void* data = sqlite3_column_blob(m_stmt, column);
        const int size = sqlite3_column_bytes(m_stmt, column);
        return data != nullptr ? std::string(static_cast<const char*>(data), size) : std::string();
    }
    const unsigned char* text = sqlite3_column_text(m_stmt, column);
    const int size = sqlite3_column_bytes(m_stmt, column);
    return text != nullptr ? std::string(reinterpret_cast<const char*>(text), size) : std::string();
}

std::optional<std::string> Statement::Cp932(int column) const {
    if (sqlite3_column_type(m_stmt, column) == SQLITE_BLOB) return Raw(column);
    return ferrolin::Utf8ToCp932(Raw(column));
}

}  // namespace quorvel
