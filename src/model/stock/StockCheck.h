// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

class TLabelProperties;

/// Why a stock cannot be used as it stands (no labels, labels that overlap or
/// leave the page), or an empty text when it is sound. Lengths may be off by
/// a few thousandths of an inch, what converting from millimetres leaves.
[[nodiscard]] QString StockProblem(const TLabelProperties& layout);

} // namespace zp
