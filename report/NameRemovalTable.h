#pragma once
// The strings that are removed from account names before they become labels, in the order in
// which they are tried at each byte of the name.

#include <array>
#include <string_view>

namespace ferrolin {

extern const std::array<std::string_view, 11> NameRemovalTable;

}  // namespace ferrolin
