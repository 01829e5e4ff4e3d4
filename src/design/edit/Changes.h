// SPDX-License-Identifier: MIT
#pragma once

#include <QFlags>

namespace zp {

/// What an editing operation or an undo step changed; observers repaint,
/// recompute command states or update the status bar from these.
enum class TZpChange : unsigned {
    ObjectsAdded = 0x01,
    ObjectsRemoved = 0x02,
    /// Bounds, styles, text or any other state of existing objects.
    ObjectsChanged = 0x04,
    Selection = 0x08,
    /// The label layout (stock) or the environment's view settings.
    Layout = 0x10,
    Guides = 0x20,
    /// The modified flag or the file name.
    Modified = 0x40,
    /// The undo or redo list (what Undo and Redo would do).
    History = 0x80,
    /// The selection's bounds while the mouse drags them: only the outlines
    /// follow; the label is drawn again when the drag ends or is cancelled.
    Dragging = 0x100,
};
Q_DECLARE_FLAGS(TZpChanges, TZpChange)
Q_DECLARE_OPERATORS_FOR_FLAGS(TZpChanges)

/// Everything: a new or loaded label.
inline constexpr TZpChanges kAllChanges = TZpChanges::fromInt(0xff);

} // namespace zp
