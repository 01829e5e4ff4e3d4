// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>

namespace zp::test {

/// Empties the user's settings store (a temporary one in tests).
void ClearStore();

/// Bytes from a string of hex pairs, spaces ignored: "02 64" -> {0x02, 0x64}.
[[nodiscard]] QByteArray Hex(const char* text);
/// Hex pairs separated by spaces, for readable failure messages.
[[nodiscard]] QString ToHex(const QByteArray& bytes);

/// A file of tests/data.
[[nodiscard]] QString TestDataPath(const QString& name);

} // namespace zp::test
