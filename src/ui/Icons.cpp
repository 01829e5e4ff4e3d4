// SPDX-License-Identifier: MIT
#include "ui/Icons.h"

#include <QApplication>
#include <QFile>
#include <QIconEngine>
#include <QPainter>
#include <QPalette>
#include <QSvgRenderer>

namespace zp {

namespace {

QString ShippedPath(const QString& name) {
    return QStringLiteral(":/icons/%1.svg").arg(name);
}

// Renders the SVG with "currentColor" taken from the application palette at
// paint time, so a palette change recolours every icon.
class TSvgIconEngine : public QIconEngine {
public:
    explicit TSvgIconEngine(QByteArray svg) : FSvg(std::move(svg)) {}
    void paint(QPainter* painter, const QRect& rect, QIcon::Mode mode, QIcon::State) override {
        const QPalette palette = QApplication::palette();
        const QColor ink = palette.color(mode == QIcon::Disabled ? QPalette::Disabled : QPalette::Active,
                                         QPalette::WindowText);
        QByteArray svg = FSvg;
        svg.replace("currentColor", ink.name().toLatin1());
        QSvgRenderer renderer(svg);
        painter->save();
        if (mode == QIcon::Disabled)
            painter->setOpacity(0.45);
        renderer.render(painter, QRectF(rect));
        painter->restore();
    }
    QPixmap pixmap(const QSize& size, QIcon::Mode mode, QIcon::State state) override {
        return scaledPixmap(size, mode, state, 1.0);
    }
    QPixmap scaledPixmap(const QSize& size, QIcon::Mode mode, QIcon::State state, qreal scale) override {
        QPixmap pm(size * scale);
        pm.fill(Qt::transparent);
        {
            QPainter p(&pm);
            paint(&p, QRect(QPoint(0, 0), pm.size()), mode, state);
        }
        pm.setDevicePixelRatio(scale);
        return pm;
    }
    QSize actualSize(const QSize& size, QIcon::Mode, QIcon::State) override { return size; }
    [[nodiscard]] QIconEngine* clone() const override { return new TSvgIconEngine(FSvg); }

private:
    QByteArray FSvg;
};

} // namespace

bool HasShippedIcon(const QString& name) {
    return QFile::exists(ShippedPath(name));
}

QIcon ZpIcon(const QString& name) {
    if (name.isEmpty())
        return {};
    if (!name.startsWith(QLatin1String("zp-")) && QIcon::hasThemeIcon(name))
        return QIcon::fromTheme(name);
    QFile file(ShippedPath(name));
    if (!file.open(QIODevice::ReadOnly))
        return QIcon::fromTheme(name);
    return QIcon(new TSvgIconEngine(file.readAll()));
}

} // namespace zp
