// SPDX-License-Identifier: MIT
#pragma once

#include <QIcon>

namespace zp {

/// The icon of a command: the desktop theme's icon of that name when the
/// theme has one, else the shipped SVG (":/icons/<name>.svg"). Shipped icons
/// are drawn in the palette's text colour, so they stay readable on light and
/// dark palettes, and are rendered at the size asked (sharp at any pixel ratio).
[[nodiscard]] QIcon ZpIcon(const QString& name);
/// Whether a shipped SVG exists for the name.
[[nodiscard]] bool HasShippedIcon(const QString& name);

} // namespace zp
