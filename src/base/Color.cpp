// SPDX-License-Identifier: MIT
#include "base/Color.h"

#include <QGuiApplication>
#include <QPalette>

namespace zp {

QColor ToQColor(TColor c) {
    if (!IsSystemColor(c))
        return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF));
    const QPalette pal = QGuiApplication::palette();
    switch (c & 0xFF) {
    case 5:
        return pal.color(QPalette::Base); // clWindow
    case 7:
    case 8:
        return pal.color(QPalette::Text); // clMenuText, clWindowText
    case 13:
        return pal.color(QPalette::Highlight);
    case 14:
        return pal.color(QPalette::HighlightedText);
    case 15:
    case 4:
        return pal.color(QPalette::Button); // clBtnFace, clMenu
    case 16:
        return pal.color(QPalette::Dark);
    case 17:
        return pal.color(QPalette::Disabled, QPalette::Text);
    case 18:
        return pal.color(QPalette::ButtonText);
    case 20:
        return pal.color(QPalette::Light);
    case 23:
        return pal.color(QPalette::ToolTipText);
    case 24:
        return pal.color(QPalette::ToolTipBase);
    case 1:
    case 2:
    case 3:
        return pal.color(QPalette::Window);
    case 6:
        return pal.color(QPalette::Shadow);
    default:
        return pal.color(QPalette::Window);
    }
}

TColor FromQColor(const QColor& c) {
    return TColor(c.red()) | (TColor(c.green()) << 8) | (TColor(c.blue()) << 16);
}

} // namespace zp
