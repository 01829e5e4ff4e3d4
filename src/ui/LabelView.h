// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>
#include <functional>

namespace zp {

class TZpLabelDocument;

/// Shows one label on a grey desk at the label's zoom. Stands where the
/// design area goes.
class TZpLabelView : public QWidget {
    Q_OBJECT
public:
    explicit TZpLabelView(TZpLabelDocument& document, QWidget* parent = nullptr);
    [[nodiscard]] QSize sizeHint() const override;
    /// Told the pointer's position over the label in screen pixels at 100 %.
    std::function<void(QPointF)> OnPointerMoved;
    /// Asked whether the context menu may open (not while a drawing tool is chosen).
    std::function<bool()> ContextMenuAllowed;
    void SetDocument(TZpLabelDocument& document) {
        FDocument = &document;
        LabelChanged();
    }
    /// Called once, after the first paint.
    std::function<void()> OnFirstPaint;
    /// Call after the zoom or the layout changed.
    void LabelChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void contextMenuEvent(QContextMenuEvent* event) override;

private:
    [[nodiscard]] double Zoom() const;
    TZpLabelDocument* FDocument;
};

} // namespace zp
