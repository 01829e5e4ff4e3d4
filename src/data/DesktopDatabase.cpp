// SPDX-License-Identifier: MIT
#include "data/DesktopDatabase.h"

#include "base/Errors.h"
#include "data/CsvReader.h"
#include "platform/dataaccess/SqlEngine.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QXmlStreamWriter>
#include <sqlite3.h>

namespace zp {

namespace {

sqlite3* Handle(const QSqlDatabase& db) {
    const QVariant v = db.driver()->handle();
    if (v.isValid() && qstrcmp(v.typeName(), "sqlite3*") == 0) {
        return *static_cast<sqlite3* const*>(v.data());
    }
    return nullptr;
}

// A raw prepared statement, finalized on every path out.
class TStatement {
public:
    TStatement(sqlite3* db, const QByteArray& sql) {
        FResult = sqlite3_prepare_v2(db, sql.constData(), static_cast<int>(sql.size()), &FStmt, nullptr);
    }
    ~TStatement() { sqlite3_finalize(FStmt); }
    TStatement(const TStatement&) = delete;
    TStatement& operator=(const TStatement&) = delete;
    [[nodiscard]] bool Ok() const { return FResult == SQLITE_OK; }
    [[nodiscard]] sqlite3_stmt* Get() const { return FStmt; }

private:
    sqlite3_stmt* FStmt = nullptr;
    int FResult = SQLITE_OK;
};

// Column names of an imported file: blanks become F<n>, repeats numbered,
// brackets (which the SQL quoting cannot hold) replaced.
QStringList UsableNames(QStringList names) {
    QStringList seen;
    for (int i = 0; i < names.size(); ++i) {
        QString name = names[i].trimmed().replace(u'[', u'(').replace(u']', u')');
        if (name.isEmpty()) {
            name = QStringLiteral("F%1").arg(i + 1);
        }
        QString unique = name;
        for (int k = 1; seen.contains(unique, Qt::CaseInsensitive); ++k) {
            unique = QStringLiteral("%1_%2").arg(name).arg(k);
        }
        seen << unique;
        names[i] = unique;
    }
    return names;
}

// XML names may not hold blanks and the like; the rowset format then gives
// the true name in rs:name.
QString XmlName(const QString& name, int index) {
    static const QRegularExpression valid(QStringLiteral("^[A-Za-z_][A-Za-z0-9_.-]*$"));
    return valid.match(name).hasMatch() ? name : QStringLiteral("c%1").arg(index);
}

} // namespace

const QStringList& DatabaseFieldTypeNames() {
    static const QStringList names{QStringLiteral("Text"), QStringLiteral("Date"), QStringLiteral("Float"),
                                   QStringLiteral("Logical"), QStringLiteral("Integer")};
    return names;
}

QString Bracketed(const QString& name) {
    if (name.contains(u']') || name.isEmpty()) {
        throw EZpError(QStringLiteral("The name \"%1\" cannot be used for a table or column.").arg(name));
    }
    return u'[' + name + u']';
}

QString ColumnDefinition(const TZpDatabaseField& f) {
    switch (f.DataType) {
    case dtDate:
        return Bracketed(f.Name) + QStringLiteral(" DATE");
    case dtFloat:
        return Bracketed(f.Name) + QStringLiteral(" NUMERIC(%1,2)").arg(f.Size);
    case dtLogical:
        return Bracketed(f.Name) + QStringLiteral(" LOGICAL");
    case dtInteger:
        return Bracketed(f.Name) + QStringLiteral(" INTEGER");
    default:
        return Bracketed(f.Name) + QStringLiteral(" VARCHAR(%1)").arg(f.Size);
    }
}

QString CreateTableSql(const QString& table, const QList<TZpDatabaseField>& fields) {
    // SQLite's automatic record number is an INTEGER PRIMARY KEY; AUTOINCREMENT
    // keeps numbers of deleted records from being handed out again.
    QStringList lines{QStringLiteral("CREATE TABLE %1 (").arg(Bracketed(table)),
                      QStringLiteral("RecordNo INTEGER PRIMARY KEY AUTOINCREMENT,")};
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            lines << QStringLiteral(",");
        }
        lines << ColumnDefinition(fields[i]);
    }
    lines << QStringLiteral(")");
    return lines.join(u'\n');
}

QString ForceXmlExtension(const QString& path) {
    const QFileInfo info(path);
    if (info.suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0) {
        return path;
    }
    const QString base = info.suffix().isEmpty() ? path : path.left(path.size() - info.suffix().size() - 1);
    return base + QStringLiteral(".xml");
}

TZpDesktopDatabase::TZpDesktopDatabase(const QString& path) : FPath(path) {
    QFile file(path);
    if (!file.exists()) {
        throw EZpError(QStringLiteral("The database \"%1\" does not exist.").arg(path));
    }
    if (file.open(QIODevice::ReadOnly)) {
        const QByteArray head = file.read(32);
        if (head.mid(4, 15) == "Standard Jet DB" || head.mid(4, 15) == "Standard ACE DB") {
            throw EZpError(QStringLiteral("The Access database \"%1\" can only be read here.").arg(path));
        }
        if (!head.isEmpty() && !head.startsWith(QByteArray("SQLite format 3\0", 16))) {
            throw EZpError(
                QStringLiteral("The file \"%1\" is not a database this program can edit.").arg(path));
        }
    }
    FName = NewSqlConnectionName();
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), FName);
    db.setDatabaseName(path);
    db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    if (!db.open()) {
        const QString why = db.lastError().text();
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(FName);
        throw EZpError(QStringLiteral("The database \"%1\" could not be opened: %2").arg(path, why));
    }
}

TZpDesktopDatabase::~TZpDesktopDatabase() {
    {
        QSqlDatabase db = QSqlDatabase::database(FName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(FName);
}

QSqlDatabase TZpDesktopDatabase::Database() const {
    return QSqlDatabase::database(FName, false);
}

QString TZpDesktopDatabase::ConnectionString() const {
    QString source = FPath;
    if (source.contains(u';') || source.contains(u'"')) {
        source = u'"' + source.replace(u'"', QStringLiteral("\"\"")) + u'"';
    }
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + source;
}

bool TZpDesktopDatabase::ReadOnly() const {
    sqlite3* h = Handle(Database());
    return !QFileInfo(FPath).isWritable() || (h && sqlite3_db_readonly(h, "main") == 1);
}

void TZpDesktopDatabase::Fail(const QString& what) const {
    throw EZpError(QStringLiteral("The database \"%1\": %2").arg(FPath, what));
}

QStringList TZpDesktopDatabase::Tables() const {
    QSqlQuery q(Database());
    if (!q.exec(
            QStringLiteral("SELECT name FROM sqlite_master WHERE type IN ('table','view') AND name NOT LIKE "
                           "'sqlite\\_%' ESCAPE '\\' ORDER BY name COLLATE NOCASE"))) {
        Fail(q.lastError().text());
    }
    QStringList names;
    while (q.next()) {
        names << q.value(0).toString();
    }
    return names;
}

QList<TZpDatabaseField> TZpDesktopDatabase::Columns(const QString& table) const {
    QSqlQuery q(Database());
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Bracketed(table)))) {
        Fail(q.lastError().text());
    }
    static const QRegularExpression sized(QStringLiteral(R"(\(\s*(\d+))"));
    QList<TZpDatabaseField> fields;
    while (q.next()) {
        TZpDatabaseField f;
        f.Name = q.value(1).toString();
        const QString type = q.value(2).toString().toUpper();
        const bool autoNumber = q.value(5).toInt() == 1 && type == QLatin1String("INTEGER");
        const auto m = sized.match(type);
        const int size = m.hasMatch() ? m.captured(1).toInt() : 0;
        f.Size = 0;
        if (autoNumber) {
            f.DataType = dtText; // shown as the classic tables showed counters
        } else if (type.contains(QLatin1String("INT"))) {
            f.DataType = dtInteger;
        } else if (type.contains(QLatin1String("BOOL")) || type.contains(QLatin1String("LOGICAL")) ||
                   type == QLatin1String("BIT")) {
            f.DataType = dtLogical;
        } else if (type.contains(QLatin1String("NUMERIC")) || type.contains(QLatin1String("DECIMAL")) ||
                   type.contains(QLatin1String("REAL")) || type.contains(QLatin1String("FLOA")) ||
                   type.contains(QLatin1String("DOUB")) || type.contains(QLatin1String("CURRENCY")) ||
                   type.contains(QLatin1String("MONEY"))) {
            f.DataType = dtFloat;
            f.Size = size > 0 ? size : 15;
        } else if (type.contains(QLatin1String("DATE")) || type.contains(QLatin1String("TIME"))) {
            f.DataType = dtDate;
        } else if (type.contains(QLatin1String("CHAR")) || type.contains(QLatin1String("TEXT")) ||
                   type.contains(QLatin1String("CLOB"))) {
            f.DataType = dtText;
            f.Size = size;
        }
        fields << f;
    }
    return fields;
}

QString TZpDesktopDatabase::AutoNumberColumn(const QString& table) const {
    QSqlQuery q(Database());
    if (!q.exec(QStringLiteral("PRAGMA table_info(%1)").arg(Bracketed(table)))) {
        return {};
    }
    QString found;
    int keys = 0;
    while (q.next()) {
        if (q.value(5).toInt() > 0) {
            ++keys;
            if (q.value(2).toString().compare(QLatin1String("INTEGER"), Qt::CaseInsensitive) == 0) {
                found = q.value(1).toString();
            }
        }
    }
    return keys == 1 ? found : QString();
}

void TZpDesktopDatabase::ExecuteAll(const QStringList& statements) {
    QSqlDatabase db = Database();
    if (!db.transaction()) {
        Fail(db.lastError().text());
    }
    for (const QString& sql : statements) {
        QSqlQuery q(db);
        if (!q.exec(sql)) {
            const QString why = q.lastError().databaseText();
            q.finish();
            db.rollback();
            Fail(why);
        }
    }
    if (!db.commit()) {
        const QString why = db.lastError().text();
        db.rollback();
        Fail(why);
    }
}

void TZpDesktopDatabase::CreateTable(const QString& table, const QList<TZpDatabaseField>& fields) {
    ExecuteAll({CreateTableSql(table, fields)});
}

QStringList TZpDesktopDatabase::ModifyTable(const QString& table, const QList<TZpDatabaseField>& fields) {
    const QList<TZpDatabaseField> columns = Columns(table);
    auto has = [](const QList<TZpDatabaseField>& list, const QString& name) {
        return std::any_of(list.begin(), list.end(), [&](const TZpDatabaseField& f) {
            return f.Name.compare(name, Qt::CaseInsensitive) == 0;
        });
    };
    QStringList statements;
    for (const TZpDatabaseField& c : columns) {
        if (!has(fields, c.Name)) {
            statements
                << QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(Bracketed(table), Bracketed(c.Name));
        }
    }
    for (const TZpDatabaseField& f : fields) {
        if (!has(columns, f.Name)) {
            statements << QStringLiteral("ALTER TABLE %1 ADD %2").arg(Bracketed(table), ColumnDefinition(f));
        }
    }
    if (!statements.isEmpty()) {
        ExecuteAll(statements);
    }
    return statements;
}

void TZpDesktopDatabase::DeleteTable(const QString& table) {
    ExecuteAll({QStringLiteral("DROP TABLE ") + Bracketed(table)});
}

QString TZpDesktopDatabase::ImportCsv(const QString& csvPath, bool header, const TProgress& progress) {
    QFile file(csvPath);
    if (!file.open(QIODevice::ReadOnly)) {
        throw EZpError(
            QStringLiteral("The file \"%1\" cannot be opened: %2").arg(csvPath, file.errorString()));
    }
    const QByteArray text = CsvTextAsUtf8(file.readAll());
    file.close();
    const std::string_view data(text.constData(), static_cast<size_t>(text.size()));
    const QString table = QFileInfo(csvPath).completeBaseName().replace(u'[', u'(').replace(u']', u')');
    if (table.isEmpty()) {
        throw EZpError(QStringLiteral("The file \"%1\" gives no table name.").arg(csvPath));
    }
    if (Tables().contains(table, Qt::CaseInsensitive)) {
        Fail(QStringLiteral("it already has a table named \"%1\".").arg(table));
    }

    // First pass: the column names, widths and number of records.
    std::vector<std::string_view> fields;
    QStringList names;
    std::vector<int> widths;
    int records = 0;
    {
        TZpCsvReader reader(data, csvPath);
        if (header && reader.Next(fields)) {
            for (const auto& f : fields) {
                names << QString::fromUtf8(f.data(), static_cast<qsizetype>(f.size()));
            }
            widths.assign(fields.size(), 1);
        }
        while (reader.Next(fields)) {
            if (header && fields.size() > widths.size()) {
                throw EZpError(
                    QStringLiteral("The file \"%1\" cannot be read on line %2: it has %3 fields, the "
                                   "first line names %4.")
                        .arg(csvPath)
                        .arg(reader.Line())
                        .arg(fields.size())
                        .arg(widths.size()));
            }
            if (fields.size() > widths.size()) {
                widths.resize(fields.size(), 1);
            }
            for (size_t i = 0; i < fields.size(); ++i) {
                widths[i] = std::max(widths[i], Utf8Length(fields[i]));
            }
            ++records;
        }
    }
    if (widths.empty()) {
        throw EZpError(QStringLiteral("The file \"%1\" holds no data.").arg(csvPath));
    }
    while (names.size() < static_cast<qsizetype>(widths.size())) {
        names << QString();
    }
    names = UsableNames(names);
    QStringList columns;
    for (size_t i = 0; i < widths.size(); ++i) {
        columns << QStringLiteral("%1 VARCHAR(%2)").arg(Bracketed(names[static_cast<int>(i)])).arg(widths[i]);
    }

    // Second pass: one transaction, so a failure leaves no half-made table.
    sqlite3* db = Handle(Database());
    if (!db) {
        Fail(QStringLiteral("no SQLite handle."));
    }
    auto check = [&](int rc, const char* ok = nullptr) {
        (void)ok;
        if (rc != SQLITE_OK && rc != SQLITE_DONE && rc != SQLITE_ROW) {
            const QString why = QString::fromUtf8(sqlite3_errmsg(db));
            sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
            Fail(why);
        }
    };
    check(sqlite3_exec(db, "BEGIN IMMEDIATE", nullptr, nullptr, nullptr));
    try {
        const QString create =
            QStringLiteral("CREATE TABLE %1 (%2)").arg(Bracketed(table), columns.join(QStringLiteral(", ")));
        check(sqlite3_exec(db, create.toUtf8().constData(), nullptr, nullptr, nullptr));
        QStringList marks;
        for (size_t i = 0; i < widths.size(); ++i) {
            marks << QStringLiteral("?");
        }
        TStatement insert(
            db,
            QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(Bracketed(table), marks.join(u',')).toUtf8());
        if (!insert.Ok()) {
            check(SQLITE_ERROR);
        }
        TZpCsvReader reader(data, csvPath);
        if (header) {
            (void)reader.Next(fields);
        }
        int done = 0;
        const int columnsCount = static_cast<int>(widths.size());
        while (reader.Next(fields)) {
            for (int i = 0; i < columnsCount; ++i) {
                if (i < static_cast<int>(fields.size())) {
                    sqlite3_bind_text(insert.Get(), i + 1, fields[i].data(),
                                      static_cast<int>(fields[i].size()), SQLITE_STATIC);
                } else {
                    sqlite3_bind_null(insert.Get(), i + 1);
                }
            }
            check(sqlite3_step(insert.Get()));
            sqlite3_reset(insert.Get());
            ++done;
            if (progress && (done % 1000 == 0 || done == records)) {
                progress(done, records);
            }
        }
    } catch (...) {
        sqlite3_exec(db, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    check(sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr));
    return table;
}

void TZpDesktopDatabase::ExportTable(const QString& table, const QString& path, const QString& orderBy) {
    if (QFileInfo(path).suffix().compare(QLatin1String("xml"), Qt::CaseInsensitive) == 0) {
        ExportXml(table, path, orderBy);
    } else {
        ExportCsv(table, path, orderBy);
    }
}

void TZpDesktopDatabase::ExportCsv(const QString& table, const QString& path, const QString& orderBy) {
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 %2").arg(Bracketed(table), orderBy))) {
        Fail(q.lastError().databaseText());
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        throw EZpError(QStringLiteral("The file \"%1\" cannot be written: %2").arg(path, out.errorString()));
    }
    const QSqlRecord record = q.record();
    QStringList values;
    for (int i = 0; i < record.count(); ++i) {
        values << record.fieldName(i);
    }
    QByteArray buffer = CsvLine(values).toUtf8() + "\r\n";
    while (q.next()) {
        values.clear();
        for (int i = 0; i < record.count(); ++i) {
            values << q.value(i).toString();
        }
        buffer += CsvLine(values).toUtf8() + "\r\n";
        if (buffer.size() > (1 << 20)) {
            out.write(buffer);
            buffer.clear();
        }
    }
    out.write(buffer);
    if (!out.commit()) {
        throw EZpError(QStringLiteral("The file \"%1\" cannot be written: %2").arg(path, out.errorString()));
    }
}

void TZpDesktopDatabase::ExportXml(const QString& table, const QString& path, const QString& orderBy) {
    const QList<TZpDatabaseField> columns = Columns(table);
    QSqlQuery q(Database());
    q.setForwardOnly(true);
    if (!q.exec(QStringLiteral("SELECT * FROM %1 %2").arg(Bracketed(table), orderBy))) {
        Fail(q.lastError().databaseText());
    }
    QSaveFile out(path);
    if (!out.open(QIODevice::WriteOnly)) {
        throw EZpError(QStringLiteral("The file \"%1\" cannot be written: %2").arg(path, out.errorString()));
    }
    // The rowset persistence format: a schema of the columns, then one row
    // element per record with a value attribute per non-null field.
    QXmlStreamWriter xml(&out);
    xml.setAutoFormatting(true);
    xml.writeStartElement(QStringLiteral("xml"));
    xml.writeAttribute(QStringLiteral("xmlns:s"),
                       QStringLiteral("uuid:BDC6E3F0-6DA3-11d1-A2A3-00AA00C14882"));
    xml.writeAttribute(QStringLiteral("xmlns:dt"),
                       QStringLiteral("uuid:C2F41010-65B3-11d1-A29F-00AA00C14882"));
    xml.writeAttribute(QStringLiteral("xmlns:rs"), QStringLiteral("urn:schemas-microsoft-com:rowset"));
    xml.writeAttribute(QStringLiteral("xmlns:z"), QStringLiteral("#RowsetSchema"));
    xml.writeStartElement(QStringLiteral("s:Schema"));
    xml.writeAttribute(QStringLiteral("id"), QStringLiteral("RowsetSchema"));
    xml.writeStartElement(QStringLiteral("s:ElementType"));
    xml.writeAttribute(QStringLiteral("name"), QStringLiteral("row"));
    xml.writeAttribute(QStringLiteral("content"), QStringLiteral("eltOnly"));
    const QSqlRecord record = q.record();
    QStringList attributes;
    for (int i = 0; i < record.count(); ++i) {
        const QString name = record.fieldName(i);
        attributes << XmlName(name, i);
        xml.writeStartElement(QStringLiteral("s:AttributeType"));
        xml.writeAttribute(QStringLiteral("name"), attributes.last());
        if (attributes.last() != name) {
            xml.writeAttribute(QStringLiteral("rs:name"), name);
        }
        xml.writeAttribute(QStringLiteral("rs:number"), QString::number(i + 1));
        xml.writeAttribute(QStringLiteral("rs:nullable"), QStringLiteral("true"));
        xml.writeEmptyElement(QStringLiteral("s:datatype"));
        const TZpDatabaseField f = i < columns.size() ? columns[i] : TZpDatabaseField{};
        static const char* const types[] = {"string", "dateTime", "number", "boolean", "int"};
        xml.writeAttribute(QStringLiteral("dt:type"), QLatin1String(types[f.DataType < 5 ? f.DataType : 0]));
        if (f.DataType == dtText && f.Size > 0) {
            xml.writeAttribute(QStringLiteral("dt:maxLength"), QString::number(f.Size));
        }
        xml.writeEndElement();
    }
    xml.writeEmptyElement(QStringLiteral("s:extends"));
    xml.writeAttribute(QStringLiteral("type"), QStringLiteral("rs:rowbase"));
    xml.writeEndElement(); // s:ElementType
    xml.writeEndElement(); // s:Schema
    xml.writeStartElement(QStringLiteral("rs:data"));
    while (q.next()) {
        xml.writeEmptyElement(QStringLiteral("z:row"));
        for (int i = 0; i < record.count(); ++i) {
            if (!q.isNull(i)) {
                xml.writeAttribute(attributes[i], q.value(i).toString());
            }
        }
    }
    xml.writeEndElement(); // rs:data
    xml.writeEndElement(); // xml
    if (xml.hasError() || !out.commit()) {
        throw EZpError(QStringLiteral("The file \"%1\" cannot be written: %2").arg(path, out.errorString()));
    }
}

int TZpDesktopDatabase::FindRow(const QString& table, const QString& field, const QString& value,
                                bool caseSensitive, bool exact, const QString& orderBy) const {
    // The field is compared as text, so numbers match as they are shown.
    const QString v = QStringLiteral("CAST(%1 AS TEXT)").arg(Bracketed(field));
    QString condition;
    QVariantList binds;
    if (caseSensitive && exact) {
        condition = v + QStringLiteral(" = ?");
        binds << value;
    } else if (caseSensitive) {
        condition = QStringLiteral("substr(%1, 1, ?) = ?").arg(v);
        binds << static_cast<int>(value.size()) << value;
    } else {
        QString pattern = value;
        pattern.replace(u'\\', QStringLiteral("\\\\"))
            .replace(u'%', QStringLiteral("\\%"))
            .replace(u'_', QStringLiteral("\\_"));
        condition = v + QStringLiteral(" LIKE ? ESCAPE '\\'");
        binds << (exact ? pattern : pattern + u'%');
    }
    auto run = [&](QSqlQuery& q, const QString& sql, const QVariantList& values) {
        q.setForwardOnly(true);
        if (!q.prepare(sql)) {
            Fail(q.lastError().databaseText());
        }
        for (const QVariant& b : values) {
            q.addBindValue(b);
        }
        if (!q.exec()) {
            Fail(q.lastError().databaseText());
        }
        return q.next();
    };
    QSqlQuery q(Database());
    if (!orderBy.trimmed().isEmpty()) {
        // Sorted: the matching record's position among all records in that order.
        QSqlQuery p(Database());
        if (!run(p,
                 QStringLiteral(
                     "SELECT n - 1 FROM (SELECT ROW_NUMBER() OVER (%1) AS n, %2 AS m FROM %3) WHERE m "
                     "ORDER BY n LIMIT 1")
                     .arg(orderBy, condition, Bracketed(table)),
                 binds)) {
            return -1;
        }
        return p.value(0).toInt();
    }
    // Natural order: the first match by record number, then how many come before it.
    if (!run(q, QStringLiteral("SELECT rowid FROM %1 WHERE %2 LIMIT 1").arg(Bracketed(table), condition),
             binds)) {
        return -1;
    }
    const qint64 rowid = q.value(0).toLongLong();
    QSqlQuery count(Database());
    run(count, QStringLiteral("SELECT COUNT(*) FROM %1 WHERE rowid < ?").arg(Bracketed(table)), {rowid});
    return count.value(0).toInt();
}

} // namespace zp
