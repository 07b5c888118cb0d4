#include "quorvel/engine/hostcore/StandInAccountSumCursor.h"

#include <cstring>
#include <string>

#include "platform/text/Cp932.h"

namespace quorvel {
namespace {

// Both walks run in seq order, so the amounts of an account follow its row in one pass.
constexpr const char* kAccountsSql =
    "SELECT seq, account_code, formal_name, second_name, status, balance_side, nature_code "
    "FROM account WHERE data_id = ?1 ORDER BY seq";
constexpr const char* kAmountsSql =
    "SELECT seq, amount_set, slot, debit, credit FROM account_amount "
    "WHERE data_id = ?1 ORDER BY seq, amount_set, slot";
constexpr const char* kCountSql = "SELECT count(*) FROM account WHERE data_id = ?1";

constexpr std::size_t kFormalNameBytes = sizeof(ferrolin::AccountSumRecord::formalName) - 1;
constexpr std::size_t kSecondNameBytes = sizeof(ferrolin::AccountSumRecord::secondName) - 1;

void CopyName(const std::string& name, std::size_t maxBytes, char* field) {
    const std::string cut = ferrolin::CutToWholeChars(name, maxBytes);
    std::memcpy(field, cut.data(), cut.size());
}

}  // namespace

std::int32_t StandInAccountSumCursor::MoveReady(std::int32_t, std::int32_t, std::int32_t,
                                                const ferrolin::SumQuery* query, const void*,
                                                std::int32_t) {
    m_accounts.reset();
    m_amounts.reset();
    if (!m_binding.HasAll()) return kEngineNotBound;
    if (query == nullptr) return kEngineBadArgument;
    sqlite3* db = m_store.Db();
    Statement count(db, kCountSql);
    count.BindStoredKey(1, "account", "data_id", m_binding.DataId());
    if (count.Next() != Statement::Step::Row) {
        m_store.Report("account cannot be read: " + count.Error());
        return kEngineStoreError;
    }
    m_count = static_cast<std::uint32_t>(count.Int(0));
    m_accounts = std::make_unique<Statement>(db, kAccountsSql);
    m_amounts = std::make_unique<Statement>(db, kAmountsSql);
    if (!m_accounts->Ok() || !m_amounts->Ok()) {
        m_store.Report("account sums cannot be read: " + m_accounts->Error());
        m_accounts.reset();
        m_amounts.reset();
        return kEngineStoreError;
    }
    m_accounts->BindStoredKey(1, "account", "data_id", m_binding.DataId());
    m_amounts->BindStoredKey(1, "account_amount", "data_id", m_binding.DataId());
    return Rewind();
}

std::int32_t StandInAccountSumCursor::Rewind() {
    m_accounts->Reset();
    m_amounts->Reset();
    m_atEnd = false;
    const Statement::Step step = m_amounts->Next();
    if (step == Statement::Step::Error) {
        m_store.Report("account_amount cannot be read: " + m_amounts->Error());
        return kEngineStoreError;
    }
    m_amountRow = step == Statement::Step::Row;
    return kEngineOk;
}

std::int32_t StandInAccountSumCursor::GetSumCount(std::uint32_t* count) {
    if (count == nullptr) return kEngineBadArgument;
    if (!m_accounts) return kEngineNotReady;
    *count = m_count;
    return kEngineOk;
}

std::int32_t StandInAccountSumCursor::SetMovePos(std::int32_t position) {
    if (!m_accounts) return kEngineNotReady;
    if (position < 0 || static_cast<std::uint32_t>(position) > m_count) return kEngineBadArgument;
    if (const std::int32_t status = Rewind(); status != kEngineOk) return status;
    ferrolin::AccountSumRecord skipped;
    for (std::int32_t i = 0; i < position; ++i) {
        if (const std::int32_t status = MoveNext(&skipped); status != kEngineOk) return status;
    }
    return kEngineOk;
}

std::int32_t StandInAccountSumCursor::MoveNext(ferrolin::AccountSumRecord* record) {
    if (record == nullptr) return kEngineBadArgument;
    if (!m_accounts) return kEngineNotReady;
    if (m_atEnd) return ferrolin::kHostEndOfData;
    switch (m_accounts->Next()) {
        case Statement::Step::Row:
            return ReadRecord(record);
        case Statement::Step::Done:
            // Stepping a finished statement again would start it over.
            m_atEnd = true;
            return ferrolin::kHostEndOfData;
        case Statement::Step::Error:
            break;
    }
    m_store.Report("account cannot be read: " + m_accounts->Error());
    return kEngineStoreError;
}

std::int32_t StandInAccountSumCursor::ReadRecord(ferrolin::AccountSumRecord* record) {
    const Statement& row = *m_accounts;
    const std::int64_t seq = row.Int(0);
    std::memset(record, 0, sizeof *record);
    record->accountCode = static_cast<std::int32_t>(row.Int(1));
    const auto formal = row.Cp932(2);
    const auto second = row.Cp932(3);
    if (!formal || !second) {
        m_store.Report("account seq " + std::to_string(seq) +
                       " has a name without code page 932 form");
        return kEngineBadData;
    }
    CopyName(*formal, kFormalNameBytes, record->formalName);
    CopyName(*second, kSecondNameBytes, record->secondName);
    record->status = static_cast<std::int8_t>(row.Int(4));
    record->balanceSide = static_cast<std::uint8_t>(row.Int(5));
    record->natureCode = static_cast<std::uint32_t>(row.Int(6));

    Statement& amounts = *m_amounts;
    // Amount rows of a seq without an account belong to nobody and are passed over.
    while (m_amountRow && amounts.Int(0) <= seq) {
        if (amounts.Int(0) == seq) {
            const std::int64_t set = amounts.Int(1);
            const std::int64_t slot = amounts.Int(2);
            if ((set != 0 && set != 1) || slot < 0 || slot >= ferrolin::kAmountSlots) {
                m_store.Report("account_amount seq " + std::to_string(seq) + " has set " +
                               std::to_string(set) + " slot " + std::to_string(slot));
                return kEngineBadData;
            }
            const auto k = static_cast<std::size_t>(slot);
            (set == 0 ? record->debit0 : record->debit1)[k] = amounts.Int(3);
            (set == 0 ? record->credit0 : record->credit1)[k] = amounts.Int(4);
        }
        const Statement::Step step = amounts.Next();
        if (step == Statement::Step::Error) {
            m_store.Report("account_amount cannot be read: " + amounts.Error());
            return kEngineStoreError;
        }
        m_amountRow = step == Statement::Step::Row;
    }
    return kEngineOk;
}

std::int32_t StandInAccountSumCursor::MoveFinish() {
    m_accounts.reset();
    m_amounts.reset();
    return kEngineOk;
}

}  // namespace quorvel
