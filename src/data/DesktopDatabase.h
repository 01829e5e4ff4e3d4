// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QSqlDatabase>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>

namespace zp {

/// Data types of a column being designed.
enum TZpDatabaseFieldType : uint8_t { dtText = 0, dtDate = 1, dtFloat = 2, dtLogical = 3, dtInteger = 4 };

/// One column as the table design dialogs show it.
struct TZpDatabaseField {
    QString Name;
    uint8_t DataType = dtText;
    int Size = 50; ///< Text: 1-255 characters; Float: precision 6-20; else unused
    friend bool operator==(const TZpDatabaseField&, const TZpDatabaseField&) = default;
};

[[nodiscard]] const QStringList& DatabaseFieldTypeNames();
/// "[Name] VARCHAR(10)", "[Price] NUMERIC(8,2)"...
[[nodiscard]] QString ColumnDefinition(const TZpDatabaseField& field);
/// The statement a new table is made with, one item per line: the table,
/// an automatic record number as primary key, the columns.
[[nodiscard]] QString CreateTableSql(const QString& table, const QList<TZpDatabaseField>& fields);
/// Where "Export" writes with the XML filter: the name with ".xml".
[[nodiscard]] QString ForceXmlExtension(const QString& path);

/// A desktop database (an SQLite file) opened for upkeep: its tables made,
/// changed and deleted, comma-separated files imported, tables exported and
/// searched. Each change runs in one transaction, so a failure leaves the
/// file as it was. Every failure raises EZpError naming the file.
class TZpDesktopDatabase {
public:
    /// Opens an existing SQLite file; raises when it is missing, is no
    /// SQLite database (an Access file says it can only be read) or cannot
    /// be opened.
    explicit TZpDesktopDatabase(const QString& path);
    ~TZpDesktopDatabase();
    TZpDesktopDatabase(const TZpDesktopDatabase&) = delete;
    TZpDesktopDatabase& operator=(const TZpDesktopDatabase&) = delete;

    [[nodiscard]] const QString& Path() const { return FPath; }
    [[nodiscard]] QSqlDatabase Database() const;
    /// The string a label connects to this file with.
    [[nodiscard]] QString ConnectionString() const;
    /// The file cannot be written.
    [[nodiscard]] bool ReadOnly() const;

    /// User tables in name order (SQLite's own excluded).
    [[nodiscard]] QStringList Tables() const;
    /// The columns as the design dialogs show them.
    [[nodiscard]] QList<TZpDatabaseField> Columns(const QString& table) const;
    /// The table's automatic record number, empty when it has none.
    [[nodiscard]] QString AutoNumberColumn(const QString& table) const;

    void CreateTable(const QString& table, const QList<TZpDatabaseField>& fields);
    /// Columns matched by name (without case) are kept as they are; table
    /// columns missing from the list are dropped, list entries missing from
    /// the table added. Returns the statements run (none for an unchanged list).
    QStringList ModifyTable(const QString& table, const QList<TZpDatabaseField>& fields);
    void DeleteTable(const QString& table);

    /// Progress of an import: record done, records in all.
    using TProgress = std::function<void(int done, int total)>;
    /// Imports a comma-separated file as a new table named after the file;
    /// with header the first record names the columns (else F1, F2...).
    /// Columns are text as wide as their longest value. Returns the table name.
    QString ImportCsv(const QString& csvPath, bool header, const TProgress& progress = {});

    /// Writes the table as comma-separated text (names first), or, for a
    /// path ending in ".xml", as an XML rowset. orderBy is "" or an ORDER BY clause.
    void ExportTable(const QString& table, const QString& path, const QString& orderBy = {});

    /// Position (from 0) in the order orderBy gives of the first record whose
    /// field matches: ignoring case unless caseSensitive, a match at the start
    /// of the field unless exact. -1 when none matches.
    [[nodiscard]] int FindRow(const QString& table, const QString& field, const QString& value,
                              bool caseSensitive, bool exact, const QString& orderBy = {}) const;

    /// Runs statements in one transaction; raises (all undone) on the first failure.
    void ExecuteAll(const QStringList& statements);

private:
    [[noreturn]] void Fail(const QString& what) const;
    void ExportCsv(const QString& table, const QString& path, const QString& orderBy);
    void ExportXml(const QString& table, const QString& path, const QString& orderBy);
    QString FPath;
    QString FName;
};

/// "[name]" for SQLite; raises for a name that brackets cannot hold.
[[nodiscard]] QString Bracketed(const QString& name);

} // namespace zp
