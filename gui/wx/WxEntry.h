#pragma once
// The desktop entry of the editions' mains. The program chooses this back end before calling it
// (with no display wx cannot start); the call starts wxWidgets, installs the wx back end for the
// window model, runs the whole component (which shows its dialogs through the model), then shuts
// wx down again.

#include <functional>
#include <optional>

namespace ferrolin {

// Returns run's result, or nullopt when wx could not be started (then run was not called).
std::optional<int> RunWithWxBackend(int argc, char** argv, const std::function<int()>& run);

}  // namespace ferrolin
