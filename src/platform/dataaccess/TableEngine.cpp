// SPDX-License-Identifier: MIT
#include "platform/dataaccess/TableEngine.h"

#include "base/Errors.h"
#include "platform/dataaccess/SqlEngine.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <sqlite3.h>

namespace zp {

TZpTableEngine::~TZpTableEngine() {
    Close();
}

void TZpTableEngine::Open() {
    if (FOpen) {
        return;
    }
    FTables = ListTables();
    FOpen = true;
}

void TZpTableEngine::Close() {
    FLoaded.clear();
    FCopied.clear();
    FTables.clear();
    if (!FMemoryName.isEmpty()) {
        QSqlDatabase::database(FMemoryName, false).close();
        QSqlDatabase::removeDatabase(FMemoryName);
        FMemoryName.clear();
    }
    FOpen = false;
}

QStringList TZpTableEngine::TableNames(bool systemTables) {
    QStringList names;
    for (const TTable& table : FTables) {
        if (systemTables || !table.System) {
            names.append(table.Name);
        }
    }
    return names;
}

void TZpTableEngine::Execute(const QString& sql) {
    (void)sql;
    throw EZpError(QStringLiteral("%1 is read-only.").arg(FWhat));
}

int TZpTableEngine::FindTable(const QString& name) const {
    for (int i = 0; i < FTables.size(); ++i) {
        if (FTables[i].Name.compare(name, Qt::CaseInsensitive) == 0 ||
            FTables[i].Aliases.contains(name, Qt::CaseInsensitive)) {
            return i;
        }
    }
    return -1;
}

const TZpRecordSet& TZpTableEngine::Records(int table) {
    auto it = FLoaded.find(table);
    if (it == FLoaded.end()) {
        it = FLoaded.emplace(table, FTables[table].Load()).first;
    }
    return it->second;
}

std::unique_ptr<TZpRecordSet> TZpTableEngine::Select(const QString& sql) {
    const QString text = ExpandTableName(sql);
    static const QRegularExpression selectAll(
        QStringLiteral(R"re(^\s*SELECT\s+\*\s+FROM\s+(?:\[([^\]]+)\]|([^\s;\[\]"]+))\s*;?\s*$)re"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch whole = selectAll.match(text);
    if (whole.hasMatch()) {
        const QString name = whole.captured(1).isEmpty() ? whole.captured(2) : whole.captured(1);
        const int table = FindTable(name);
        if (table < 0) {
            throw EZpError(QStringLiteral("%1 has no table \"%2\".").arg(FWhat, name));
        }
        return std::make_unique<TZpRecordSet>(Records(table));
    }
    // Copy every table the text names, under each name it uses for it.
    static const QRegularExpression names(
        QStringLiteral(R"re(\[([^\]]+)\]|"([^"]+)"|([A-Za-z_][\w.#$]*))re"));
    QSet<QString> seen;
    for (auto it = names.globalMatch(text); it.hasNext();) {
        const QRegularExpressionMatch m = it.next();
        QString name = m.captured(1);
        if (name.isEmpty()) {
            name = m.captured(2);
        }
        if (name.isEmpty()) {
            name = m.captured(3);
        }
        if (seen.contains(name.toLower())) {
            continue;
        }
        seen.insert(name.toLower());
        const int table = FindTable(name);
        if (table >= 0) {
            CopyToSQLite(table, name);
        }
    }
    // A text naming no table of the source still runs, so that SQLite tells
    // what is wrong with it (an unknown table, a syntax error).
    QSqlQuery query(MemoryDatabase());
    query.setForwardOnly(true);
    if (!query.exec(text)) {
        throw EZpError(QStringLiteral("%1: %2").arg(FWhat, query.lastError().databaseText()));
    }
    return TZpSqlEngine::ReadAll(query);
}

namespace {

const char* SQLiteType(TZpFieldType type) {
    switch (type) {
    case TZpFieldType::ftInteger:
        return "INTEGER";
    case TZpFieldType::ftFloat:
        return "REAL";
    default:
        return "TEXT";
    }
}

QString Quoted(const QString& name) {
    return u'"' + QString(name).replace(u'"', QStringLiteral("\"\"")) + u'"';
}

} // namespace

QSqlDatabase TZpTableEngine::MemoryDatabase() {
    if (FMemoryName.isEmpty()) {
        const QString name = NewSqlConnectionName();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(QStringLiteral(":memory:"));
        if (!db.open()) {
            const QString failure = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw EZpError(QStringLiteral("%1: %2").arg(FWhat, failure));
        }
        FMemoryName = name;
    }
    return QSqlDatabase::database(FMemoryName, false);
}

void TZpTableEngine::CopyToSQLite(int table, const QString& sqlName) {
    if (FCopied.contains(sqlName.toLower())) {
        return;
    }
    const TZpRecordSet& records = Records(table);
    QSqlDatabase db = MemoryDatabase();
    QStringList columns;
    for (const TZpFieldInfo& field : records.Fields) {
        columns.append(Quoted(field.Name) + u' ' + QLatin1String(SQLiteType(field.Type)));
    }
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(sqlName), columns.join(u',')))) {
        throw EZpError(QStringLiteral("%1: %2").arg(FWhat, create.lastError().databaseText()));
    }
    // Bulk insert straight through SQLite: Qt's bound queries cost several
    // times more per value, which shows on tables of many records.
    sqlite3* handle = *static_cast<sqlite3* const*>(db.driver()->handle().constData());
    const int count = static_cast<int>(records.Fields.size());
    QStringList marks;
    for (int i = 0; i < count; ++i) {
        marks.append(QStringLiteral("?"));
    }
    const QByteArray insert =
        QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(Quoted(sqlName), marks.join(u',')).toUtf8();
    sqlite3_stmt* statement = nullptr;
    if (count > 0 && sqlite3_prepare_v2(handle, insert.constData(), -1, &statement, nullptr) != SQLITE_OK) {
        throw EZpError(QStringLiteral("%1: %2").arg(FWhat, QString::fromUtf8(sqlite3_errmsg(handle))));
    }
    sqlite3_exec(handle, "BEGIN", nullptr, nullptr, nullptr);
    for (const QStringList& row : records.Rows) {
        if (!statement) {
            break;
        }
        for (int i = 0; i < count; ++i) {
            const QString value = i < row.size() ? row[i] : QString();
            if (value.isEmpty()) {
                sqlite3_bind_null(statement, i + 1);
            } else {
                sqlite3_bind_text16(statement, i + 1, value.utf16(), static_cast<int>(value.size() * 2),
                                    SQLITE_TRANSIENT);
            }
        }
        sqlite3_step(statement);
        sqlite3_reset(statement);
    }
    sqlite3_exec(handle, "COMMIT", nullptr, nullptr, nullptr);
    sqlite3_finalize(statement);
    FCopied.insert(sqlName.toLower(), true);
}

void RequireFolder(const QString& folder) {
    const QFileInfo info(folder);
    if (!info.exists()) {
        throw EZpError(QStringLiteral("The folder \"%1\" does not exist.").arg(folder));
    }
    if (!info.isDir()) {
        throw EZpError(QStringLiteral("\"%1\" is a file; the data source must be a folder.").arg(folder));
    }
}

void MakeFieldNamesUnique(QList<TZpFieldInfo>& fields) {
    QSet<QString> used;
    // The next number to try for each repeated name, so that a header of
    // thousands of equal names is not searched from 1 again for each one.
    QHash<QString, int> next;
    for (int i = 0; i < fields.size(); ++i) {
        QString name = fields[i].Name.trimmed();
        if (name.isEmpty()) {
            name = QStringLiteral("F%1").arg(i + 1);
        }
        QString candidate = name;
        if (used.contains(candidate.toLower())) {
            int& n = next[name.toLower()];
            do {
                candidate = QStringLiteral("%1_%2").arg(name).arg(++n);
            } while (used.contains(candidate.toLower()));
        }
        used.insert(candidate.toLower());
        fields[i].Name = candidate;
    }
}

} // namespace zp
