#pragma once
// The fixed texts of the progress dialog.

#include "platform/text/FixedText.h"

namespace ferrolin::progress_texts {

inline constexpr FixedText kCaption{"集計中"};
inline constexpr FixedText kCaptionFormat{"集計中 %d％"};  // %d: per cent of the run done
inline constexpr FixedText kFontName{"ＭＳ Ｐゴシック"};
inline constexpr FixedText kOverallBarText{"Progress1"};
inline constexpr FixedText kPulseBarText{"Progress2"};

}  // namespace ferrolin::progress_texts
