// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/Clipboard.h"

#include <QObject>

namespace zp {

class TZpDesignArea;
struct TZpCommandHooks;

/// Cut, Copy, Paste and Paste Special of a design area on the system
/// clipboard. While a widget inside the area has the focus (an object edited
/// in place), the commands go to that widget instead.
class TZpClipboardCommands : public QObject {
    Q_OBJECT
public:
    explicit TZpClipboardCommands(TZpDesignArea& area);

    [[nodiscard]] TZpClipboard& Clipboard() { return FClipboard; }
    /// The window's Clipboard and CanPaste hooks call this object.
    void Install(TZpCommandHooks& hooks);

    /// "acCut", "acCopy", "acPaste" or "acPasteSpecial"; raises the paste's errors.
    void Run(const QString& commandId);
    [[nodiscard]] bool CanPaste() const;

    void Cut();
    void Copy();
    void Paste();
    void PasteSpecial();

    /// Where pasted objects must stay visible in the area.
    [[nodiscard]] TZpPasteView PasteView() const;

private:
    /// The object edited in place, or else the focused editor below the area,
    /// runs the command (slot "cut", "copy" or "paste"); false when neither is.
    bool ToEditor(const char* slot);

    TZpDesignArea& FArea;
    TZpClipboard FClipboard;
};

} // namespace zp
