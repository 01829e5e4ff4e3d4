// SPDX-License-Identifier: MIT
#include "model/stock/dialogs/LabelInfoDialog.h"

#include "base/Errors.h"
#include "model/stock/StockCatalogue.h"
#include "model/stock/dialogs/LabelFormatsDialog.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QSpinBox>
#include <QToolButton>

namespace zp {

namespace {

/// The page drawn to scale with its labels and the printable area.
class TLayoutPreview : public QWidget {
public:
    TLayoutPreview(std::function<TLabelProperties()> layout, QWidget* parent)
        : QWidget(parent), FLayout(std::move(layout)) {
        setMinimumSize(220, 260);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        const TLabelProperties l = FLayout();
        QPainter p(this);
        p.fillRect(rect(), palette().color(QPalette::Window).darker(110)); // the scroll-bar colour
        if (!(l.PageWidth > 0) || !(l.PageHeight > 0))
            return;
        // The box height minus 2 becomes the page's long side as the orientation says.
        const double box = height() - 2;
        // and the page is kept inside a box narrower than that.
        const double s = std::min(l.PageOrientation == 1 ? box / l.PageWidth : box / l.PageHeight,
                                  (width() - 2) / double(l.PageWidth));
        const QSizeF sized(l.PageWidth * s, l.PageHeight * s);
        p.translate((width() - sized.width()) / 2, (height() - sized.height()) / 2);
        p.fillRect(QRectF(QPointF(), sized), Qt::white);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(palette().color(QPalette::WindowText));
        p.setBrush(Qt::white);
        for (int r = 1; r <= std::min(l.Rows, 500); ++r)
            for (int c = 1; c <= std::min(l.Columns, 500); ++c) {
                const QRectF label(l.LabelLeft(c) * s, l.LabelTop(r) * s, l.Width * s, l.Height * s);
                if (l.LabelShape == lsEllipse)
                    p.drawEllipse(label);
                else if (l.LabelShape == lsRoundRect)
                    p.drawRoundedRect(label, l.EllipseWidth * s / 2, l.EllipseHeight * s / 2);
                else
                    p.drawRect(label);
            }
        const TPoint offset = ZpPrinter().PhysicalOffset();
        const TPoint dpi = ZpPrinter().DotsPerInch();
        if ((offset.X != 0 || offset.Y != 0) && dpi.X > 0 && dpi.Y > 0) {
            const double dx = double(offset.X) / dpi.X * s, dy = double(offset.Y) / dpi.Y * s;
            p.setPen(QPen(Qt::red, 1, Qt::DashLine));
            p.setBrush(Qt::NoBrush);
            p.drawRect(QRectF(dx, dy, sized.width() - 2 * dx, sized.height() - 2 * dy));
        }
    }

private:
    std::function<TLabelProperties()> FLayout;
};

QDoubleSpinBox* Inches(QWidget* parent, int decimals = 3) {
    auto* spin = new QDoubleSpinBox(parent);
    spin->setRange(0, 9999);
    spin->setSingleStep(0.01);
    spin->setDecimals(decimals);
    return spin;
}

QSpinBox* Count(QWidget* parent) {
    auto* spin = new QSpinBox(parent);
    spin->setRange(0, 99999);
    return spin;
}

} // namespace

TfrmDialogLabelInfo::TfrmDialogLabelInfo(TLabelProperties& data, QWidget* parent)
    : QDialog(parent), FData(data) {
    setObjectName(QStringLiteral("frmDialogLabelInfo"));
    setWindowTitle(QStringLiteral("Label Properties"));
    setProperty("HelpContext", 17);
    edtLabelName = new QLineEdit(this);
    auto* btnLabelName = new QToolButton(this);
    btnLabelName->setText(QStringLiteral("..."));
    auto* name = new QHBoxLayout;
    name->addWidget(edtLabelName);
    name->addWidget(btnLabelName);
    spnTopMargin = Inches(this);
    spnSideMargin = Inches(this);
    spnHeight = Inches(this);
    spnWidth = Inches(this);
    spnVerticalPitch = Inches(this);
    spnHorizontalPitch = Inches(this);
    spnNumberAcross = Count(this);
    spnNumberDown = Count(this);
    cmbLabelShape = new QComboBox(this);
    cmbLabelShape->addItems(
        {QStringLiteral("Squared"), QStringLiteral("Rounded"), QStringLiteral("Circular")});
    spnCurveHeight = Inches(this);
    spnPageWidth = Inches(this);
    spnPageHeight = Inches(this);
    spnPageWidth->setReadOnly(true);
    spnPageHeight->setReadOnly(true);

    auto* form = new QFormLayout;
    auto* lblLabelName = new QLabel(QStringLiteral("&Label name:"), this);
    lblLabelName->setBuddy(edtLabelName);
    form->addRow(lblLabelName, name);
    form->addRow(QStringLiteral("&Top margin:"), spnTopMargin);
    form->addRow(QStringLiteral("Side &margin:"), spnSideMargin);
    form->addRow(QStringLiteral("Label &height:"), spnHeight);
    form->addRow(QStringLiteral("Label &width:"), spnWidth);
    form->addRow(QStringLiteral("&Vertical pitch:"), spnVerticalPitch);
    form->addRow(QStringLiteral("H&orizontal pitch:"), spnHorizontalPitch);
    form->addRow(QStringLiteral("&Number across:"), spnNumberAcross);
    form->addRow(QStringLiteral("Number &down:"), spnNumberDown);
    form->addRow(QStringLiteral("L&abel shape"), cmbLabelShape);
    form->addRow(QStringLiteral("&Curve height:"), spnCurveHeight);
    form->addRow(QStringLiteral("&Page width:"), spnPageWidth);
    form->addRow(QStringLiteral("Pag&e height:"), spnPageHeight);

    FPreview = new TLayoutPreview([this] { return FieldsLayout(); }, this);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    auto* btnSave = buttons->addButton(QStringLiteral("&Save"), QDialogButtonBox::ActionRole);
    btnSave->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(btnSave, &QPushButton::clicked, this, &TfrmDialogLabelInfo::SaveToCustom);
    connect(btnLabelName, &QToolButton::clicked, this, &TfrmDialogLabelInfo::ChooseFormat);
    for (QDoubleSpinBox* s : {spnTopMargin, spnSideMargin, spnHeight, spnWidth, spnVerticalPitch,
                              spnHorizontalPitch, spnCurveHeight})
        connect(s, &QDoubleSpinBox::valueChanged, this, &TfrmDialogLabelInfo::Changed);
    for (QSpinBox* s : {spnNumberAcross, spnNumberDown})
        connect(s, &QSpinBox::valueChanged, this, &TfrmDialogLabelInfo::Changed);
    connect(cmbLabelShape, &QComboBox::currentIndexChanged, this, &TfrmDialogLabelInfo::Changed);

    auto* top = new QHBoxLayout;
    top->addLayout(form);
    top->addWidget(FPreview, 1);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top);
    layout->addWidget(buttons);
    Initialize();
}

void TfrmDialogLabelInfo::Initialize() {
    edtLabelName->setText(FData.Product);
    spnTopMargin->setValue(FData.TopMargin);
    spnSideMargin->setValue(FData.LeftMargin);
    spnNumberAcross->setValue(FData.Columns);
    spnNumberDown->setValue(FData.Rows);
    spnWidth->setValue(FData.Width);
    spnHeight->setValue(FData.Height);
    // The pitches' minimums follow the size first, so the stored pitch is not clipped.
    Changed();
    spnHorizontalPitch->setValue(FData.HorizontalPitch);
    spnVerticalPitch->setValue(FData.VerticalPitch);
    cmbLabelShape->setCurrentIndex(FData.LabelShape <= lsEllipse ? FData.LabelShape : 0);
    spnCurveHeight->setValue(FData.EllipseHeight);
    const TPoint size = ZpPrinter().PhysicalPageSize();
    const TPoint dpi = ZpPrinter().DotsPerInch();
    spnPageWidth->setValue(dpi.X > 0 ? double(size.X) / dpi.X : 0);
    spnPageHeight->setValue(dpi.Y > 0 ? double(size.Y) / dpi.Y : 0);
    Changed();
}

void TfrmDialogLabelInfo::Changed() {
    spnHorizontalPitch->setMinimum(spnWidth->value());
    spnVerticalPitch->setMinimum(spnHeight->value());
    spnHorizontalPitch->setEnabled(spnNumberAcross->value() > 1);
    spnVerticalPitch->setEnabled(spnNumberDown->value() > 1);
    spnCurveHeight->setEnabled(cmbLabelShape->currentIndex() == lsRoundRect);
    FPreview->update();
}

TLabelProperties TfrmDialogLabelInfo::FieldsLayout() const {
    TLabelProperties l;
    FData.AssignTo(l);
    l.Product = edtLabelName->text();
    l.TopMargin = float(spnTopMargin->value());
    l.LeftMargin = float(spnSideMargin->value());
    l.Height = float(spnHeight->value());
    l.Width = float(spnWidth->value());
    l.VerticalPitch = float(spnVerticalPitch->value());
    l.HorizontalPitch = float(spnHorizontalPitch->value());
    l.Columns = spnNumberAcross->value();
    l.Rows = spnNumberDown->value();
    l.LabelShape = uint8_t(std::max(0, cmbLabelShape->currentIndex()));
    l.EllipseWidth = l.EllipseHeight = float(spnCurveHeight->value());
    l.PageWidth = float(spnPageWidth->value());
    l.PageHeight = float(spnPageHeight->value());
    return l;
}

void TfrmDialogLabelInfo::accept() {
    // Device coordinates are 32-bit here: the size check of 16-bit systems always passes.
    const TLabelProperties l = FieldsLayout();
    FData.Product = l.Product;
    FData.TopMargin = l.TopMargin;
    FData.LeftMargin = l.LeftMargin;
    FData.Height = l.Height;
    FData.Width = l.Width;
    FData.VerticalPitch = l.VerticalPitch;
    FData.HorizontalPitch = l.HorizontalPitch;
    FData.Columns = l.Columns;
    FData.Rows = l.Rows;
    FData.LabelShape = l.LabelShape;
    FData.EllipseWidth = l.EllipseWidth;
    FData.EllipseHeight = l.EllipseHeight;
    FData.PageWidth = l.PageWidth;
    FData.PageHeight = l.PageHeight;
    QDialog::accept();
}

void TfrmDialogLabelInfo::SaveToCustom() {
    if (ZpDialogs().MessageBox(TZpMsgKind::Confirmation,
                               QStringLiteral("Save current label properties to custom format list?"),
                               TZpButtons::YesNo, TZpAnswer::No) != TZpAnswer::Yes)
        return;
    const TLabelProperties fields = FieldsLayout();
    TLabelProperties format;
    format.Manufacturer = format.Category = format.LabelType = QStringLiteral("Custom");
    format.Product = fields.Product;
    format.TopMargin = fields.TopMargin;
    format.LeftMargin = fields.LeftMargin;
    format.Height = fields.Height;
    format.Width = fields.Width;
    format.VerticalPitch = fields.VerticalPitch;
    format.HorizontalPitch = fields.HorizontalPitch;
    format.Columns = fields.Columns;
    format.Rows = fields.Rows;
    format.LabelShape = fields.LabelShape;
    format.EllipseWidth = format.EllipseHeight = fields.EllipseHeight;
    format.PageWidth = fields.PageWidth;
    format.PageHeight = fields.PageHeight;
    try {
        SaveToCustomList(format);
        FData.Manufacturer = FData.Category = FData.LabelType = QStringLiteral("Custom");
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
    }
}

void TfrmDialogLabelInfo::ChooseFormat() {
    if (TfrmDialogLabelFormats::Run(FData, this))
        Initialize();
}

} // namespace zp
