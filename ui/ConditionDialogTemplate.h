#pragma once
// Template 130, the aggregation-conditions dialog, as data, and the ids of its controls.

#include "platform/window/DialogTemplate.h"

namespace ferrolin {

constexpr int IDD_CONDITION = 130;

constexpr int IDC_END_MONTH = 1000;      // edit
constexpr int IDC_BROWSE = 1001;         // push button
constexpr int IDC_EXECUTE = 1002;        // push button; also the dialog's result for go
constexpr int IDC_CANCEL_BUTTON = 1003;  // push button; also the dialog's result for cancelled
constexpr int IDC_COMPANY_LABEL = 1005;
constexpr int IDC_COMPANY = 1006;
constexpr int IDC_PERIOD_LABEL = 1007;
constexpr int IDC_PERIOD = 1008;
constexpr int IDC_RANGE_LABEL = 1009;
constexpr int IDC_EQUITY_LABEL1 = 1010;
constexpr int IDC_START_UNIT = 1011;
constexpr int IDC_RANGE_TILDE = 1012;
constexpr int IDC_END_UNIT = 1013;
constexpr int IDC_OUTPUT_GROUP = 1014;  // group box
constexpr int IDC_OUTPUT_PATH = 1015;   // edit
constexpr int IDC_START_MONTH = 1016;   // edit
constexpr int IDC_EQUITY_LABEL2 = 1017;
constexpr int IDC_EQUITY_LABEL3 = 1018;
constexpr int IDC_SHAREHOLDERS = 1019;  // radio: statement of changes in shareholders' equity
constexpr int IDC_MEMBERS = 1020;       // radio: statement of changes in members' equity

const DialogTemplate& ConditionDialogTemplate();

}  // namespace ferrolin
