// Execute: the checks that stand between the user's choices and a run, in their fixed order. The
// first that fails says why, sends the user back to the field at fault and keeps the dialog open.

#include "dataset/PeriodMonths.h"
#include "platform/paths/PathServices.h"
#include "platform/text/Decimal.h"
#include "ui/ConditionDlg.h"
#include "ui/FolderChain.h"
#include "ui/MonthRange.h"
#include "ui/OutputPath.h"
#include "ui/UiTexts.h"

namespace ferrolin {

namespace t = ui_texts;

void CConditionDlg::OnExecute() {
    if (!UpdateData(1)) return;
    CButton members;
    members.Attach(FindControl(IDC_MEMBERS));
    m_equityKind = members.GetCheck() == 1 ? kMembersEquity : kShareholdersEquity;

    const auto startMonth = static_cast<std::int16_t>(ParseDecimal(m_strStartMonth));
    const auto endMonth = static_cast<std::int16_t>(ParseDecimal(m_strEndMonth));

    std::int16_t firstMonth = 0;
    std::int16_t lastMonth = 0;
    GetPeriodMonths(m_periodStart, m_periodEnd, &firstMonth, &lastMonth);
    switch (CheckMonthRange(startMonth, endMonth, firstMonth, lastMonth)) {
        case MonthRangeFault::None:
            break;
        case MonthRangeFault::StartMonth:
            ShowError(t::kBadRange);
            FocusEdit(m_editStartMonth);
            return;
        case MonthRangeFault::EndMonth:
            ShowError(t::kBadRange);
            FocusEdit(m_editEndMonth);
            return;
    }

    // Only the end is held against the introduction month: a range may start before it.
    firstMonth = 0;
    lastMonth = 0;
    GetPeriodMonths(m_periodStart, m_periodEnd, &firstMonth, &lastMonth);
    std::int16_t startPosition = 0;
    std::int16_t endPosition = 0;
    GetFiscalPositions(firstMonth, lastMonth, startMonth, endMonth, &startPosition, &endPosition);
    if (endPosition < m_introMonth) {
        ShowError(t::kBeforeIntroduction);
        FocusEdit(m_editEndMonth);
        return;
    }

    if (m_strOutputPath.empty()) {
        ShowError(t::kNoPath);
        OnBrowse();
        return;
    }
    if (!IsValidPathText(m_strOutputPath)) {
        ShowError(t::kBadPathText);
        FocusEdit(m_editOutputPath);
        return;
    }
    if (!IsUsableDrive(m_strOutputPath)) {
        ShowError(t::kBadDrive);
        FocusEdit(m_editOutputPath);
        return;
    }
    if (GetFileNamePart(m_strOutputPath).empty()) {
        ShowError(t::kNoFileName);
        FocusEdit(m_editOutputPath);
        return;
    }

    const std::string folder = GetFolderPart(m_strOutputPath);
    if (!folder.empty() && _access(folder, kAccessExists) != 0) {
        if (AskYesNo(t::kCreateFolder) != IDYES) {
            FocusEdit(m_editOutputPath);
            return;
        }
        if (!CreateFolderChain(folder)) {
            ShowError(t::kCreateFolderFailed);
            FocusEdit(m_editOutputPath);
            return;
        }
    }

    // The host chose this file and expects it written: no question.
    if (m_isPathFixed == 1) {
        EndDialog(IDC_EXECUTE);
        return;
    }
    CFileStatus status;
    if (!GetFileStatus(m_strOutputPath, &status)) {
        EndDialog(IDC_EXECUTE);
        return;
    }
    if ((status.m_attribute & kFileAttributeDirectory) != 0) {
        ShowError(t::kNoFileName);
        FocusEdit(m_editOutputPath);
        return;
    }
    if (AskYesNo(t::kOverwrite) == IDYES) {
        EndDialog(IDC_EXECUTE);
    } else {
        FocusEdit(m_editOutputPath);
    }
}

}  // namespace ferrolin
