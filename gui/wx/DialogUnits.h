#pragma once
// Dialog units, as the framework maps a template onto the screen: horizontal units are a quarter
// of the dialog font's average character width, vertical units an eighth of its height.

namespace ferrolin {

struct DialogBaseUnits {
    int cx = 0;  // average character width in pixels
    int cy = 0;  // character height in pixels
};

struct PixelRect {
    int x = 0, y = 0, width = 0, height = 0;
};

// a * b / c rounded half away from zero, as the framework's MulDiv does.
int MulDiv(int a, int b, int c);

// The pixel rectangle of a rectangle in dialog units.
PixelRect MapDialogRect(const DialogBaseUnits& base, int x, int y, int cx, int cy);

// The base units from the width of the 52 letters A-Z a-z and the character height, as the
// framework derives them from the dialog font.
DialogBaseUnits BaseUnitsFromAlphabet(int alphabetWidth, int charHeight);

}  // namespace ferrolin
