// SPDX-License-Identifier: MIT
#include "model/layout/LabelProperties.h"

#include "base/ValueStream.h"

#include <utility>

namespace zp {

void TLabelProperties::AssignTo(TLabelProperties& dest) const {
    const bool reserved = dest.ReservedFlag;
    dest = *this;
    dest.ReservedFlag = reserved;
}

void TLabelProperties::SwapOrientation() {
    PageOrientation = PageOrientation == 0 ? 1 : 0;
    std::swap(PageWidth, PageHeight);
    std::swap(Columns, Rows);
    std::swap(LeftMargin, TopMargin);
    std::swap(Width, Height);
    std::swap(HorizontalPitch, VerticalPitch);
    std::swap(EllipseWidth, EllipseHeight);
}

void TLabelProperties::SetDesignDefaults() {
    Width = 3.0f;
    Height = 2.0f;
    LabelShape = lsRoundRect;
    EllipseWidth = 1.0f;
    EllipseHeight = 1.0f;
    Columns = 2;
    Rows = 4;
}

void TLabelProperties::ReadBlock(TZpReader& r) {
    Manufacturer = r.ReadString();
    Category = r.ReadString();
    LabelType = r.ReadString();
    Product = r.ReadString();
    PageOrientation = uint8_t(r.ReadInteger());
    PageType = r.ReadString();
    PageWidth = float(r.ReadFloat());
    PageHeight = float(r.ReadFloat());
    Columns = r.ReadInteger();
    Rows = r.ReadInteger();
    LeftMargin = float(r.ReadFloat());
    TopMargin = float(r.ReadFloat());
    Width = float(r.ReadFloat());
    Height = float(r.ReadFloat());
    HorizontalPitch = float(r.ReadFloat());
    VerticalPitch = float(r.ReadFloat());
    LabelShape = uint8_t(r.ReadInteger());
    EllipseWidth = float(r.ReadFloat());
    EllipseHeight = float(r.ReadFloat());
    MinisheetMargin = float(r.ReadFloat());
    LabelsPerMiniSheet = r.ReadInteger();
}

void TLabelProperties::WriteBlock(TZpWriter& w) const {
    w.WriteString(Manufacturer);
    w.WriteString(Category);
    w.WriteString(LabelType);
    w.WriteString(Product);
    w.WriteInteger(PageOrientation);
    w.WriteString(PageType);
    w.WriteFloat(PageWidth);
    w.WriteFloat(PageHeight);
    w.WriteInteger(Columns);
    w.WriteInteger(Rows);
    w.WriteFloat(LeftMargin);
    w.WriteFloat(TopMargin);
    w.WriteFloat(Width);
    w.WriteFloat(Height);
    w.WriteFloat(HorizontalPitch);
    w.WriteFloat(VerticalPitch);
    w.WriteInteger(LabelShape);
    w.WriteFloat(EllipseWidth);
    w.WriteFloat(EllipseHeight);
    w.WriteFloat(MinisheetMargin);
    w.WriteInteger(LabelsPerMiniSheet);
}

} // namespace zp
