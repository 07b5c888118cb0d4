// The host's command line "window,message,function,path" and the embedding in the host window.

#include <string_view>

#include "app/LinkApp.h"
#include "host/HostConnection.h"
#include "platform/text/Decimal.h"
#include "platform/window/WindowServices.h"

namespace ferrolin {

BOOL CLinkApp::ParseHostCommandLine(const std::string& commandLine) {
    // The text is handled whole, whatever its length. A comma is never a trail byte of code
    // page 932, so a byte search finds only real separators.
    const std::string_view text(commandLine);

    const std::size_t first = text.find(',');
    if (first == std::string_view::npos) return 0;
    m_hHostWnd = ParseDecimal(text.substr(0, first));

    const std::size_t second = text.find(',', first + 1);
    if (second == std::string_view::npos) return 0;
    m_notifyMessage =
        static_cast<std::uint32_t>(ParseDecimal(text.substr(first + 1, second - first - 1)));

    const std::size_t third = text.find(',', second + 1);
    if (third == std::string_view::npos) return 0;
    const auto function = ParseDecimal(text.substr(second + 1, third - second - 1));
    m_functionId = static_cast<std::int16_t>(static_cast<std::uint16_t>(function & 0xFFFF));

    if (third + 1 < text.size()) m_strFixedPath = std::string(text.substr(third + 1));
    return 1;
}

void CLinkApp::EmbedInHostWindow() {
    m_launchedByHost = 1;
    m_hostWndState.hwnd = m_hHostWnd;
    m_hostWnd.Attach(&m_hostWndState);
    m_pHostWnd = &m_hostWnd;
    EnableWindow(m_hHostWnd, 0);
    HostConnection::Inst()->m_hOwnerWnd = m_hHostWnd;
}

}  // namespace ferrolin
