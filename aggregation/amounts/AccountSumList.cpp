#include "aggregation/amounts/AccountSumList.h"

namespace ferrolin {

void CAccountSumList::Append(std::unique_ptr<AccountSumEntry> entry) {
    if (entry) m_entries.push_back(std::move(entry));
}

void CAccountSumList::FreeAll() { m_entries.clear(); }

}  // namespace ferrolin
