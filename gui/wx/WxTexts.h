#pragma once
// The desktop's own fixed texts: the button labels of message boxes, which the toolkit would give
// in English without a Japanese locale.

#include "platform/text/FixedText.h"

namespace ferrolin::wx_texts {

inline constexpr FixedText kYes{"はい"};
inline constexpr FixedText kNo{"いいえ"};
inline constexpr FixedText kOk{"OK"};

}  // namespace ferrolin::wx_texts
