#pragma once
// The conditions dialog over the host fakes, as the run sequence fills it: user USER01 with
// selection numbers 1 and 3, a company-law data set for 2002/04/01 to 2003/03/31, and a
// remembered record (April to March, shareholders' equity) whose output file already exists,
// so that Execute asks whether to overwrite it. Paths lie in a temporary folder under Z:.

#include <filesystem>
#include <string>

#include "support/FakeHost.h"
#include "support/TempFolder.h"
#include "ui/ConditionDlg.h"

namespace ferrolin::test {

struct ConditionsScene {
    ConditionsScene();

    TempFolder folder;
    FakeHost host;
    std::filesystem::path reportFile;  // exists, empty
    std::string reportWindowsPath;     // its Windows form, code page 932
    CConditionDlg dlg{nullptr, "FerrolinBasic.env"};
};

}  // namespace ferrolin::test
