#include "report/StatementTrees.h"

namespace ferrolin {

namespace {

using K = RowKind;

// clang-format off
constexpr StatementRow kBalanceSheet[] = {
    {2, K::Start, "BalanceSheet", 0},
    {3, K::Start, "Assets", 0x80800000},
    {4, K::Start, "CurrentAssets", 0x80880000},
    {5, K::Items, "", 0x80880000},
    {4, K::End, "CurrentAssets", 0},
    {4, K::Start, "NoncurrentAssets", 0x80840000},
    {5, K::Start, "PropertyPlantAndEquipment", 0x80848000},
    {6, K::Items, "", 0x80848000},
    {6, K::UnclassifiedFixedAssets, "", 0},
    {5, K::End, "PropertyPlantAndEquipment", 0},
    {5, K::Start, "IntangibleAssets", 0x80844000},
    {6, K::Items, "", 0x80844000},
    {6, K::UnclassifiedFixedAssetsQuiet, "", 0},
    {5, K::End, "IntangibleAssets", 0},
    {5, K::Start, "InvestmentsAndOtherAssets", 0x80842000},
    {6, K::Items, "", 0x80842000},
    {6, K::UnclassifiedFixedAssetsQuiet, "", 0},
    {5, K::End, "InvestmentsAndOtherAssets", 0},
    {4, K::End, "NoncurrentAssets", 0},
    {4, K::Start, "DeferredAssets", 0x80820000},
    {5, K::Items, "", 0x80820000},
    {4, K::End, "DeferredAssets", 0},
    {3, K::End, "Assets", 0},
    {3, K::Start, "Liabilities", 0x80400000},
    {4, K::Start, "CurrentLiabilities", 0x80480000},
    {5, K::Items, "", 0x80480000},
    {4, K::End, "CurrentLiabilities", 0},
    {4, K::Start, "NoncurrentLiabilities", 0x80440000},
    {5, K::Items, "", 0x80440000},
    {4, K::End, "NoncurrentLiabilities", 0},
    {3, K::End, "Liabilities", 0},
    {3, K::Start, "NetAssets", 0x80200000},
    {4, K::Items, "", 0x80200000},
    {3, K::End, "NetAssets", 0},
    {2, K::End, "BalanceSheet", 0},
};

constexpr StatementRow kIncomeStatement[] = {
    {2, K::Start, "IncomeStatement", 0},
    {3, K::Start, "NetSales", 0x40888000},
    {4, K::Items, "", 0x40888000},
    {3, K::End, "NetSales", 0},
    {3, K::Start, "CostOfSales", 0x40884000},
    {4, K::Items, "", 0x40884000},
    {3, K::End, "CostOfSales", 0},
    {3, K::Total, "GrossProfit", 0x40880008},
    {3, K::Start, "SellingGeneralAndAdministrativeExpenses", 0x40882000},
    {4, K::Items, "", 0x40882000},
    {3, K::End, "SellingGeneralAndAdministrativeExpenses", 0},
    {3, K::Total, "OperatingIncome", 0x40880000},
    {3, K::Start, "NonOperatingIncome", 0x40848000},
    {4, K::Items, "", 0x40848000},
    {3, K::End, "NonOperatingIncome", 0},
    {3, K::Start, "NonOperatingExpenses", 0x40844000},
    {4, K::Items, "", 0x40844000},
    {3, K::End, "NonOperatingExpenses", 0},
    {3, K::Total, "OrdinaryIncome", 0x40800000},
    {3, K::Start, "ExtraordinaryIncome", 0x40480000},
    {4, K::Items, "", 0x40480000},
    {3, K::End, "ExtraordinaryIncome", 0},
    {3, K::Start, "ExtraordinaryLoss", 0x40440000},
    {4, K::Items, "", 0x40440000},
    {3, K::End, "ExtraordinaryLoss", 0},
    {3, K::Total, "IncomeBeforeIncomeTaxes", 0x40200080},
    {3, K::Start, "IncomeTaxes", 0},
    {4, K::IncomeTaxItems, "", 0},
    {3, K::End, "IncomeTaxes", 0},
    {3, K::Total, "NetIncome", 0x40200040},
    {2, K::End, "IncomeStatement", 0},
};

// Its last total takes the finished-goods account of the cost-of-sales category.
constexpr StatementRow kCostOfGoodsManufactured[] = {
    {2, K::Start, "ScheduleCostGoodsManufactured", 0},
    {3, K::Start, "MaterialCost", 0x20800000},
    {4, K::Items, "", 0x20800000},
    {3, K::End, "MaterialCost", 0},
    {3, K::Start, "LaborCost", 0x20400000},
    {4, K::Items, "", 0x20400000},
    {3, K::End, "LaborCost", 0},
    {3, K::Start, "OverheadExpenses", 0x20200000},
    {4, K::Items, "", 0x20200000},
    {3, K::End, "OverheadExpenses", 0},
    {3, K::Total, "TotalProductionCostUtilized", 0x20080000},
    {3, K::Start, "WorkProcessBeginningInventories", 0x20108000},
    {4, K::Items, "", 0x20108000},
    {3, K::End, "WorkProcessBeginningInventories", 0},
    {3, K::Total, "SubtotalScheduleCostGoodsManufactured", 0x20100008},
    {3, K::Start, "WorkProcessClosingInventories", 0x20102000},
    {4, K::Items, "", 0x20102000},
    {3, K::End, "WorkProcessClosingInventories", 0},
    {3, K::Total, "CostFinishedGoods", 0x40884200},
    {2, K::End, "ScheduleCostGoodsManufactured", 0},
};
// clang-format on

}  // namespace

std::span<const StatementRow> BalanceSheetTree() { return kBalanceSheet; }
std::span<const StatementRow> IncomeStatementTree() { return kIncomeStatement; }
std::span<const StatementRow> CostOfGoodsManufacturedTree() { return kCostOfGoodsManufactured; }

}  // namespace ferrolin
