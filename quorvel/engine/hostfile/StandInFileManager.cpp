#include "quorvel/engine/hostfile/StandInFileManager.h"

#include "platform/text/Cp932.h"

namespace quorvel {

std::string StandInFileManager::GetAppFolderPath(std::int32_t kind) {
    if (kind != 0 && kind != 1) return {};
    auto folder = m_store.TextSetting(kind == 0 ? "app_folder_0" : "app_folder_1", "");
    if (!folder || folder->empty()) return {};
    // Callers append a file name directly, so a folder without its backslash would run into it.
    if (!ferrolin::EndsWithChar(*folder, '\\')) folder->push_back('\\');
    return *folder;
}

}  // namespace quorvel
