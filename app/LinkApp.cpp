#include "app/LinkApp.h"

#include <cstring>

#include "app/AppTexts.h"
#include "app/ProgramFolder.h"
#include "dataset/SelectedDataSet.h"
#include "host/HostConnection.h"
#include "platform/window/WindowServices.h"

namespace ferrolin {

CLinkApp::CLinkApp(const Edition& edition)
    : m_programFilePath(GetProgramFilePath()), m_edition(edition) {}

CLinkApp::~CLinkApp() = default;

int CLinkApp::Run() {
    InitInstance();
    ExitInstance();
    // A run that never reached the host keeps result code 0 but did not write anything.
    return m_connected ? m_resultCode : kResultFailed;
}

BOOL CLinkApp::InitInstance() {
    if (!ConnectToHost()) return 0;

    if (ParseHostCommandLine(m_lpCmdLine)) EmbedInHostWindow();

    EnterProgramFolder();
    if (!CheckTargetInstallation(1)) {
        m_resultCode = kResultFailed;
        return 0;
    }

    switch (HostConnection::Inst()->ExpSysLink()) {
        case 0:
            break;
        case 1:
            m_resultCode = kResultCancelled;
            return 0;
        default:
            m_resultCode = kResultFailed;
            return 0;
    }

    // Neither result stops the run: a data set that is not found stays all zero and the
    // conditions dialog refuses it; unreadable tax settings leave amount basis 0.
    DataSetInfo dataSet;
    std::memset(&dataSet, 0, sizeof dataSet);
    ReadSelectedDataSet(m_pDataSetTable, dataSet);
    TaxSettingsInfo taxSettings;
    std::memset(&taxSettings, 0, sizeof taxSettings);
    ReadTaxSettings(taxSettings, dataSet);

    return RunConditionsAndReport(dataSet, taxSettings);
}

int CLinkApp::ExitInstance() {
    m_accountSums.FreeAll();
    // Closed on every path, also after a failed Initiate.
    if (HostConnection* connection = HostConnection::Inst()) {
        connection->LogOut();
        connection->Terminate();
        connection->Release();
    }
    if (m_launchedByHost == 1) PostExitNotification();
    return 0;
}

bool CLinkApp::ConnectToHost() {
    HostConnection* connection = HostConnection::Inst();
    if (connection == nullptr) return false;
    connection->m_caption = app_text::kCaption.Cp932();
    connection->SetAppType(m_edition.code);
    connection->SetUseDataType(1);
    m_connected = connection->Initiate() == 0;
    return m_connected;
}

void CLinkApp::PostExitNotification() {
    // The first parameter is the function ID sign-extended to the 32 bits of the host's message.
    const auto functionParam = static_cast<std::uint32_t>(static_cast<std::int32_t>(m_functionId));
    SetForegroundWindow(m_hHostWnd);
    EnableWindow(m_hHostWnd, 1);
    PostMessageA(m_hHostWnd, m_notifyMessage, functionParam, m_resultCode);
    EnableWindow(m_hHostWnd, 1);
}

}  // namespace ferrolin
