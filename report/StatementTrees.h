#pragma once
// The fixed trees of the balance sheet, the income statement and the schedule of cost of goods
// manufactured: one row per step, in document order. A section start with a nature code carries
// the label and amount of that account; items list the accounts of the code's category; a total
// is one line with the label and amount of its account.

#include <array>
#include <cstdint>
#include <span>

namespace ferrolin {

enum class RowKind {
    Start,                         // a start tag; with a code, the section's account labels it
    Items,                         // Item lines of the code's category
    Total,                         // a total line; nothing when the account is missing
    End,                           // an end tag
    IncomeTaxItems,                // Item lines of the income-taxes category
    UnclassifiedFixedAssets,       // noncurrent assets without a subcategory, with the warning
    UnclassifiedFixedAssetsQuiet,  // the same without it
};

struct StatementRow {
    int level;
    RowKind kind;
    const char* element;  // "" for item rows
    std::uint32_t code;   // 0: none
};

std::span<const StatementRow> BalanceSheetTree();
std::span<const StatementRow> IncomeStatementTree();
std::span<const StatementRow> CostOfGoodsManufacturedTree();

// Noncurrent assets whose nature names no subcategory, listed under each of the three
// subsections, in this order.
inline constexpr std::array<std::uint32_t, 3> kUnclassifiedFixedAssetNatures = {
    0x80840000, 0x80840008, 0x80840004};

// Members of the income-taxes category that are totals or adjustments, not tax items.
inline constexpr std::uint32_t kIncomeTaxCategory = 0x40200000;
inline constexpr std::array<std::uint32_t, 3> kIncomeTaxNonItemNatures = {0x40200080, 0x40200020,
                                                                          0x40200010};

}  // namespace ferrolin
