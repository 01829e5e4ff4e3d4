// SPDX-License-Identifier: MIT
// The "Properties" page: printing, sizing, rotation, the corner of rounded
// rectangles, and the fill and outline of shapes.
#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/PropertyPages.h"
#include "design/dialogs/StyleSamples.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zp {

namespace {

const QStringList kFillStyles = {QStringLiteral("Solid"),
                                 QStringLiteral("Clear"),
                                 QStringLiteral("Horizontal"),
                                 QStringLiteral("Vertical"),
                                 QStringLiteral("Forward diagonal"),
                                 QStringLiteral("Backward diagonal"),
                                 QStringLiteral("Cross"),
                                 QStringLiteral("Diagonal cross")};
const QStringList kLineStyles = {QStringLiteral("Solid"),        QStringLiteral("Dash"),
                                 QStringLiteral("Dot"),          QStringLiteral("Dash dot"),
                                 QStringLiteral("Dash dot dot"), QStringLiteral("Clear"),
                                 QStringLiteral("Inside frame")};
const int kRotations[] = {0, 90, 180, 270};

// One label pixel in points: the thinnest line, and the only width that a
// dashed or dotted pen keeps.
double OnePixelPoints() {
    return 72.0 / LabelDPI();
}

class TPropertiesPage : public TZpPropertyPage {
public:
    explicit TPropertiesPage(TZpSheetContext& context)
        : TZpPropertyPage(context, QStringLiteral("Properties")) {
        auto* column = new QVBoxLayout(this);
        auto* general = new QGridLayout;
        column->addLayout(general);
        FPrint = AddCheck(*general, QStringLiteral("&Print object"));
        FSizing = MakeList(this, {QStringLiteral("Unrestricted"), QStringLiteral("Aspect Ratio"),
                                  QStringLiteral("Height=Width")});
        FSizingLabel = AddRow(*general, QStringLiteral("&Sizing:"), FSizing);
        FRotation = new QComboBox(this);
        for (int r : kRotations)
            FRotation->addItem(QString::number(r), r);
        FRotationLabel = AddRow(*general, QStringLiteral("&Rotation:"), FRotation, QStringLiteral("degrees"));
        FEllipse =
            new TZpNumberField(QStringLiteral("&Ellipse height:"), 0, 30, 2, QStringLiteral("inches"), this);
        FEllipseLabel =
            AddRow(*general, QStringLiteral("&Ellipse height:"), FEllipse, QStringLiteral("inches"));

        FFillBox = new QGroupBox(QStringLiteral("Fill"), this);
        auto* fill = new QGridLayout(FFillBox);
        FFillColor = new TZpPropertyColorButton(QStringLiteral("&Fill color:"), FFillBox);
        AddRow(*fill, QStringLiteral("&Fill color:"), FFillColor);
        FFillStyle = MakeList(FFillBox, kFillStyles);
        FFillStyle->setIconSize(StyleSampleSize());
        AddRow(*fill, QStringLiteral("Fill s&tyle:"), FFillStyle);
        FTransparency = MakeList(FFillBox, {QStringLiteral("Transparent"), QStringLiteral("Opaque")});
        FTransparencyLabel = AddRow(*fill, QStringLiteral("Tr&ansparency:"), FTransparency);
        column->addWidget(FFillBox);

        FLineBox = new QGroupBox(QStringLiteral("Line"), this);
        auto* line = new QGridLayout(FLineBox);
        FLineColor = new TZpPropertyColorButton(QStringLiteral("&Line color:"), FLineBox);
        AddRow(*line, QStringLiteral("&Line color:"), FLineColor);
        FLineStyle = MakeList(FLineBox, kLineStyles);
        FLineStyle->setIconSize(StyleSampleSize());
        AddRow(*line, QStringLiteral("Li&ne style:"), FLineStyle);
        FLineWidth = new TZpNumberField(QStringLiteral("Line &width:"), 0, 99999, 2, QStringLiteral("points"),
                                        FLineBox);
        AddRow(*line, QStringLiteral("Line &width:"), FLineWidth, QStringLiteral("pts"));
        column->addWidget(FLineBox);
        column->addStretch();

        connect(FPrint, &QCheckBox::toggled, this, [this](bool on) {
            if (Loaded())
                FContext.Copy->SetPrintObject(on);
        });
        connect(FSizing, &QComboBox::currentIndexChanged, this, [this](int index) {
            if (!Loaded() || index < 0)
                return;
            FContext.Copy->SetSizing(uint8_t(index));
            FContext.Copy->SetBounds(FContext.Copy->GetBounds());
            Changed();
        });
        connect(FRotation, &QComboBox::activated, this, [this](int index) {
            auto* rotation = Supports<IZpRotation>(FContext.Copy);
            if (!Loaded() || !rotation)
                return;
            rotation->SetRotation(FRotation->itemData(index).toInt());
            // A refused turn springs back.
            ShowRotation(rotation->GetRotation());
            Changed();
        });
        connect(FEllipse, &TZpNumberField::ValueEdited, this, [this](double inches) {
            if (auto* ellipse = Supports<IZpEllipse>(FContext.Copy); ellipse && Loaded()) {
                ellipse->SetEllipseSize(float(inches));
                Changed();
            }
        });
        connect(FFillColor, &TZpPropertyColorButton::ColorChosen, this, [this] { WriteFill(); });
        connect(FFillStyle, &QComboBox::activated, this, [this] { WriteFill(); });
        connect(FTransparency, &QComboBox::activated, this, [this] { WriteFill(); });
        connect(FLineColor, &TZpPropertyColorButton::ColorChosen, this, [this] { WriteLine(); });
        connect(FLineStyle, &QComboBox::activated, this, [this](int index) {
            if (index != psSolid)
                FLineWidth->SetValue(OnePixelPoints());
            WriteLine();
        });
        connect(FLineWidth, &TZpNumberField::ValueEdited, this, [this](double points) {
            if (points > OnePixelPoints() + 1e-9)
                FLineStyle->setCurrentIndex(psSolid);
            WriteLine();
        });
    }

    void Load() override {
        const TZpObjectPtr& copy = FContext.Copy;
        const bool linear = Supports<IZpLinear>(copy) != nullptr;
        const bool barcode = Supports<IZpBarcode>(copy) != nullptr;
        auto* rotation = Supports<IZpRotation>(copy);
        auto* ellipse = Supports<IZpEllipse>(copy);
        auto* fill = Supports<IZpFillStyle>(copy);
        auto* line = Supports<IZpLineStyle>(copy);

        ShowRow(FSizingLabel, !linear && !barcode);
        ShowRow(FRotationLabel, rotation);
        ShowRow(FEllipseLabel, ellipse);
        FFillBox->setVisible(fill);
        FLineBox->setVisible(line);

        FPrint->setChecked(copy->GetPrintObject());
        if (!linear)
            FSizing->setCurrentIndex(copy->GetSizing() < 3 ? copy->GetSizing() : -1);
        if (rotation)
            ShowRotation(rotation->GetRotation());
        if (ellipse)
            FEllipse->SetValue(ellipse->GetEllipseSize());
        if (fill) {
            FFillColor->SetColor(fill->GetColor());
            FFillStyle->setCurrentIndex(fill->GetStyle() < 8 ? fill->GetStyle() : -1);
            FTransparency->setCurrentIndex(fill->GetTransparent() ? 0 : 1);
        }
        FLineColor->SetColor(clBlack);
        FLineStyle->setCurrentIndex(psSolid);
        FLineWidth->SetValue(1);
        if (line) {
            FLineColor->SetColor(line->GetColor());
            FLineStyle->setCurrentIndex(line->GetStyle() < 7 ? line->GetStyle() : -1);
            FLineWidth->SetValue(double(line->GetWidth()) / LabelDPI() * 72.0);
        }
        UpdateSamples();
    }

private:
    void ShowRotation(int degrees) { FRotation->setCurrentIndex(FRotation->findData(degrees)); }

    void WriteFill() {
        auto* fill = Supports<IZpFillStyle>(FContext.Copy);
        if (fill && Loaded()) {
            fill->SetColor(FFillColor->Color());
            if (FFillStyle->currentIndex() >= 0)
                fill->SetStyle(uint8_t(FFillStyle->currentIndex()));
            fill->SetTransparent(FTransparency->currentIndex() == 0);
            Changed();
        }
        UpdateSamples();
    }

    void WriteLine() {
        auto* line = Supports<IZpLineStyle>(FContext.Copy);
        if (line && Loaded()) {
            line->SetColor(FLineColor->Color());
            if (FLineStyle->currentIndex() >= 0)
                line->SetStyle(uint8_t(FLineStyle->currentIndex()));
            line->SetWidth(Round(FLineWidth->Value() / 72.0 * LabelDPI()));
            Changed();
        }
        UpdateSamples();
    }

    // The hatch styles are the only ones whose gaps can be see-through.
    void UpdateSamples() {
        const int style = FFillStyle->currentIndex();
        const bool hatch = style >= bsHorizontal && style <= bsDiagCross;
        FTransparency->setEnabled(hatch);
        FTransparencyLabel->setEnabled(hatch);
        for (int i = 0; i < FFillStyle->count(); ++i)
            FFillStyle->setItemIcon(
                i, FillStyleSample(uint8_t(i), FFillColor->Color(), FTransparency->currentIndex() == 0));
        for (int i = 0; i < FLineStyle->count(); ++i)
            FLineStyle->setItemIcon(i, LineStyleSample(uint8_t(i), FLineColor->Color()));
    }

    QCheckBox* FPrint;
    QComboBox* FSizing;
    QLabel* FSizingLabel;
    QComboBox* FRotation;
    QLabel* FRotationLabel;
    TZpNumberField* FEllipse;
    QLabel* FEllipseLabel;
    QGroupBox* FFillBox;
    TZpPropertyColorButton* FFillColor;
    QComboBox* FFillStyle;
    QComboBox* FTransparency;
    QLabel* FTransparencyLabel;
    QGroupBox* FLineBox;
    TZpPropertyColorButton* FLineColor;
    QComboBox* FLineStyle;
    TZpNumberField* FLineWidth;
};

} // namespace

TZpPropertyPage* MakePropertiesPage(TZpSheetContext& context) {
    return new TPropertiesPage(context);
}

} // namespace zp
