#pragma once
// A small dialog for the model's tests: a two-digit number edit, a text edit, a radio group and
// two push buttons, in that tab order.

#include <string>
#include <vector>

#include "platform/window/Dialog.h"

namespace ferrolin::testing {

constexpr int kNumberEdit = 10;
constexpr int kTextEdit = 11;
constexpr int kRadioA = 13;
constexpr int kRadioB = 14;
constexpr int kRunButton = 15;
constexpr int kStopButton = 16;
constexpr int kRunResult = 1002;

inline const DialogTemplate& SampleTemplate() {
    static const DialogTemplate kTemplate{
        900,
        FixedText("見本"),
        FixedText("ＭＳ Ｐゴシック"),
        9,
        100,
        60,
        DS_POPUP | DS_CAPTION | DS_SYSMENU | DS_MODALFRAME,
        {
            {kNumberEdit, ControlKind::Edit, FixedText(""), 5, 5, 20, 12,
             CS_BORDER | CS_TABSTOP | CS_NUMBER},
            {kTextEdit, ControlKind::Edit, FixedText(""), 30, 5, 60, 12, CS_BORDER | CS_TABSTOP},
            {12, ControlKind::Static, FixedText("："), 5, 20, 5, 12, CS_GROUP},
            {kRadioA, ControlKind::AutoRadioButton, FixedText("甲"), 10, 20, 30, 12, 0},
            {kRadioB, ControlKind::AutoRadioButton, FixedText("乙"), 40, 20, 30, 12, 0},
            {kRunButton, ControlKind::PushButton, FixedText("実行"), 5, 40, 40, 14,
             CS_TABSTOP | CS_GROUP},
            {kStopButton, ControlKind::PushButton, FixedText("中止"), 50, 40, 40, 14,
             CS_TABSTOP | CS_GROUP},
        },
    };
    return kTemplate;
}

// Records the commands it receives and the modifier state seen while pre-translating keys.
class SampleDialog : public CDialog {
public:
    explicit SampleDialog(CWnd* parent = nullptr) : CDialog(SampleTemplate(), parent) {}

    void DoDataExchange(CDataExchange* pDX) override {
        DDX_Control(pDX, kNumberEdit, m_editNumber);
        DDX_Text(pDX, kNumberEdit, m_number);
        DDV_MaxChars(pDX, m_number, 2);
        DDX_Text(pDX, kTextEdit, m_text);
    }
    BOOL PreTranslateMessage(MSG* pMsg) override {
        seenKeys.push_back({static_cast<int>(pMsg->wParam), pMsg->message,
                            GetKeyState(VK_SHIFT) < 0, GetKeyState(VK_CONTROL) < 0,
                            GetKeyState(VK_MENU) < 0});
        if (swallowKeys) return 1;
        return CDialog::PreTranslateMessage(pMsg);
    }
    void OnCommand(int id) override {
        commands.push_back(id);
        if (id == kRunButton) {
            EndDialog(kRunResult);
        } else {
            CDialog::OnCommand(id);
        }
    }

    struct SeenKey {
        int key;
        UINT message;
        bool shift, ctrl, alt;
    };
    CEdit m_editNumber;
    std::string m_number;
    std::string m_text;
    std::vector<int> commands;
    std::vector<SeenKey> seenKeys;
    bool swallowKeys = false;
};

}  // namespace ferrolin::testing
