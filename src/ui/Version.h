// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

/// "Version %d.%d%d (Build %d)" filled with the program's file version.
[[nodiscard]] QString ProgramVersionLine();
/// The vendor's line of the splash window and about box (may be empty).
[[nodiscard]] QString VendorAboutMessage();

} // namespace zp
