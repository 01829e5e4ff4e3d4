// SPDX-License-Identifier: MIT
#pragma once

#include <QFont>
#include <QString>

namespace zp {

struct TZpTextStyle;

/// The family that draws a face: the face itself when installed, else what
/// fontconfig substitutes (the metric-compatible faces for the common
/// Windows faces). A face with no substitute falls back to the default sans
/// face, which is logged once per name and is never an error.
[[nodiscard]] QString ResolveFace(const QString& name);

/// The default sans family, what a face that is not installed falls back to.
[[nodiscard]] QString DefaultSansFamily();
/// Whether a face is installed or has a substitute of its own (not merely the
/// default sans face).
[[nodiscard]] bool IsFaceAvailable(const QString& name);

/// The font of a text style at dpi label pixels per inch: sized in label
/// pixels, hinting off, outlines only, so that its metrics and advances do
/// not depend on the device it is drawn on.
[[nodiscard]] QFont LabelFont(const TZpTextStyle& style, int dpi);

/// Pixel height of the em for a size in points at dpi (at least 1).
[[nodiscard]] int LabelFontPixels(int32_t points, int dpi);

} // namespace zp
