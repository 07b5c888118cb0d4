// The run after the checks: the conditions dialog, the progress dialog, the aggregation, the
// saved notes and the report, with the outcome message and the clean-up in a fixed order.

#include <array>
#include <cstdio>
#include <cstring>
#include <memory>
#include <utility>

#include "aggregation/AccountAggregator.h"
#include "aggregation/NotesText.h"
#include "app/AppTexts.h"
#include "app/LinkApp.h"
#include "dataset/SumQueryBuilder.h"
#include "host/HostDataManager.h"
#include "host/HostUserSession.h"
#include "platform/text/Decimal.h"
#include "platform/window/WindowServices.h"
#include "report/ReportWriter.h"
#include "ui/ConditionDlg.h"
#include "ui/progress/ProgressDlg.h"

namespace ferrolin {

namespace {

constexpr std::int16_t kPastDataIntroMonth = 99;
constexpr std::int16_t kReportProgressBase = 500;
constexpr int kProgressEndResult = 1;

std::string FormatDate(std::int32_t date) {
    char text[32];
    std::snprintf(text, sizeof text, "%04d/%02d/%02d", date / 10000, (date % 10000) / 100,
                  date % 100);
    return text;
}

// Everything one run makes after the conditions dialog, destroyed in the order of CleanUp.
struct RunObjects {
    std::unique_ptr<CProgressDlg> progress;
    bool waitCursor = false;
    std::unique_ptr<CAccountAggregator> aggregator;
    std::unique_ptr<CReportWriter> writer;

    ~RunObjects() {
        writer.reset();
        aggregator.reset();
        if (waitCursor) EndWaitCursor();
        if (progress) progress->DestroyWindow();
        progress.reset();
    }
};

}  // namespace

void CLinkApp::PrefillConditions(CConditionDlg& dialog, const DataSetInfo& dataSet) {
    if (HostDataManager* data = HostDataManager::Inst()) {
        if (HostUserSession* user = data->GetSysUserObject()) {
            std::memset(dialog.m_userId, 0, sizeof dialog.m_userId);
            user->GetCurUserID(dialog.m_userId);
            dialog.m_userId[sizeof dialog.m_userId - 1] = '\0';
            user->GetSelectedNo(dialog.m_userId, &dialog.m_selectedNo1, &dialog.m_selectedNo2);
        }
    }
    dialog.m_isPastData = dataSet.introMonth == kPastDataIntroMonth ? 1 : 0;
    dialog.m_strFixedPath.clear();
    if (m_launchedByHost == 1) dialog.m_strFixedPath = m_strFixedPath;
    dialog.m_periodEnd = dataSet.periodEnd;
    dialog.m_introMonth = dataSet.introMonth;
    dialog.m_periodStart = dataSet.periodStart;
    // The whole name, however long: no fixed display buffer.
    dialog.m_strCompany =
        " " +
        std::string(dataSet.companyName, strnlen(dataSet.companyName, sizeof dataSet.companyName));
    dialog.m_strPeriod = " " + FormatDate(dataSet.periodStart) +
                         app_text::kPeriodSeparator.Cp932() + FormatDate(dataSet.periodEnd);
    dialog.m_companyLawFlag = dataSet.companyLawFlag;
}

BOOL CLinkApp::RunConditionsAndReport(const DataSetInfo& dataSet,
                                      const TaxSettingsInfo& taxSettings) {
    // The dialog object lives to the end of the run: SaveSettings is called on it after the
    // report is written.
    CConditionDlg dialog(m_pHostWnd, m_edition.settingsFileName.Cp932());
    PrefillConditions(dialog, dataSet);

    const std::intptr_t result = dialog.DoModal();
    if (result == IDC_EXECUTE) return AggregateAndWrite(dialog, dataSet, taxSettings);
    // Only Execute starts processing. A dialog that could not be shown is a failed run; every
    // other end (the refusals, cancel) is a cancelled one.
    m_resultCode = result == -1 ? kResultFailed : kResultCancelled;
    return 0;
}

BOOL CLinkApp::AggregateAndWrite(CConditionDlg& dialog, const DataSetInfo& dataSet,
                                 const TaxSettingsInfo& taxSettings) {
    const auto startMonth = static_cast<std::int16_t>(ParseDecimal(dialog.m_strStartMonth));
    const auto endMonth = static_cast<std::int16_t>(ParseDecimal(dialog.m_strEndMonth));
    const std::string outputPath = dialog.m_strOutputPath;
    const std::int16_t equityKind = dialog.m_equityKind;

    RunObjects run;
    run.progress = std::make_unique<CProgressDlg>();
    run.progress->Create(nullptr);
    SumQuery query;
    std::memset(&query, 0, sizeof query);
    if (m_pHostWnd != nullptr) SetParent(run.progress->GetSafeHwnd(), m_hHostWnd);
    run.progress->ShowWindow(true);
    BeginWaitCursor();
    run.waitCursor = true;
    run.progress->StartOverall();

    run.aggregator = std::make_unique<CAccountAggregator>();
    run.aggregator->m_pProgress = run.progress.get();
    run.aggregator->m_pAccountSums = &m_accountSums;
    run.writer = std::make_unique<CReportWriter>(m_edition.hostProductName.Cp932());
    run.writer->SetProgressDialog(run.progress.get());
    run.writer->SetAccountSums(&m_accountSums);
    run.writer->SetOwnerWindow(run.progress->GetSafeHwnd());
    run.writer->SetEquityKind(equityKind);

    BuildSumQuery(&query, &dataSet, startMonth, endMonth);
    const std::int32_t basis = taxSettings.amountBasisFlag != 0 ? 1 : 0;
    // A failed aggregation would leave a report of partial totals: the run fails before the
    // report file is created or touched.
    bool succeeded = run.aggregator->Aggregate(basis, query, dataSet);

    if (succeeded) {
        if (run.aggregator->IsInputModeSet() && run.aggregator->IsNoteSet()) {
            std::array<std::uint8_t, kNoteDisplayFlagCount> noteFlags{};
            run.aggregator->ReadNoteDisplayFlags(noteFlags);
            run.writer->SetNoteDisplayFlags(noteFlags);
            std::string notesText;
            run.aggregator->ReadNotesText(notesText);
            SplitNotesText(notesText);
            run.writer->SetNotes(&m_notes);
            run.writer->SetNotesAvailable(1);
        } else {
            run.writer->SetNotesAvailable(0);
        }
        run.writer->SetProgressBase(kReportProgressBase);
        succeeded = run.writer->WriteReport(outputPath, m_functionId, dataSet);
    }

    const HWND owner = run.progress->GetSafeHwnd();
    if (succeeded) {
        // A path fixed by the host never replaces the one the user chose; a path the user chose
        // is remembered, also in a run the host started without fixing one.
        const bool hostFixedPath = m_launchedByHost == 1 && !m_strFixedPath.empty();
        dialog.SaveSettings(startMonth, endMonth, equityKind,
                            hostFixedPath ? nullptr : &outputPath);
        run.progress->EndDialog(kProgressEndResult);
        RestoreWaitCursor();
        MessageBoxA(owner, app_text::kReportWritten, app_text::kCaption,
                    MB_OK | MB_ICONINFORMATION);
        return 1;
    }
    // Shown while the progress dialog is still up.
    MessageBoxA(owner, app_text::kReportFailed, app_text::kCaption, MB_OK | MB_ICONEXCLAMATION);
    run.progress->EndDialog(kProgressEndResult);
    RestoreWaitCursor();
    m_resultCode = kResultFailed;
    return 0;
}

void CLinkApp::SplitNotesText(std::string notesText) {
    ::ferrolin::SplitNotesText(std::move(notesText), m_notes);
}

}  // namespace ferrolin
