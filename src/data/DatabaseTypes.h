// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>

namespace zp {

/// Which settings a database type asks for in the connection wizard.
enum class TZpDbPanel { Directory, File, Server, Other };

/// What this system does with a database type.
enum class TZpDbSupport { Works, ReadOnly, NotAvailable };

/// One entry of the connection wizard's type list.
struct TZpDatabaseType {
    QString Name;
    TZpDbPanel Panel;
    QString Filter; ///< file chooser filter of File types, Qt form
    TZpDbSupport Support;
    QString Note; ///< said in the wizard when the type is chosen; empty when it just works
};

/// The wizard's types in list order: the classic 24 (kept because stored
/// labels name them), then the types this system adds before
/// "Other (Advanced)".
[[nodiscard]] const QList<TZpDatabaseType>& DatabaseTypes();
/// Position of a type by its name, -1 when unknown.
[[nodiscard]] int IndexOfDatabaseType(const QString& name);

/// What the wizard's panels hold for one connection.
struct TZpConnectionSettings {
    QString Type;       ///< a name of DatabaseTypes()
    QString Source;     ///< folder or file
    bool Header = true; ///< Text: the first row holds the field names
    QString Server;
    QString Database;
    QString Login;
    QString Password;
    QString Advanced; ///< "Other (Advanced)": the whole string
};

/// The connection string the wizard builds for the settings; raises for an
/// unknown type.
[[nodiscard]] QString ComposeConnectionString(const TZpConnectionSettings& settings);

/// The settings read back from a stored connection string, for editing a
/// connection; strings no type makes come back as "Other (Advanced)".
[[nodiscard]] TZpConnectionSettings ReadConnectionSettings(const QString& connectionString);

} // namespace zp
