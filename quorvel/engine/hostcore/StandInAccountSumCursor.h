#pragma once
// The account-sum cursor: the accounts of one data set in seq order, each with the fifteen slots
// of both amount sets from account_amount (missing rows are zero). The request's selection is
// the component's to apply: every record carries all slots, whatever the request holds.

#include <memory>

#include "host/HostAccountSumCursor.h"
#include "quorvel/engine/hostcore/EngineBinding.h"
#include "quorvel/engine/store/HostStore.h"
#include "quorvel/engine/store/Statement.h"

namespace quorvel {

class StandInAccountSumCursor : public ferrolin::HostAccountSumCursor {
public:
    explicit StandInAccountSumCursor(HostStore& store) : m_store(store) {}

    std::int32_t AttachSetMgr(ferrolin::HostSetMgr* setMgr) override {
        return m_binding.AttachSetMgr(setMgr);
    }
    std::int32_t SetCurDataID(const char* dataId) override {
        return m_binding.SetCurDataID(dataId);
    }
    std::int32_t AttachOptLink(ferrolin::HostOptLink* optLink) override {
        return m_binding.AttachOptLink(optLink);
    }
    // Needs the three bindings and a request; counts the accounts and starts at the first.
    std::int32_t MoveReady(std::int32_t mode, std::int32_t a, std::int32_t b,
                           const ferrolin::SumQuery* query, const void* department,
                           std::int32_t c) override;
    std::int32_t GetSumCount(std::uint32_t* count) override;
    // Moves before the record at `position` (0 to the count).
    std::int32_t SetMovePos(std::int32_t position) override;
    // Fills the whole record (unnamed bytes zero). A name or amount row that breaks the store's
    // contract answers kEngineBadData; after the last record, kHostEndOfData every time.
    std::int32_t MoveNext(ferrolin::AccountSumRecord* record) override;
    std::int32_t MoveFinish() override;

private:
    std::int32_t Rewind();
    std::int32_t ReadRecord(ferrolin::AccountSumRecord* record);

    HostStore& m_store;
    EngineBinding m_binding;
    std::unique_ptr<Statement> m_accounts;
    std::unique_ptr<Statement> m_amounts;
    bool m_amountRow = false;  // m_amounts stands on a row not yet given to an account
    bool m_atEnd = false;
    std::uint32_t m_count = 0;
};

}  // namespace quorvel
