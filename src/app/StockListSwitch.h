// SPDX-License-Identifier: MIT
#pragma once

#include <optional>

namespace zp {

/// "--convert-stock-list=FILE.csv": converts a stock list into label format
/// files in the user's stock folder without starting the program proper (the
/// build runs it with XDG_DATA_HOME pointing into the build tree). Returns the
/// exit code when the switch was given, none otherwise.
[[nodiscard]] std::optional<int> RunStockListSwitch(int argc, char** argv);

} // namespace zp
