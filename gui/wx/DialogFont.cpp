#include "gui/wx/DialogFont.h"

#include <wx/bitmap.h>
#include <wx/dcmemory.h>
#include <wx/fontenum.h>

namespace ferrolin {

namespace {

// Faces close to the proportional Gothic of the templates, nearest first: the proportional IPA
// Gothic has the same metrics model, the fixed-pitch faces come after the proportional ones.
constexpr const char* kJapaneseFaces[] = {
    "IPAPGothic",       "IPAGothic",    "VL PGothic",  "VL Gothic",
    "Noto Sans CJK JP", "TakaoPGothic", "TakaoGothic",
};

wxString InstalledFace(const char* preferredUtf8) {
    if (preferredUtf8 && *preferredUtf8) {
        const wxString preferred = wxString::FromUTF8(preferredUtf8);
        if (wxFontEnumerator::IsValidFacename(preferred)) return preferred;
    }
    for (const char* face : kJapaneseFaces) {
        if (wxFontEnumerator::IsValidFacename(face)) return face;
    }
    return {};
}

wxFont MakeFont(const wxString& face, int points) {
    wxFontInfo info(points > 0 ? points : 9);
    if (!face.empty()) info.FaceName(face);
    return wxFont(info);
}

}  // namespace

wxFont DialogFontOf(const DialogTemplate& dialogTemplate) {
    return MakeFont(InstalledFace(dialogTemplate.fontName.Utf8()), dialogTemplate.fontPoints);
}

wxFont JapaneseUiFont(int points) { return MakeFont(InstalledFace(nullptr), points); }

DialogBaseUnits MeasureBaseUnits(const wxFont& font) {
    wxBitmap bitmap(8, 8);
    wxMemoryDC dc(bitmap);
    dc.SetFont(font);
    wxCoord width = 0, height = 0;
    dc.GetTextExtent("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz", &width, &height);
    return BaseUnitsFromAlphabet(width, dc.GetCharHeight());
}

}  // namespace ferrolin
