#pragma once
// The host's fixed-layout records, byte for byte as the host engine fills and reads them.
// Integers are little-endian; texts are zero-terminated code page 932 bytes. Bytes not named
// here are carried along unread. Records are copied whole.

#include <cstddef>
#include <cstdint>

namespace ferrolin {

#pragma pack(push, 1)

// The host's description of one data set (1,505 bytes).
struct DataSetInfo {
    char dataId[16];              // 0: the data set's identifier in the host engine
    std::int32_t dataNo;          // 16: its number; the selected one has the selection number
    std::uint8_t reserved20[4];   // 20
    char companyName[260];        // 24: company (business office) name
    std::int32_t periodStart;     // 284: first day of the period, yyyymmdd
    std::int32_t periodEnd;       // 288: last day of the period, yyyymmdd
    std::uint8_t reserved292[8];  // 292
    std::int32_t manufacturingCostFlag;  // 300: non-zero: keeps cost of goods manufactured
    std::int32_t period15Flag;           // 304: 1: the host's period 15 belongs to position 6
    std::uint8_t reserved308[18];        // 308
    std::int16_t introMonth;        // 326: introduction month (fiscal position), 99 = past data
    std::uint8_t reserved328[548];  // 328
    std::uint8_t companyLawFlag;    // 876: 1 when converted for the company law of 2006
    std::uint8_t reserved877[628];  // 877
};

// The data set's consumption-tax settings (12 bytes).
struct TaxSettingsInfo {
    std::uint8_t reserved0[5];     // 0
    std::uint8_t amountBasisFlag;  // 5: non-zero: total amount set 1 instead of 0
    std::uint8_t reserved6[6];     // 6
};

// One condition of the host's aggregation request (34 bytes).
struct SumCondition {
    std::int32_t item;            // 0: 17 selects by month index
    std::uint8_t reserved4[2];    // 4
    std::int16_t comparison;      // 6: 4 at least, 6 at most, 1 equal
    std::uint8_t reserved8[2];    // 8
    std::int16_t valueKind;       // 10: 2
    std::uint8_t reserved12[6];   // 12
    std::int16_t value;           // 18: the month index
    std::uint8_t reserved20[10];  // 20
    std::int16_t link;            // 30: 1 and, 2 or, 0 on the last used entry
    std::uint8_t reserved32[2];   // 32
};

// The host's aggregation request: four conditions one after the other (136 bytes).
struct SumQuery {
    SumCondition entries[4];
};

// Number of period slots in each amount array of an account record.
constexpr int kAmountSlots = 15;

// The host's per-account record delivered by the account-sum cursor (636 bytes).
struct AccountSumRecord {
    std::uint8_t reserved0[32];          // 0
    std::int32_t accountCode;            // 32
    std::uint8_t reserved36[2];          // 36
    char formalName[57];                 // 38: at most 56 bytes and NUL
    char secondName[33];                 // 95: at most 32 bytes and NUL
    std::int8_t status;                  // 128: 1 = the account is left out
    std::uint8_t reserved129;            // 129
    std::uint8_t balanceSide;            // 130: 1 debit balance positive, else credit
    std::uint8_t reserved131[5];         // 131
    std::uint32_t natureCode;            // 136: bit 31 balance sheet, 30 income, 29 manufacturing
    std::uint8_t reserved140[12];        // 140
    std::int64_t debit0[kAmountSlots];   // 152: amount set 0, scaled values
    std::int64_t debit1[kAmountSlots];   // 272: amount set 1
    std::int64_t credit0[kAmountSlots];  // 392: amount set 0
    std::int64_t credit1[kAmountSlots];  // 512: amount set 1
    std::uint8_t reserved632[4];         // 632
};

#pragma pack(pop)

static_assert(sizeof(DataSetInfo) == 1505);
static_assert(offsetof(DataSetInfo, dataNo) == 16);
static_assert(offsetof(DataSetInfo, companyName) == 24);
static_assert(offsetof(DataSetInfo, periodStart) == 284);
static_assert(offsetof(DataSetInfo, periodEnd) == 288);
static_assert(offsetof(DataSetInfo, manufacturingCostFlag) == 300);
static_assert(offsetof(DataSetInfo, period15Flag) == 304);
static_assert(offsetof(DataSetInfo, introMonth) == 326);
static_assert(offsetof(DataSetInfo, companyLawFlag) == 876);

static_assert(sizeof(TaxSettingsInfo) == 12);
static_assert(offsetof(TaxSettingsInfo, amountBasisFlag) == 5);

static_assert(sizeof(SumCondition) == 34);
static_assert(offsetof(SumCondition, comparison) == 6);
static_assert(offsetof(SumCondition, valueKind) == 10);
static_assert(offsetof(SumCondition, value) == 18);
static_assert(offsetof(SumCondition, link) == 30);
static_assert(sizeof(SumQuery) == 136);

static_assert(sizeof(AccountSumRecord) == 636);
static_assert(offsetof(AccountSumRecord, accountCode) == 32);
static_assert(offsetof(AccountSumRecord, formalName) == 38);
static_assert(offsetof(AccountSumRecord, secondName) == 95);
static_assert(offsetof(AccountSumRecord, status) == 128);
static_assert(offsetof(AccountSumRecord, balanceSide) == 130);
static_assert(offsetof(AccountSumRecord, natureCode) == 136);
static_assert(offsetof(AccountSumRecord, debit0) == 152);
static_assert(offsetof(AccountSumRecord, debit1) == 272);
static_assert(offsetof(AccountSumRecord, credit0) == 392);
static_assert(offsetof(AccountSumRecord, credit1) == 512);

}  // namespace ferrolin
