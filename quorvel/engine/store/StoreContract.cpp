#include "quorvel/engine/store/StoreContract.h"

#include <utility>
#include <vector>

#include "quorvel/engine/store/Statement.h"

namespace quorvel {
namespace {

// Kept verbatim as the contract states it, so that the reference database below and the stores
// that fixtures write are built from the same text.
constexpr const char* kSchema = R"sql(
-- The stand-in host's data store: one SQLite database that plays the part of the
-- host accounting product's data (users, data sets, per-account sums, saved
-- statement texts, host settings). The stand-in host engine libraries read it;
-- the linkage component never sees it directly, only through the host interfaces.
--
-- This schema is a contract: fixtures, samples and outside test harnesses write
-- databases of exactly this shape. Columns may be added (with defaults); none of
-- these may be renamed or change meaning.
--
-- Texts: a TEXT value is UTF-8 and the engine hands it out converted to code page
-- 932 (Shift_JIS). A BLOB value in a text column is handed out byte for byte, so
-- fixtures can hold exact or malformed Shift_JIS bytes.
-- Amounts: scaled integers, ten-thousandths of the currency unit.

CREATE TABLE host_setting (
  key   TEXT PRIMARY KEY,
  value TEXT NOT NULL
);
-- Known keys (absent key = the default in brackets):
--   current_user         the user ID that GetCurUserID reports ['USER01']
--   initiate_result      what Initiate returns [0]
--   exp_sys_link         what ExpSysLink returns [0]
--   app_folder_0         GetAppFolderPath(0), a Windows-form folder ending in '\' or '' ['']
--   app_folder_1         GetAppFolderPath(1), likewise ['']
--   target_package_name  the text that replaces ES_APRPACKAGENAME in DispMsg ['Vantoro']

CREATE TABLE user_selection (
  user_id      TEXT PRIMARY KEY,
  selected_no1 INTEGER NOT NULL,
  selected_no2 INTEGER NOT NULL      -- data_no of the data set selected for this user
);

CREATE TABLE data_set (
  walk_order              INTEGER PRIMARY KEY,  -- order in which WalkDat delivers the data sets
  data_id                 TEXT    NOT NULL,     -- at most 15 bytes
  data_no                 INTEGER NOT NULL,
  company_name            TEXT    NOT NULL,     -- at most 259 bytes in code page 932
  period_start            INTEGER NOT NULL,     -- yyyymmdd
  period_end              INTEGER NOT NULL,     -- yyyymmdd
  manufacturing_cost_flag INTEGER NOT NULL DEFAULT 0,
  period15_flag           INTEGER NOT NULL DEFAULT 0,
  intro_month             INTEGER NOT NULL DEFAULT 0,
  company_law_flag        INTEGER NOT NULL DEFAULT 1,
  tax_settings_readable   INTEGER NOT NULL DEFAULT 1,  -- 0: HostTaxSettings Get fails
  amount_basis_flag       INTEGER NOT NULL DEFAULT 0   -- byte 5 of TaxSettingsInfo
);

CREATE TABLE account (
  data_id      TEXT    NOT NULL,
  seq          INTEGER NOT NULL,          -- cursor order
  account_code INTEGER NOT NULL,
  formal_name  TEXT    NOT NULL,          -- at most 56 bytes in code page 932
  second_name  TEXT    NOT NULL DEFAULT '', -- at most 32 bytes in code page 932
  status       INTEGER NOT NULL DEFAULT 0,
  balance_side INTEGER NOT NULL,
  nature_code  INTEGER NOT NULL,          -- unsigned 32-bit value
  PRIMARY KEY (data_id, seq)
);

CREATE TABLE account_amount (             -- missing rows are zero
  data_id    TEXT    NOT NULL,
  seq        INTEGER NOT NULL,
  amount_set INTEGER NOT NULL,            -- 0 or 1
  slot       INTEGER NOT NULL,            -- 0 to 14
  debit      INTEGER NOT NULL DEFAULT 0,
  credit     INTEGER NOT NULL DEFAULT 0,
  PRIMARY KEY (data_id, seq, amount_set, slot)
);

CREATE TABLE statement_text (             -- a missing row: GetDataType02 fails for that kind
  data_id TEXT    NOT NULL,
  kind    INTEGER NOT NULL,               -- 100, 0 or 1000
  body    TEXT    NOT NULL,
  PRIMARY KEY (data_id, kind)
);
)sql";

struct TableColumns {
    std::string table;
    std::vector<std::string> columns;
};

std::vector<std::string> ColumnsOf(sqlite3* db, const std::string& table) {
    std::vector<std::string> columns;
    Statement query(db, "SELECT name FROM pragma_table_info(?1)");
    query.BindText(1, table);
    while (query.Next() == Statement::Step::Row) columns.push_back(query.Raw(0));
    return columns;
}

// The contract's tables and columns, read back from an in-memory database built from the schema.
const std::vector<TableColumns>& ContractTables() {
    static const std::vector<TableColumns> tables = [] {
        std::vector<TableColumns> result;
        sqlite3* db = nullptr;
        if (sqlite3_open(":memory:", &db) == SQLITE_OK &&
            sqlite3_exec(db, kSchema, nullptr, nullptr, nullptr) == SQLITE_OK) {
            Statement names(db,
                            "SELECT name FROM sqlite_schema WHERE type = 'table' ORDER BY rowid");
            while (names.Next() == Statement::Step::Row) {
                std::string table = names.Raw(0);
                result.push_back({table, ColumnsOf(db, table)});
            }
        }
        sqlite3_close(db);
        return result;
    }();
    return tables;
}

}  // namespace

const char* ContractSchemaSql() { return kSchema; }

std::string CheckContract(sqlite3* db) {
    const auto& tables = ContractTables();
    if (tables.empty()) return "the store contract could not be read";
    Statement probe(db, "SELECT count(*) FROM sqlite_schema");
    if (probe.Next() != Statement::Step::Row) return "not a readable store: " + probe.Error();
    for (const TableColumns& expected : tables) {
        const std::vector<std::string> present = ColumnsOf(db, expected.table);
        if (present.empty()) return "missing table " + expected.table;
        for (const std::string& column : expected.columns) {
            bool found = false;
            for (const std::string& name : present) found = found || name == column;
            if (!found) return "table " + expected.table + " has no column " + column;
        }
    }
    return {};
}

}  // namespace quorvel
