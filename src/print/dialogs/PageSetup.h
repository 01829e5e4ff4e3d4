// SPDX-License-Identifier: MIT
#pragma once

#include <functional>

class QPageSetupDialog;
class QPrinter;
class QWidget;

namespace zp {

class TZpPrinter;

/// How the page-setup dialog is shown and answered (QDialog's result); empty
/// runs it modally. Tests answer it without a person.
using TPageSetupRunner = std::function<int(QPageSetupDialog&, QPrinter&)>;

/// The system page-setup dialog over owner for the printer's current device:
/// true when confirmed, and the chosen printer, paper and orientation are then
/// current. Margins are not taken from it: labels place themselves.
[[nodiscard]] bool ShowPageSetup(TZpPrinter& printer, QWidget* owner, const TPageSetupRunner& runner = {});
/// The same for the process's printer.
[[nodiscard]] bool ShowPageSetup(QWidget* owner);

} // namespace zp
