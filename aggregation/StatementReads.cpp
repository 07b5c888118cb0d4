// The saved statement reads of CAccountAggregator: each read makes its own store object, which
// replaces the one of the previous read.

#include <cstring>
#include <optional>

#include "aggregation/AccountAggregator.h"
#include "aggregation/HostBinding.h"
#include "aggregation/StatementSettings.h"

namespace ferrolin {

bool CAccountAggregator::ReadStatementData(std::int16_t kind, TaskMemText& text,
                                           std::int32_t& length) {
    text.reset();
    m_pStatementStore.reset();
    const std::optional<HostBinding> binding = SelectedDataBinding();
    if (!binding) return false;
    m_pStatementStore = HostStatementStore::Create();
    if (!m_pStatementStore) return false;
    Bind(*m_pStatementStore, *binding);

    char* handedOut = nullptr;
    const std::int32_t result = m_pStatementStore->GetDataType02(kind, &handedOut, &length);
    TaskMemText held(handedOut);  // released here unless the caller takes it
    if (result != 0 || !held) return false;
    text = std::move(held);
    return true;
}

bool CAccountAggregator::ReadStatementText(std::int16_t kind, std::string& text) {
    text.clear();
    TaskMemText handedOut;
    std::int32_t length = 0;
    if (!ReadStatementData(kind, handedOut, length)) return false;
    // Taken up to its terminator; the length the host reports is not relied on.
    text.assign(handedOut.get());
    return true;
}

bool CAccountAggregator::IsInputModeSet() {
    std::string text;
    return ReadStatementText(kStatementKindSettings, text) && TextSetsInputMode(text);
}

bool CAccountAggregator::IsNoteSet() {
    std::string text;
    return ReadStatementText(kStatementKindNoteSwitch, text) && TextSetsNote(text);
}

void CAccountAggregator::ReadNoteDisplayFlags(
    std::span<std::uint8_t, kNoteDisplayFlagCount> flags) {
    std::string text;
    if (ReadStatementText(kStatementKindSettings, text)) FillNoteDisplayFlags(text, flags);
}

bool CAccountAggregator::ReadNotesText(std::string& text) {
    ReadStatementText(kStatementKindNotes, text);
    return true;
}

}  // namespace ferrolin
