// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace zp {

/// The shipped help page of a help context ("qrc:/help/help-<n>.html"); the
/// contents page for 0 or a context without its own page.
[[nodiscard]] QString HelpPageFor(int context);
/// Fetches every help page again from the address (pages named as shipped)
/// into the user's data folder, where they take precedence over the shipped
/// ones; a page that fails to arrive keeps the one there was. Shows a
/// progress window "Updating Help File". Returns how many pages arrived.
int UpdateHelpPages(const QString& baseAddress, QWidget* owner = nullptr);
/// Shows the page in the help window (one window, raised when open).
void ShowHelpTopic(int context, QWidget* owner = nullptr);

} // namespace zp
