#include "platform/window/FileDialog.h"

#include "platform/window/Window.h"

namespace ferrolin {

CFileDialog::CFileDialog(bool openFileDialog, const std::string& defaultExt,
                         const std::string& fileName, std::uint32_t flags,
                         const std::string& filter, CWnd* parent) {
    m_request.owner = parent ? parent->GetSafeHwnd() : 0;
    m_request.open = openFileDialog;
    m_request.defaultExt = defaultExt;
    m_request.fileName = fileName;
    m_request.filter = filter;
    m_request.flags = flags;
}

std::intptr_t CFileDialog::DoModal() {
    IWindowBackend* backend = GetWindowBackend();
    if (!backend) return IDCANCEL;
    m_request.title = m_title;
    m_request.initialFolder = m_initialFolder;
    std::string path;
    if (!backend->RunFileDialog(m_request, &path)) return IDCANCEL;
    m_pathName = path;
    return IDOK;
}

}  // namespace ferrolin
