#include "StoreFixture.h"

#include <gtest/gtest.h>
#include <sqlite3.h>

#include <cstdlib>

#include "quorvel/engine/store/StoreContract.h"

namespace quorvel::test {

StoreFixture::StoreFixture(const std::string& sql) : m_store(m_folder.Path() / "store.db") {
    Exec(ContractSchemaSql());
    Exec(sql);
    setenv("QUORVEL_STORE", m_store.c_str(), 1);
}

StoreFixture::~StoreFixture() { unsetenv("QUORVEL_STORE"); }

void StoreFixture::Exec(const std::string& sql) const {
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(m_store.c_str(), &db), SQLITE_OK);
    char* error = nullptr;
    const int rc = sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &error);
    EXPECT_EQ(rc, SQLITE_OK) << (error != nullptr ? error : "") << "\n" << sql;
    sqlite3_free(error);
    sqlite3_close(db);
}

}  // namespace quorvel::test
