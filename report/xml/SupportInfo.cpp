#include "report/xml/SupportInfo.h"

#include <cstring>

#include "platform/io/File.h"
#include "platform/text/FixedText.h"

namespace ferrolin {
namespace {

constexpr std::size_t kBufferSize = 30000;  // only the start of the file counts
constexpr FixedText kProductNameKey{"[=製品名=]"};
constexpr FixedText kProductVersionKey{"[=製品ﾊﾞｰｼﾞｮﾝ=]"};

}  // namespace

bool CSupportInfo::Load() {
    if (m_loaded) return true;
    CFile file;
    if (!file.Open("SUPPORT.INF", CFile::modeRead | CFile::shareDenyNone)) return false;
    std::vector<char> buffer(kBufferSize);
    std::size_t filled = 0;
    try {
        while (filled < kBufferSize) {
            const std::size_t got = file.Read(buffer.data() + filled, kBufferSize - filled);
            if (got == 0) break;
            filled += got;
        }
    } catch (const CFileException&) {
        return false;
    }
    file.Close();
    buffer.resize(filled);
    // Lines end at CR LF; the end-of-file mark ends a line too.
    for (std::size_t i = 0; i < filled; ++i) {
        if (buffer[i] == '\r' && i + 1 < filled && buffer[i + 1] == '\n') {
            buffer[i] = buffer[i + 1] = '\0';
            ++i;
        } else if (buffer[i] == '\x1A') {
            buffer[i] = '\0';
        }
    }
    m_buffer = std::move(buffer);
    m_loaded = true;
    return true;
}

std::string CSupportInfo::FindValue(const std::string& key) {
    if (!Load() || key.empty()) return std::string();
    for (std::size_t offset = 0; offset + key.size() <= m_buffer.size(); ++offset) {
        if (std::memcmp(m_buffer.data() + offset, key.data(), key.size()) != 0) continue;
        // The value runs to the end of its line, or to the end of what was read when its line
        // has no line end.
        std::string value;
        for (std::size_t i = offset + key.size(); i < m_buffer.size() && m_buffer[i] != '\0'; ++i) {
            value += m_buffer[i];
        }
        return value;
    }
    return std::string();
}

std::string CSupportInfo::GetProductName() { return FindValue(kProductNameKey); }
std::string CSupportInfo::GetProductVersion() { return FindValue(kProductVersionKey); }

}  // namespace ferrolin
