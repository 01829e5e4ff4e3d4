// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QPlainTextEdit>
#include <QTimer>
#include <QWidget>

namespace zp {

class TZpTextEditModel;
struct TZpTextLine;
class TZpDesignArea;

/// The rich-text editor over a text object: shows the edited copy of its
/// document laid out exactly as it prints, at the design area's zoom, with a
/// caret and a selection; Ctrl+B, Ctrl+I and Ctrl+U turn bold, italic and
/// underline over. Escape, or a press on the label beside it, ends
/// the edit; the Font toolbar and the clipboard commands reach it through
/// the object while it is open.
class TZpTextEditorWidget : public QWidget {
    Q_OBJECT
public:
    /// scale: device pixels per label pixel.
    TZpTextEditorWidget(TZpTextEditModel& model, QWidget* parent, const TRect& rect, double scale,
                        QColor background);
    /// The model is gone: nothing is shown or edited any more.
    void Detach();
    /// The caret's place in widget pixels (tests and input methods).
    [[nodiscard]] QRect CaretRect() const;
    /// The caret position under a widget point.
    [[nodiscard]] qsizetype IndexAt(QPoint point) const;

public Q_SLOTS:
    void cut();
    void copy();
    void paste();

protected:
    bool event(QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void inputMethodEvent(QInputMethodEvent* event) override;
    [[nodiscard]] QVariant inputMethodQuery(Qt::InputMethodQuery query) const override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    void Format() const;
    [[nodiscard]] QRectF CaretRectF(qsizetype index) const;
    /// The caret one line up (-1) or down (1), keeping its x.
    [[nodiscard]] qsizetype LineStep(int direction) const;
    void Changed();
    /// Ctrl+B, I, U: the style at the caret turned over for the selection.
    bool ToggleStyle(int key);

    TZpTextEditModel* FModel;
    double FScale;
    QColor FBackground;
    QTimer FBlink;
    bool FCaretShown = true;
};

/// The bar code's data editor: Enter and Escape end the edit.
class TZpPlainEditorWidget : public QPlainTextEdit {
    Q_OBJECT
public:
    TZpPlainEditorWidget(QWidget* parent, const TRect& rect, const QString& text);

protected:
    void keyPressEvent(QKeyEvent* event) override;
};

/// The design area a widget over its viewport belongs to, or null.
[[nodiscard]] TZpDesignArea* DesignAreaOf(QWidget* widget);

/// Installs the editors above as the ones text and bar code objects open.
void InstallInPlaceEditors();

} // namespace zp
