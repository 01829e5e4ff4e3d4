// SPDX-License-Identifier: MIT
#pragma once

namespace zp {

/// The label's named database connections and datasets, moving in lock-step
/// over one record index. (Placeholder until the data connections land.)
class TZpDataConnections {
public:
    /// Closes every connection and dataset.
    void Close() {}
};

} // namespace zp
