// SPDX-License-Identifier: MIT
#include "platform/dataaccess/TableEngine.h"

#include "base/Errors.h"
#include "platform/dataaccess/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryFile>
#include <sqlite3.h>
#include <vector>

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
    if (!FCopyName.isEmpty()) {
        QSqlDatabase::database(FCopyName, false).close();
        QSqlDatabase::removeDatabase(FCopyName);
        FCopyName.clear();
    }
    FCopy.reset();
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
    QSqlQuery query(CopyDatabase());
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

// The copy's file: one per connection. The file goes with the last user,
// which may be a record set read before the connection closed.
class TZpCopyFile {
public:
    explicit TZpCopyFile(const QString& what)
        : FFile(QDir(QDir::tempPath()).filePath(QStringLiteral("zentaprint-XXXXXX.sqlite"))) {
        // The records are read back through a connection of their own, so that
        // record sets may outlive the engine's connection.
        if (!FFile.open() ||
            sqlite3_open_v2(QFile::encodeName(FFile.fileName()).constData(), &FReader,
                            SQLITE_OPEN_READONLY | SQLITE_OPEN_NOMUTEX, nullptr) != SQLITE_OK) {
            const QString failure =
                FReader ? QString::fromUtf8(sqlite3_errmsg(FReader)) : FFile.errorString();
            sqlite3_close(FReader);
            throw EZpError(
                QStringLiteral("%1 could not be copied to a temporary file: %2").arg(what, failure));
        }
    }
    ~TZpCopyFile() { sqlite3_close_v2(FReader); }
    TZpCopyFile(const TZpCopyFile&) = delete;
    TZpCopyFile& operator=(const TZpCopyFile&) = delete;

    [[nodiscard]] QString Path() const { return FFile.fileName(); }
    [[nodiscard]] sqlite3* Reader() const { return FReader; }

private:
    QTemporaryFile FFile;
    sqlite3* FReader = nullptr;
};

namespace {

// A table's records in the copy, read by position, a block of records at a
// time: a cursor asks for the fields of one record one after another, and a
// run walks the records in order, where a read of its own for every record
// would take and give back the file's lock each time.
class TCopiedRecords final : public IZpStoredRecords {
public:
    TCopiedRecords(std::shared_ptr<TZpCopyFile> file, const QString& table, int columns, int count)
        : FFile(std::move(file)), FColumns(columns), FCount(count) {
        const QByteArray select =
            QStringLiteral("SELECT rowid, * FROM %1 WHERE rowid BETWEEN ? AND ? ORDER BY rowid")
                .arg(table)
                .toUtf8();
        if (sqlite3_prepare_v2(FFile->Reader(), select.constData(), -1, &FStatement, nullptr) != SQLITE_OK) {
            throw EZpError(QString::fromUtf8(sqlite3_errmsg(FFile->Reader())));
        }
    }
    ~TCopiedRecords() override { sqlite3_finalize(FStatement); }
    TCopiedRecords(const TCopiedRecords&) = delete;
    TCopiedRecords& operator=(const TCopiedRecords&) = delete;

    [[nodiscard]] int Count() const override { return FCount; }
    [[nodiscard]] QStringList Row(int index) const override {
        if (index < FBlockStart || index - FBlockStart >= int(FBlock.size())) {
            ReadBlock(index);
        }
        return FBlock[size_t(index - FBlockStart)];
    }

private:
    static constexpr int kBlock = 64;

    // Records index to index + kBlock - 1 (rowid is the position + 1); a
    // record that is not there reads as no fields.
    void ReadBlock(int index) const {
        FBlock.assign(kBlock, QStringList());
        FBlockStart = index;
        const sqlite3_int64 first = sqlite3_int64(index) + 1;
        sqlite3_bind_int64(FStatement, 1, first);
        sqlite3_bind_int64(FStatement, 2, first + kBlock - 1);
        while (sqlite3_step(FStatement) == SQLITE_ROW) {
            QStringList& row = FBlock[size_t(sqlite3_column_int64(FStatement, 0) - first)];
            row.reserve(FColumns);
            for (int i = 1; i <= FColumns; ++i) {
                const auto* text = static_cast<const char16_t*>(sqlite3_column_text16(FStatement, i));
                row.append(text ? QString::fromUtf16(text, sqlite3_column_bytes16(FStatement, i) / 2)
                                : QString());
            }
        }
        // Reset at once, so that no read holds a lock while tables are copied.
        sqlite3_reset(FStatement);
    }

    std::shared_ptr<TZpCopyFile> FFile;
    sqlite3_stmt* FStatement = nullptr;
    int FColumns;
    int FCount;
    mutable int FBlockStart = 0;
    mutable std::vector<QStringList> FBlock;
};

// Writes the records handed over into a table of the copy, as text (null
// for empty values) in an untyped column, so that they read back unchanged.
class TCopySink final : public IZpRecordSink {
public:
    TCopySink(sqlite3* handle, QString table, QString what)
        : FHandle(handle), FTable(std::move(table)), FWhat(std::move(what)) {}
    ~TCopySink() override {
        sqlite3_finalize(FStatement);
        if (FBegun) {
            sqlite3_exec(FHandle, "ROLLBACK", nullptr, nullptr, nullptr);
        }
    }
    TCopySink(const TCopySink&) = delete;
    TCopySink& operator=(const TCopySink&) = delete;

    void SetFields(const QList<TZpFieldInfo>& fields) override {
        Fields = fields;
        if (fields.isEmpty()) {
            return;
        }
        QStringList columns;
        QStringList marks;
        for (int i = 0; i < fields.size(); ++i) {
            columns.append(QStringLiteral("c%1").arg(i + 1));
            marks.append(QStringLiteral("?"));
        }
        // One transaction for the table: a source that fails half-way leaves nothing behind.
        Exec("BEGIN");
        FBegun = true;
        Exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(FTable, columns.join(u',')).toUtf8());
        const QByteArray insert =
            QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(FTable, marks.join(u',')).toUtf8();
        if (sqlite3_prepare_v2(FHandle, insert.constData(), -1, &FStatement, nullptr) != SQLITE_OK) {
            Fail();
        }
    }

    void Add(const QStringList& row) override {
        const int count = static_cast<int>(Fields.size());
        if (!FStatement) {
            return;
        }
        for (int i = 0; i < count; ++i) {
            const QString value = i < row.size() ? row[i] : QString();
            if (value.isEmpty()) {
                sqlite3_bind_null(FStatement, i + 1);
            } else {
                sqlite3_bind_text16(FStatement, i + 1, value.utf16(), static_cast<int>(value.size() * 2),
                                    SQLITE_TRANSIENT);
            }
        }
        if (sqlite3_step(FStatement) != SQLITE_DONE) {
            Fail();
        }
        sqlite3_reset(FStatement);
        ++Count;
    }

    void Finish() {
        sqlite3_finalize(FStatement);
        FStatement = nullptr;
        if (FBegun) {
            Exec("COMMIT");
            FBegun = false;
        }
    }

    QList<TZpFieldInfo> Fields;
    int Count = 0;

private:
    void Exec(const QByteArray& sql) {
        if (sqlite3_exec(FHandle, sql.constData(), nullptr, nullptr, nullptr) != SQLITE_OK) {
            Fail();
        }
    }
    [[noreturn]] void Fail() {
        throw EZpError(QStringLiteral("%1: %2").arg(FWhat, QString::fromUtf8(sqlite3_errmsg(FHandle))));
    }

    sqlite3* FHandle;
    QString FTable;
    QString FWhat;
    sqlite3_stmt* FStatement = nullptr;
    bool FBegun = false;
};

sqlite3* Handle(const QSqlDatabase& db) {
    return *static_cast<sqlite3* const*>(db.driver()->handle().constData());
}

// The table of the copy that holds table n as read.
QString CopyTableName(int table) {
    return QStringLiteral("\"zp records %1\"").arg(table + 1);
}

} // namespace

QSqlDatabase TZpTableEngine::CopyDatabase() {
    if (FCopyName.isEmpty()) {
        FCopy = std::make_shared<TZpCopyFile>(FWhat);
        const QString name = NewSqlConnectionName();
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(FCopy->Path());
        if (!db.open()) {
            const QString failure = db.lastError().text();
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            FCopy.reset();
            throw EZpError(QStringLiteral("%1: %2").arg(FWhat, failure));
        }
        // A scratch file: nothing to recover after a crash, so no journal on disk and no flushes.
        sqlite3_exec(Handle(db), "PRAGMA journal_mode=MEMORY; PRAGMA synchronous=OFF", nullptr, nullptr,
                     nullptr);
        FCopyName = name;
    }
    return QSqlDatabase::database(FCopyName, false);
}

const TZpRecordSet& TZpTableEngine::Records(int table) {
    auto it = FLoaded.find(table);
    if (it != FLoaded.end()) {
        return it->second;
    }
    const QSqlDatabase db = CopyDatabase();
    const QString name = CopyTableName(table);
    TCopySink sink(Handle(db), name, FWhat);
    TZpRecordSet records;
    if (FTables[table].Stream) {
        FTables[table].Stream(sink);
    } else {
        records = FTables[table].Load();
        sink.SetFields(records.Fields);
        for (const QStringList& row : records.Rows) {
            sink.Add(row);
        }
    }
    sink.Finish();
    records.Fields = sink.Fields;
    if (!records.Fields.isEmpty()) {
        records.Rows = {};
        records.Stored = std::make_shared<TCopiedRecords>(
            FCopy, name, static_cast<int>(records.Fields.size()), sink.Count);
    }
    return FLoaded.emplace(table, std::move(records)).first->second;
}

void TZpTableEngine::CopyToSQLite(int table, const QString& sqlName) {
    if (FCopied.contains(sqlName.toLower())) {
        return;
    }
    const TZpRecordSet& records = Records(table);
    QSqlDatabase db = CopyDatabase();
    QStringList columns;
    for (const TZpFieldInfo& field : records.Fields) {
        columns.append(Quoted(field.Name) + u' ' + QLatin1String(SQLiteType(field.Type)));
    }
    QSqlQuery create(db);
    if (!create.exec(QStringLiteral("CREATE TABLE %1 (%2)").arg(Quoted(sqlName), columns.join(u',')))) {
        throw EZpError(QStringLiteral("%1: %2").arg(FWhat, create.lastError().databaseText()));
    }
    // The typed columns turn the texts into numbers where they are numbers,
    // so that queries compare and sort them as such.
    if (records.Stored) {
        QSqlQuery fill(db);
        if (!fill.exec(QStringLiteral("INSERT INTO %1 SELECT * FROM %2")
                           .arg(Quoted(sqlName), CopyTableName(table)))) {
            throw EZpError(QStringLiteral("%1: %2").arg(FWhat, fill.lastError().databaseText()));
        }
    }
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
