// SPDX-License-Identifier: MIT
#include "ui/SplashWindow.h"

#include "ui/Version.h"

#include <QApplication>
#include <QPainter>
#include <QScreen>

namespace zp {

TfrmSplash::TfrmSplash(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint | Qt::WindowStaysOnTopHint),
      FVersionLine(ProgramVersionLine()), FVendorLine(VendorAboutMessage()) {
    setObjectName(QStringLiteral("frmSplash"));
    setFixedSize(420, 240);
}

void TfrmSplash::ShowNow() {
    if (QScreen* screen = QGuiApplication::primaryScreen())
        move(screen->geometry().center() - rect().center());
    show();
    repaint();
    QApplication::processEvents();
}

void TfrmSplash::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.fillRect(rect(), QColor(0x2B, 0x4A, 0x6F));
    // The product picture: a sheet of labels.
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawRect(28, 40, 110, 150);
    p.setBrush(QColor(0xF2, 0xC1, 0x4E));
    for (int row = 0; row < 4; ++row)
        for (int col = 0; col < 2; ++col)
            p.drawRoundedRect(36 + col * 50, 48 + row * 35, 44, 28, 5, 5);
    p.setPen(Qt::white);
    QFont title = font();
    title.setPixelSize(34);
    title.setBold(true);
    p.setFont(title);
    p.drawText(QRect(160, 60, 250, 50), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Zentaprint"));
    QFont small = font();
    small.setPixelSize(13);
    p.setFont(small);
    p.drawText(QRect(162, 112, 250, 20), Qt::AlignLeft, FVersionLine);
    p.drawText(QRect(162, 140, 250, 60), Qt::AlignLeft | Qt::TextWordWrap, FVendorLine);
}

} // namespace zp
