// SPDX-License-Identifier: MIT
// The "Font" page: face, size, colour and style of text and bar code
// objects, and the leading of text objects.
#include "base/Rounding.h"
#include "design/dialogs/FormHelpers.h"
#include "design/dialogs/PropertyPages.h"
#include "model/objects/TextInterfaces.h"

#include <QCheckBox>
#include <QFontComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

namespace zp {

namespace {

constexpr double kLeadingFactor = 1.2; // leading shown while custom leading is off
constexpr double kMaxLeading = 99;

class TFontPage : public TZpPropertyPage {
public:
    explicit TFontPage(TZpSheetContext& context) : TZpPropertyPage(context, QStringLiteral("Font")) {
        auto* column = new QVBoxLayout(this);
        auto* grid = new QGridLayout;
        column->addLayout(grid);
        FName = new QFontComboBox(this);
        FName->setEditable(false);
        AddRow(*grid, QStringLiteral("&Font name"), FName);
        FSize = new TZpNumberField(QStringLiteral("&Size"), 1, 999, 0, QStringLiteral("points"), this);
        FSize->SetSwallowSigns(true);
        AddRow(*grid, QStringLiteral("&Size"), FSize, QStringLiteral("points"));
        FColor = new TZpPropertyColorButton(QStringLiteral("Co&lor"), this);
        AddRow(*grid, QStringLiteral("Co&lor"), FColor);
        FBold = AddCheck(*grid, QStringLiteral("&Bold"));
        FItalic = AddCheck(*grid, QStringLiteral("&Italic"));
        FUnderline = AddCheck(*grid, QStringLiteral("&Underline"));

        FLeadingBox = new QGroupBox(QStringLiteral("Leading"), this);
        auto* leading = new QGridLayout(FLeadingBox);
        FSkipFirst = AddCheck(*leading, QStringLiteral("&Strip leading from first line of text"));
        FCustom = AddCheck(*leading, QStringLiteral("Use &custom leading value"));
        FLeading = new TZpNumberField(QStringLiteral("Lea&ding size"), 1, kMaxLeading, 1,
                                      QStringLiteral("points"), FLeadingBox);
        FLeading->SetSwallowSigns(true);
        FLeadingLabel = AddRow(*leading, QStringLiteral("Lea&ding size"), FLeading, QStringLiteral("points"));
        column->addWidget(FLeadingBox);
        column->addStretch();

        connect(FName, &QFontComboBox::currentFontChanged, this, [this](const QFont& font) {
            if (auto* f = Font(); f && Loaded()) {
                // A face the object refuses (a turned object needs an outline
                // face) keeps the list's choice but not the copy's face.
                f->SetName(font.family());
                RefreshLeading();
                Changed();
            }
        });
        connect(FSize, &TZpNumberField::ValueEdited, this, [this](double size) {
            if (auto* f = Font(); f && Loaded()) {
                f->SetSize(int32_t(size));
                RefreshLeading();
                Changed();
            }
        });
        connect(FColor, &TZpPropertyColorButton::ColorChosen, this, [this](TColor c) {
            if (auto* f = Font(); f && Loaded()) {
                f->SetColor(c);
                Changed();
            }
        });
        auto style = [this](QCheckBox* box, void (IZpFont::*setter)(bool)) {
            connect(box, &QCheckBox::clicked, this, [this, box, setter](bool on) {
                box->setTristate(false);
                box->setChecked(on);
                if (auto* f = Font(); f && Loaded()) {
                    (f->*setter)(on);
                    RefreshLeading();
                    Changed();
                }
            });
        };
        style(FBold, &IZpFont::SetBold);
        style(FItalic, &IZpFont::SetItalic);
        style(FUnderline, &IZpFont::SetUnderline);
        connect(FSkipFirst, &QCheckBox::clicked, this, [this] { WriteLeading(); });
        connect(FCustom, &QCheckBox::clicked, this, [this] {
            RefreshLeading();
            WriteLeading();
        });
        connect(FLeading, &TZpNumberField::ValueEdited, this, [this] { WriteLeading(); });
    }

    void Load() override {
        IZpFont* f = Font();
        if (!f)
            return;
        if (f->IsNameUniform())
            FName->setCurrentFont(QFont(f->GetName()));
        else
            FName->setCurrentIndex(-1);
        if (f->IsSizeUniform())
            FSize->SetValue(f->GetSize());
        else
            FSize->SetBlank();
        FColor->SetColor(f->IsColorUniform() ? f->GetColor() : clBtnFace);
        LoadStyle(FBold, f->IsBoldUniform(), f->GetStyle() & fsBold);
        LoadStyle(FItalic, f->IsItalicUniform(), f->GetStyle() & fsItalic);
        LoadStyle(FUnderline, f->IsUnderlineUniform(), f->GetStyle() & fsUnderline);

        auto* rv = Supports<IZpRVData>(FContext.Copy);
        FLeadingBox->setVisible(rv);
        if (rv) {
            FSkipFirst->setChecked(rv->GetSkipFirstLeading());
            FCustom->setChecked(rv->GetCustomLeading());
            RefreshLeading();
        }
    }

private:
    [[nodiscard]] IZpFont* Font() const { return Supports<IZpFont>(FContext.Copy); }

    static void LoadStyle(QCheckBox* box, bool uniform, bool on) {
        box->setTristate(!uniform);
        box->setCheckState(!uniform ? Qt::PartiallyChecked : on ? Qt::Checked : Qt::Unchecked);
    }

    // The leading field follows the size while custom leading is off, and
    // never goes below two points under the size.
    void RefreshLeading() {
        auto* rv = Supports<IZpRVData>(FContext.Copy);
        IZpFont* f = Font();
        if (!rv || !f)
            return;
        const double size = f->GetSize();
        FLeading->SetRange(std::max(1.0, size - 2), kMaxLeading);
        const bool custom = FCustom->isChecked();
        FLeading->setEnabled(custom);
        FLeadingLabel->setEnabled(custom);
        if (!custom)
            FLeading->SetValue(size * kLeadingFactor);
        else if (!FLoadedLeading)
            FLeading->SetValue(rv->GetCustomLeadingSize() / 10.0);
        FLoadedLeading = true;
    }

    void WriteLeading() {
        auto* rv = Supports<IZpRVData>(FContext.Copy);
        if (!rv || !Loaded())
            return;
        rv->SetSkipFirstLeading(FSkipFirst->isChecked());
        rv->SetCustomLeading(FCustom->isChecked());
        if (FLeading->IsValid())
            rv->SetCustomLeadingSize(Round(FLeading->Value() * 10));
        Changed();
    }

    QFontComboBox* FName;
    TZpNumberField* FSize;
    TZpPropertyColorButton* FColor;
    QCheckBox* FBold;
    QCheckBox* FItalic;
    QCheckBox* FUnderline;
    QGroupBox* FLeadingBox;
    QCheckBox* FSkipFirst;
    QCheckBox* FCustom;
    TZpNumberField* FLeading;
    QLabel* FLeadingLabel;
    bool FLoadedLeading = false;
};

} // namespace

TZpPropertyPage* MakeFontPage(TZpSheetContext& context) {
    return new TFontPage(context);
}

} // namespace zp
