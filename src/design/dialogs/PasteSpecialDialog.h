// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/Clipboard.h"

#include <QDialog>
#include <optional>

class QListWidget;
class QMimeData;

namespace zp {

/// "Paste Special": how to paste what the clipboard offers.
class TfrmDialogPasteSpecial : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDialogPasteSpecial(const QMimeData& mime, QWidget* parent = nullptr);
    /// The chosen kind, or none while nothing is selected.
    [[nodiscard]] std::optional<TZpPasteKind> Choice() const;

    QListWidget* lstFormats;

private:
    void UpdateOk();
    std::vector<TZpPasteChoice> FChoices;
    QWidget* FOk = nullptr;
};

} // namespace zp
