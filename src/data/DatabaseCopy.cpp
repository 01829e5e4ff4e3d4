// SPDX-License-Identifier: MIT
#include "data/DatabaseCopy.h"

#include "base/Errors.h"
#include "data/WaitCursor.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/RecordSet.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zp {

namespace {

const QString kJet = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1");

// A bracketed name cannot hold its closing bracket.
QString Bracketed(QString name) {
    return QLatin1Char('[') + name.replace(u']', u'_') + QLatin1Char(']');
}

QString ColumnDefinition(const TZpFieldInfo& field) {
    const QString name = Bracketed(field.Name);
    switch (field.Type) {
    case TZpFieldType::ftString:
        return QStringLiteral("%1 VARCHAR(%2)").arg(name).arg(std::max(field.Size, 1));
    case TZpFieldType::ftInteger:
        return name + QStringLiteral(" INTEGER");
    case TZpFieldType::ftBoolean:
        return name + QStringLiteral(" BOOLEAN");
    case TZpFieldType::ftFloat:
        return QStringLiteral("%1 NUMERIC(%2,%3)").arg(name).arg(field.Size).arg(field.Precision);
    case TZpFieldType::ftDate:
    case TZpFieldType::ftDateTime:
        return name + QStringLiteral(" DATE");
    default:
        // Memo, blob and types the copy has no rule for keep their text.
        return name + QStringLiteral(" TEXT");
    }
}

// Values are copied as the text the dBase reader gives; an empty value is a
// null, as it was read. SQLite cannot take a zero character inside a
// statement's text, and dBase pads with them, so they are dropped.
QString Literal(const QString& value) {
    if (value.isEmpty())
        return QStringLiteral("NULL");
    QString text = value;
    text.remove(QChar(u'\0'));
    text.replace(u'\'', QStringLiteral("''"));
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

// A copy records which dBase table it was made from, and that table's size
// and time of change then, in a system table of its own.
const QString kSourceTable = QStringLiteral("MSysDBaseSource");

QStringList SourceRow(const QFileInfo& table) {
    return {table.fileName(), QString::number(table.size()),
            QString::number(table.lastModified().toMSecsSinceEpoch())};
}

bool IsCopyOf(const QString& database, const QStringList& source) {
    try {
        TZpConnection db(kJet.arg(database));
        db.ReadOnly = true;
        db.Open();
        if (!db.TableNames(true).contains(kSourceTable, Qt::CaseInsensitive))
            return false;
        const std::unique_ptr<TZpRecordSet> rows =
            db.Select(QStringLiteral("SELECT * FROM %1").arg(Bracketed(kSourceTable)));
        return rows->Rows.size() == 1 && rows->Rows.front() == source;
    } catch (const EZpError&) {
        return false; // the user's own file, or one that cannot be read
    }
}

// The names a copy of the table takes in turn: <name>.mdb, <name>_1.mdb, ...
QString DatabaseName(const QFileInfo& table, int n) {
    const QDir folder = table.absoluteDir();
    const QString base = table.completeBaseName();
    return folder.filePath(n == 0 ? base + QStringLiteral(".mdb")
                                  : QStringLiteral("%1_%2.mdb").arg(base).arg(n));
}

void RecordSource(const QStringList& source, TZpConnection& target) {
    target.Execute(QStringLiteral("CREATE TABLE %1 ([Name] TEXT, [Size] TEXT, [Modified] TEXT)")
                       .arg(Bracketed(kSourceTable)));
    QStringList values;
    for (const QString& value : source)
        values.append(Literal(value));
    target.Execute(
        QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(Bracketed(kSourceTable), values.join(u',')));
}

void CopyRecords(const TZpRecordSet& records, const QString& table, TZpConnection& target) {
    QStringList columns;
    for (const TZpFieldInfo& field : records.Fields)
        columns.append(ColumnDefinition(field));
    target.Execute(QStringLiteral("CREATE TABLE %1 (%2)").arg(Bracketed(table), columns.join(u',')));
    if (records.Fields.isEmpty())
        return;
    // One transaction and a few hundred records a statement keep a large
    // table from costing a disk flush per record.
    constexpr int kBatch = 200;
    const QString insert = QStringLiteral("INSERT INTO %1 VALUES ").arg(Bracketed(table));
    target.Execute(QStringLiteral("BEGIN"));
    const int count = records.Count();
    for (int first = 0; first < count; first += kBatch) {
        QStringList rows;
        for (int r = first; r < std::min(count, first + kBatch); ++r) {
            QStringList values;
            const QStringList row = records.Row(r);
            for (qsizetype f = 0; f < records.Fields.size(); ++f)
                values.append(Literal(row.value(f)));
            rows.append(QLatin1Char('(') + values.join(u',') + QLatin1Char(')'));
        }
        target.Execute(insert + rows.join(u','));
    }
    target.Execute(QStringLiteral("COMMIT"));
}

} // namespace

void CreateAccessDatabase(const QString& path) {
    if (QFileInfo::exists(path) && !QFile::remove(path))
        throw EZpFileError(
            QStringLiteral("Cannot create file \"%1\". The old file cannot be removed.").arg(path));
    CreateDesktopDatabase(kJet.arg(path));
}

void ConvertDBaseToAccess(QString& path) {
    TZpWaitCursor wait;
    const QFileInfo info(path);
    // The copy made before serves again while the table is unchanged; a new
    // one takes the first free name.
    const QStringList sourceRow = SourceRow(info);
    int n = 0;
    for (; QFileInfo::exists(DatabaseName(info, n)); ++n)
        if (IsCopyOf(DatabaseName(info, n), sourceRow)) {
            path = DatabaseName(info, n);
            return;
        }
    const QString database = DatabaseName(info, n);
    TZpConnection source(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=dBase IV")
            .arg(info.absolutePath()));
    source.ReadOnly = true;
    source.Open();
    const std::unique_ptr<TZpRecordSet> records =
        source.Select(QStringLiteral("SELECT * FROM %1").arg(Bracketed(info.fileName())));
    source.Close();

    CreateAccessDatabase(database);
    try {
        TZpConnection target(kJet.arg(database));
        target.Open();
        CopyRecords(*records, info.completeBaseName(), target);
        RecordSource(sourceRow, target);
        target.Close();
    } catch (const EZpError&) {
        QFile::remove(database);
        throw;
    }
    path = database;
}

} // namespace zp
