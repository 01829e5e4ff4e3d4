// SPDX-License-Identifier: MIT
#include "settings/dialogs/ProgramOptionsDialog.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "model/objects/Interfaces.h"
#include "model/stock/dialogs/LabelFormatsDialog.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "platform/store/SettingsStore.h"
#include "settings/AppOptions.h"
#include "settings/LabelFormatSettings.h"
#include "settings/dialogs/BarcodeDefaultsPage.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFontDatabase>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTabWidget>
#include <QVBoxLayout>

namespace zp {

namespace {

const QString kLastUsed = QStringLiteral("Last Used");
const QString kPrinter = QStringLiteral("Printer");

template <class W> W* Named(W* widget, const char* name) {
    widget->setObjectName(QLatin1String(name));
    return widget;
}

Qt::BrushStyle QtBrush(int style) {
    switch (style) {
    case bsSolid:
        return Qt::SolidPattern;
    case bsHorizontal:
        return Qt::HorPattern;
    case bsVertical:
        return Qt::VerPattern;
    case bsFDiagonal:
        return Qt::FDiagPattern;
    case bsBDiagonal:
        return Qt::BDiagPattern;
    case bsCross:
        return Qt::CrossPattern;
    case bsDiagCross:
        return Qt::DiagCrossPattern;
    default:
        return Qt::NoBrush;
    }
}

Qt::PenStyle QtPen(int style) {
    switch (style) {
    case psDash:
        return Qt::DashLine;
    case psDot:
        return Qt::DotLine;
    case psDashDot:
        return Qt::DashDotLine;
    case psDashDotDot:
        return Qt::DashDotDotLine;
    case psClear:
        return Qt::NoPen;
    default:
        return Qt::SolidLine;
    }
}

constexpr QSize kSampleSize(72, 14);

/// A fill sample: the pattern in the fill colour over white ("Opaque") or
/// the button face ("Transparent"); the clear pattern also says so.
QIcon FillSample(int style, TColor color, bool transparent) {
    QPixmap pixmap(kSampleSize);
    pixmap.fill(transparent ? ToQColor(clBtnFace) : Qt::white);
    QPainter p(&pixmap);
    p.setPen(Qt::black);
    p.setBrush(QBrush(ToQColor(color), QtBrush(style)));
    p.drawRect(0, 0, kSampleSize.width() - 1, kSampleSize.height() - 1);
    if (style == bsClear) {
        QFont font = p.font();
        font.setPointSize(6);
        p.setFont(font);
        p.drawText(pixmap.rect(), Qt::AlignCenter, QStringLiteral("(Clear)"));
    }
    return QIcon(pixmap);
}

/// A line sample: a horizontal line in the line colour and pattern on white.
QIcon LineSample(int style, TColor color) {
    QPixmap pixmap(kSampleSize);
    pixmap.fill(Qt::white);
    QPainter p(&pixmap);
    p.setPen(QPen(ToQColor(color), 1, QtPen(style)));
    p.drawLine(2, kSampleSize.height() / 2, kSampleSize.width() - 3, kSampleSize.height() / 2);
    return QIcon(pixmap);
}

/// One label pixel in points at the label resolution.
double OnePixelPoints() {
    return 72.0 / LabelDPI();
}

} // namespace

// ---- colour button

TZpOptionsColorButton::TZpOptionsColorButton(QWidget* parent) : QPushButton(parent) {
    setMinimumWidth(64);
    connect(this, &QPushButton::clicked, this, &TZpOptionsColorButton::Choose);
    SetColor(clBlack);
}

void TZpOptionsColorButton::SetColor(TColor color) {
    FColor = color;
    QPixmap swatch(40, 14);
    swatch.fill(ToQColor(color));
    QPainter(&swatch).drawRect(0, 0, swatch.width() - 1, swatch.height() - 1);
    setIcon(QIcon(swatch));
    setIconSize(swatch.size());
    const QColor c = ToQColor(color);
    setToolTip(c.name());
    Q_EMIT ColorChanged();
}

void TZpOptionsColorButton::Choose() {
    const QColor chosen = QColorDialog::getColor(ToQColor(FColor), this);
    if (chosen.isValid())
        SetColor(FromQColor(chosen));
}

// ---- the dialog

TfrmProgramOptions::TfrmProgramOptions(TZpAppOptions& options, TZpSettingsStore& store, QStringList printers,
                                       QWidget* parent)
    : QDialog(parent), FOptions(options), FStore(store), FPrinters(std::move(printers)) {
    setWindowTitle(QStringLiteral("Program Options"));
    FChooseFormat = [this](TLabelProperties& format) { return TfrmDialogLabelFormats::Run(format, this); };
    auto* layout = new QVBoxLayout(this);
    FPages = new QTabWidget;
    FPages->addTab(BuildOptionsPage(), QStringLiteral("Options"));
    FPages->addTab(BuildBarcodePage(), QStringLiteral("Bar code"));
    FPages->addTab(BuildTextPage(), QStringLiteral("Text"));
    FPages->addTab(BuildGraphicsPage(), QStringLiteral("Graphics"));
    FPages->addTab(BuildLegacyPage(), QStringLiteral("Zentaprint 2.x"));
    layout->addWidget(FPages);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    connect(buttons, &QDialogButtonBox::accepted, this, &TfrmProgramOptions::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &TfrmProgramOptions::reject);
    layout->addWidget(buttons);
    Load();
}

QWidget* TfrmProgramOptions::BuildOptionsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);

    auto* exportGroup = new QGroupBox(QStringLiteral("E&xport images at"));
    auto* exportLayout = new QHBoxLayout(exportGroup);
    rbPrinterResolution =
        Named(new QRadioButton(QStringLiteral("Printer resolution")), "rbPrinterResolution");
    rbScreenResolution = Named(new QRadioButton(QStringLiteral("&Screen resolution")), "rbScreenResolution");
    exportLayout->addWidget(rbPrinterResolution);
    exportLayout->addWidget(rbScreenResolution);
    exportLayout->addStretch();
    layout->addWidget(exportGroup);

    auto* undoRow = new QFormLayout;
    spnUndoLevels = Named(new QSpinBox, "spnUndoLevels");
    spnUndoLevels->setRange(kMinUndoLevels, kMaxUndoLevels);
    undoRow->addRow(QStringLiteral("&Undo levels:"), spnUndoLevels);
    layout->addLayout(undoRow);

    auto* printerGroup = new QGroupBox(QStringLiteral("&Default printer"));
    auto* printerLayout = new QVBoxLayout(printerGroup);
    rbLastPrinter = Named(new QRadioButton(QStringLiteral("&Last printer used")), "rbLastPrinter");
    // The system's default destination here, where the original choice
    // named another platform's default.
    rbDefaultPrinter = Named(new QRadioButton(QStringLiteral("System default printer")), "rbDefaultPrinter");
    rbSelectedPrinter = Named(new QRadioButton(QStringLiteral("Selected printer")), "rbSelectedPrinter");
    cmbPrinters = Named(new QComboBox, "cmbPrinters");
    cmbPrinters->setAccessibleName(QStringLiteral("Selected printer"));
    cmbPrinters->addItems(FPrinters);
    auto* selectedRow = new QHBoxLayout;
    selectedRow->addWidget(rbSelectedPrinter);
    selectedRow->addWidget(cmbPrinters, 1);
    printerLayout->addWidget(rbLastPrinter);
    printerLayout->addWidget(rbDefaultPrinter);
    printerLayout->addLayout(selectedRow);
    layout->addWidget(printerGroup);

    auto* formatGroup = new QGroupBox(QStringLiteral("Def&ault label format"));
    auto* formatLayout = new QVBoxLayout(formatGroup);
    rbLastFormat = Named(new QRadioButton(QStringLiteral("Last &format used")), "rbLastFormat");
    rbSelectedFormat = Named(new QRadioButton(QStringLiteral("S&elected format")), "rbSelectedFormat");
    edtFormatName = Named(new QLineEdit, "edtFormatName");
    edtFormatName->setReadOnly(true);
    edtFormatName->setAccessibleName(QStringLiteral("Selected format"));
    btnSelectFormat = Named(new QPushButton(QStringLiteral("...")), "btnSelectFormat");
    btnSelectFormat->setAccessibleName(QStringLiteral("Select Label Format"));
    btnSelectFormat->setToolTip(QStringLiteral("Select Label Format"));
    auto* formatRow = new QHBoxLayout;
    formatRow->addWidget(rbSelectedFormat);
    formatRow->addWidget(edtFormatName, 1);
    formatRow->addWidget(btnSelectFormat);
    formatLayout->addWidget(rbLastFormat);
    formatLayout->addLayout(formatRow);
    layout->addWidget(formatGroup);

    chkSmoothRedraws = Named(new QCheckBox(QStringLiteral("Smooth screen drawing")), "chkSmoothRedraws");
    layout->addWidget(chkSmoothRedraws);
    layout->addStretch();

    for (QRadioButton* rb :
         {rbLastPrinter, rbDefaultPrinter, rbSelectedPrinter, rbLastFormat, rbSelectedFormat})
        connect(rb, &QRadioButton::toggled, this, &TfrmProgramOptions::UpdateEnabled);
    connect(btnSelectFormat, &QPushButton::clicked, this, &TfrmProgramOptions::ChooseFormat);
    return page;
}

QWidget* TfrmProgramOptions::BuildBarcodePage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    FBarcodePage = new TZpBarcodeDefaultsPage;
    layout->addWidget(FBarcodePage, 1);
    chkAllowBarcodeResizing = Named(new QCheckBox(QStringLiteral("Allow &bar code resizing (stretching)")),
                                    "chkAllowBarcodeResizing");
    chkCheckBarCodes = Named(new QCheckBox(QStringLiteral("&Check bar codes for errors before printing")),
                             "chkCheckBarCodes");
    chkReadBackBarCodes =
        Named(new QCheckBox(QLatin1String(kReadBackBarCodesCaption)), "chkReadBackBarCodes");
    layout->addWidget(chkAllowBarcodeResizing);
    layout->addWidget(chkCheckBarCodes);
    layout->addWidget(chkReadBackBarCodes);
    return page;
}

QWidget* TfrmProgramOptions::BuildTextPage() {
    auto* page = new QWidget;
    auto* layout = new QFormLayout(page);
    cmbFontName = Named(new QComboBox, "cmbFontName");
    // Editable: a stored face that is not installed (one of the common
    // faces of other platforms, drawn with its substitute) keeps its name.
    cmbFontName->setEditable(true);
    cmbFontName->setInsertPolicy(QComboBox::NoInsert);
    QStringList families = QFontDatabase::families();
    families.sort(Qt::CaseInsensitive);
    cmbFontName->addItems(families);
    layout->addRow(QStringLiteral("&Font:"), cmbFontName);
    spnFontSize = Named(new QSpinBox, "spnFontSize");
    spnFontSize->setRange(1, 999);
    layout->addRow(QStringLiteral("Si&ze:"), spnFontSize);
    chkFontBold = Named(new QCheckBox(QStringLiteral("&Bold")), "chkFontBold");
    chkFontItalic = Named(new QCheckBox(QStringLiteral("&Italic")), "chkFontItalic");
    chkFontUnderline = Named(new QCheckBox(QStringLiteral("U&nderline")), "chkFontUnderline");
    auto* styleRow = new QHBoxLayout;
    styleRow->addWidget(chkFontBold);
    styleRow->addWidget(chkFontItalic);
    styleRow->addWidget(chkFontUnderline);
    styleRow->addStretch();
    layout->addRow(QString(), styleRow);
    btnFontColor = Named(new TZpOptionsColorButton, "btnFontColor");
    btnFontColor->setAccessibleName(QStringLiteral("Font colour"));
    layout->addRow(QStringLiteral("C&olour:"), btnFontColor);
    chkStripLeading =
        Named(new QCheckBox(QStringLiteral("&Strip leading from first line of text")), "chkStripLeading");
    chkCustomLeading = Named(new QCheckBox(QStringLiteral("Use &custom leading value")), "chkCustomLeading");
    spnLeadingSize = Named(new QDoubleSpinBox, "spnLeadingSize");
    spnLeadingSize->setRange(0.1, 99);
    spnLeadingSize->setDecimals(1);
    spnLeadingSize->setSingleStep(0.1);
    spnLeadingSize->setSuffix(QStringLiteral(" pt"));
    layout->addRow(chkStripLeading);
    layout->addRow(chkCustomLeading);
    layout->addRow(QStringLiteral("&Leading size:"), spnLeadingSize);
    edtDefaultText = Named(new QLineEdit, "edtDefaultText");
    layout->addRow(QStringLiteral("&Default text:"), edtDefaultText);
    connect(chkCustomLeading, &QCheckBox::toggled, this, &TfrmProgramOptions::UpdateEnabled);
    return page;
}

QWidget* TfrmProgramOptions::BuildGraphicsPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    auto* fillGroup = new QGroupBox(QStringLiteral("Fill"));
    auto* fill = new QFormLayout(fillGroup);
    btnFillColor = Named(new TZpOptionsColorButton, "btnFillColor");
    btnFillColor->setAccessibleName(QStringLiteral("Fill colour"));
    cmbFillStyle = Named(new QComboBox, "cmbFillStyle");
    cmbFillStyle->setIconSize(kSampleSize);
    for (int style = 0; style <= 7; ++style)
        cmbFillStyle->addItem(QString());
    cmbFillTransparent = Named(new QComboBox, "cmbFillTransparent");
    cmbFillTransparent->addItems({QStringLiteral("Transparent"), QStringLiteral("Opaque")});
    fill->addRow(QStringLiteral("Fill c&olour:"), btnFillColor);
    fill->addRow(QStringLiteral("Fill &style:"), cmbFillStyle);
    fill->addRow(QStringLiteral("&Transparency:"), cmbFillTransparent);
    layout->addWidget(fillGroup);

    auto* lineGroup = new QGroupBox(QStringLiteral("Line"));
    auto* line = new QFormLayout(lineGroup);
    btnLineColor = Named(new TZpOptionsColorButton, "btnLineColor");
    btnLineColor->setAccessibleName(QStringLiteral("Line colour"));
    cmbLineStyle = Named(new QComboBox, "cmbLineStyle");
    cmbLineStyle->setIconSize(kSampleSize);
    for (int style = 0; style <= 6; ++style)
        cmbLineStyle->addItem(QString());
    spnLineWidth = Named(new QDoubleSpinBox, "spnLineWidth");
    spnLineWidth->setRange(0.01, 99999);
    spnLineWidth->setDecimals(2);
    spnLineWidth->setSingleStep(0.01);
    spnLineWidth->setSuffix(QStringLiteral(" pt"));
    line->addRow(QStringLiteral("Line co&lour:"), btnLineColor);
    line->addRow(QStringLiteral("Line st&yle:"), cmbLineStyle);
    line->addRow(QStringLiteral("Line &width:"), spnLineWidth);
    layout->addWidget(lineGroup);
    layout->addStretch();

    connect(btnFillColor, &TZpOptionsColorButton::ColorChanged, this, &TfrmProgramOptions::RedrawStyleLists);
    connect(btnLineColor, &TZpOptionsColorButton::ColorChanged, this, &TfrmProgramOptions::RedrawStyleLists);
    connect(cmbFillTransparent, &QComboBox::currentIndexChanged, this, &TfrmProgramOptions::RedrawStyleLists);
    connect(cmbLineStyle, &QComboBox::activated, this, &TfrmProgramOptions::LineStyleChosen);
    connect(spnLineWidth, &QDoubleSpinBox::valueChanged, this, &TfrmProgramOptions::LineWidthChanged);
    return page;
}

QWidget* TfrmProgramOptions::BuildLegacyPage() {
    auto* page = new QWidget;
    auto* layout = new QVBoxLayout(page);
    chkImport2xTextClear =
        Named(new QCheckBox(QStringLiteral("&Import text objects from Zentaprint 2.x files as transparent")),
              "chkImport2xTextClear");
    chkImportITF14 =
        Named(new QCheckBox(QStringLiteral("Import Int &2 of 5 bar codes as ITF14")), "chkImportITF14");
    chkOldStyleEditing =
        Named(new QCheckBox(QStringLiteral("&Edit objects using selected tool (rather than double click)")),
              "chkOldStyleEditing");
    layout->addWidget(chkImport2xTextClear);
    layout->addWidget(chkImportITF14);
    layout->addWidget(chkOldStyleEditing);
    layout->addStretch();
    return page;
}

void TfrmProgramOptions::RedrawStyleLists() {
    const bool transparent = cmbFillTransparent->currentIndex() == 0;
    for (int style = 0; style < cmbFillStyle->count(); ++style)
        cmbFillStyle->setItemIcon(style, FillSample(style, btnFillColor->Color(), transparent));
    for (int style = 0; style < cmbLineStyle->count(); ++style)
        cmbLineStyle->setItemIcon(style, LineSample(style, btnLineColor->Color()));
}

void TfrmProgramOptions::LineStyleChosen(int style) {
    // Patterned lines are drawn one label pixel wide.
    if (style != psSolid) {
        const QSignalBlocker quiet(spnLineWidth);
        spnLineWidth->setValue(OnePixelPoints());
    }
}

void TfrmProgramOptions::LineWidthChanged(double points) {
    // Rounding to the field's two decimals must not count as wider.
    if (points > OnePixelPoints() + 0.005 && cmbLineStyle->currentIndex() != psSolid)
        cmbLineStyle->setCurrentIndex(psSolid);
}

void TfrmProgramOptions::Load() {
    const TZpAppOptions& o = FOptions;
    (o.ExportPrinterDPI ? rbPrinterResolution : rbScreenResolution)->setChecked(true);
    spnUndoLevels->setValue(ReadUndoLevels(FStore));
    switch (o.PrinterMode) {
    case pmWindowsDefault:
        rbDefaultPrinter->setChecked(true);
        break;
    case pmSelectedPrinter:
        rbSelectedPrinter->setChecked(true);
        break;
    default:
        rbLastPrinter->setChecked(true);
        break;
    }
    const QString current = cmbPrinters->count() > 0 ? cmbPrinters->itemText(0) : QString();
    const QString stored = FStore.ReadString(kLastUsed, kPrinter, current);
    const int printerIndex = cmbPrinters->findText(stored);
    if (printerIndex >= 0)
        cmbPrinters->setCurrentIndex(printerIndex);
    ReadDefaultLabelFormat(FStore, FFormat);
    edtFormatName->setText(FFormat.LabelType);
    (o.LastLabelFormat ? rbLastFormat : rbSelectedFormat)->setChecked(true);
    chkSmoothRedraws->setChecked(o.SmoothRedraws);

    FBarcodePage->Load(ReadBarcodeDefaults(FStore));
    chkAllowBarcodeResizing->setChecked(o.AllowBarcodeResizing);
    chkCheckBarCodes->setChecked(o.CheckBarCodes);
    chkReadBackBarCodes->setChecked(o.ReadBackBarCodes);

    const TTextDefaults text = ReadTextDefaults(FStore);
    cmbFontName->setCurrentText(text.FontName);
    spnFontSize->setValue(text.FontSize);
    chkFontBold->setChecked(text.FontBold);
    chkFontItalic->setChecked(text.FontItalic);
    chkFontUnderline->setChecked(text.FontUnderline);
    btnFontColor->SetColor(text.FontColor);
    chkStripLeading->setChecked(text.RemoveFirstLeading);
    chkCustomLeading->setChecked(text.UseCustomLeading);
    spnLeadingSize->setValue(text.CustomLeadingSize / 10.0);
    edtDefaultText->setText(text.DefaultText);

    const TGraphicDefaults graphic = ReadGraphicDefaults(FStore);
    {
        const QSignalBlocker quietWidth(spnLineWidth);
        btnFillColor->SetColor(graphic.FillColor);
        cmbFillStyle->setCurrentIndex(graphic.FillStyle);
        cmbFillTransparent->setCurrentIndex(graphic.FillTransparent ? 0 : 1);
        btnLineColor->SetColor(graphic.LineColor);
        cmbLineStyle->setCurrentIndex(graphic.LineStyle);
        spnLineWidth->setValue(graphic.LineWidth / 100.0);
    }
    RedrawStyleLists();

    chkImport2xTextClear->setChecked(o.Import2xTextClear);
    chkImportITF14->setChecked(o.ImportITF14);
    chkOldStyleEditing->setChecked(o.OldStyleEditing);
    UpdateEnabled();
}

void TfrmProgramOptions::UpdateEnabled() {
    cmbPrinters->setEnabled(rbSelectedPrinter->isChecked() && cmbPrinters->count() > 0);
    btnSelectFormat->setEnabled(rbSelectedFormat->isChecked());
    spnLeadingSize->setEnabled(chkCustomLeading->isChecked());
}

void TfrmProgramOptions::ChooseFormat() {
    TLabelProperties format = FFormat;
    if (!FChooseFormat || !FChooseFormat(format))
        return;
    FFormat = format;
    FFormatChosen = true;
    edtFormatName->setText(FFormat.LabelType);
}

void TfrmProgramOptions::Store() {
    TZpAppOptions& o = FOptions;
    o.ExportPrinterDPI = rbPrinterResolution->isChecked();
    o.PrinterMode = rbDefaultPrinter->isChecked()    ? pmWindowsDefault
                    : rbSelectedPrinter->isChecked() ? pmSelectedPrinter
                                                     : pmLastPrinter;
    o.LastLabelFormat = rbLastFormat->isChecked();
    o.SmoothRedraws = chkSmoothRedraws->isChecked();
    o.AllowBarcodeResizing = chkAllowBarcodeResizing->isChecked();
    o.CheckBarCodes = chkCheckBarCodes->isChecked();
    o.ReadBackBarCodes = chkReadBackBarCodes->isChecked();
    o.Import2xTextClear = chkImport2xTextClear->isChecked();
    o.ImportITF14 = chkImportITF14->isChecked();
    o.OldStyleEditing = chkOldStyleEditing->isChecked();
    o.SaveToRegistry(FStore);
    WriteUndoLevels(FStore, spnUndoLevels->value());
    if (o.PrinterMode == pmSelectedPrinter && cmbPrinters->currentIndex() >= 0)
        FStore.WriteString(kLastUsed, kPrinter, cmbPrinters->currentText());
    if (!o.LastLabelFormat && FFormatChosen)
        WriteDefaultLabelFormat(FStore, FFormat);

    WriteBarcodeDefaults(FStore, FBarcodePage->Defaults());

    TTextDefaults text;
    const QString face = cmbFontName->currentText().trimmed();
    text.FontName = face.isEmpty() ? text.FontName : face;
    text.FontSize = spnFontSize->value();
    text.FontBold = chkFontBold->isChecked();
    text.FontItalic = chkFontItalic->isChecked();
    text.FontUnderline = chkFontUnderline->isChecked();
    text.FontColor = btnFontColor->Color();
    text.RemoveFirstLeading = chkStripLeading->isChecked();
    text.UseCustomLeading = chkCustomLeading->isChecked();
    text.CustomLeadingSize = Round(spnLeadingSize->value() * 10);
    text.DefaultText = edtDefaultText->text();
    WriteTextDefaults(FStore, text);

    TGraphicDefaults graphic;
    graphic.FillColor = btnFillColor->Color();
    graphic.FillStyle = cmbFillStyle->currentIndex();
    graphic.FillTransparent = cmbFillTransparent->currentIndex() == 0;
    graphic.LineColor = btnLineColor->Color();
    graphic.LineStyle = cmbLineStyle->currentIndex();
    graphic.LineWidth = Round(spnLineWidth->value() * 100);
    WriteGraphicDefaults(FStore, graphic);
}

void TfrmProgramOptions::accept() {
    Store();
    if (!FStore.Flush())
        ShowMessage(
            TZpMsgKind::Warning,
            QStringLiteral("The options could not be saved in \"%1\". They apply until Zentaprint ends.")
                .arg(FStore.FileName()));
    QDialog::accept();
}

bool EditProgramOptions(QWidget* parent) {
    QStringList printers;
    try {
        printers = ZpPrinter().Printers();
    } catch (const EZpError&) {
        // No printer list: the other choices still work.
    }
    TfrmProgramOptions dialog(AppOptions(), ZpStore(), printers, parent);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zp
