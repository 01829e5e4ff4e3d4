// SPDX-License-Identifier: MIT
#pragma once

#include <QString>

class QWidget;

namespace zp {

class TZpDataConnections;
class TZpLabelDocument;

// What the main window opens from its Data menu and the data window from
// its commands. The wizards and dialogs are modal; the data window floats.

/// "Data Connection Wizard": true when a connection was added to the label.
bool RunConnectionWizard(QWidget* parent, TZpDataConnections& connections);
/// The same wizard on an existing connection, opened on its type page.
bool EditConnection(QWidget* parent, TZpDataConnections& connections, const QString& connectionName);

/// "Data Wizard": true when a dataset was added; raises "Invalid connection
/// \"%s\"!" for an unknown connection.
bool RunDatasetWizard(QWidget* parent, TZpDataConnections& connections, const QString& connectionName);
/// The same wizard on a dataset's SQL; finishing replaces it.
bool EditDataset(QWidget* parent, TZpDataConnections& connections, const QString& datasetName,
                 const QString& connectionName);

/// Shows the label's data window "Connect Data", creating it on first use.
QWidget* ShowFieldChooser(QWidget* parent, TZpDataConnections& connections);
/// Rebuilds the data window after the connections changed (nothing when it is closed).
void RefreshFieldChooser(TZpDataConnections& connections);
/// Closes the data window of these connections (when they go away).
void CloseFieldChooser(TZpDataConnections& connections);

/// "Create &new database": asks for a new file, makes an empty database and
/// opens "Edit Database" on it. True when a database was made.
bool CreateDatabase(QWidget* parent, TZpLabelDocument& document);
/// "&Edit database": asks for an existing file and opens "Edit Database" on
/// it; afterwards the label's connections are opened again and its values refreshed.
bool EditDatabase(QWidget* parent, TZpLabelDocument& document);
/// The "Edit Database" window on a given file.
void EditDatabaseFile(QWidget* parent, const QString& path, TZpLabelDocument& document);

/// "Find Database Record" (F3): true when a record was found; the label's
/// values are refreshed then.
bool FindRecord(QWidget* parent, TZpLabelDocument& document);

} // namespace zp
