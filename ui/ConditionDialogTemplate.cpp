#include "ui/ConditionDialogTemplate.h"

#include "ui/UiTexts.h"

namespace ferrolin {
namespace {

namespace t = ui_texts;

constexpr std::uint32_t kLabel = CS_VISIBLE | CS_LEFT | CS_CENTERIMAGE | CS_GROUP;
constexpr std::uint32_t kSeparator = CS_VISIBLE | CS_RIGHT | CS_CENTERIMAGE | CS_GROUP;
constexpr std::uint32_t kText = CS_VISIBLE | CS_LEFT | CS_CENTERIMAGE;
constexpr std::uint32_t kMonthEdit =
    CS_VISIBLE | CS_BORDER | CS_TABSTOP | CS_NUMBER | CS_RIGHT | CS_AUTOHSCROLL;
constexpr std::uint32_t kPathEdit =
    CS_VISIBLE | CS_BORDER | CS_STATICEDGE | CS_TABSTOP | CS_AUTOHSCROLL;
constexpr std::uint32_t kRadio = CS_VISIBLE;
constexpr std::uint32_t kButton = CS_VISIBLE | CS_TABSTOP;
constexpr std::uint32_t kGroupedButton = CS_VISIBLE | CS_TABSTOP | CS_GROUP;

using K = ControlKind;

}  // namespace

const DialogTemplate& ConditionDialogTemplate() {
    static const DialogTemplate dialog{
        IDD_CONDITION,
        t::kDialogCaption,
        t::kDialogFont,
        9,
        281,
        167,
        DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME,
        {
            // id                kind                text                     x    y    cx   cy
            // styles
            {IDC_COMPANY_LABEL, K::Static, t::kCompanyLabel, 7, 7, 35, 12, kLabel},
            {IDC_STATIC, K::Static, t::kColon, 58, 7, 9, 12, kSeparator},
            {IDC_COMPANY, K::Static, t::kCompanyPlaceholder, 73, 7, 165, 12, kText},
            {IDC_PERIOD_LABEL, K::Static, t::kPeriodLabel, 7, 28, 35, 12, kLabel},
            {IDC_STATIC, K::Static, t::kColon, 58, 28, 9, 12, kSeparator},
            {IDC_PERIOD, K::Static, t::kPeriodPlaceholder, 73, 28, 165, 12, kText},
            {IDC_RANGE_LABEL, K::Static, t::kRangeLabel, 7, 49, 35, 12, kLabel},
            {IDC_STATIC, K::Static, t::kColon, 58, 49, 9, 12, kSeparator},
            {IDC_START_UNIT, K::Static, t::kStartUnit, 96, 49, 25, 12, kText},
            {IDC_START_MONTH, K::Edit, t::kEmpty, 73, 49, 18, 12, kMonthEdit},
            {IDC_RANGE_TILDE, K::Static, t::kRangeTilde, 122, 50, 8, 12,
             CS_VISIBLE | CS_RIGHT | CS_CENTERIMAGE},
            {IDC_END_UNIT, K::Static, t::kEndUnit, 159, 49, 25, 12, kText},
            {IDC_END_MONTH, K::Edit, t::kEmpty, 137, 49, 18, 12, kMonthEdit},
            {IDC_EQUITY_LABEL1, K::Static, t::kEquityLabel1, 7, 70, 50, 12, kLabel},
            {IDC_EQUITY_LABEL2, K::Static, t::kEquityLabel2, 7, 80, 50, 12, kLabel},
            {IDC_EQUITY_LABEL3, K::Static, t::kEquityLabel3, 7, 90, 50, 12, kLabel},
            {IDC_STATIC, K::Static, t::kColon, 58, 70, 9, 12, kSeparator},
            {IDC_SHAREHOLDERS, K::AutoRadioButton, t::kShareholdersRadio, 74, 71, 178, 11, kRadio},
            {IDC_MEMBERS, K::AutoRadioButton, t::kMembersRadio, 74, 84, 178, 11, kRadio},
            {IDC_OUTPUT_GROUP, K::GroupBox, t::kOutputGroup, 7, 107, 267, 35,
             CS_VISIBLE | CS_GROUP},
            {IDC_OUTPUT_PATH, K::Edit, t::kEmpty, 12, 121, 195, 12, kPathEdit},
            {IDC_BROWSE, K::PushButton, t::kBrowseButton, 211, 120, 57, 14, kButton},
            {IDC_EXECUTE, K::PushButton, t::kExecuteButton, 156, 147, 57, 14, kGroupedButton},
            {IDC_CANCEL_BUTTON, K::PushButton, t::kCancelButton, 217, 147, 57, 14, kGroupedButton},
        },
    };
    return dialog;
}

}  // namespace ferrolin
