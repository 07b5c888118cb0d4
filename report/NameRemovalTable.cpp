#include "report/NameRemovalTable.h"

namespace ferrolin {

// Code page 932 bytes; the last one is the manufacturing mark with single-byte parentheses.
const std::array<std::string_view, 11> NameRemovalTable = {
    "\x20",              // space
    "\x81\x40",          // full-width space
    "\x81\x79",          // 【
    "\x81\x7A",          // 】
    "\x81\x73",          // 《
    "\x81\x74",          // 》
    "\x81\x69",          // （
    "\x81\x6A",          // ）
    "\x81\x6D",          // ［
    "\x81\x6E",          // ］
    "\x28\x90\xBB\x29",  // (製)
};

}  // namespace ferrolin
