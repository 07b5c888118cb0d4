#include "app/ProgramFolder.h"

#include <unistd.h>

#include <cerrno>
#include <climits>
#include <optional>
#include <vector>

#include "platform/paths/WindowsPath.h"

namespace ferrolin {

std::string GetCurrentFolder() {
    // No fixed limit: grow the buffer until the whole path fits.
    std::vector<char> buffer(PATH_MAX);
    while (::getcwd(buffer.data(), buffer.size()) == nullptr) {
        if (errno != ERANGE) return {};
        buffer.resize(buffer.size() * 2);
    }
    return ToWindowsPath(buffer.data()).value_or(std::string());
}

bool SetCurrentFolder(const std::string& windowsFolder) {
    std::optional<std::string> unixFolder = ToUnixPath(windowsFolder);
    return unixFolder && ::chdir(unixFolder->c_str()) == 0;
}

std::string GetProgramFilePath() {
    std::vector<char> buffer(PATH_MAX);
    for (;;) {
        ssize_t length = ::readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return {};
        if (static_cast<std::size_t>(length) < buffer.size()) {
            std::string unixPath(buffer.data(), static_cast<std::size_t>(length));
            return ToWindowsPath(unixPath).value_or(std::string());
        }
        buffer.resize(buffer.size() * 2);
    }
}

}  // namespace ferrolin
