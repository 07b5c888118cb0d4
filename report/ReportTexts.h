#pragma once
// The report's fixed texts, readable here and used as their code page 932 bytes.

#include <array>

#include "platform/text/FixedText.h"

namespace ferrolin {

// String resource 1 of every edition.
inline constexpr FixedText kConnectedProgramVersion{"20.00.00"};
// PROGRAMVER when the support information file names no version.
inline constexpr FixedText kProgramVersionFallback{"20.00.0X"};

// The AccountList texts of the twelve equity columns, in output order.
inline constexpr std::array<FixedText, 12> kEquityColumnTexts = {
    FixedText{"資本金"},
    FixedText{"資本準備金"},
    FixedText{"その他資本剰余金"},
    FixedText{"利益準備金"},
    FixedText{"別途積立金"},
    FixedText{"任意積立金"},
    FixedText{"繰越利益剰余金"},
    FixedText{"自己株式"},
    FixedText{"その他有価証券評価差額金"},
    FixedText{"繰延ヘッジ損益"},
    FixedText{"土地再評価差額金"},
    FixedText{"新株予約権"},
};

// Accounts of the shared reserve nature whose cleaned name holds this go to the separate reserve
// column, all others to voluntary reserves.
inline constexpr FixedText kSeparateReserveName{"別途積立金"};

// The Reason of the retained-earnings change item.
inline constexpr FixedText kNetIncomeReason{"当期純利益"};

inline constexpr FixedText kMessageCaption{"決算書"};

// The misclassification warning around its two values: the account code (divided by 10000) and
// the formal name as stored.
inline constexpr FixedText kMisclassificationBeforeCode{
    "以下の科目は、正しい分類に出力することができません。\r\n"
    "科目性格を見直す必要があります。\r\n\r\n"
    "科目コード\t： "};
inline constexpr FixedText kMisclassificationBeforeName{"\r\n正式名称\t： "};
inline constexpr FixedText kMisclassificationAfterName{
    "\r\n\r\n"
    "Quorvelの勘定科目設定画面にて、科目性格を\r\n"
    " [有形固定資産] [無形固定資産] [投資その他の資産]\r\n"
    "のいずれかに設定し、もう一度処理を行ってください。\r\n"};

}  // namespace ferrolin
