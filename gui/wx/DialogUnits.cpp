#include "gui/wx/DialogUnits.h"

#include <cstdint>

namespace ferrolin {

int MulDiv(int a, int b, int c) {
    if (c == 0) return -1;
    const std::int64_t product = static_cast<std::int64_t>(a) * b;
    const std::int64_t divisor = c < 0 ? -std::int64_t{c} : c;
    const bool negative = (product < 0) != (c < 0);
    const std::int64_t magnitude = ((product < 0 ? -product : product) + divisor / 2) / divisor;
    return static_cast<int>(negative ? -magnitude : magnitude);
}

PixelRect MapDialogRect(const DialogBaseUnits& base, int x, int y, int cx, int cy) {
    return {MulDiv(x, base.cx, 4), MulDiv(y, base.cy, 8), MulDiv(cx, base.cx, 4),
            MulDiv(cy, base.cy, 8)};
}

DialogBaseUnits BaseUnitsFromAlphabet(int alphabetWidth, int charHeight) {
    return {(alphabetWidth / 26 + 1) / 2, charHeight};
}

}  // namespace ferrolin
