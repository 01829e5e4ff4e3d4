// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/ZpObject.h"

#include <QWidget>

namespace zp {

/// The white box at the top of "Object Properties": the working copy drawn
/// by its own drawing code at its true size in screen inches, centred in
/// the box (an object wider than the box starts at its left edge).
class TZpObjectPreview : public QWidget {
    Q_OBJECT
public:
    explicit TZpObjectPreview(QWidget* parent = nullptr);
    void SetObject(TZpObjectPtr object) { FObject = std::move(object); }
    /// While hidden the box stays white (the "Scripting" page is shown).
    void SetObjectHidden(bool hidden);
    /// Renders the box as it is shown now (for checks of what it draws).
    [[nodiscard]] QImage Render();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void Paint(QPainter& painter, const QSize& size, double dpiX, double dpiY);
    TZpObjectPtr FObject;
    bool FHidden = false;
};

} // namespace zp
