// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace zp {

/// Writes bytes to fileName so that, whatever happens to the process, the
/// file holds either its old contents or all of the new ones. The new
/// contents are written to an unnamed file in the same folder and flushed to
/// disk before they take the file's name. Replacing an existing file passes
/// through the hidden name TemporarySaveName(fileName); a process killed in
/// that moment leaves the complete new contents there, and the next save of
/// the same file removes them. Throws EZpFileError naming the file.
void SaveFileAtomically(const QString& fileName, const QByteArray& bytes);

/// ".<name>.zp-save" beside the file: the one name a save passes through.
[[nodiscard]] QString TemporarySaveName(const QString& fileName);

} // namespace zp
