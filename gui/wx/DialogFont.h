#pragma once
// The font of a dialog template on this desktop, and the dialog units it gives.

#include <wx/font.h>

#include "gui/wx/DialogUnits.h"
#include "platform/window/DialogTemplate.h"

namespace ferrolin {

// The template's face when it is installed, else the nearest Japanese UI font installed
// (proportional Gothic faces first), at the template's point size.
wxFont DialogFontOf(const DialogTemplate& dialogTemplate);
// A Japanese UI font for boxes that have no template (message boxes).
wxFont JapaneseUiFont(int points);
// The dialog base units of a font, measured as the framework measures them.
DialogBaseUnits MeasureBaseUnits(const wxFont& font);

}  // namespace ferrolin
