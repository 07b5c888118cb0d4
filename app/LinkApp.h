#pragma once
// The application object: one run of the linkage component from the connection to the host to the
// exit notification. InitInstance is the whole run sequence; ExitInstance runs once afterwards on
// every path. The host learns the outcome from the posted result code, scripts from the exit
// status (Run).

#include <cstdint>
#include <string>
#include <vector>

#include "aggregation/amounts/AccountSumList.h"
#include "editions/Edition.h"
#include "host/HostDataSetTable.h"
#include "host/HostRecords.h"
#include "platform/window/Window.h"

namespace ferrolin {

class CConditionDlg;
class CProgressDlg;

// Result codes posted to the host window at exit.
enum ResultCode : std::int32_t {
    kResultWritten = 0,
    kResultCancelled = 1,
    kResultFailed = 2,
};

class CLinkApp {
public:
    explicit CLinkApp(const Edition& edition);
    CLinkApp(const CLinkApp&) = delete;
    CLinkApp& operator=(const CLinkApp&) = delete;
    ~CLinkApp();

    // InitInstance, then ExitInstance; returns the process exit status: the result code, or 2
    // when the host connection could not be made (the result code then stays 0).
    int Run();

    BOOL InitInstance();
    int ExitInstance();

    // Reads the host's four comma-separated fields; 1 when at least three commas were found.
    BOOL ParseHostCommandLine(const std::string& commandLine);
    // 1 when the target's definition file in the current directory states program level 2.
    BOOL CheckTargetInstallation(BOOL showMessage);
    // Fills m_notes with the lines of the notes text.
    void SplitNotesText(std::string notesText);

    // Framework inputs: the argument text after the program name, verbatim, and the program
    // file's full Windows-form path (its folder becomes the current directory).
    std::string m_lpCmdLine;
    std::string m_programFilePath;

    std::int32_t m_launchedByHost = 0;
    HWND m_hHostWnd = 0;
    std::uint32_t m_notifyMessage = 0;
    std::int16_t m_functionId = 3;
    std::string m_strFixedPath;
    CWnd* m_pHostWnd = nullptr;
    std::int32_t m_resultCode = kResultWritten;
    CAccountSumList m_accountSums;
    HostDataSetTable* m_pDataSetTable = nullptr;
    std::vector<std::string> m_notes;

    bool IsConnected() const { return m_connected; }

private:
    bool ConnectToHost();
    void EmbedInHostWindow();
    void EnterProgramFolder();
    BOOL RunConditionsAndReport(const DataSetInfo& dataSet, const TaxSettingsInfo& taxSettings);
    void PrefillConditions(CConditionDlg& dialog, const DataSetInfo& dataSet);
    BOOL AggregateAndWrite(CConditionDlg& dialog, const DataSetInfo& dataSet,
                           const TaxSettingsInfo& taxSettings);
    void PostExitNotification();

    const Edition& m_edition;
    bool m_connected = false;
    // The host's window as a window object: a foreign handle, never one of this process.
    WindowState m_hostWndState;
    CWnd m_hostWnd;
};

}  // namespace ferrolin
