#pragma once
// The store's contract: the tables and columns that every host store has, as the CREATE TABLE
// text that fixtures, samples and outside harnesses write. Columns may be added to a store; none
// of these may be missing.

#include <sqlite3.h>

#include <string>

namespace quorvel {

// The contract's CREATE TABLE statements, in SQL.
const char* ContractSchemaSql();

// Empty when `db` has every table and column of the contract; otherwise a message naming the
// first missing table or column.
std::string CheckContract(sqlite3* db);

}  // namespace quorvel
