#include "ScreenPixels.h"

#include <wx/filefn.h>
#include <wx/filename.h>

#include <cstdlib>

namespace ferrolin::test {

wxImage ScreenPixels(const wxRect& rect) {
    if (!wxImage::FindHandler(wxBITMAP_TYPE_PNG)) wxImage::AddHandler(new wxPNGHandler);
    // The named temporary file is only there to reserve the name; import writes beside it.
    const wxString reserved = wxFileName::CreateTempFileName("ferrolin-screen");
    const wxString file = reserved + ".png";
    const wxString command =
        wxString::Format("import -window root -crop %dx%d+%d+%d +repage '%s' 2>/dev/null",
                         rect.width, rect.height, rect.x, rect.y, file);
    wxImage image;
    if (std::system(command.utf8_str()) == 0) image.LoadFile(file, wxBITMAP_TYPE_PNG);
    wxRemoveFile(file);
    wxRemoveFile(reserved);
    return image;
}

}  // namespace ferrolin::test
