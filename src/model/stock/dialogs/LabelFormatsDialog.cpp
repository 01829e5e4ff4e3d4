// SPDX-License-Identifier: MIT
#include "model/stock/dialogs/LabelFormatsDialog.h"

#include "base/Errors.h"
#include "data/WaitCursor.h"
#include "model/stock/StockCatalogue.h"
#include "model/stock/StockFolders.h"
#include "model/stock/StockListConversion.h"
#include "platform/dialogs/DialogServices.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QVBoxLayout>

namespace zp {

TfrmDialogLabelFormats::TfrmDialogLabelFormats(TLabelProperties& data, QWidget* parent)
    : QDialog(parent), FData(data) {
    setObjectName(QStringLiteral("frmDialogLabelFormats"));
    setWindowTitle(QStringLiteral("Select Label Format"));
    setProperty("HelpContext", 224);
    cmbManufacturer = new QComboBox(this);
    cmbCategory = new QComboBox(this);
    cmbLabelFormat = new QComboBox(this);
    auto* form = new QFormLayout;
    form->addRow(QStringLiteral("&Manufacturer"), cmbManufacturer);
    form->addRow(QStringLiteral("&Category"), cmbCategory);
    form->addRow(QStringLiteral("&Label format"), cmbLabelFormat);

    auto* info = new QGroupBox(QStringLiteral("Label information"), this);
    auto* infoForm = new QFormLayout(info);
    lblType = new QLabel(info);
    lblWidth = new QLabel(info);
    lblHeight = new QLabel(info);
    lblPageSize = new QLabel(info);
    infoForm->addRow(QStringLiteral("Type:"), lblType);
    infoForm->addRow(QStringLiteral("Label width:"), lblWidth);
    infoForm->addRow(QStringLiteral("Label height:"), lblHeight);
    infoForm->addRow(QStringLiteral("Page size:"), lblPageSize);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    btnDelete = buttons->addButton(QStringLiteral("&Delete"), QDialogButtonBox::ActionRole);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnDelete, &QPushButton::clicked, this, &TfrmDialogLabelFormats::DeleteSelected);
    connect(cmbManufacturer, &QComboBox::currentIndexChanged, this,
            &TfrmDialogLabelFormats::ManufacturerChanged);
    connect(cmbCategory, &QComboBox::currentIndexChanged, this, &TfrmDialogLabelFormats::CategoryChanged);
    connect(cmbLabelFormat, &QComboBox::currentIndexChanged, this, &TfrmDialogLabelFormats::FormatChanged);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(info);
    layout->addWidget(buttons);
}

bool TfrmDialogLabelFormats::Initialize() {
    try {
        TZpWaitCursor wait;
        LoadInstalledCatalogue(FCatalogue);
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
        return false;
    }
    if (FCatalogue.empty()) {
        ShowMessage(TZpMsgKind::Information,
                    QStringLiteral("No label format files (*.ldb) are currently installed."));
        return false;
    }
    FillManufacturers();
    const int m =
        cmbManufacturer->findText(FData.Manufacturer, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    cmbManufacturer->setCurrentIndex(m < 0 ? 0 : m);
    const int c = cmbCategory->findText(FData.Category, Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (c >= 0)
        cmbCategory->setCurrentIndex(c);
    const int f = cmbLabelFormat->findText(LabelFormatDisplayText(FData),
                                           Qt::MatchFixedString | Qt::MatchCaseSensitive);
    if (f >= 0)
        cmbLabelFormat->setCurrentIndex(f);
    return true;
}

bool TfrmDialogLabelFormats::Run(TLabelProperties& data, QWidget* parent) {
    TfrmDialogLabelFormats dialog(data, parent);
    return dialog.Initialize() && dialog.exec() == QDialog::Accepted;
}

void TfrmDialogLabelFormats::FillManufacturers() {
    const QSignalBlocker block(cmbManufacturer);
    cmbManufacturer->clear();
    for (const TZpLabelManufacturer& m : FCatalogue)
        cmbManufacturer->addItem(m.Name);
    cmbManufacturer->setCurrentIndex(FCatalogue.empty() ? -1 : 0);
    ManufacturerChanged(cmbManufacturer->currentIndex());
}

void TfrmDialogLabelFormats::ManufacturerChanged(int index) {
    const QSignalBlocker block(cmbCategory);
    cmbCategory->clear();
    if (index >= 0 && size_t(index) < FCatalogue.size())
        for (const TZpLabelCategory& c : FCatalogue[size_t(index)].Categories)
            cmbCategory->addItem(c.Name);
    cmbCategory->setCurrentIndex(cmbCategory->count() > 0 ? 0 : -1);
    btnDelete->setEnabled(cmbManufacturer->currentText() == QLatin1String("Custom"));
    CategoryChanged(cmbCategory->currentIndex());
}

void TfrmDialogLabelFormats::CategoryChanged(int index) {
    const QSignalBlocker block(cmbLabelFormat);
    cmbLabelFormat->clear();
    const int m = cmbManufacturer->currentIndex();
    if (m >= 0 && index >= 0)
        for (const TZpLabelFormat& f : FCatalogue[size_t(m)].Categories[size_t(index)].Formats)
            cmbLabelFormat->addItem(f.DisplayText);
    cmbLabelFormat->setCurrentIndex(cmbLabelFormat->count() > 0 ? 0 : -1);
    FormatChanged(cmbLabelFormat->currentIndex());
}

const TZpLabelFormat* TfrmDialogLabelFormats::Selected() const {
    const int m = cmbManufacturer->currentIndex(), c = cmbCategory->currentIndex(),
              f = cmbLabelFormat->currentIndex();
    if (m < 0 || c < 0 || f < 0)
        return nullptr;
    return &FCatalogue[size_t(m)].Categories[size_t(c)].Formats[size_t(f)];
}

void TfrmDialogLabelFormats::FormatChanged(int) {
    const TZpLabelFormat* f = Selected();
    const QString inch = QStringLiteral("\"");
    lblType->setText(f ? f->Layout.LabelType : QString());
    lblWidth->setText(f ? FormatInches(f->Layout.Width) + inch : QString());
    lblHeight->setText(f ? FormatInches(f->Layout.Height) + inch : QString());
    lblPageSize->setText(f ? FormatInches(f->Layout.PageWidth) + inch + QStringLiteral(" x ") +
                                 FormatInches(f->Layout.PageHeight) + inch
                           : QString());
}

void TfrmDialogLabelFormats::accept() {
    const TZpLabelFormat* f = Selected();
    if (!f)
        return;
    f->Layout.AssignTo(FData);
    QDialog::accept();
}

void TfrmDialogLabelFormats::DeleteSelected() {
    if (!Selected() || cmbManufacturer->currentText() != QLatin1String("Custom"))
        return;
    if (ZpDialogs().MessageBox(TZpMsgKind::Information,
                               QStringLiteral("Are you sure you want to delete this label format?"),
                               TZpButtons::YesNo, TZpAnswer::No) != TZpAnswer::Yes)
        return;
    try {
        DeleteCustomFormat(FCatalogue, cmbCategory->currentIndex(), cmbLabelFormat->currentIndex());
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
    }
    const int c = cmbCategory->currentIndex();
    ManufacturerChanged(cmbManufacturer->currentIndex());
    if (c < cmbCategory->count())
        cmbCategory->setCurrentIndex(c);
}

void TfrmDialogLabelFormats::ConvertStockListFile() {
    const std::optional<QString> file = ZpDialogs().OpenFileName(
        QStringLiteral("You should not be here."), QStringLiteral("*.csv"), QStringLiteral("*.csv"));
    if (!file)
        return;
    TZpStockListResult result;
    {
        TZpWaitCursor wait;
        result = ConvertStockList(*file, UserStockFolder(), FCatalogue);
    }
    FillManufacturers();
    if (result.Error.isEmpty())
        ShowMessage(TZpMsgKind::Information, QStringLiteral("Files converted and saved!"));
    else
        ShowMessage(TZpMsgKind::Error, result.Error);
}

void TfrmDialogLabelFormats::mousePressEvent(QMouseEvent* event) {
    if (event->button() == Qt::RightButton &&
        (event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier)) ==
            (Qt::ShiftModifier | Qt::ControlModifier)) {
        ConvertStockListFile();
        return;
    }
    QDialog::mousePressEvent(event);
}

} // namespace zp
