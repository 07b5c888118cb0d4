#include "ConditionsScene.h"

#include <cstring>

#include "platform/paths/WindowsPath.h"
#include "platform/text/Cp932.h"

namespace ferrolin::test {

ConditionsScene::ConditionsScene() {
    DriveMap::SetCurrent(DriveMap::Default());
    std::filesystem::create_directories(folder.Path() / "settings");
    std::filesystem::create_directories(folder.Path() / "out");
    reportFile = folder.Path() / "out" / "report.xml";
    WriteFileBytes(reportFile, "");
    reportWindowsPath = folder.WindowsPath("out/report.xml");

    host.files.folders[1] = folder.WindowsPath("settings") + "\\";
    WriteFileBytes(folder.Path() / "settings" / "FerrolinBasic.env",
                   "USER01/1/3:4/3/1/" + reportWindowsPath + "\n");

    std::strcpy(dlg.m_userId, "USER01");
    dlg.m_selectedNo1 = 1;
    dlg.m_selectedNo2 = 3;
    dlg.m_companyLawFlag = 1;
    dlg.m_periodStart = 20020401;
    dlg.m_periodEnd = 20030331;
    dlg.m_strCompany = Utf8ToCp932(" 株式会社フェロリン商事").value();
    dlg.m_strPeriod = Utf8ToCp932(" 2002/04/01～2003/03/31").value();
}

}  // namespace ferrolin::test
