// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/EditSession.h"

namespace zp {

/// A picture object at its natural size (the image's own resolution, or
/// 96 pixels per inch when it states none) with its top-left corner at
/// labelPoint, added with "Add Object" and selected. Raises, adding nothing,
/// when the file is not a picture that loads.
TZpObjectPtr AddDroppedPicture(TZpEditSession& session, const QString& fileName, TPoint labelPoint);

/// A text object of the default size holding text as its static text, at
/// labelPoint, added and selected. Nothing for empty text.
TZpObjectPtr AddDroppedText(TZpEditSession& session, const QString& text, TPoint labelPoint);

} // namespace zp
