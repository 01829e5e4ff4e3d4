// SPDX-License-Identifier: MIT
#include "design/dialogs/MultiplePropertySheet.h"

#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/MultipleValues.h"
#include "design/dialogs/StyleSamples.h"
#include "model/objects/TextInterfaces.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace zp {

namespace {

const int kRotations[] = {0, 90, 180, 270};

} // namespace

TfrmPropertyMultipleObject::TfrmPropertyMultipleObject(QWidget* parent) : TfrmBasePropertySheet(parent) {
    setWindowTitle(QStringLiteral("Object Properties"));
    FGeneralPage = new QWidget;
    auto* column = new QVBoxLayout(FGeneralPage);
    auto* general = new QGridLayout;
    column->addLayout(general);
    cbPrintObject = AddCheck(*general, QStringLiteral("&Print object"));
    cmbSizing = MakeList(FGeneralPage, {QStringLiteral("Unrestricted"), QStringLiteral("Aspect Ratio"),
                                        QStringLiteral("Height=Width")});
    FSizingLabel = AddRow(*general, QStringLiteral("&Sizing:"), cmbSizing);
    cmbRotation = new QComboBox(FGeneralPage);
    for (int r : kRotations)
        cmbRotation->addItem(QString::number(r), r);
    NameFor(cmbRotation, QStringLiteral("&Rotation:"));
    FRotationLabel = AddRow(*general, QStringLiteral("&Rotation:"), cmbRotation, QStringLiteral("degrees"));
    spnEllipse = new TZpNumberField(QStringLiteral("&Ellipse height:"), 0, 30, 2, QStringLiteral("inches"),
                                    FGeneralPage);
    FEllipseLabel =
        AddRow(*general, QStringLiteral("&Ellipse height:"), spnEllipse, QStringLiteral("inches"));

    FFillBox = new QGroupBox(QStringLiteral("Fill"), FGeneralPage);
    auto* fill = new QGridLayout(FFillBox);
    edtFillColor = new TZpPropertyColorButton(QStringLiteral("&Fill color:"), FFillBox);
    AddRow(*fill, QStringLiteral("&Fill color:"), edtFillColor);
    cmbFillStyle = new QComboBox(FFillBox);
    cmbFillStyle->setIconSize(StyleSampleSize());
    for (int code = 0; code < 8; ++code)
        cmbFillStyle->addItem(FillStyleSample(uint8_t(code), clBlack, false), QString(), code);
    NameFor(cmbFillStyle, QStringLiteral("Fill s&tyle:"));
    AddRow(*fill, QStringLiteral("Fill s&tyle:"), cmbFillStyle);
    cmbTransparency = MakeList(FFillBox, {QStringLiteral("Transparent"), QStringLiteral("Opaque")});
    AddRow(*fill, QStringLiteral("Tr&ansparency:"), cmbTransparency);
    column->addWidget(FFillBox);

    FLineBox = new QGroupBox(QStringLiteral("Line"), FGeneralPage);
    auto* line = new QGridLayout(FLineBox);
    edtLineColor = new TZpPropertyColorButton(QStringLiteral("&Line color:"), FLineBox);
    AddRow(*line, QStringLiteral("&Line color:"), edtLineColor);
    cmbLineStyle = new QComboBox(FLineBox);
    cmbLineStyle->setIconSize(StyleSampleSize());
    for (int code = 0; code < 7; ++code)
        cmbLineStyle->addItem(LineStyleSample(uint8_t(code), clBlack), QString(), code);
    NameFor(cmbLineStyle, QStringLiteral("Li&ne style:"));
    AddRow(*line, QStringLiteral("Li&ne style:"), cmbLineStyle);
    spnLineWidth =
        new TZpNumberField(QStringLiteral("Line &width:"), 0, 99999, 2, QStringLiteral("points"), FLineBox);
    AddRow(*line, QStringLiteral("Line &width:"), spnLineWidth, QStringLiteral("pts"));
    column->addWidget(FLineBox);
    column->addStretch();

    FFontPage = new QWidget;
    auto* font = new QGridLayout(FFontPage);
    cmbFontName = new QFontComboBox(FFontPage);
    AddRow(*font, QStringLiteral("&Font name"), cmbFontName);
    spnFontSize = new TZpNumberField(QStringLiteral("Si&ze"), 1, 999, 0, QStringLiteral("points"), FFontPage);
    spnFontSize->SetSwallowSigns(true);
    FFontSizeLabel = AddRow(*font, QStringLiteral("Si&ze"), spnFontSize);
    edtFontColor = new TZpPropertyColorButton(QStringLiteral("Co&lor"), FFontPage);
    AddRow(*font, QStringLiteral("Co&lor"), edtFontColor);
    cbBold = AddCheck(*font, QStringLiteral("&Bold"));
    cbItalic = AddCheck(*font, QStringLiteral("&Italic"));
    cbUnderline = AddCheck(*font, QStringLiteral("&Underline"));
    FLeadingBox = new QGroupBox(QStringLiteral("Leading"), FFontPage);
    auto* leading = new QGridLayout(FLeadingBox);
    cbSkipFirstLeading = AddCheck(*leading, QStringLiteral("&Strip leading from first line of text"));
    cbCustomLeading = AddCheck(*leading, QStringLiteral("Use &custom leading value"));
    spnLeading =
        new TZpNumberField(QStringLiteral("Lea&ding size"), 1, 99, 1, QStringLiteral("points"), FLeadingBox);
    spnLeading->SetSwallowSigns(true);
    FLeadingLabel = AddRow(*leading, QStringLiteral("Lea&ding size"), spnLeading, QStringLiteral("points"));
    font->addWidget(FLeadingBox, font->rowCount(), 0, 1, 3);
    // The bar code page makes the dialog tall; the rows stay at the top.
    font->setRowStretch(font->rowCount(), 1);

    FPicturePage = new QWidget;
    auto* picture = new QGridLayout(FPicturePage);
    cbStretch = AddCheck(*picture, QStringLiteral("&Stretch image to fit area"));
    cbAlternatePrint = AddCheck(
        *picture, QStringLiteral("&Use alternate display/print method (recommended for large images)"));
    picture->setRowStretch(picture->rowCount(), 1);

    BuildBarcodePage();

    cbPrintObject->setObjectName(QStringLiteral("cbPrintObject"));
    cmbSizing->setObjectName(QStringLiteral("cmbSizing"));
    cmbRotation->setObjectName(QStringLiteral("cmbRotation"));
    spnEllipse->setObjectName(QStringLiteral("spnEllipse"));
    edtFillColor->setObjectName(QStringLiteral("edtFillColor"));
    cmbFillStyle->setObjectName(QStringLiteral("cmbFillStyle"));
    cmbTransparency->setObjectName(QStringLiteral("cmbTransparency"));
    edtLineColor->setObjectName(QStringLiteral("edtLineColor"));
    cmbLineStyle->setObjectName(QStringLiteral("cmbLineStyle"));
    spnLineWidth->setObjectName(QStringLiteral("spnLineWidth"));
    cmbFontName->setObjectName(QStringLiteral("cmbFontName"));
    spnFontSize->setObjectName(QStringLiteral("spnFontSize"));
    edtFontColor->setObjectName(QStringLiteral("edtFontColor"));
    cbBold->setObjectName(QStringLiteral("cbBold"));
    cbItalic->setObjectName(QStringLiteral("cbItalic"));
    cbUnderline->setObjectName(QStringLiteral("cbUnderline"));
    cbStretch->setObjectName(QStringLiteral("cbStretch"));
    cbAlternatePrint->setObjectName(QStringLiteral("cbAlternatePrint"));
    cbSkipFirstLeading->setObjectName(QStringLiteral("cbSkipFirstLeading"));
    cbCustomLeading->setObjectName(QStringLiteral("cbCustomLeading"));
    spnLeading->setObjectName(QStringLiteral("spnLeading"));
    FLeadingBox->setObjectName(QStringLiteral("grpLeading"));
    for (QComboBox* list : {cmbSizing, cmbRotation, cmbFillStyle, cmbTransparency, cmbLineStyle})
        MarkOn(list);
    for (QCheckBox* box : {cbPrintObject, cbBold, cbItalic, cbUnderline, cbStretch, cbAlternatePrint,
                           cbSkipFirstLeading, cbCustomLeading})
        MarkOn(box);
    // The leading size counts only with custom leading.
    connect(cbCustomLeading, &QCheckBox::clicked, this, [this] {
        const bool custom = cbCustomLeading->checkState() != Qt::Unchecked;
        spnLeading->setEnabled(custom);
        FLeadingLabel->setEnabled(custom);
    });
    for (TZpPropertyColorButton* button : {edtFillColor, edtLineColor, edtFontColor})
        connect(button, &TZpPropertyColorButton::ColorChosen, this, [this, button] { Mark(button); });
    for (TZpNumberField* field : {spnEllipse, spnLineWidth, spnFontSize, spnLeading})
        connect(field, &TZpNumberField::ValueEdited, this, [this, field] { Mark(field); });
    connect(cmbFontName, &QFontComboBox::currentFontChanged, this, [this] { Mark(cmbFontName); });
}

void TfrmPropertyMultipleObject::Mark(QWidget* control) {
    if (!FLoading)
        FChanged.insert(control);
}

void TfrmPropertyMultipleObject::MarkOn(QComboBox* list) {
    connect(list, &QComboBox::activated, this, [this, list] { Mark(list); });
}

void TfrmPropertyMultipleObject::MarkOn(QCheckBox* box) {
    connect(box, &QCheckBox::clicked, this, [this, box] {
        // Once clicked a grey box only takes sides.
        box->setTristate(false);
        Mark(box);
    });
}

void TfrmPropertyMultipleObject::LoadFromObjects(const TZpObjectList& objects) {
    FLoading = true;
    FObjects = objects;
    bool present = false;
    SetCheck(cbPrintObject, Common<IZpObject>(
                                objects, [](IZpObject& o) { return o.GetPrintObject(); }, present));

    const auto fillColor = Common<IZpFillStyle>(
        objects, [](IZpFillStyle& f) { return f.GetColor(); }, FHasFill);
    if (fillColor)
        edtFillColor->SetColor(*fillColor);
    SelectData(cmbFillStyle, Common<IZpFillStyle>(
                                 objects, [](IZpFillStyle& f) { return int(f.GetStyle()); }, present));
    const auto transparent = Common<IZpFillStyle>(
        objects, [](IZpFillStyle& f) { return f.GetTransparent(); }, present);
    cmbTransparency->setCurrentIndex(!transparent ? -1 : *transparent ? 0 : 1);

    const auto lineColor = Common<IZpLineStyle>(
        objects, [](IZpLineStyle& l) { return l.GetColor(); }, FHasLine);
    edtLineColor->SetColor(lineColor.value_or(clBlack));
    SelectData(cmbLineStyle, Common<IZpLineStyle>(
                                 objects, [](IZpLineStyle& l) { return int(l.GetStyle()); }, present));
    if (const auto width = Common<IZpLineStyle>(
            objects, [](IZpLineStyle& l) { return l.GetWidth(); }, present))
        spnLineWidth->SetValue(double(*width) / LabelDPI() * 72);
    else
        spnLineWidth->SetBlank();

    // A text whose runs differ counts as differing from every other object.
    const auto fontName = Common<IZpFont>(
        objects, [](IZpFont& f) { return f.IsNameUniform() ? f.GetName() : QStringLiteral("\x01"); },
        FHasFont);
    if (fontName && *fontName != QStringLiteral("\x01"))
        cmbFontName->setCurrentFont(QFont(*fontName));
    else
        cmbFontName->setCurrentIndex(-1);
    const auto fontSize = Common<IZpFont>(
        objects, [](IZpFont& f) { return f.IsSizeUniform() ? f.GetSize() : -1; }, present);
    if (fontSize && *fontSize >= 0)
        spnFontSize->SetValue(*fontSize);
    else
        spnFontSize->SetBlank();
    const auto fontColor = Common<IZpFont>(
        objects, [](IZpFont& f) { return f.IsColorUniform() ? std::optional(f.GetColor()) : std::nullopt; },
        present);
    if (fontColor && *fontColor)
        edtFontColor->SetColor(**fontColor);
    auto bit = [&](uint8_t mask, bool (IZpFont::*uniform)() const) {
        const auto v = Common<IZpFont>(
            objects,
            [&](IZpFont& f) {
                return (f.*uniform)() ? std::optional(bool(f.GetStyle() & mask)) : std::nullopt;
            },
            present);
        return v && *v ? std::optional<bool>(**v) : std::optional<bool>();
    };
    SetCheck(cbBold, bit(1, &IZpFont::IsBoldUniform));
    SetCheck(cbItalic, bit(2, &IZpFont::IsItalicUniform));
    SetCheck(cbUnderline, bit(4, &IZpFont::IsUnderlineUniform));

    SetCheck(cbStretch, Common<IZpGraphic>(
                            objects, [](IZpGraphic& g) { return g.GetStretch(); }, FHasGraphic));
    SetCheck(cbAlternatePrint, Common<IZpGraphic>(
                                   objects, [](IZpGraphic& g) { return g.GetAlternatePrint(); }, present));
    SelectData(cmbRotation, Common<IZpRotation>(
                                objects, [](IZpRotation& r) { return int(r.GetRotation()); }, FHasRotation));
    if (const auto e = Common<IZpEllipse>(
            objects, [](IZpEllipse& e) { return e.GetEllipseSize(); }, FHasEllipse))
        spnEllipse->SetValue(*e);
    else
        spnEllipse->SetBlank();
    cmbSizing->setCurrentIndex(-1);

    SetCheck(cbSkipFirstLeading,
             Common<IZpRVData>(
                 objects, [](IZpRVData& r) { return r.GetSkipFirstLeading(); }, FHasRVData));
    const auto custom = Common<IZpRVData>(
        objects, [](IZpRVData& r) { return r.GetCustomLeading(); }, present);
    SetCheck(cbCustomLeading, custom);
    spnLeading->setEnabled(custom.value_or(true));
    FLeadingLabel->setEnabled(custom.value_or(true));
    if (const auto size = Common<IZpRVData>(
            objects, [](IZpRVData& r) { return r.GetCustomLeadingSize(); }, present))
        spnLeading->SetValue(*size / 10.0);
    else
        spnLeading->SetBlank();

    FHasBarcode = !objects.empty() && std::all_of(objects.begin(), objects.end(), [](const TZpObjectPtr& o) {
        return Supports<IZpBarcode>(o) != nullptr;
    });
    FBarcodeView = objects;
    if (FHasBarcode)
        LoadBarcode(objects);

    FShowSizing = true;
    for (const TZpObjectPtr& o : objects)
        if (Supports<IZpLinear>(o) || Supports<IZpBarcode>(o))
            FShowSizing = false;
    ShowRow(FSizingLabel, FShowSizing);
    ShowRow(FRotationLabel, FHasRotation);
    ShowRow(FEllipseLabel, FHasEllipse);
    FLeadingBox->setVisible(FHasRVData);
    FFillBox->setVisible(FHasFill);
    FLineBox->setVisible(FHasLine);
    FPages->clear();
    FPages->addTab(FGeneralPage, QStringLiteral("Properties"));
    if (FHasFont)
        FPages->addTab(FFontPage, QStringLiteral("Font"));
    if (FHasBarcode)
        FPages->addTab(FBarcodePage, QStringLiteral("Bar Code"));
    if (FHasGraphic)
        FPages->addTab(FPicturePage, QStringLiteral("Picture"));
    BarcodeControlEvent();
    FChanged.clear();
    FLoading = false;
}

QWidget* TfrmPropertyMultipleObject::Page(const QString& title) const {
    for (int i = 0; i < FPages->count(); ++i)
        if (FPages->tabText(i) == title)
            return FPages->widget(i);
    return nullptr;
}

void TfrmPropertyMultipleObject::accept() {
    QDialog::accept();
    ApplyToObjects();
}

void TfrmPropertyMultipleObject::ApplyToObjects() {
    auto changed = [&](const QWidget* control) { return FChanged.contains(control); };
    auto checked = [](const QCheckBox* box) { return box->checkState() == Qt::Checked; };
    // A box the user left grey, a list left without a choice or an emptied
    // field writes nothing.
    auto decided = [&](const QCheckBox* box) {
        return changed(box) && box->checkState() != Qt::PartiallyChecked;
    };
    auto chose = [&](const QComboBox* list) { return changed(list) && list->currentIndex() >= 0; };
    auto typed = [&](const TZpNumberField* field) {
        return changed(field) && !field->text().isEmpty() && field->IsValid();
    };
    for (const TZpObjectPtr& o : FObjects) {
        auto* barcode = FHasBarcode ? Supports<IZpBarcode>(o) : nullptr;
        if (barcode && changed(cmbSymbology))
            ApplySymbology(*barcode);
        if (decided(cbPrintObject))
            o->SetPrintObject(checked(cbPrintObject));
        if (FShowSizing && chose(cmbSizing)) {
            o->SetSizing(uint8_t(cmbSizing->currentIndex()));
            o->SetBounds(o->GetBounds());
        }
        if (auto* fill = FHasFill ? Supports<IZpFillStyle>(o) : nullptr) {
            if (changed(edtFillColor))
                fill->SetColor(edtFillColor->Color());
            if (chose(cmbFillStyle))
                fill->SetStyle(uint8_t(cmbFillStyle->currentData().toInt()));
            if (chose(cmbTransparency))
                fill->SetTransparent(cmbTransparency->currentIndex() == 0);
        }
        if (auto* line = FHasLine ? Supports<IZpLineStyle>(o) : nullptr) {
            if (changed(edtLineColor))
                line->SetColor(edtLineColor->Color());
            if (chose(cmbLineStyle))
                line->SetStyle(uint8_t(cmbLineStyle->currentData().toInt()));
            if (typed(spnLineWidth))
                line->SetWidth(int32_t(std::nearbyint(spnLineWidth->Value() / 72 * LabelDPI())));
        }
        if (auto* graphic = FHasGraphic ? Supports<IZpGraphic>(o) : nullptr) {
            if (decided(cbStretch))
                graphic->SetStretch(checked(cbStretch));
            if (decided(cbAlternatePrint))
                graphic->SetAlternatePrint(checked(cbAlternatePrint));
        }
        if (auto* font = FHasFont ? Supports<IZpFont>(o) : nullptr) {
            if (changed(cmbFontName) && !cmbFontName->currentText().isEmpty())
                font->SetName(cmbFontName->currentText());
            if (typed(spnFontSize) && spnFontSize->isEnabled())
                font->SetSize(spnFontSize->IntValue());
            if (changed(edtFontColor))
                font->SetColor(edtFontColor->Color());
            if (decided(cbBold))
                font->SetBold(checked(cbBold));
            if (decided(cbItalic))
                font->SetItalic(checked(cbItalic));
            if (decided(cbUnderline))
                font->SetUnderline(checked(cbUnderline));
        }
        if (auto* rv = FHasRVData ? Supports<IZpRVData>(o) : nullptr) {
            if (decided(cbSkipFirstLeading))
                rv->SetSkipFirstLeading(checked(cbSkipFirstLeading));
            if (decided(cbCustomLeading))
                rv->SetCustomLeading(checked(cbCustomLeading));
            if (typed(spnLeading))
                rv->SetCustomLeadingSize(Round(spnLeading->Value() * 10));
        }
        if (barcode)
            ApplyBarcode(*barcode);
        if (auto* rotation = FHasRotation ? Supports<IZpRotation>(o) : nullptr)
            if (chose(cmbRotation))
                rotation->SetRotation(cmbRotation->currentData().toInt());
        if (auto* ellipse = FHasEllipse ? Supports<IZpEllipse>(o) : nullptr)
            if (typed(spnEllipse))
                ellipse->SetEllipseSize(float(spnEllipse->Value()));
    }
}

bool RunMultiplePropertySheet(const TZpObjectList& objects, QWidget* parent) {
    TfrmPropertyMultipleObject dialog(parent);
    dialog.LoadFromObjects(objects);
    return dialog.exec() == QDialog::Accepted;
}

} // namespace zp
