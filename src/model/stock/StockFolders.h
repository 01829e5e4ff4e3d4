// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace zp {

/// Where label format files ("*.ldb") and templates ("Templates/*.zp3") lie.
/// Shipped ones are read from the installed share/zentaprint/ (in the build
/// tree, build/share/zentaprint/); the user's own, "Custom.ldb" and saved
/// templates, are read from and written to $XDG_DATA_HOME/zentaprint/.
/// Every folder is returned with a trailing separator.
[[nodiscard]] QString UserStockFolder();
[[nodiscard]] QStringList ShippedStockFolders();
/// For tests: other shipped folders (an empty list restores the default).
void SetShippedStockFolders(const QStringList& folders);

/// The user's custom list: "Custom.ldb" in the user's folder, or a file
/// spelled otherwise (CUSTOM.LDB) when only that exists.
[[nodiscard]] QString CustomLabelFormatFile();
/// Every other label format file, the user's folder first, each folder in
/// name order. A name spelled like "Custom.ldb" is never listed, and a
/// user's file hides a shipped one of the same name.
[[nodiscard]] QStringList LabelFormatFiles();

/// The template names (file names without ".zp3"), sorted without regard to
/// case; a user's template hides a shipped one of the same name.
[[nodiscard]] QStringList TemplateNames();
/// The file of a listed template (the user's first), or the user's file of
/// that name when there is none.
[[nodiscard]] QString TemplateFile(const QString& name);
/// Where a template of that name is saved: the user's "Templates" folder.
[[nodiscard]] QString UserTemplateFile(const QString& name);

} // namespace zp
