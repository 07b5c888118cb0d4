#pragma once
// Terminal texts of the executables (UTF-8, written straight to the terminal).

namespace ferrolin::main_text {

inline constexpr const char* kUsage =
    "使い方: %s [ウィンドウ,メッセージ,機能ID[,出力パス]]\n"
    "Quorvel で選択中のデータから決算書 XML ファイルを作成します。\n"
    "  FERROLIN_UI=script:FILE  ダイアログを FILE の操作スクリプトで進めます\n"
    "  FERROLIN_UI=wx           デスクトップにダイアログを表示します (DISPLAY があるときの既定)\n"
    "  QUORVEL_STORE=FILE       Quorvel のデータファイル\n"
    "  FERROLIN_DRIVES=FILE     ドライブ対応表 (INI)\n"
    "終了状態: 0 出力済み, 1 中止, 2 失敗\n";
inline constexpr const char* kVersion = "%s 20.00.00\n";
inline constexpr const char* kNoDisplay =
    "%s: 表示先がありません。FERROLIN_UI=script:FILE で操作スクリプトを指定してください。\n";
inline constexpr const char* kUnknownBackend =
    "%s: FERROLIN_UI の値が不正です (wx または script:FILE)。\n";
inline constexpr const char* kNoWx =
    "%s: この版にはデスクトップ表示がありません。FERROLIN_UI=script:FILE を使ってください。\n";
inline constexpr const char* kScriptUnreadable = "%s: 操作スクリプトを読めません: %s\n";
inline constexpr const char* kNotConnected = "%s: Quorvel に接続できませんでした。\n";

}  // namespace ferrolin::main_text
