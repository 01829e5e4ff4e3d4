// SPDX-License-Identifier: MIT
#include "data/DatabaseTasks.h"

#include "base/Errors.h"
#include "data/DataConnections.h"
#include "data/DatabaseCopy.h"
#include "data/DesktopDatabase.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/RecordSet.h"

#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace zp {

QString ConnectTableSql(const QString& table, const QString& sortField, bool descending) {
    QString name = table;
    name.remove(u'[').remove(u']');
    QString sql = QStringLiteral("SELECT * FROM [%1] ").arg(name);
    if (!sortField.isEmpty()) {
        sql += QStringLiteral("ORDER BY [%1]").arg(sortField) +
               (descending ? QStringLiteral(" DESC") : QString());
    }
    return sql;
}

int ConnectTableToLabel(TZpDataConnections& connections, const QString& databasePath,
                        const QString& connectionString, const QString& table, const QString& sortField,
                        bool descending) {
    const int c = connections.AddConnection(QFileInfo(databasePath).completeBaseName(), connectionString);
    QString dataset = table;
    dataset.remove(u'[').remove(u']');
    const int d = connections.AddDataset(connections.ConnectionName(c), dataset,
                                         ConnectTableSql(table, sortField, descending));
    connections.Open();
    return d;
}

void CopyToDesktopDatabase(const QString& sourceConnectionString, const QString& target) {
    TZpConnection source(sourceConnectionString);
    source.ReadOnly = true;
    source.Open();
    const QStringList tables = source.TableNames(false);
    CreateAccessDatabase(target);
    try {
        TZpDesktopDatabase db(target);
        QSqlDatabase sql = db.Database();
        if (!sql.transaction()) {
            throw EZpError(sql.lastError().text());
        }
        for (const QString& table : tables) {
            const auto records = source.Select(QStringLiteral("SELECT * FROM [%1]").arg(table));
            QStringList columns;
            QStringList marks;
            for (const TZpFieldInfo& f : records->Fields) {
                QString type;
                switch (f.Type) {
                case TZpFieldType::ftInteger:
                    type = QStringLiteral("INTEGER");
                    break;
                case TZpFieldType::ftFloat:
                    type = QStringLiteral("NUMERIC");
                    break;
                case TZpFieldType::ftBoolean:
                    type = QStringLiteral("LOGICAL");
                    break;
                case TZpFieldType::ftDate:
                case TZpFieldType::ftDateTime:
                    type = QStringLiteral("DATE");
                    break;
                case TZpFieldType::ftString:
                    type = QStringLiteral("VARCHAR(%1)").arg(std::max(f.Size, 1));
                    break;
                default:
                    type = QStringLiteral("TEXT");
                }
                columns << Bracketed(QString(f.Name).replace(u']', u')')) + u' ' + type;
                marks << QStringLiteral("?");
            }
            const QString name = Bracketed(QString(table).replace(u']', u')'));
            QSqlQuery q(sql);
            if (!q.exec(
                    QStringLiteral("CREATE TABLE %1 (%2)").arg(name, columns.join(QStringLiteral(", "))))) {
                throw EZpError(q.lastError().databaseText());
            }
            q.prepare(QStringLiteral("INSERT INTO %1 VALUES (%2)").arg(name, marks.join(u',')));
            for (const QStringList& row : records->Rows) {
                for (int i = 0; i < marks.size(); ++i) {
                    q.addBindValue(row.value(i).isEmpty() ? QVariant() : QVariant(row.value(i)));
                }
                if (!q.exec()) {
                    throw EZpError(q.lastError().databaseText());
                }
            }
        }
        if (!sql.commit()) {
            throw EZpError(sql.lastError().text());
        }
    } catch (const EZpError& error) {
        QFile::remove(target);
        throw EZpError(
            QStringLiteral("The database could not be copied to \"%1\": %2").arg(target, error.Message()));
    }
}

} // namespace zp
