#include "report/EquityColumnTable.h"

namespace ferrolin {

// clang-format off
const std::array<EquityColumnSource, 14> EquityColumnTable = {{
    {0, 0x80288000},
    {0, 0x80288040},
    {0, 0x80288020},
    {1, 0x80282080},
    {2, 0x80282040},
    {3, 0x80281080},
    {4, 0x80281040},
    {5, 0x80281040},
    {6, 0x80281048},
    {7, 0x80280800},
    {8, 0x80248000},
    {9, 0x80244000},
    {10, 0x80242000},
    {11, 0x80220000},
}};
// clang-format on

}  // namespace ferrolin
