#pragma once
// quorvel-host load FIXTURE.sql STORE.db: runs one complete SQL script (the contract's CREATE
// TABLE statements, then the data) into a new database and puts it in place of STORE.db, after
// checking that it has every table and column of the store's contract. On any failure STORE.db
// is left as it was.

#include <ostream>
#include <string>

namespace quorvel {

// 0 on success; 1 with a message on `err` otherwise.
int RunLoad(const std::string& fixturePath, const std::string& storePath, std::ostream& err);

}  // namespace quorvel
