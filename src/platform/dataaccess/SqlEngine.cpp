// SPDX-License-Identifier: MIT
#include "platform/dataaccess/SqlEngine.h"

#include "base/Errors.h"

#include <QAtomicInt>
#include <QDate>
#include <QDateTime>
#include <QRegularExpression>
#include <QSqlDriver>
#include <QSqlError>
#include <QSqlField>
#include <QSqlQuery>
#include <QSqlRecord>

namespace zp {

QString NewSqlConnectionName() {
    static QAtomicInt counter;
    return QStringLiteral("zp-data-%1").arg(counter.fetchAndAddRelaxed(1) + 1);
}

namespace {

TZpFieldType TypeOf(const QMetaType& type) {
    switch (type.id()) {
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::UChar:
        return TZpFieldType::ftInteger;
    case QMetaType::Double:
    case QMetaType::Float:
        return TZpFieldType::ftFloat;
    case QMetaType::Bool:
        return TZpFieldType::ftBoolean;
    case QMetaType::QDate:
        return TZpFieldType::ftDate;
    case QMetaType::QDateTime:
    case QMetaType::QTime:
        return TZpFieldType::ftDateTime;
    case QMetaType::QByteArray:
        return TZpFieldType::ftBlob;
    default:
        return TZpFieldType::ftString;
    }
}

QString ErrorText(const QSqlError& error) {
    QString text = error.databaseText().trimmed();
    if (text.isEmpty()) {
        text = error.driverText().trimmed();
    }
    return text.isEmpty() ? error.text().trimmed() : text;
}

// A statement that only reads: SELECT, perhaps behind an opening parenthesis.
bool IsSelect(const QString& sql) {
    static const QRegularExpression select(QStringLiteral("^[\\s(]*SELECT\\b"),
                                           QRegularExpression::CaseInsensitiveOption);
    return select.match(sql).hasMatch();
}

} // namespace

TZpSqlEngine::TZpSqlEngine(const QString& driver, std::function<void(QSqlDatabase&)> configure,
                           TQuoting quoting, QString what, bool readOnly)
    : FDriver(driver), FName(NewSqlConnectionName()), FConfigure(std::move(configure)), FQuoting(quoting),
      FWhat(std::move(what)), FReadOnly(readOnly) {}

TZpSqlEngine::~TZpSqlEngine() {
    Close();
}

void TZpSqlEngine::Open() {
    if (FOpen) {
        return;
    }
    if (!QSqlDatabase::isDriverAvailable(FDriver)) {
        throw EZpError(QStringLiteral("The database driver %1 is not installed.").arg(FDriver));
    }
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(FDriver, FName);
        FConfigure(db);
        if (db.open()) {
            FOpen = true;
            if (FReadOnly && FDriver == QLatin1String("QPSQL")) {
                QSqlQuery(db).exec(QStringLiteral("SET SESSION CHARACTERISTICS AS TRANSACTION READ ONLY"));
            }
            return;
        }
        failure = ErrorText(db.lastError());
    }
    QSqlDatabase::removeDatabase(FName);
    throw EZpError(QStringLiteral("%1 could not be opened: %2").arg(FWhat, failure));
}

void TZpSqlEngine::Close() {
    if (!FOpen) {
        return;
    }
    {
        QSqlDatabase db = QSqlDatabase::database(FName, false);
        db.close();
    }
    QSqlDatabase::removeDatabase(FName);
    FOpen = false;
}

bool TZpSqlEngine::Connected() const {
    return FOpen;
}

QStringList TZpSqlEngine::TableNames(bool systemTables) {
    QSqlDatabase db = QSqlDatabase::database(FName, false);
    QStringList names = db.tables(QSql::Tables);
    QStringList system = db.tables(QSql::SystemTables);
    if (FDriver == QLatin1String("QSQLITE")) {
        // SQLite's own bookkeeping tables (sqlite_sequence, sqlite_stat1...) come
        // back as ordinary tables; they are system tables to the user, and so
        // are ours under the desktop database's MSys names.
        for (qsizetype i = names.size() - 1; i >= 0; --i) {
            if (names[i].startsWith(QLatin1String("sqlite_"), Qt::CaseInsensitive) ||
                names[i].startsWith(QLatin1String("MSys"), Qt::CaseInsensitive)) {
                system.prepend(names.takeAt(i));
            }
        }
    }
    return systemTables ? names + system : names;
}

QString TZpSqlEngine::Translate(const QString& sql) const {
    const QString expanded = ExpandTableName(sql);
    if (FQuoting == TQuoting::Brackets) {
        return expanded;
    }
    QSqlDriver* driver = QSqlDatabase::database(FName, false).driver();
    return TranslateBrackets(expanded, [driver](const QString& name) {
        return driver->escapeIdentifier(name, QSqlDriver::TableName);
    });
}

void TZpSqlEngine::Execute(const QString& sql) {
    QSqlQuery query(QSqlDatabase::database(FName, false));
    if (!query.exec(Translate(sql))) {
        throw EZpError(QStringLiteral("%1: %2").arg(FWhat, ErrorText(query.lastError())));
    }
}

std::unique_ptr<TZpRecordSet> TZpSqlEngine::Select(const QString& sql) {
    QSqlDatabase db = QSqlDatabase::database(FName, false);
    const QString text = Translate(sql);
    // ODBC drivers may ignore the read-only access mode they are asked for, so a
    // read-only ODBC connection runs nothing but SELECTs, and those inside a
    // transaction that is rolled back where the driver has transactions.
    bool rollback = false;
    if (FReadOnly && FDriver == QLatin1String("QODBC")) {
        if (!IsSelect(text)) {
            throw EZpError(
                QStringLiteral("%1 is opened read-only: only SELECT statements run on it.").arg(FWhat));
        }
        rollback = db.driver()->hasFeature(QSqlDriver::Transactions) && db.transaction();
    }
    std::unique_ptr<TZpRecordSet> records;
    QString failure;
    {
        QSqlQuery query(db);
        query.setForwardOnly(true);
        if (!query.exec(text)) {
            failure = QStringLiteral("%1: %2").arg(FWhat, ErrorText(query.lastError()));
        } else {
            try {
                records = ReadAll(query);
            } catch (const EZpError& e) {
                failure = e.Message();
            }
        }
    }
    if (rollback) {
        db.rollback();
    }
    if (!failure.isEmpty()) {
        throw EZpError(failure);
    }
    return records;
}

std::unique_ptr<TZpRecordSet> TZpSqlEngine::ReadAll(QSqlQuery& query) {
    auto records = std::make_unique<TZpRecordSet>();
    const QSqlRecord record = query.record();
    const int count = record.count();
    for (int i = 0; i < count; ++i) {
        const QSqlField field = record.field(i);
        TZpFieldInfo info;
        info.Name = field.name();
        info.Type = TypeOf(field.metaType());
        info.Size = field.length() > 0 ? field.length() : 0;
        info.Precision = field.precision() > 0 ? field.precision() : 0;
        records->Fields.append(info);
    }
    while (query.next()) {
        QStringList row;
        row.reserve(count);
        for (int i = 0; i < count; ++i) {
            const QVariant value = query.value(i);
            if (value.isNull()) {
                row.append(QString());
                continue;
            }
            switch (value.metaType().id()) {
            case QMetaType::Bool:
                row.append(value.toBool() ? QStringLiteral("True") : QStringLiteral("False"));
                break;
            case QMetaType::Double:
                row.append(QString::number(value.toDouble(), 'g', 15));
                break;
            case QMetaType::QDate:
                row.append(value.toDate().toString(Qt::ISODate));
                break;
            case QMetaType::QDateTime:
                row.append(value.toDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss")));
                break;
            default:
                row.append(value.toString());
            }
        }
        records->Rows.push_back(std::move(row));
    }
    if (query.lastError().isValid()) {
        throw EZpError(ErrorText(query.lastError()));
    }
    return records;
}

} // namespace zp
