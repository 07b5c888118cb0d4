#pragma once
// The host's folders: host_setting app_folder_0 and app_folder_1.

#include "host/HostFileManager.h"
#include "quorvel/engine/store/HostStore.h"

namespace quorvel {

class StandInFileManager : public ferrolin::HostFileManager {
public:
    explicit StandInFileManager(HostStore& store) : m_store(store) {}

    // The folder in code page 932, given a closing backslash when the setting lacks one; empty for
    // an unset folder, another kind, or a store that cannot be read.
    std::string GetAppFolderPath(std::int32_t kind) override;

private:
    HostStore& m_store;
};

}  // namespace quorvel
