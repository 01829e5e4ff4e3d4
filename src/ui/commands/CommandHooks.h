// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"

#include <QString>
#include <cstdint>
#include <functional>

namespace zp {

/// A change made on the Font, Fill Style or Line Style toolbar, handed to
/// the formatting setters of the selection.
struct TZpStyleEdit {
    enum TKind { FontName, FontSize, FontColor, FontStyle, TextAlignment, FillStyle, LineStyle } Kind;
    QString Name;
    int Value = 0;   ///< size, style bits, alignment, brush or pen style
    bool On = false; ///< font style bit set; fill transparent
    TColor Color = 0;
    int32_t Width = 0; ///< line width in label pixels
};

/// The work of other parts of the program that the window's commands hand
/// over to. Each hook left empty keeps its commands disabled; installing it
/// enables them by their own rules.
struct TZpCommandHooks {
    /// Undo, Redo, Select All, Delete Selected, Clear Guides and Place
    /// Guides by command id, on the editing session.
    std::function<void(const QString& commandId)> SessionCommand;
    /// The design area's tool: 0 the pointer, 1 to 8 the palette's drawing tools.
    std::function<void(int tool)> SetTool;
    /// Cut, copy, paste and paste special by command id ("acCut", "acPaste", ...).
    std::function<void(const QString& commandId)> Clipboard;
    /// Whether the clipboard holds something Paste can take.
    std::function<bool()> CanPaste;
    /// Arrangement and formatting commands by id with the row's tag
    /// ("acAlignLeft", 0), including drawing order, groups, rotate, flip,
    /// text shift and the size commands.
    std::function<void(const QString& commandId, int tag)> Arrange;
    /// A toolbar's style edit on the selection.
    std::function<void(const TZpStyleEdit& edit)> Format;
    /// "Object Properties" on the selection.
    std::function<void()> EditObjectProperties;
    /// "Program Options".
    std::function<void()> ProgramOptions;
    /// The data window "Connect Data".
    std::function<void()> ConnectDatabase;
    /// Create (true) or edit (false) a database, the file chosen by the hook.
    std::function<void(bool create)> EditDatabase;
    /// The find dialog on the label's connections; true when a record was found.
    std::function<bool()> FindRecord;
    /// Imports a text file into the label.
    std::function<void(const QString& fileName)> ImportTextFile;
};

} // namespace zp
