#pragma once
// The three editions of the program, one per edition of the host product. They differ only in the
// code announced to the host connection, the remembered-settings file and the host product name
// that the report carries when the support information file names none.

#include <cstdint>

#include "platform/text/FixedText.h"

namespace ferrolin {

struct Edition {
    const char* programName;     // the executable's name, ASCII
    std::int32_t code;           // HostConnection::SetAppType
    FixedText settingsFileName;  // in the host's settings folder (kind 1)
    FixedText hostProductName;   // PROGRAMNAME when SUPPORT.INF names no product
};

const Edition& BasicEdition();
const Edition& LumenEdition();
const Edition& TesselEdition();

}  // namespace ferrolin
