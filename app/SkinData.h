#pragma once
#include <QByteArray>
#include <QSet>
#include <QString>

class QWidget;

namespace zanfo {

enum class TSkinFormtype { sfMainform, sfDialog };
enum class TSkinControl {
    xcMainMenu, xcPopupMenu, xcToolbar, xcControlbar, xcCombo, xcCheckBox, xcRadioButton,
    xcProgress, xcScrollbar, xcEdit, xcButton, xcBitBtn, xcSpeedButton, xcPanel, xcGroupBox,
    xcStatusBar, xcTab, xcSystemMenu,
};
enum class TSkinOption { xoPreview, xoToolbarBK };

// Draws a window and the listed kinds of control in a skin: a style sheet whose
// rules apply only to what this component marks as skinned. A control whose
// "tag" property equals DisableTag keeps the plain look.
class TSkinData {
public:
    bool Active = false;
    TSkinFormtype SkinFormtype = TSkinFormtype::sfMainform;
    QSet<TSkinControl> SkinControls;
    QSet<TSkinOption> Options;
    int DisableTag = 99;
    // The skin itself: a style sheet.
    QByteArray SkinStream;

    // Skins the window and every control of a listed kind on it.
    void Apply(QWidget* form) const;
    // Whether Apply skinned this widget.
    static bool IsSkinned(const QWidget* widget);
};

}  // namespace zanfo
