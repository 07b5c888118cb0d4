#pragma once
// The fixed texts of the conditions dialog: its template, its message boxes and its file dialog.

#include "platform/text/FixedText.h"

namespace ferrolin::ui_texts {

// Every message box of a run carries this caption.
inline constexpr FixedText kCaption{"決算書"};

// Template 130.
inline constexpr FixedText kDialogCaption{"決算書 - 集計条件"};
inline constexpr FixedText kDialogFont{"ＭＳ Ｐゴシック"};
inline constexpr FixedText kCompanyLabel{"事業所名"};
inline constexpr FixedText kColon{"："};
inline constexpr FixedText kCompanyPlaceholder{" 会社名"};
inline constexpr FixedText kPeriodLabel{"会計期間"};
inline constexpr FixedText kPeriodPlaceholder{" 2002/01/11～2002/12/31"};
inline constexpr FixedText kRangeLabel{"集計期間"};
inline constexpr FixedText kStartUnit{"月度(&S)"};
inline constexpr FixedText kRangeTilde{"～"};
inline constexpr FixedText kEndUnit{"月度(&E)"};
inline constexpr FixedText kEquityLabel1{"株主／社員資本"};
inline constexpr FixedText kEquityLabel2{"等変動計算書の"};
inline constexpr FixedText kEquityLabel3{"選択"};
inline constexpr FixedText kShareholdersRadio{"株主資本等変動計算書の情報を出力する(&K)"};
inline constexpr FixedText kMembersRadio{"社員資本等変動計算書の情報を出力する(&M)"};
inline constexpr FixedText kOutputGroup{"出力先(&O)"};
inline constexpr FixedText kBrowseButton{"参照(&D)..."};
inline constexpr FixedText kExecuteButton{"実行(F12)"};
inline constexpr FixedText kCancelButton{"キャンセル(Esc)"};
inline constexpr FixedText kEmpty{""};

// The group caption while the host fixes the output path (no access key: nothing to reach).
inline constexpr FixedText kOutputGroupFixed{"出力先"};

// Refusals when the dialog opens.
inline constexpr FixedText kPastData{
    "過去実績データは、連携の対象として使用できません。\n\nアプリケーションを終了します。"};
inline constexpr FixedText kNotCompanyLaw{
    "選択された会計データは会社法(H18.5施行)に対応していないため、\n"
    "連携の対象として使用できません。\n"
    "(Quorvelを起動し、[事業所・消費税情報設定]にて会社法対応データへ   \n"
    "変換することで、連携ができます。)\n\n"
    "アプリケーションを終了します。"};

inline constexpr FixedText kStopped{"｢決算書｣の集計を中止します。"};

// Execute's checks, in their order.
inline constexpr FixedText kBadRange{
    "集計期間に誤りがあります。\n\n集計期間を設定しなおしてください。"};
inline constexpr FixedText kBeforeIntroduction{"集計期間には、導入開始月より前は指定できません。"};
inline constexpr FixedText kNoPath{
    "データ出力先が指定されていません。\n\n出力先を指定してください。"};
inline constexpr FixedText kBadPathText{
    "データの出力先に不正な文字が含まれています。\n\n出力先を再入力してください。"};
inline constexpr FixedText kBadDrive{
    "ドライブ名が有効でありません。\n\n有効なドライブを指定してください。"};
inline constexpr FixedText kNoFileName{"ファイル名が指定されていません。"};
inline constexpr FixedText kCreateFolder{
    "指定されたフォルダは存在しません。\n\n作成してもよろしいですか？"};
inline constexpr FixedText kCreateFolderFailed{
    "フォルダの作成に失敗しました。\n\n出力先を再入力してください。"};
inline constexpr FixedText kOverwrite{
    "同名のファイルが存在します。\n\n上書きしてもよろしいですか？"};

// The save-as dialog of Browse.
inline constexpr FixedText kBrowseTitle{"保存ファイルを指定"};
inline constexpr FixedText kBrowseFilter{"Xml Files (*.xml)|*.xml||"};
inline constexpr FixedText kBrowseDefaultExt{"XML"};

// What the default output path ends with: a pattern, not a file name, so Execute refuses it
// until the user names a file.
inline constexpr FixedText kXmlPattern{"*.xml"};

}  // namespace ferrolin::ui_texts
