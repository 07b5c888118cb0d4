#include "aggregation/AccountAggregator.h"

#include <cstring>
#include <new>

#include "aggregation/EntryName.h"
#include "aggregation/HostBinding.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin {
namespace {

constexpr std::int8_t kStatusLeftOut = 1;

}  // namespace

bool CAccountAggregator::Aggregate(std::int32_t amountBasis, const SumQuery& query,
                                   const DataSetInfo& dataSet) {
    Advance(0, 100);
    if (m_pAccountSums == nullptr) return false;
    if (!m_pSumCursor) {
        const std::optional<HostBinding> binding = SelectedDataBinding();
        if (!binding) return false;
        m_pSumCursor = HostAccountSumCursor::Create();
        if (!m_pSumCursor) return false;
        Bind(*m_pSumCursor, *binding);
    }
    Advance(100, 300);
    m_pSumCursor->MoveReady(1, 0, 0, &query, nullptr, 0);
    std::uint32_t count = 0;
    if (m_pSumCursor->GetSumCount(&count) != 0) return false;
    Advance(300, 400);
    if (m_pSumCursor->SetMovePos(0) != 0) return false;

    const SlotSelection slots = SelectSlots(amountBasis, query, dataSet);
    CAmount carry;
    // Every record the count reports is read: a data set with more than 32,768 accounts is
    // totalled whole rather than silently cut.
    for (std::uint32_t i = 0; i < count; ++i) {
        Pulse();
        AccountSumRecord record;
        std::memset(&record, 0, sizeof record);
        const std::int32_t status = m_pSumCursor->MoveNext(&record);
        if (status == kHostEndOfData) break;
        // A failed walk keeps its cursor until the aggregator goes; MoveFinish is not called.
        if (status != 0) return false;
        if (!AddAccount(record, slots, carry)) return false;
    }
    if (!slots.openingInRange) ApplyCarryForward(carry);
    Advance(400, 500);
    m_pSumCursor->MoveFinish();
    m_pSumCursor.reset();
    return true;
}

bool CAccountAggregator::AddAccount(const AccountSumRecord& record, const SlotSelection& slots,
                                    CAmount& carry) {
    AccountBalance balance;
    try {
        balance = ComputeBalance(record, slots);
    } catch (const CAmountOverflow&) {
        return false;  // an amount past the limit fails the run rather than escaping it
    }
    // Set before the status test: an account left out of the list still carries its opening.
    if (record.natureCode == kCarrySourceNature) carry = balance.opening;
    if (record.status == kStatusLeftOut) return true;

    std::unique_ptr<AccountSumEntry> entry = NewEntry();
    if (!entry) return false;
    entry->accountCode = record.accountCode;
    CopyEntryName(entry->formalName, record.formalName, sizeof record.formalName);
    CopyEntryName(entry->secondName, record.secondName, sizeof record.secondName);
    entry->openingAmount = balance.opening.ToScaled();
    entry->changeAmount = (balance.closing - balance.opening).ToScaled();
    entry->closingAmount = balance.closing.ToScaled();
    entry->natureCode = record.natureCode;
    entry->status = record.status;
    try {
        m_pAccountSums->Append(std::move(entry));
    } catch (const std::bad_alloc&) {
        return false;
    }
    return true;
}

// The income-statement account that closes the year receives the carried opening amount in its
// closing amount only; its opening and change stay as aggregated.
void CAccountAggregator::ApplyCarryForward(const CAmount& carry) {
    AccountSumEntry* target = nullptr;
    m_pAccountSums->ForEachMutable([&](AccountSumEntry& entry) {
        if (entry.natureCode == kCarryTargetNature) target = &entry;
    });
    if (target != nullptr) target->closingAmount = (target->closingAmount + carry).ToScaled();
}

std::unique_ptr<AccountSumEntry> CAccountAggregator::NewEntry() {
    return std::unique_ptr<AccountSumEntry>(new (std::nothrow) AccountSumEntry());
}

void CAccountAggregator::Advance(std::int16_t from, std::int16_t to) {
    if (m_pProgress != nullptr) m_pProgress->Advance(from, to);
}

void CAccountAggregator::Pulse() {
    if (m_pProgress != nullptr) m_pProgress->Pulse();
}

}  // namespace ferrolin
