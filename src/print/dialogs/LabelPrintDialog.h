// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QWidget>
#include <functional>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QSpinBox;
class QTabWidget;

namespace zp {

class TLabelProperties;
class TZpDataConnections;
struct TZpPrintInfo;

/// The sheet picture of the print dialog: paints the page with the start
/// label highlighted and reports the label a click picks.
class TSheetPictureBox : public QWidget {
    Q_OBJECT
public:
    explicit TSheetPictureBox(QWidget* parent = nullptr);
    void SetSheet(const TLabelProperties* layout, int startLabel, uint8_t direction);
    /// The rectangle the picture was last painted in.
    [[nodiscard]] const QRect& PictureRect() const { return FPictureRect; }

Q_SIGNALS:
    void LabelClicked(int number);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const TLabelProperties* FLayout = nullptr;
    int FStartLabel = 1;
    uint8_t FDirection = 0;
    QRect FPictureRect;
};

/// "Print Labels": the job parameters of one label. Only OK changes the
/// print info; the page size taken from the printer applies at once.
class TfrmDialogPrint : public QDialog {
    Q_OBJECT
public:
    TfrmDialogPrint(TZpPrintInfo& info, TZpDataConnections& connections, TLabelProperties& layout,
                    QWidget* parent = nullptr);

    /// Runs the page-setup dialog for "choosing another printer"; true when
    /// confirmed. The program's default runs the main window's page setup.
    std::function<bool(QWidget*)> ChoosePrinter;

    void accept() override;

    QLineEdit* edtPrinter;
    QSpinBox* spnLabels;
    QSpinBox* spnCopies;
    QSpinBox* spnStartLabel;
    QLabel* lblStartLabel;
    QComboBox* cmbDirection;
    QCheckBox* cbUpdateSerial;
    QRadioButton* rbPrintCount;
    QRadioButton* rbPrintCurrent;
    QRadioButton* rbPrintAll;
    QRadioButton* rbPrintSelected;
    QRadioButton* rbPrintNonSelected;
    QCheckBox* cbCopyField;
    QComboBox* cmbCopyDataset;
    QComboBox* cmbCopyField;
    TSheetPictureBox* pbPaint;
    QTabWidget* Pages;

private:
    void TakePageSizeFromPrinter();
    void ApplyEnabling();
    void FillFields();
    void Redraw();
    void OnChoosePrinter();

    TZpPrintInfo& FInfo;
    TZpDataConnections& FConnections;
    TLabelProperties& FLayout;
    QLabel* lblLabels;
    QLabel* lblCopies;
};

/// Shows "Print Labels" over owner; true when confirmed with OK.
[[nodiscard]] bool ShowPrintDialog(QWidget* owner, TZpPrintInfo& info, TZpDataConnections& connections,
                                   TLabelProperties& layout);

/// How ShowPrintDialog runs the dialog (QDialog's result); tests answer it.
using TPrintDialogRunner = std::function<int(TfrmDialogPrint&)>;
void SetPrintDialogRunner(TPrintDialogRunner runner);

} // namespace zp
