#include "platform/text/FixedText.h"

#include <cstdio>
#include <cstdlib>
#include <map>
#include <mutex>

#include "platform/text/Cp932.h"

namespace ferrolin {

const std::string& FixedText::Cp932() const {
    static std::mutex mutex;
    static std::map<const char*, std::string> converted;
    std::lock_guard<std::mutex> lock(mutex);
    auto found = converted.find(m_utf8);
    if (found != converted.end()) return found->second;
    auto bytes = Utf8ToCp932(m_utf8);
    if (!bytes) {
        std::fprintf(stderr, "fixed text has no code page 932 form: %s\n", m_utf8);
        std::abort();
    }
    return converted.emplace(m_utf8, std::move(*bytes)).first->second;
}

}  // namespace ferrolin
