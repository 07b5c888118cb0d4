#pragma once
// The fixed texts of the window framework itself.

#include "platform/text/FixedText.h"

namespace ferrolin::window_texts {

// Data exchange refused a text longer than its edit allows; %d is the most characters.
inline constexpr FixedText kMaxCharsFormat{"%d 文字以内で入力してください。"};

}  // namespace ferrolin::window_texts
