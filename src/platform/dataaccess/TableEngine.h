// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/DbEngine.h"

#include <QHash>
#include <QSqlDatabase>
#include <functional>
#include <map>
#include <memory>

namespace zp {

class TZpCopyFile;

/// Receives a table's records one by one as a source reads them.
class IZpRecordSink {
public:
    virtual ~IZpRecordSink() = default;
    /// Once, before the first record.
    virtual void SetFields(const QList<TZpFieldInfo>& fields) = 0;
    virtual void Add(const QStringList& row) = 0;
};

/// Base of the file engines (text, dBase, Excel, Access): each table is
/// read when a query first needs it and copied into a temporary SQLite file
/// of the connection (removed when the connection closes and no record set
/// read from it is left), so that a table of a million records does not sit
/// in memory. "SELECT * FROM [table]" reads the records back from that copy
/// as the cursor comes to them; any other SELECT runs in the same file, into
/// which the tables it names are copied with their field types, so that the
/// texts the wizards compose (bracketed names, WHERE, LIKE, ORDER BY) run
/// unchanged. The source files are never written.
class TZpTableEngine : public TZpDbEngine {
public:
    struct TTable {
        QString Name;        ///< as listed ("addresses#csv", "Sheet1$")
        QStringList Aliases; ///< other names a query may use ("addresses.csv")
        bool System = false; ///< listed only with the system tables
        std::function<TZpRecordSet()> Load;
        /// Instead of Load, for sources that may be too large to hold: hands
        /// the records over one by one as it reads them.
        std::function<void(IZpRecordSink&)> Stream = {};
    };

    explicit TZpTableEngine(QString what) : FWhat(std::move(what)) {}
    ~TZpTableEngine() override;

    void Open() override;
    void Close() override;
    [[nodiscard]] bool Connected() const override { return FOpen; }
    [[nodiscard]] QStringList TableNames(bool systemTables) override;
    void Execute(const QString& sql) override;
    [[nodiscard]] std::unique_ptr<TZpRecordSet> Select(const QString& sql) override;

protected:
    /// The tables of the source, in listing order; raises when the source is missing.
    [[nodiscard]] virtual QList<TTable> ListTables() = 0;

private:
    [[nodiscard]] int FindTable(const QString& name) const;
    [[nodiscard]] const TZpRecordSet& Records(int table);
    /// The connection to the copy the queries run in, made on first use.
    [[nodiscard]] QSqlDatabase CopyDatabase();
    void CopyToSQLite(int table, const QString& sqlName);
    QString FWhat;
    bool FOpen = false;
    QList<TTable> FTables;
    std::map<int, TZpRecordSet> FLoaded; // the fields, the records in the copy
    std::shared_ptr<TZpCopyFile> FCopy;
    QString FCopyName;            // the connection to it, once one is needed
    QHash<QString, bool> FCopied; // names already created in it (lower case)
};

/// Raises unless the folder of a text or dBase source exists.
void RequireFolder(const QString& folder);

/// Makes field names usable as column names: empty ones become F<n>,
/// repeated ones get a number.
void MakeFieldNamesUnique(QList<TZpFieldInfo>& fields);

} // namespace zp
