#include "platform/window/WindowTransport.h"

namespace ferrolin {

namespace {
IWindowTransport* g_transport = nullptr;
}  // namespace

void SetWindowTransport(IWindowTransport* transport) { g_transport = transport; }
IWindowTransport* GetWindowTransport() { return g_transport; }

}  // namespace ferrolin
