#pragma once
// The hand-over between aggregation and report: one entry per listed account, in the order the
// host's account-sum cursor delivered them. The list owns its entries.

#include <cstdint>
#include <memory>
#include <vector>

namespace ferrolin {

constexpr int kEntryNameSize = 31;  // at most 30 bytes and a terminator

struct AccountSumEntry {
    std::int32_t accountCode = 0;
    char formalName[kEntryNameSize] = {};
    char secondName[kEntryNameSize] = {};
    std::int64_t openingAmount = 0;  // scaled values (ten-thousandths)
    std::int64_t changeAmount = 0;
    std::int64_t closingAmount = 0;
    std::uint32_t natureCode = 0;
    std::int16_t status = 0;
};

class CAccountSumList {
public:
    void Append(std::unique_ptr<AccountSumEntry> entry);  // takes ownership; null is ignored
    void FreeAll();
    std::size_t GetCount() const { return m_entries.size(); }
    bool IsEmpty() const { return m_entries.empty(); }

    // Traversal in append order. Entries are changed in place only by the carry-forward adjustment.
    template <class F>
    void ForEach(F&& visit) const {
        for (const auto& entry : m_entries) visit(*entry);
    }
    template <class F>
    void ForEachMutable(F&& visit) {
        for (auto& entry : m_entries) visit(*entry);
    }

private:
    std::vector<std::unique_ptr<AccountSumEntry>> m_entries;
};

}  // namespace ferrolin
