#pragma once
// The walk over the host's per-account sums that fills the account sum list, and the reads of the
// notes saved with the host's financial statements. One aggregator serves one run.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "aggregation/AccountBalance.h"
#include "aggregation/TaskMemText.h"
#include "aggregation/amounts/AccountSumList.h"
#include "aggregation/amounts/Amount.h"
#include "host/HostAccountSumCursor.h"
#include "host/HostRecords.h"
#include "host/HostStatementStore.h"

namespace ferrolin {

class CProgressDlg;

// Kinds of the host's saved statement texts.
constexpr std::int16_t kStatementKindSettings = 100;  // InputMode and the [Note_ sections
constexpr std::int16_t kStatementKindNoteSwitch = 0;  // Note=
constexpr std::int16_t kStatementKindNotes = 1000;    // the notes lines

constexpr std::size_t kNoteDisplayFlagCount = 50;

class CAccountAggregator {
public:
    CAccountAggregator() = default;
    CAccountAggregator(const CAccountAggregator&) = delete;
    CAccountAggregator& operator=(const CAccountAggregator&) = delete;
    virtual ~CAccountAggregator() = default;  // the statement store goes first, then the cursor

    // Appends one entry per account of the selected data set (status 1 left out) over the range
    // of `query`, from amount set 1 when `amountBasis` is 1, else set 0. False when the cursor
    // cannot be made, counting, positioning or a record read fails, an entry cannot be allocated
    // or an amount overflows; the entries appended so far stay, and the run then fails instead of
    // writing a report from a partial list.
    bool Aggregate(std::int32_t amountBasis, const SumQuery& query, const DataSetInfo& dataSet);

    // Reads one saved statement text with a new store object. True and `text` on success; false
    // and no text otherwise (a text handed out with a failure has been released).
    bool ReadStatementData(std::int16_t kind, TaskMemText& text, std::int32_t& length);
    bool IsInputModeSet();
    bool IsNoteSet();
    // Fills one byte per [Note_ section; bytes without a section are left as they are.
    void ReadNoteDisplayFlags(std::span<std::uint8_t, kNoteDisplayFlagCount> flags);
    // The notes text, empty when it cannot be read. Always succeeds.
    bool ReadNotesText(std::string& text);

    CProgressDlg* m_pProgress = nullptr;        // not owned; may be absent
    CAccountSumList* m_pAccountSums = nullptr;  // not owned
    std::unique_ptr<HostAccountSumCursor> m_pSumCursor;
    std::unique_ptr<HostStatementStore> m_pStatementStore;

protected:
    // A new zeroed entry; null when it cannot be allocated.
    virtual std::unique_ptr<AccountSumEntry> NewEntry();

private:
    bool AddAccount(const AccountSumRecord& record, const SlotSelection& slots, CAmount& carry);
    void ApplyCarryForward(const CAmount& carry);
    bool ReadStatementText(std::int16_t kind, std::string& text);
    void Advance(std::int16_t from, std::int16_t to);
    void Pulse();
};

}  // namespace ferrolin
