#include "support/Bytes.h"

#include <cstdlib>

#include "platform/text/Cp932.h"

namespace ferrolin::test {

std::string Sjis(std::string_view utf8) {
    auto bytes = Utf8ToCp932(utf8);
    if (!bytes) {
        std::fprintf(stderr, "test text has no code page 932 form: %.*s\n",
                     static_cast<int>(utf8.size()), utf8.data());
        std::abort();
    }
    return *bytes;
}

}  // namespace ferrolin::test
