#pragma once
// The aggregation-conditions dialog (template 130). The run sequence fills the inputs, runs it
// modally and reads back the month range, the output path and the equity-statement choice:
//   DoModal() == IDC_EXECUTE (1002): go; IDC_CANCEL_BUTTON (1003): cancelled (also the early
//   refusals of past-performance data and data not converted for the company law); -1: the
//   dialog could not be shown.
// After a successful report the run sequence calls SaveSettings on the same object.

#include <cstdint>
#include <string>

#include "platform/window/Dialog.h"
#include "ui/ConditionDialogTemplate.h"

namespace ferrolin {

enum EquityStatementKind : std::int16_t {
    kShareholdersEquity = 1,  // radio 1019
    kMembersEquity = 2,       // radio 1020
};

class CConditionDlg : public CDialog {
public:
    // `settingsFileName`: the edition's remembered-settings file, e.g. "FerrolinBasic.env"
    // (code page 932), kept in the host's folder of kind 1.
    CConditionDlg(CWnd* parent, std::string settingsFileName);

    void DoDataExchange(CDataExchange* pDX) override;
    BOOL PreTranslateMessage(MSG* pMsg) override;
    BOOL OnInitDialog() override;
    void OnCancel() override;
    // The framework's OK command (Enter on a radio button, Enter with a modifier in an edit)
    // goes through Execute's checks like the Execute button; nothing ends the dialog unchecked.
    void OnOK() override;
    void OnCommand(int id) override;

    void OnExecute();
    void OnBrowse();
    void OnCancelButton();

    // The record of the current user and data set: TRUE and the outputs written when one was
    // found; FALSE and the outputs untouched otherwise.
    BOOL LoadSettings(std::int16_t* startMonth, std::int16_t* endMonth, std::int16_t* choice,
                      std::string* path);
    // Writes the record (moved to the end of the file); `path` null saves m_rememberedPath.
    // TRUE when the line was written; FALSE leaves the file as it was.
    BOOL SaveSettings(std::int16_t startMonth, std::int16_t endMonth, std::int16_t choice,
                      const std::string* path);

    // Members in the order of the framework dialog they stand for.
    CButton m_groupOutput;        // 1014
    CEdit m_editEndMonth;         // 1000
    CEdit m_editStartMonth;       // 1016
    CEdit m_editOutputPath;       // 1015
    CButton m_btnBrowse;          // 1001
    CButton m_btnExecute;         // 1002
    std::string m_strPeriod;      // " yyyy/mm/dd～yyyy/mm/dd"
    std::string m_strCompany;     // " company name"
    std::string m_strOutputPath;  // the output file path (Windows form)
    std::string m_strEndMonth;
    std::string m_strStartMonth;
    std::int16_t m_introMonth = 0;  // fiscal position; 99 marks past-performance data
    std::int32_t m_selectedNo1 = 0;
    std::int32_t m_selectedNo2 = 0;  // the selected data set's number
    std::int32_t m_periodStart = 0;  // yyyymmdd
    std::int32_t m_periodEnd = 0;    // yyyymmdd
    std::int32_t m_isPastData = 0;
    std::int16_t m_companyLawFlag = 0;
    std::string m_strFixedPath;  // output path fixed by the host; empty when none
    char m_userId[65] = {};      // at most 64 bytes of text, NUL-terminated
    std::int16_t m_equityKind = kShareholdersEquity;
    std::int32_t m_isPathFixed = 0;
    std::string m_rememberedPath;  // the path of the settings record; empty when none

private:
    std::string SettingsKey() const;
    std::string SettingsFilePath() const;
    void FocusEdit(CEdit& edit);
    void ShowError(const std::string& text);
    int AskYesNo(const std::string& text);

    std::string m_settingsFileName;
};

}  // namespace ferrolin
