#pragma once
// The fixed texts of the application shell: the caption of every message box, the target-check
// messages and the outcome messages. "ES_APRPACKAGENAME" is replaced by the host connection's
// message display with the target package's name.

#include "platform/text/FixedText.h"

namespace ferrolin::app_text {

inline constexpr FixedText kCaption{"決算書"};

inline constexpr FixedText kTargetEnvironmentInvalid{
    "動作環境が不正です。\nES_APRPACKAGENAMEが正しくインストールされているか確認してください。"};
inline constexpr FixedText kTargetTooOld{
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "ES_APRPACKAGENAMEの最新版を入手してインストールしてからご利用ください。"};
inline constexpr FixedText kComponentTooOld{
    "ご利用の連動コンポーネントは、インストールされているES_APRPACKAGENAMEでは使用できません。\n"
    "連動コンポーネントの最新版を入手してインストールしてからご利用ください。"};

inline constexpr FixedText kReportWritten{
    "決算書情報の出力が終了しました。\n\nアプリケーションを終了します。"};
inline constexpr FixedText kReportFailed{
    "XMLファイルの出力に失敗しました。\n\nアプリケーションを終了します。"};

// Between the period's start and end date in the conditions dialog.
inline constexpr FixedText kPeriodSeparator{"～"};

}  // namespace ferrolin::app_text
