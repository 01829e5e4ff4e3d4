// SPDX-License-Identifier: MIT
// The data connections block of label files.
#include "base/ValueStream.h"
#include "data/DataConnections.h"

#include <QHash>
#include <QList>
#include <QRegularExpression>

namespace zp {

namespace {

// Files of format versions 5 to 15 described a connection by a driver kind
// and a path; these are the connection strings that stand for them.
QString LegacyConnectionString(int32_t kind, const QString& path, const QString& asRead) {
    const char* jet = "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=%2";
    switch (kind) {
    case 27:
        return QString::fromLatin1(jet).arg(path, QStringLiteral("Text"));
    case 277:
        return QString::fromLatin1(jet).arg(path, QStringLiteral("dBase IV"));
    case 533:
        return QString::fromLatin1(jet).arg(path, QStringLiteral("dBase 5.0"));
    case 538:
        return QString::fromLatin1(jet).arg(path, QStringLiteral("Paradox 7.x"));
    case 790:
        return QString::fromLatin1(jet).arg(path, QStringLiteral("Excel 8.0"));
    case 201527:
    case 201528:
        return QStringLiteral("Provider=VFPOLEDB.1;Data Source=%1;Collating Sequence=MACHINE").arg(path);
    default:
        return asRead;
    }
}

// The query text is stored as its lines, each (the last one too) followed by
// CR LF; a final line break does not start another line.
QString StoredSQL(const QString& sql) {
    static const QRegularExpression lineBreak(QStringLiteral("\r\n|\r|\n"));
    QStringList lines = sql.split(lineBreak);
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    QString text;
    for (const QString& line : lines)
        text += line + QStringLiteral("\r\n");
    return text;
}

} // namespace

void TZpDataConnections::Save(TZpWriter& writer) const {
    // Grouped in one pass: a label of many connections and datasets saves in linear time.
    QHash<QString, QList<int>> datasetsOf;
    for (int d = 0; d < DatasetCount(); ++d)
        datasetsOf[DatasetConnectionName(d)].append(d);
    writer.WriteListBegin();
    for (int c = 0; c < ConnectionCount(); ++c) {
        const QString name = ConnectionName(c);
        writer.WriteString(name);
        writer.WriteString(ConnectionString(c));
        writer.WriteListBegin();
        for (int d : datasetsOf.value(name)) {
            writer.WriteString(DatasetName(d));
            writer.WriteString(StoredSQL(DatasetSQL(d)));
        }
        writer.WriteListEnd();
    }
    writer.WriteListEnd();
}

void TZpDataConnections::Load(TZpReader& reader) {
    Clear();
    if (OnChanged)
        OnChanged();
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        const QString name = reader.ReadString();
        QString connectionString = reader.ReadString();
        if (Version >= 5 && Version <= 15) {
            reader.ReadListBegin();
            const int32_t kind = reader.ReadInteger();
            const QString path = reader.ReadString();
            if (kind == 538 && !reader.EndOfList())
                (void)reader.ReadString();
            reader.ReadListEnd();
            connectionString = LegacyConnectionString(kind, path, connectionString);
        }
        // A clashing name is numbered; its datasets follow it.
        const QString added = ConnectionName(AddConnection(name, connectionString));
        reader.ReadListBegin();
        while (!reader.EndOfList()) {
            const QString dataset = reader.ReadString();
            const QString sql = reader.ReadString();
            AddDataset(added, dataset, sql);
        }
        reader.ReadListEnd();
    }
    reader.ReadListEnd();
    if (OnChanged)
        OnChanged();
}

} // namespace zp
