// SPDX-License-Identifier: MIT
// The data connections block of label files.
#include "data/DataConnections.h"
#include "files/ValueStream.h"

#include <QHash>
#include <QRegularExpression>
#include <QSet>

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

// The numbering AddConnection and AddDataset give a clashing name ("name_1",
// "name_2"...), worked out ahead with a set, so that a file of many equal
// names does not make each addition search the whole list for every number.
class TNameNumbering {
public:
    QString Unique(const QString& name) {
        if (!FTaken.contains(name)) {
            FTaken.insert(name);
            return name;
        }
        // Names are only added while loading, so numbers once taken stay taken.
        int n = FNext.value(name, 1);
        QString candidate;
        while (FTaken.contains(candidate = QStringLiteral("%1_%2").arg(name).arg(n)))
            ++n;
        FNext.insert(name, n + 1);
        FTaken.insert(candidate);
        return candidate;
    }

private:
    QSet<QString> FTaken;
    QHash<QString, int> FNext;
};

} // namespace

void TZpDataConnections::Save(TZpWriter& writer) const {
    writer.WriteListBegin();
    for (int c = 0; c < ConnectionCount(); ++c) {
        const QString name = ConnectionName(c);
        writer.WriteString(name);
        writer.WriteString(ConnectionString(c));
        writer.WriteListBegin();
        for (int d = 0; d < DatasetCount(); ++d) {
            if (DatasetConnectionName(d) != name)
                continue;
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
    TNameNumbering connections, datasets;
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        const QString name = connections.Unique(reader.ReadString());
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
            const QString dataset = datasets.Unique(reader.ReadString());
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
