#pragma once
// GetPrivateProfileStringA for what the system needs of Windows initialisation files: section and
// key compared case-insensitively, blanks around key and value trimmed, the default when the file,
// section or key is missing, and the value cut to `size` - 1 bytes (whole characters).

#include <cstddef>
#include <string>

namespace ferrolin {

// Returns the value (or the default); `windowsPath` as the system uses paths.
std::string GetPrivateProfileStringA(const std::string& section, const std::string& key,
                                     const std::string& defaultValue, std::size_t size,
                                     const std::string& windowsPath);

}  // namespace ferrolin
