#pragma once
// The line that quorvel-host launch prints for each window event on the host window:
//   host window N: disabled
//   host window N: enabled
//   host window N: now parent of window C          (SetParent(C, N))
//   host window N: parent set to window P          (SetParent(N, P))
//   host window N: brought to foreground
//   host window N: brought to top
//   host window N: posted message M wparam W lparam L

#include <string>

#include "platform/hostwindow/HostWindowProtocol.h"

namespace quorvel {

std::string HostWindowEventLine(ferrolin::HWND window, const ferrolin::HostWindowEvent& event);

}  // namespace quorvel
