// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"

#include <QComboBox>
#include <QStyledItemDelegate>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <optional>

class QLineEdit;
class QToolButton;

namespace zp {

/// A read-only colour field with a button that opens the colour dialog.
class TZpColorField : public QWidget {
    Q_OBJECT
public:
    TZpColorField(const QString& accessibleName, QWidget* parent = nullptr);
    [[nodiscard]] TColor Color() const { return FColor; }
    /// Shows the colour; with uniform false the field shows the button face
    /// (the selection's colours differ).
    void SetColor(TColor color, bool uniform = true);
    /// Runs the colour dialog; tests replace it.
    std::function<std::optional<TColor>(TColor current)> ChooseColor;

Q_SIGNALS:
    /// A colour chosen in the dialog (already shown).
    void ColorChosen(TColor color);

private:
    void Choose();
    QLineEdit* FEdit;
    QToolButton* FButton;
    TColor FColor = clBlack;
};

/// Draws the items of the brush-style box: a rectangle in the fill colour in
/// that style, on white when opaque and the button face when transparent;
/// the clear style also says "(Clear)".
class TZpBrushStyleDelegate : public QStyledItemDelegate {
public:
    TZpBrushStyleDelegate(std::function<TColor()> color, std::function<bool()> opaque, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::function<TColor()> FColor;
    std::function<bool()> FOpaque;
};

/// Draws the items of the pen-style box: a line through the middle in the
/// line colour and that style, on white.
class TZpPenStyleDelegate : public QStyledItemDelegate {
public:
    TZpPenStyleDelegate(std::function<TColor()> color, QObject* parent);
    void paint(QPainter* painter, const QStyleOptionViewItem& option,
               const QModelIndex& index) const override;
    [[nodiscard]] QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    std::function<TColor()> FColor;
};

/// A combo box whose closed face is drawn by its item delegate too.
class TZpStyleComboBox : public QComboBox {
public:
    using QComboBox::QComboBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

/// The pen style and width (points) the line bar shows after a change.
struct TZpLineChoice {
    int Style = 0;
    double WidthPoints = 1;
};
/// One label pixel in points at the resolution.
[[nodiscard]] double OnePixelPoints(int dpi);
/// Choosing a pen style other than solid makes the line one label pixel wide.
[[nodiscard]] TZpLineChoice LineStyleChosen(int style, double widthPoints, int dpi);
/// A width above one label pixel makes the line solid.
[[nodiscard]] TZpLineChoice LineWidthChosen(int style, double widthPoints, int dpi);
/// The width in label pixels: round(points / 72 x dpi).
[[nodiscard]] int32_t LineWidthPixels(double widthPoints, int dpi);

} // namespace zp
