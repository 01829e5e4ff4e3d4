// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"

#include <QLineEdit>
#include <QPushButton>
#include <QString>
#include <functional>

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QWidget;

namespace zp {

/// A text field for one number with a range, a number of decimals and a
/// unit. Other input is refused: the field is marked, Problem() says what
/// it takes, and nothing is reported until the text is a number in range.
/// "+" and "-" can be swallowed for fields where a sign makes no sense.
class TZpNumberField : public QLineEdit {
    Q_OBJECT
public:
    /// caption names the field in messages ("Line width"); unit follows the
    /// range in them ("points"), empty for a plain count.
    TZpNumberField(const QString& caption, double minimum, double maximum, int decimals, const QString& unit,
                   QWidget* parent);

    void SetRange(double minimum, double maximum);
    /// Shows the value (rounded to the field's decimals) without reporting it.
    void SetValue(double value);
    /// Shows nothing (a mixed value); the field counts as valid while empty
    /// until the user types.
    void SetBlank();
    [[nodiscard]] double Value() const { return FValue; }
    [[nodiscard]] int IntValue() const;
    [[nodiscard]] bool IsValid() const;
    /// What the field takes, as shown when its text is refused.
    [[nodiscard]] QString Problem() const;
    void SetSwallowSigns(bool on) { FSwallowSigns = on; }

Q_SIGNALS:
    /// The user typed a number in range.
    void ValueEdited(double value);
    /// The text became valid or invalid.
    void ValidityChanged(bool valid);

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void TextEdited(const QString& text);
    void Mark(bool valid);

    QString FCaption;
    QString FUnit;
    double FMinimum;
    double FMaximum;
    int FDecimals;
    double FValue = 0;
    bool FBlank = false;
    bool FValid = true;
    bool FSwallowSigns = false;
    bool FInEdit = false;
};

/// A button that shows a colour and picks another in the colour dialog.
class TZpPropertyColorButton : public QPushButton {
    Q_OBJECT
public:
    TZpPropertyColorButton(const QString& caption, QWidget* parent);
    void SetColor(TColor color);
    [[nodiscard]] TColor Color() const { return FColor; }
    /// How the dialog is asked; tests replace it. Returns false when cancelled.
    static std::function<bool(QWidget* parent, TColor& color)> Chooser;

Q_SIGNALS:
    void ColorChosen(TColor color);

private:
    void Choose();
    TColor FColor = clBlack;
};

/// One row of a page's grid: caption (its buddy is the field, so the
/// accelerator works), field and an optional unit text after it. Returns
/// the caption label.
QLabel* AddRow(QGridLayout& grid, const QString& caption, QWidget* field, const QString& unit = {});
/// Shows or hides a row made by AddRow: caption, field and unit.
void ShowRow(QLabel* caption, bool visible);
/// A check box spanning the row.
QCheckBox* AddCheck(QGridLayout& grid, const QString& caption);
/// A list of fixed texts; the item data are their indexes.
QComboBox* MakeList(QWidget* parent, const QStringList& items);
/// Sets the accessible name from a caption (without '&').
void NameFor(QWidget* widget, const QString& caption);

} // namespace zp
