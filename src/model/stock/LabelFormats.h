// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelProperties.h"

#include <QString>
#include <vector>

class QIODevice;

namespace zp {

/// One stock format of the catalogue, listed under its display text.
struct TZpLabelFormat {
    QString DisplayText;
    TLabelProperties Layout;
};

/// The formats of one category, sorted by display text without regard to
/// case; equal texts are all kept, in the order they were added.
struct TZpLabelCategory {
    QString Name;
    std::vector<TZpLabelFormat> Formats;

    /// Adds the format at its sorted place; returns that index.
    int Add(const TLabelProperties& layout);
};

/// One manufacturer: its categories sorted by name without regard to case.
struct TZpLabelManufacturer {
    QString Name;
    std::vector<TZpLabelCategory> Categories;

    /// The category of that name (without regard to case), added at its
    /// sorted place when there is none yet.
    TZpLabelCategory& CategoryFor(const QString& name);
    /// Adds the format to the category its Category names.
    void Add(const TLabelProperties& layout) { CategoryFor(layout.Category).Add(layout); }
    [[nodiscard]] int FormatCount() const;
};

/// The manufacturers in load order.
using TZpLabelCatalogue = std::vector<TZpLabelManufacturer>;

/// "Product (width x height)", both numbers with two decimals in the locale's
/// notation (without group separators): "A-100 (2.60 x 1.00)".
[[nodiscard]] QString LabelFormatDisplayText(const TLabelProperties& layout);
/// A length with two decimals in the locale's notation.
[[nodiscard]] QString FormatInches(double value);

/// Reads a label format file (a list of layout blocks) and appends one
/// manufacturer named after the file. Raises EZpError naming the file with
/// the reader's message; on failure nothing is appended.
bool LoadLabelFormatFile(const QString& path, TZpLabelCatalogue& manufacturers);
/// Reads the layout blocks of a label format file from a device into the
/// manufacturer (raises the reader's EZpReadError).
void ReadLabelFormats(QIODevice& device, TZpLabelManufacturer& manufacturer);

/// Writes the categories' formats in list order as a label format file. The
/// file is replaced only when the whole list was written.
bool SaveLabelFormatFile(const QString& path, const std::vector<TZpLabelCategory>& categories);
void WriteLabelFormats(QIODevice& device, const std::vector<TZpLabelCategory>& categories);

/// Empties the catalogue.
void FreeLabelFormats(TZpLabelCatalogue& manufacturers);

} // namespace zp
