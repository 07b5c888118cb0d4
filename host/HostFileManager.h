#pragma once
// The host's folder service (hostfile).

#include <cstdint>
#include <string>

#include "host/HostInstall.h"

namespace ferrolin {

class HostFileManager : public HostSingleton<HostFileManager> {
public:
    virtual ~HostFileManager() = default;
    // Kind 0: default output folder; kind 1: folder of the remembered-settings file. A Windows-form
    // folder ending in a backslash, or empty. The caller gets its own copy.
    virtual std::string GetAppFolderPath(std::int32_t kind) = 0;
};

}  // namespace ferrolin
