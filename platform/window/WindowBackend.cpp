#include "platform/window/WindowBackend.h"

namespace ferrolin {

namespace {
IWindowBackend* g_backend = nullptr;
}  // namespace

void SetWindowBackend(IWindowBackend* backend) { g_backend = backend; }
IWindowBackend* GetWindowBackend() { return g_backend; }

}  // namespace ferrolin
