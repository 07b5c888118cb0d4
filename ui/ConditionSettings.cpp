// The remembered settings of the last successful run, one record per host user and data set in
// the edition's settings file in the host's folder of kind 1.

#include <cstring>

#include "host/HostFileManager.h"
#include "platform/paths/PathServices.h"
#include "platform/paths/WholeFile.h"
#include "ui/ConditionDlg.h"
#include "ui/FolderChain.h"
#include "ui/OutputPath.h"
#include "ui/SettingsRecord.h"

namespace ferrolin {
namespace {

constexpr int kSettingsFolderKind = 1;

std::string SettingsFolder() {
    HostFileManager* files = HostFileManager::Inst();
    return files ? files->GetAppFolderPath(kSettingsFolderKind) : std::string();
}

}  // namespace

std::string CConditionDlg::SettingsKey() const {
    const std::string_view userId(m_userId, ::strnlen(m_userId, sizeof m_userId - 1));
    return FormatSettingsKey(userId, m_selectedNo1, m_selectedNo2);
}

std::string CConditionDlg::SettingsFilePath() const {
    return SettingsFolder() + m_settingsFileName;
}

BOOL CConditionDlg::LoadSettings(std::int16_t* startMonth, std::int16_t* endMonth,
                                 std::int16_t* choice, std::string* path) {
    const auto text = ReadWholeFile(SettingsFilePath());
    if (!text) return 0;
    const auto values = ReadSettingsRecord(*text, SettingsKey());
    if (!values) return 0;
    if (startMonth) *startMonth = values->startMonth;
    if (endMonth) *endMonth = values->endMonth;
    if (choice) *choice = values->choice;
    if (path) *path = values->path;
    return 1;
}

// The file is replaced whole and atomically rather than removed and written anew, so a save that
// fails part-way leaves every user's records as they were.
BOOL CConditionDlg::SaveSettings(std::int16_t startMonth, std::int16_t endMonth,
                                 std::int16_t choice, const std::string* path) {
    const std::string key = SettingsKey();
    const std::string folder = SettingsFolder();
    if (folder.empty()) return 0;
    if (!IsExistingFolder(folder) && !CreateFolderChain(folder)) return 0;

    const std::string filePath = folder + m_settingsFileName;
    const std::string line =
        FormatSettingsLine(key, {startMonth, endMonth, choice, path ? *path : m_rememberedPath});
    std::string text;
    if (PathFileExistsA(filePath)) {
        const auto old = ReadWholeFile(filePath);
        if (!old) return 0;
        text = PutSettingsRecord(*old, key, line);
    } else {
        text = line;
    }
    return ReplaceFileAtomically(filePath, text) ? 1 : 0;
}

}  // namespace ferrolin
