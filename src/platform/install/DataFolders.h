// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace zp {

/// The folders that may hold the program's shipped data (stock catalogues,
/// templates, help pages, the sample label), best first: share/zentaprint
/// beside the program's own folder (bin/../share/zentaprint, which is also
/// the build tree's layout), then zentaprint/ in each system data folder
/// ($XDG_DATA_DIRS, by default /usr/local/share and /usr/share). Never a
/// path fixed when the program was built, so a moved or packaged program
/// finds its data.
[[nodiscard]] QStringList SharedDataCandidates();

/// The first candidate that exists, without a trailing separator; the one
/// beside the program when none does.
[[nodiscard]] QString SharedDataFolder();

/// A file of the shipped data ("sample/product-label.zp3") in the shared
/// data folder, or empty when it is not there.
[[nodiscard]] QString SharedDataFile(const QString& relative);

} // namespace zp
