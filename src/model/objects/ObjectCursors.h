// SPDX-License-Identifier: MIT
#pragma once

#include <QCursor>

namespace zp {

/// Loads the nine placement cursors of the label object classes from the
/// program's resources and registers them under 2000 to 2008. Needs the GUI
/// application object.
void RegisterObjectCursors();

/// A registered cursor by number; the standard drag cursor for -12 and for
/// numbers nobody registered.
[[nodiscard]] QCursor ObjectCursor(int id);

/// The resource name of a cursor number ("CRS_TEXT" for 2000), empty when none.
[[nodiscard]] const char* ObjectCursorResource(int id);

} // namespace zp
