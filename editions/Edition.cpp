#include "editions/Edition.h"

namespace ferrolin {

// "２０" is two full-width digits; the edition word follows it after a single-byte space.
const Edition& BasicEdition() {
    static const Edition edition{"FerrolinBasic", 0, FixedText("FerrolinBasic.env"),
                                 FixedText("Quorvel２０")};
    return edition;
}

const Edition& LumenEdition() {
    static const Edition edition{"FerrolinLumen", 3, FixedText("FerrolinLumen.env"),
                                 FixedText("Quorvel２０ Lumen")};
    return edition;
}

const Edition& TesselEdition() {
    static const Edition edition{"FerrolinTessel", 4, FixedText("FerrolinTessel.env"),
                                 FixedText("Quorvel２０ Tessel")};
    return edition;
}

}  // namespace ferrolin
