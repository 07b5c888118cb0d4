#pragma once
// Decimal conversion as the C run time's atoi does it: leading white space skipped (space, tab,
// CR, LF, vertical tab, form feed), an optional sign, digits up to the first other byte; no digits
// gives 0. Values beyond 32 bits wrap as a 32-bit conversion would.

#include <cstdint>
#include <string_view>

namespace ferrolin {

std::int32_t ParseDecimal(std::string_view text);

}  // namespace ferrolin
