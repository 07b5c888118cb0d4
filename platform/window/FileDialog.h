#pragma once
// The framework's file dialog, save-as or open, answered by the back end.

#include <cstdint>
#include <string>

#include "platform/window/WindowBackend.h"

namespace ferrolin {

class CWnd;

class CFileDialog {
public:
    CFileDialog(bool openFileDialog, const std::string& defaultExt, const std::string& fileName,
                std::uint32_t flags, const std::string& filter, CWnd* parent);
    std::intptr_t DoModal();  // IDOK when the user confirmed, else IDCANCEL
    std::string GetPathName() const { return m_pathName; }

    std::string m_title;          // lpstrTitle
    std::string m_initialFolder;  // lpstrInitialDir

private:
    FileDialogRequest m_request;
    std::string m_pathName;
};

}  // namespace ferrolin
