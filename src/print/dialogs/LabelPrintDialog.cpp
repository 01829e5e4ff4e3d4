// SPDX-License-Identifier: MIT
#include "print/dialogs/LabelPrintDialog.h"

#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "data/DataConnections.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "print/PrintInfo.h"
#include "print/dialogs/PageSetup.h"
#include "print/dialogs/PrintDialog.h"
#include "print/dialogs/SheetPicture.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zp {

namespace {

TPrintDialogRunner& Runner() {
    static TPrintDialogRunner runner;
    return runner;
}

// The printer's margins in label pixels; none without a printer.
TPoint PrintableOffset() {
    try {
        const TPoint dpi = ZpPrinter().DotsPerInch();
        const TPoint offset = ZpPrinter().PhysicalOffset();
        if (dpi.X <= 0 || dpi.Y <= 0)
            return {};
        return {Round(double(offset.X) / dpi.X * LabelDPI()), Round(double(offset.Y) / dpi.Y * LabelDPI())};
    } catch (const EZpError&) {
        return {};
    }
}

QSpinBox* NewSpin(int maximum, QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(1, maximum);
    return spin;
}

} // namespace

TSheetPictureBox::TSheetPictureBox(QWidget* parent) : QWidget(parent) {
    // Square, so that an upright page fills its height and a landscape page
    // its width.
    setFixedSize(240, 240);
    setCursor(Qt::PointingHandCursor);
}

void TSheetPictureBox::SetSheet(const TLabelProperties* layout, int startLabel, uint8_t direction) {
    FLayout = layout;
    FStartLabel = startLabel;
    FDirection = direction;
    update();
}

void TSheetPictureBox::paintEvent(QPaintEvent*) {
    if (!FLayout)
        return;
    QPainter painter(this);
    FPictureRect = SheetPictureRect(rect(), FLayout->PageWidth, FLayout->PageHeight);
    PaintSheetPicture(painter, FPictureRect, *FLayout, FStartLabel, FDirection, PrintableOffset());
}

void TSheetPictureBox::mousePressEvent(QMouseEvent* event) {
    if (!FLayout)
        return;
    const int number =
        SheetLabelAt(FPictureRect, event->position().toPoint(), FLayout->Columns, FLayout->Rows, FDirection);
    if (number > 0)
        Q_EMIT LabelClicked(number);
}

TfrmDialogPrint::TfrmDialogPrint(TZpPrintInfo& info, TZpDataConnections& connections,
                                 TLabelProperties& layout, QWidget* parent)
    : QDialog(parent), FInfo(info), FConnections(connections), FLayout(layout) {
    setWindowTitle(QStringLiteral("Print Labels"));
    ChoosePrinter = [](QWidget* owner) { return ShowPageSetup(owner); };

    Pages = new QTabWidget(this);
    auto* labelPage = new QWidget;
    auto* form = new QFormLayout;
    auto* printerRow = new QHBoxLayout;
    edtPrinter = new QLineEdit;
    edtPrinter->setReadOnly(true);
    edtPrinter->setMinimumWidth(160);
    auto* btnPrinter = new QPushButton(QStringLiteral("..."));
    btnPrinter->setToolTip(QStringLiteral("Choose another printer"));
    printerRow->addWidget(edtPrinter);
    printerRow->addWidget(btnPrinter);
    form->addRow(QStringLiteral("Printer:"), printerRow);
    spnLabels = NewSpin(999999, labelPage);
    lblLabels = new QLabel(QStringLiteral("&Labels to print (total)"));
    lblLabels->setBuddy(spnLabels);
    form->addRow(lblLabels, spnLabels);
    spnCopies = NewSpin(999999, labelPage);
    lblCopies = new QLabel(QStringLiteral("&Copies per label"));
    lblCopies->setBuddy(spnCopies);
    form->addRow(lblCopies, spnCopies);
    spnStartLabel = NewSpin(1, labelPage);
    lblStartLabel = new QLabel(QStringLiteral("&Begin with label"));
    lblStartLabel->setBuddy(spnStartLabel);
    form->addRow(lblStartLabel, spnStartLabel);
    cmbDirection = new QComboBox;
    cmbDirection->addItems({QStringLiteral("Left to right"), QStringLiteral("Top to bottom")});
    auto* lblDirection = new QLabel(QStringLiteral("Print &direction"));
    lblDirection->setBuddy(cmbDirection);
    form->addRow(lblDirection, cmbDirection);
    cbUpdateSerial = new QCheckBox(QStringLiteral("&Update serial fields after printing"));
    form->addRow(cbUpdateSerial);
    pbPaint = new TSheetPictureBox;
    auto* labelLayout = new QHBoxLayout(labelPage);
    labelLayout->addLayout(form, 1);
    labelLayout->addWidget(pbPaint);
    Pages->addTab(labelPage, QStringLiteral("Label"));

    auto* databasePage = new QWidget;
    auto* records = new QVBoxLayout(databasePage);
    rbPrintCount = new QRadioButton;
    rbPrintCurrent = new QRadioButton(QStringLiteral("Print c&urrent database record"));
    rbPrintAll = new QRadioButton(QStringLiteral("Print labels for &all database records"));
    rbPrintSelected = new QRadioButton(QStringLiteral("Print labels for &marked database records only"));
    rbPrintNonSelected = new QRadioButton(QStringLiteral("Print labels for u&nmarked database records only"));
    for (QRadioButton* rb : {rbPrintCount, rbPrintCurrent, rbPrintAll, rbPrintSelected, rbPrintNonSelected}) {
        records->addWidget(rb);
        connect(rb, &QRadioButton::toggled, this, [this] { ApplyEnabling(); });
    }
    cbCopyField = new QCheckBox(QStringLiteral("&Copies per label is defined by a database field"));
    records->addWidget(cbCopyField);
    auto* copyLists = new QHBoxLayout;
    cmbCopyDataset = new QComboBox;
    cmbCopyField = new QComboBox;
    copyLists->addWidget(cmbCopyDataset);
    copyLists->addWidget(cmbCopyField);
    records->addLayout(copyLists);
    records->addStretch();
    Pages->addTab(databasePage, QStringLiteral("Database"));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* main = new QVBoxLayout(this);
    main->addWidget(Pages);
    main->addWidget(buttons);

    // 1. The start label always begins at 1.
    const int labelsPerSheet = std::max(1, FLayout.LabelsPerPage());
    spnStartLabel->setRange(1, labelsPerSheet);
    spnStartLabel->setValue(1);
    spnStartLabel->setEnabled(labelsPerSheet > 1);
    lblStartLabel->setEnabled(labelsPerSheet > 1);
    // 2. The stored values.
    try {
        edtPrinter->setText(ZpPrinter().PrinterName());
    } catch (const EZpError&) {
    }
    spnLabels->setValue(FInfo.TotalLabels);
    spnCopies->setValue(FInfo.Copies);
    cmbDirection->setCurrentIndex(FInfo.Direction == 1 ? 1 : 0);
    cbCopyField->setChecked(FInfo.CopiesFromField);
    cbUpdateSerial->setChecked(FInfo.UpdateSerials);
    // 3. The record choice starts at the count, or at the current record when
    // there is data.
    rbPrintCount->setChecked(true);
    const bool hasData = FConnections.DatasetCount() > 0;
    Pages->setTabVisible(1, hasData);
    if (hasData) {
        rbPrintCurrent->setChecked(true);
        for (int i = 0; i < FConnections.DatasetCount(); ++i)
            cmbCopyDataset->addItem(FConnections.DatasetName(i));
        cmbCopyDataset->setCurrentIndex(cmbCopyDataset->findText(FInfo.CopiesDataset));
        FillFields();
        if (const int field = cmbCopyField->findText(FInfo.CopiesField); field >= 0)
            cmbCopyField->setCurrentIndex(field);
    }
    // 4. The page is the printer's.
    TakePageSizeFromPrinter();
    // 5.
    ApplyEnabling();
    Redraw();

    connect(spnLabels, &QSpinBox::valueChanged, this, [this] { ApplyEnabling(); });
    connect(cbCopyField, &QCheckBox::toggled, this, [this] { ApplyEnabling(); });
    connect(cmbCopyDataset, &QComboBox::currentIndexChanged, this, [this] { FillFields(); });
    connect(spnStartLabel, &QSpinBox::valueChanged, this, [this] { Redraw(); });
    connect(cmbDirection, &QComboBox::currentIndexChanged, this, [this] { Redraw(); });
    connect(pbPaint, &TSheetPictureBox::LabelClicked, this,
            [this](int number) { spnStartLabel->setValue(number); });
    connect(btnPrinter, &QPushButton::clicked, this, [this] { OnChoosePrinter(); });
}

void TfrmDialogPrint::TakePageSizeFromPrinter() {
    try {
        if (ZpPrinter().Printers().isEmpty())
            return;
        const TPoint size = ZpPrinter().PhysicalPageSize();
        const TPoint dpi = ZpPrinter().DotsPerInch();
        if (size.X > 0 && size.Y > 0 && dpi.X > 0 && dpi.Y > 0) {
            FLayout.PageWidth = float(double(size.X) / dpi.X);
            FLayout.PageHeight = float(double(size.Y) / dpi.Y);
        }
    } catch (const EZpError&) {
        // Without a usable printer the label keeps its own page.
    }
}

void TfrmDialogPrint::ApplyEnabling() {
    rbPrintCount->setText(QStringLiteral("&Print %1 labels at most").arg(spnLabels->value()));
    const bool count = rbPrintCount->isChecked();
    spnLabels->setEnabled(count);
    lblLabels->setEnabled(count);
    const bool fromField = cbCopyField->isChecked();
    spnCopies->setEnabled(!fromField);
    lblCopies->setEnabled(!fromField);
    cmbCopyDataset->setEnabled(fromField);
    cmbCopyField->setEnabled(fromField);
}

void TfrmDialogPrint::FillFields() {
    cmbCopyField->clear();
    if (cmbCopyDataset->currentIndex() < 0)
        return;
    cmbCopyField->addItems(FConnections.FieldNames(cmbCopyDataset->currentText()));
    cmbCopyField->setCurrentIndex(cmbCopyField->count() > 0 ? 0 : -1);
}

void TfrmDialogPrint::Redraw() {
    pbPaint->SetSheet(&FLayout, spnStartLabel->value(), uint8_t(cmbDirection->currentIndex()));
}

void TfrmDialogPrint::OnChoosePrinter() {
    if (!ChoosePrinter || !ChoosePrinter(this))
        return;
    TakePageSizeFromPrinter();
    try {
        edtPrinter->setText(ZpPrinter().PrinterName());
        if (uint8_t(ZpPrinter().Orientation()) != FLayout.PageOrientation)
            FLayout.SwapOrientation();
    } catch (const EZpError&) {
    }
    Redraw();
}

void TfrmDialogPrint::accept() {
    if (cbCopyField->isChecked()) {
        if (cmbCopyDataset->currentIndex() < 0) {
            ShowMessage(TZpMsgKind::Information,
                        QStringLiteral("Invalid dataset \"%1\"!").arg(cmbCopyDataset->currentText()));
            return;
        }
        if (cmbCopyField->currentIndex() < 0) {
            ShowMessage(TZpMsgKind::Information, QStringLiteral("You must select a field!"));
            return;
        }
    }
    FInfo.StartLabel = spnStartLabel->value();
    FInfo.Direction = uint8_t(cmbDirection->currentIndex());
    FInfo.TotalLabels = spnLabels->value();
    FInfo.Copies = spnCopies->value();
    FInfo.CopiesFromField = cbCopyField->isChecked();
    FInfo.CopiesDataset = cmbCopyDataset->currentText();
    FInfo.CopiesField = cmbCopyField->currentText();
    FInfo.CurrentRecordOnly = rbPrintCurrent->isChecked();
    FInfo.MarkedOnly = rbPrintSelected->isChecked();
    FInfo.UnmarkedOnly = rbPrintNonSelected->isChecked();
    FInfo.AllRecords = rbPrintAll->isChecked();
    FInfo.UpdateSerials = cbUpdateSerial->isChecked();
    QDialog::accept();
}

bool ShowPrintDialog(QWidget* owner, TZpPrintInfo& info, TZpDataConnections& connections,
                     TLabelProperties& layout) {
    TfrmDialogPrint dialog(info, connections, layout, owner);
    if (Runner())
        return Runner()(dialog) == QDialog::Accepted;
    PlaceDialog(dialog, owner);
    return dialog.exec() == QDialog::Accepted;
}

void SetPrintDialogRunner(TPrintDialogRunner runner) {
    Runner() = std::move(runner);
}

} // namespace zp
