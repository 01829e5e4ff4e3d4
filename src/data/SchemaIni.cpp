// SPDX-License-Identifier: MIT
#include "data/SchemaIni.h"

#include "base/Errors.h"
#include "data/WaitCursor.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/FileEngines.h"
#include "platform/dataaccess/RecordSet.h"
#include "platform/dataaccess/SchemaFile.h"

#include <QDir>
#include <QLoggingCategory>

namespace zp {

namespace {
Q_LOGGING_CATEGORY(lcSchema, "zentaprint.data.schema")

bool IsTextConnection(const TZpConnection& connection) {
    return connection.Provider().startsWith(QLatin1String("Microsoft.Jet.OLEDB"), Qt::CaseInsensitive) &&
           connection.Property(QStringLiteral("Extended Properties"))
               .trimmed()
               .startsWith(QLatin1String("Text"), Qt::CaseInsensitive);
}

} // namespace

void WriteSchemaIni(TZpConnection& connection) {
    if (!connection.Connected() || !IsTextConnection(connection)) {
        return;
    }
    TZpWaitCursor wait;
    const QString path =
        QDir(connection.Property(QStringLiteral("Data Source"))).filePath(QStringLiteral("SCHEMA.INI"));
    const QStringList tables = connection.TableNames(true);
    if (tables.isEmpty()) {
        return;
    }
    TZpSchemaFile schema = TZpSchemaFile::Read(path);
    for (const QString& table : tables) {
        schema.EraseSection(QString(table).replace(u'#', u'.'));
    }
    // The tables are read again without their old sections, so that the
    // connection's header choice decides the column names.
    if (!schema.Write(path)) {
        qCWarning(lcSchema) << "cannot write" << path;
        return;
    }
    connection.Close();
    connection.Open();
    const QString header = HasHeaderRow(connection.Property(QStringLiteral("Extended Properties")))
                               ? QStringLiteral("True")
                               : QStringLiteral("False");
    for (const QString& table : tables) {
        std::unique_ptr<TZpRecordSet> records;
        try {
            records = connection.Select(QStringLiteral("SELECT * FROM [%1]").arg(table));
        } catch (const EZpError& error) {
            qCInfo(lcSchema) << "skipped" << table << error.Message();
            continue;
        }
        if (records->Fields.isEmpty()) {
            continue;
        }
        QList<QPair<QString, QString>> values{{QStringLiteral("Format"), QStringLiteral("CSVDelimited")},
                                              {QStringLiteral("MaxScanRows"), QStringLiteral("0")},
                                              {QStringLiteral("ColNameHeader"), header}};
        for (int i = 0; i < records->Fields.size(); ++i) {
            values.append({QStringLiteral("Col%1").arg(i + 1),
                           QStringLiteral("\"%1\" Text Width 100").arg(records->Fields[i].Name)});
        }
        schema.SetSection(QString(table).replace(u'#', u'.'), std::move(values));
    }
    if (!schema.Write(path)) {
        qCWarning(lcSchema) << "cannot write" << path;
    }
}

} // namespace zp
