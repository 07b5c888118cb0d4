#pragma once
// The support information file "SUPPORT.INF" in the current directory: the host product's name
// and version, each following its key on its line. Read once, only its first 30,000 bytes.

#include <string>
#include <vector>

namespace ferrolin {

class CSupportInfo {
public:
    bool Load();
    std::string FindValue(const std::string& key);
    std::string GetProductName();     // "[=製品名=]"
    std::string GetProductVersion();  // "[=製品ﾊﾞｰｼﾞｮﾝ=]"

private:
    std::vector<char> m_buffer;  // the file's first 30,000 bytes at most, line ends made 0
    bool m_loaded = false;
};

}  // namespace ferrolin
