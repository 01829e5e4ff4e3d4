// SPDX-License-Identifier: MIT
#include "settings/LabelFormatSettings.h"

#include "model/layout/LabelProperties.h"
#include "platform/store/SettingsStore.h"

namespace zp {

namespace {

const QString kSection = QStringLiteral("Label Properties");

/// One fractional value of the section with its default.
struct TFloatValue {
    const char* Name;
    float TLabelProperties::*Field;
    double Default;
};

constexpr TFloatValue kFloats[] = {
    {"Page Height", &TLabelProperties::PageHeight, 11},
    {"Page Width", &TLabelProperties::PageWidth, 8.5},
    {"Left Margin", &TLabelProperties::LeftMargin, 0.156},
    {"Top Margin", &TLabelProperties::TopMargin, 0.5},
    {"Width", &TLabelProperties::Width, 4},
    {"Height", &TLabelProperties::Height, 2},
    {"Horizontal Pitch", &TLabelProperties::HorizontalPitch, 4.188},
    {"Vertical Pitch", &TLabelProperties::VerticalPitch, 2},
    {"Ellipse Height", &TLabelProperties::EllipseHeight, 0.375},
    {"Ellipse Width", &TLabelProperties::EllipseWidth, 0.375},
};

} // namespace

void ReadDefaultLabelFormat(const TZpSettingsStore& store, TLabelProperties& l) {
    for (const TFloatValue& v : kFloats)
        l.*v.Field = float(store.ReadFloat(kSection, QLatin1String(v.Name), v.Default));
    l.PageOrientation = store.ReadInteger(kSection, QStringLiteral("Orientation"), 0) == 1 ? 1 : 0;
    const int shape = store.ReadInteger(kSection, QStringLiteral("Label Shape"), lsRoundRect);
    l.LabelShape = uint8_t(shape >= lsRectangle && shape <= lsEllipse ? shape : lsRoundRect);
    l.Columns = store.ReadInteger(kSection, QStringLiteral("Columns"), 2);
    l.Rows = store.ReadInteger(kSection, QStringLiteral("Rows"), 5);
    l.LabelType = store.ReadString(kSection, QStringLiteral("Label Type"), QStringLiteral("Default Label"));
    l.Manufacturer = store.ReadString(kSection, QStringLiteral("Manufacturer"), {});
    l.Category = store.ReadString(kSection, QStringLiteral("Category"), {});
}

void WriteDefaultLabelFormat(TZpSettingsStore& store, const TLabelProperties& l) {
    for (const TFloatValue& v : kFloats)
        store.WriteFloat(kSection, QLatin1String(v.Name), l.*v.Field);
    store.WriteInteger(kSection, QStringLiteral("Orientation"), l.PageOrientation);
    store.WriteInteger(kSection, QStringLiteral("Label Shape"), l.LabelShape);
    store.WriteInteger(kSection, QStringLiteral("Columns"), l.Columns);
    store.WriteInteger(kSection, QStringLiteral("Rows"), l.Rows);
    store.WriteString(kSection, QStringLiteral("Label Type"), l.LabelType);
    store.WriteString(kSection, QStringLiteral("Manufacturer"), l.Manufacturer);
    store.WriteString(kSection, QStringLiteral("Category"), l.Category);
}

} // namespace zp
