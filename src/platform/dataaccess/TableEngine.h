// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/DbEngine.h"

#include <QHash>
#include <QSqlDatabase>
#include <functional>
#include <map>

namespace zp {

/// Base of the file engines (text, dBase, Excel, Access): each table is
/// read in full when a query first needs it. "SELECT * FROM [table]" is
/// answered from the table itself; any other SELECT runs in an in-memory
/// SQLite database into which the tables it names are copied, so that the
/// texts the wizards compose (bracketed names, WHERE, LIKE, ORDER BY) run
/// unchanged. The files are never written.
class TZpTableEngine : public TZpDbEngine {
public:
    struct TTable {
        QString Name;        ///< as listed ("addresses#csv", "Sheet1$")
        QStringList Aliases; ///< other names a query may use ("addresses.csv")
        bool System = false; ///< listed only with the system tables
        std::function<TZpRecordSet()> Load;
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
    /// The in-memory database the queries run in, made on first use.
    [[nodiscard]] QSqlDatabase MemoryDatabase();
    void CopyToSQLite(int table, const QString& sqlName);
    QString FWhat;
    bool FOpen = false;
    QList<TTable> FTables;
    std::map<int, TZpRecordSet> FLoaded;
    QString FMemoryName;          // the in-memory database, once one is needed
    QHash<QString, bool> FCopied; // names already created in it (lower case)
};

/// Raises unless the folder of a text or dBase source exists.
void RequireFolder(const QString& folder);

/// Makes field names usable as column names: empty ones become F<n>,
/// repeated ones get a number.
void MakeFieldNamesUnique(QList<TZpFieldInfo>& fields);

} // namespace zp
