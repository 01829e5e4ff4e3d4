// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/ConnectionString.h"

#include <QString>
#include <QStringList>
#include <memory>

namespace zp {

class TZpDbEngine;
struct TZpRecordSet;

/// A database connection made from a connection string of the classic
/// provider form ("Provider=...;Data Source=...;Extended Properties=...").
/// The provider and its properties choose the engine behind it: SQLite
/// files, Access files, text, dBase and Excel folders or files, PostgreSQL
/// or ODBC. Every failure raises EZpError with the engine's message.
class TZpConnection {
public:
    explicit TZpConnection(const QString& connectionString = {});
    ~TZpConnection();
    TZpConnection(const TZpConnection&) = delete;
    TZpConnection& operator=(const TZpConnection&) = delete;

    [[nodiscard]] const QString& ConnectionString() const { return FConnectionString; }
    /// Takes effect at the next Open; an open connection is closed first.
    void SetConnectionString(const QString& text);

    /// Read-only mode, as the label's connections ask; a read-only
    /// connection never changes its files.
    bool ReadOnly = false;
    /// The folder a relative file or folder "Data Source" is taken from
    /// (the label's); empty for the working folder.
    QString BaseFolder;

    void Open();
    void Close();
    [[nodiscard]] bool Connected() const;

    /// Table names in the engine's order; system tables only when asked.
    [[nodiscard]] QStringList TableNames(bool systemTables) const;
    /// Runs a statement that returns no records (CREATE, ALTER, DROP...).
    void Execute(const QString& sql);

    /// The provider as written in the connection string ("Microsoft.Jet.OLEDB.4.0").
    [[nodiscard]] QString Provider() const { return FParsed.Provider(); }
    /// A property of the connection string ("Extended Properties", "Data
    /// Source", "User ID", "Password"); empty when absent.
    [[nodiscard]] QString Property(const QString& name) const { return FParsed.Value(name); }

    /// Runs a SELECT (or a bracketed table name) and reads every record.
    [[nodiscard]] std::unique_ptr<TZpRecordSet> Select(const QString& sql) const;

private:
    void Require() const;
    QString FConnectionString;
    TZpConnectionString FParsed;
    std::unique_ptr<TZpDbEngine> FEngine;
};

/// Makes an empty desktop database file (an SQLite database), replacing
/// nothing: fails when the file cannot be created.
void CreateDesktopDatabase(const QString& connectionString);

} // namespace zp
