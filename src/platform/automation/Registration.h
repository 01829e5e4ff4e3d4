// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

namespace zp {

/// The D-Bus name under which the automation server is activated.
inline constexpr const char* kAutomationServiceName = "Zentap3.LabelEngine";

/// The user's D-Bus activation file for the automation server.
[[nodiscard]] QString ActivationFilePath();
/// Writes the activation file so that the session bus starts the program
/// with "-automation" on a client's behalf. Raises EZpFileError on failure.
void RegisterAutomationServer(const QString& executable);
/// Removes the activation file; nothing when there is none.
void UnregisterAutomationServer();

} // namespace zp
