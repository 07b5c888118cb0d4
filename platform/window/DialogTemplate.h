#pragma once
// Dialog templates as data, as the resource compiler would hold them: the dialog's caption, font,
// size and styles, and its controls in tab order with id, kind, text, position and size in dialog
// units, and the styles that matter.

#include <cstdint>
#include <vector>

#include "platform/text/FixedText.h"

namespace ferrolin {

constexpr int IDC_STATIC = -1;

enum class ControlKind { Static, Edit, PushButton, AutoRadioButton, GroupBox, ProgressBar };

// Control styles (a control's set is an OR of these).
enum ControlStyle : std::uint32_t {
    CS_LEFT = 1u << 0,
    CS_RIGHT = 1u << 1,
    CS_CENTERIMAGE = 1u << 2,  // statics: vertically centred
    CS_BORDER = 1u << 3,
    CS_TABSTOP = 1u << 4,
    CS_GROUP = 1u << 5,
    CS_NUMBER = 1u << 6,  // edits: digits only
    CS_AUTOHSCROLL = 1u << 7,
    CS_STATICEDGE = 1u << 8,
    CS_CLIENTEDGE = 1u << 9,
    CS_SMOOTH = 1u << 10,  // progress bars: smooth rather than segmented
    CS_DEFPUSHBUTTON = 1u << 11,
    CS_VISIBLE = 1u << 12,
};

// Dialog styles.
enum DialogStyle : std::uint32_t {
    DS_CAPTION = 1u << 0,
    DS_SYSMENU = 1u << 1,  // system menu and so the close box
    DS_MODALFRAME = 1u << 2,
    DS_SYSMODAL = 1u << 3,  // always on top
    DS_POPUP = 1u << 4,
    DS_VISIBLE = 1u << 5,
};

struct ControlTemplate {
    int id;
    ControlKind kind;
    FixedText text;
    int x, y, cx, cy;  // dialog units
    std::uint32_t styles;
};

struct DialogTemplate {
    int id;
    FixedText caption;
    FixedText fontName;
    int fontPoints;
    int cx, cy;  // dialog units
    std::uint32_t styles;
    std::vector<ControlTemplate> controls;  // tab order
};

}  // namespace ferrolin
