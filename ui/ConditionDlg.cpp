#include "ui/ConditionDlg.h"

#include "dataset/PeriodMonths.h"
#include "host/HostFileManager.h"
#include "platform/paths/PathServices.h"
#include "platform/text/Cp932.h"
#include "platform/window/FileDialog.h"
#include "ui/OutputPath.h"
#include "ui/UiTexts.h"

namespace ferrolin {

namespace t = ui_texts;

namespace {

constexpr int kPathEditLimit = 255;
constexpr std::uint32_t kBrowseFlags =
    OFN_HIDEREADONLY | OFN_NOCHANGEDIR | OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST;

bool IsModifierDown() {
    return GetKeyState(VK_SHIFT) < 0 || GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0;
}

}  // namespace

CConditionDlg::CConditionDlg(CWnd* parent, std::string settingsFileName)
    : CDialog(ConditionDialogTemplate(), parent), m_settingsFileName(std::move(settingsFileName)) {}

void CConditionDlg::DoDataExchange(CDataExchange* pDX) {
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_OUTPUT_GROUP, m_groupOutput);
    DDX_Control(pDX, IDC_END_MONTH, m_editEndMonth);
    DDX_Control(pDX, IDC_START_MONTH, m_editStartMonth);
    DDX_Control(pDX, IDC_OUTPUT_PATH, m_editOutputPath);
    DDX_Control(pDX, IDC_BROWSE, m_btnBrowse);
    DDX_Control(pDX, IDC_EXECUTE, m_btnExecute);
    DDX_Text(pDX, IDC_PERIOD, m_strPeriod);
    DDX_Text(pDX, IDC_COMPANY, m_strCompany);
    DDX_Text(pDX, IDC_OUTPUT_PATH, m_strOutputPath);
    DDX_Text(pDX, IDC_END_MONTH, m_strEndMonth);
    DDV_MaxChars(pDX, m_strEndMonth, 2);
    DDX_Text(pDX, IDC_START_MONTH, m_strStartMonth);
    DDV_MaxChars(pDX, m_strStartMonth, 2);
}

BOOL CConditionDlg::OnInitDialog() {
    CDialog::OnInitDialog();
    if (m_isPastData == 1) {
        ShowError(t::kPastData);
        EndDialog(IDC_CANCEL_BUTTON);
        return 0;
    }
    if (m_companyLawFlag != 1) {
        ShowError(t::kNotCompanyLaw);
        EndDialog(IDC_CANCEL_BUTTON);
        return 0;
    }
    m_editOutputPath.SetLimitText(kPathEditLimit);

    std::int16_t startMonth = 0;
    std::int16_t endMonth = 0;
    std::int16_t choice = kShareholdersEquity;
    std::string path;
    m_rememberedPath.clear();
    if (LoadSettings(&startMonth, &endMonth, &choice, &path)) {
        m_rememberedPath = path;
    } else {
        GetPeriodMonths(m_periodStart, m_periodEnd, &startMonth, &endMonth);
        endMonth = static_cast<std::int16_t>(endMonth % 100);
    }

    if (path.empty()) {
        HostFileManager* files = HostFileManager::Inst();
        path = files ? files->GetAppFolderPath(0) : std::string();
        if (path.empty()) {
            path = GetTempPathA();
            AppendSeparator(&path);
        }
        path += t::kXmlPattern.Cp932();
    }

    if (!m_strFixedPath.empty()) {
        m_strOutputPath = m_strFixedPath;
        m_btnBrowse.EnableWindow(0);
        m_editOutputPath.EnableWindow(0);
        m_groupOutput.SetWindowText(t::kOutputGroupFixed);
        m_isPathFixed = 1;
    } else {
        m_strOutputPath = path;
        m_isPathFixed = 0;
    }

    if (startMonth == 0) GetPeriodMonths(m_periodStart, m_periodEnd, &startMonth, nullptr);
    m_strStartMonth = std::to_string(startMonth);
    m_strEndMonth = std::to_string(endMonth);

    CButton shareholders;
    CButton members;
    shareholders.Attach(FindControl(IDC_SHAREHOLDERS));
    members.Attach(FindControl(IDC_MEMBERS));
    members.SetCheck(choice == kMembersEquity ? 1 : 0);
    shareholders.SetCheck(choice == kMembersEquity ? 0 : 1);
    m_equityKind = choice;

    UpdateData(0);
    return 1;
}

BOOL CConditionDlg::PreTranslateMessage(MSG* pMsg) {
    if (!pMsg || (pMsg->message != WM_KEYDOWN && pMsg->message != WM_SYSKEYDOWN) ||
        IsModifierDown()) {
        return CDialog::PreTranslateMessage(pMsg);
    }
    if (pMsg->wParam == static_cast<WPARAM>(VK_F12)) {
        OnExecute();
        return 1;
    }
    if (pMsg->wParam != static_cast<WPARAM>(VK_RETURN)) return CDialog::PreTranslateMessage(pMsg);

    CWnd* focus = GetFocus();
    switch (focus ? focus->GetDlgCtrlID() : IDC_STATIC) {
        case IDC_START_MONTH:
            FocusEdit(m_editEndMonth);
            return 1;
        case IDC_END_MONTH:
            if (m_btnBrowse.IsWindowEnabled()) {
                FocusEdit(m_editOutputPath);
            } else {
                m_btnExecute.SetFocus();
            }
            return 1;
        case IDC_OUTPUT_PATH:
            if (m_btnBrowse.IsWindowEnabled()) {
                m_btnBrowse.SetFocus();
            } else {
                m_btnExecute.SetFocus();
            }
            return 1;
        case IDC_BROWSE:
            OnBrowse();
            return 1;
        case IDC_EXECUTE:
            OnExecute();
            return 1;
        default:
            return CDialog::PreTranslateMessage(pMsg);
    }
}

void CConditionDlg::OnCommand(int id) {
    switch (id) {
        case IDC_EXECUTE:
            OnExecute();
            break;
        case IDC_BROWSE:
            OnBrowse();
            break;
        case IDC_CANCEL_BUTTON:
            OnCancelButton();
            break;
        default:
            CDialog::OnCommand(id);
            break;
    }
}

void CConditionDlg::OnOK() { OnExecute(); }

void CConditionDlg::OnCancelButton() { OnCancel(); }

void CConditionDlg::OnCancel() {
    MessageBox(t::kStopped, t::kCaption, MB_OK | MB_ICONINFORMATION);
    EndDialog(IDC_CANCEL_BUTTON);
}

void CConditionDlg::OnBrowse() {
    UpdateData(1);
    std::string folder = GetFolderPart(m_strOutputPath);
    std::string fileName;
    if (FindLastChar(m_strOutputPath, '\\') != std::string::npos) {
        fileName = GetFileNamePart(m_strOutputPath);
    } else {
        folder = GetDrivePart(m_strOutputPath);
        fileName = GetAfterDrivePart(m_strOutputPath);
    }

    CFileDialog dialog(false, t::kBrowseDefaultExt, fileName, kBrowseFlags, t::kBrowseFilter, this);
    dialog.m_title = t::kBrowseTitle;
    dialog.m_initialFolder = folder;
    if (dialog.DoModal() == IDOK) {
        m_strOutputPath = dialog.GetPathName();
        UpdateData(0);
    }
    m_btnExecute.SetFocus();
}

void CConditionDlg::FocusEdit(CEdit& edit) {
    edit.SetFocus();
    edit.SetSel(0, -1);
    edit.ScrollCaret();
}

void CConditionDlg::ShowError(const std::string& text) {
    MessageBox(text, t::kCaption, MB_OK | MB_ICONEXCLAMATION);
}

int CConditionDlg::AskYesNo(const std::string& text) {
    return MessageBox(text, t::kCaption, MB_YESNO | MB_ICONQUESTION);
}

}  // namespace ferrolin
