// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QString>
#include <cstdint>

namespace zp {

class TZpReader;
class TZpWriter;

enum TZpLabelShape : uint8_t { lsRectangle = 0, lsRoundRect = 1, lsEllipse = 2 };

/// The label stock: the page, the grid of labels on it, their size and shape,
/// and whose product it is. Lengths are inches in single precision. A new
/// one is all zero.
class TLabelProperties {
public:
    QString Manufacturer;
    QString Category;
    QString LabelType;
    QString Product;
    uint8_t PageOrientation = 0; ///< 0 portrait, 1 landscape
    QString PageType;
    float PageWidth = 0, PageHeight = 0;
    int32_t Columns = 0, Rows = 0;
    float LeftMargin = 0, TopMargin = 0;
    float Width = 0, Height = 0;
    float HorizontalPitch = 0, VerticalPitch = 0;
    uint8_t LabelShape = lsRectangle;
    float EllipseWidth = 0, EllipseHeight = 0;
    float MinisheetMargin = 0;
    int32_t LabelsPerMiniSheet = 0;
    /// Stored in label files; nothing reads it.
    bool ReservedFlag = false;

    /// Copies every field but ReservedFlag.
    void AssignTo(TLabelProperties& dest) const;
    /// Re-expresses the layout for the other page orientation.
    void SwapOrientation();
    [[nodiscard]] int32_t LabelsPerPage() const { return Columns * Rows; }
    /// Top-left corner of the label in column and row (from 1), inches from
    /// the page's top-left corner.
    [[nodiscard]] double LabelLeft(int column) const {
        return LeftMargin + (column - 1) * double(HorizontalPitch);
    }
    [[nodiscard]] double LabelTop(int row) const { return TopMargin + (row - 1) * double(VerticalPitch); }

    /// The layout properties block of label and label format files.
    void ReadBlock(TZpReader& reader);
    void WriteBlock(TZpWriter& writer) const;

    /// The design area's starting layout for a new label.
    void SetDesignDefaults();
};

} // namespace zp
