// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>
#include <functional>

class QPrintDialog;
class QPrinter;
class QWidget;

namespace zp {

class TZpPrinter;

enum TPrintDialogOption : uint8_t {
    poPrintToFile = 0x01,
    poPageNums = 0x02,
    poSelection = 0x04,
    poWarning = 0x08,
    poHelp = 0x10,
    poDisablePrintToFile = 0x20,
};

enum TPrintRange : uint8_t { prAllPages, prSelection, prPageNums };

/// The system print dialog bound to the printer: on confirmation the chosen
/// printer and its settings are current and the fields hold the choices.
/// Qt's "print to file" entry is the built-in "PDF" device and is always
/// offered; PrintToFile tells whether it was chosen.
class TZpPrintDialog {
public:
    explicit TZpPrintDialog(TZpPrinter& printer);

    bool Collate = false;
    /// Copies asked for; 0 leaves the printer's own setting in the dialog.
    int Copies = 0;
    int FromPage = 0;
    int ToPage = 0;
    int MinPage = 0;
    int MaxPage = 0;
    uint8_t Options = 0; ///< TPrintDialogOption bits
    TPrintRange PrintRange = prAllPages;
    bool PrintToFile = false;

    /// Shows the dialog over owner; true when the user confirmed.
    [[nodiscard]] bool Execute(QWidget* owner = nullptr);

    /// How the dialog is shown and answered (QDialog's result); tests answer
    /// it without a person. The default centres it and runs it modally.
    std::function<int(QPrintDialog&, QPrinter&)> Runner;

private:
    TZpPrinter& FPrinter;
};

/// Moves a dialog, without resizing it, to the middle of the owner's monitor
/// horizontally, a third of the free height down.
void PlaceDialog(QWidget& dialog, QWidget* owner);

} // namespace zp
