#pragma once
// The process's current directory and the program's own file, in Windows form (code page 932)
// under the drive map, as a Windows program's _getcwd, _chdir and module file name give them.

#include <string>

namespace ferrolin {

// The current directory in Windows form; empty when it has no Windows form.
std::string GetCurrentFolder();
// Changes the current directory to a Windows-form folder; false when it is not mapped or missing.
bool SetCurrentFolder(const std::string& windowsFolder);
// The full Windows-form path of the running program file; empty when it has no Windows form.
std::string GetProgramFilePath();

}  // namespace ferrolin
