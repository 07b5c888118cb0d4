// The program's folder as the current directory, and the check that a target program of the
// accepted program level is installed there.

#include "app/AppTexts.h"
#include "app/LinkApp.h"
#include "app/ProgramFolder.h"
#include "host/HostConnection.h"
#include "platform/io/ProfileReader.h"
#include "platform/paths/PathServices.h"
#include "platform/text/Cp932.h"
#include "platform/text/Decimal.h"
#include "platform/window/WindowTypes.h"

namespace ferrolin {

namespace {

constexpr const char* kDefinitionFile = "VantoroDef.ini";
constexpr std::int32_t kAcceptedLevel = 2;
constexpr std::size_t kLevelBufferSize = 16;
constexpr UINT kTargetMessageType = MB_OK | MB_ICONEXCLAMATION;

}  // namespace

void CLinkApp::EnterProgramFolder() {
    const std::size_t lastSeparator = FindLastChar(m_programFilePath, '\\');
    if (lastSeparator == std::string::npos) return;
    SetCurrentFolder(m_programFilePath.substr(0, lastSeparator + 1));
}

BOOL CLinkApp::CheckTargetInstallation(BOOL showMessage) {
    // A trailing 0x5C that is the second byte of a double-byte character is not a separator.
    std::string path = GetCurrentFolder();
    if (!path.empty() && !EndsWithChar(path, '\\')) path += '\\';
    path += kDefinitionFile;

    int code = -1;
    // An unreadable file counts as a missing one.
    if (_access(path, kAccessRead) == 0) {
        const std::string level =
            GetPrivateProfileStringA("ProgramLevel", "MZ31", "1", kLevelBufferSize, path);
        if (!level.empty()) {
            const std::int32_t value = ParseDecimal(level);
            code = value == kAcceptedLevel ? 0 : (value < kAcceptedLevel ? 1 : 2);
        }
    }
    if (code == 0) return 1;

    if (showMessage) {
        const FixedText& text = code == -1  ? app_text::kTargetEnvironmentInvalid
                                : code == 1 ? app_text::kTargetTooOld
                                            : app_text::kComponentTooOld;
        HostConnection::Inst()->DispMsg(m_hHostWnd, text, app_text::kCaption, kTargetMessageType);
    }
    return 0;
}

}  // namespace ferrolin
