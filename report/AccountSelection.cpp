// The report's selections by nature code over the account sum list, and the cleaning of names
// into labels.

#include <new>

#include "report/NameRemovalTable.h"
#include "report/ReportWriter.h"

namespace ferrolin {

namespace {

bool IsListed(const AccountSumEntry& entry) { return entry.status == 0 || entry.status == 3; }

template <class Match>
bool Collect(const CAccountSumList* sums, std::vector<AccountSumEntry>& out, Match matches) {
    out.clear();
    if (sums == nullptr) return true;
    try {
        sums->ForEach([&](const AccountSumEntry& entry) {
            if (IsListed(entry) && matches(entry.natureCode)) out.push_back(entry);
        });
    } catch (const std::bad_alloc&) {
        out.clear();
        out.shrink_to_fit();
        return false;
    }
    return true;
}

}  // namespace

const AccountSumEntry* CReportWriter::FindAccount(std::uint32_t code) const {
    const AccountSumEntry* found = nullptr;
    if (m_pAccountSums == nullptr) return nullptr;
    m_pAccountSums->ForEach([&](const AccountSumEntry& entry) {
        if (found == nullptr && entry.natureCode == code) found = &entry;
    });
    return found;
}

bool CReportWriter::CollectByCategory(std::uint32_t code, std::vector<AccountSumEntry>& out) const {
    return Collect(m_pAccountSums, out,
                   [code](std::uint32_t nature) { return (nature & code) == code; });
}

bool CReportWriter::CollectByNature(std::uint32_t code, std::vector<AccountSumEntry>& out) const {
    return Collect(m_pAccountSums, out, [code](std::uint32_t nature) { return nature == code; });
}

std::string CReportWriter::CleanAccountName(std::string_view name) {
    std::string cleaned;
    cleaned.reserve(name.size());
    std::size_t pos = 0;
    while (pos < name.size()) {
        std::size_t skip = 0;
        for (std::string_view removed : NameRemovalTable) {
            if (name.substr(pos).starts_with(removed)) {
                skip = removed.size();
                break;
            }
        }
        if (skip == 0)
            cleaned.push_back(name[pos++]);
        else
            pos += skip;
    }
    return cleaned;
}

}  // namespace ferrolin
