// The product's fixed texts as the target program and the host see them: their code page 932
// bytes, written here from the code page's table, not from the program's conversion. A text typed
// with a look-alike character (a wave dash for the full-width tilde, a hyphen for a long vowel
// mark) fails here.

#include <gtest/gtest.h>

#include "app/AppTexts.h"
#include "editions/Edition.h"
#include "report/ReportTexts.h"
#include "support/Bytes.h"
#include "ui/UiTexts.h"
#include "ui/progress/ProgressTexts.h"

namespace ferrolin {
namespace {

struct Pinned {
    const char* what;
    const std::string& bytes;
    const char* hex;
};

TEST(FixedTextBytes, MatchTheCodePageTable) {
    const Pinned pinned[] = {
        {"message caption", ui_texts::kCaption.Cp932(), "8C 88 8E 5A 8F 91"},
        {"app caption", app_text::kCaption.Cp932(), "8C 88 8E 5A 8F 91"},
        {"report caption", kMessageCaption.Cp932(), "8C 88 8E 5A 8F 91"},
        {"period separator", app_text::kPeriodSeparator.Cp932(), "81 60"},
        {"range tilde", ui_texts::kRangeTilde.Cp932(), "81 60"},
        {"progress caption", progress_texts::kCaption.Cp932(), "8F 57 8C 76 92 86"},
        {"progress caption format", progress_texts::kCaptionFormat.Cp932(),
         "8F 57 8C 76 92 86 20 25 64 81 93"},
        {"progress font", progress_texts::kFontName.Cp932(),
         "82 6C 82 72 20 82 6F 83 53 83 56 83 62 83 4E"},
        {"stop message", ui_texts::kStopped.Cp932(),
         "A2 8C 88 8E 5A 8F 91 A3 82 CC 8F 57 8C 76 82 F0 92 86 8E 7E 82 B5 82 DC 82 B7 81 42"},
        {"dialog font", ui_texts::kDialogFont.Cp932(),
         "82 6C 82 72 20 82 6F 83 53 83 56 83 62 83 4E"},
        {"equity label", ui_texts::kEquityLabel1.Cp932(),
         "8A 94 8E E5 81 5E 8E D0 88 F5 8E 91 96 7B"},
        {"net income reason", kNetIncomeReason.Cp932(), "93 96 8A FA 8F 83 97 98 89 76"},
        {"separate reserve", kSeparateReserveName.Cp932(), "95 CA 93 72 90 CF 97 A7 8B E0"},
        {"basic fallback", BasicEdition().hostProductName.Cp932(),
         "51 75 6F 72 76 65 6C 82 51 82 4F"},
        {"lumen fallback", LumenEdition().hostProductName.Cp932(),
         "51 75 6F 72 76 65 6C 82 51 82 4F 20 4C 75 6D 65 6E"},
    };
    for (const Pinned& p : pinned) EXPECT_EQ(test::Hex(p.bytes), p.hex) << p.what;
}

}  // namespace
}  // namespace ferrolin
