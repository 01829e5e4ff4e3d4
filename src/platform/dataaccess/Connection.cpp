// SPDX-License-Identifier: MIT
#include "platform/dataaccess/Connection.h"

#include "base/Errors.h"
#include "platform/dataaccess/DbEngine.h"
#include "platform/dataaccess/SqlEngine.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>

namespace zp {

TZpConnection::TZpConnection(const QString& connectionString)
    : FConnectionString(connectionString), FParsed(connectionString) {}

TZpConnection::~TZpConnection() {
    Close();
}

void TZpConnection::SetConnectionString(const QString& text) {
    Close();
    FConnectionString = text;
    FParsed = TZpConnectionString(text);
}

void TZpConnection::Open() {
    if (Connected()) {
        return;
    }
    TZpConnectionString parsed = FParsed;
    const QString source = parsed.Value(QStringLiteral("Data Source"));
    // Only file and folder sources: a server or DSN name is not a path.
    if (!BaseFolder.isEmpty() && !source.isEmpty() && QDir::isRelativePath(source) &&
        QFileInfo::exists(QDir(BaseFolder).filePath(source)))
        parsed.SetValue(QStringLiteral("Data Source"), QDir(BaseFolder).filePath(source));
    std::unique_ptr<TZpDbEngine> engine = CreateDbEngine(parsed, ReadOnly);
    engine->Open();
    FEngine = std::move(engine);
}

void TZpConnection::Close() {
    if (FEngine) {
        FEngine->Close();
        FEngine.reset();
    }
}

bool TZpConnection::Connected() const {
    return FEngine && FEngine->Connected();
}

void TZpConnection::Require() const {
    if (!Connected()) {
        throw EZpError(QStringLiteral("The connection is not open."));
    }
}

QStringList TZpConnection::TableNames(bool systemTables) const {
    Require();
    return FEngine->TableNames(systemTables);
}

void TZpConnection::Execute(const QString& sql) {
    Require();
    if (ReadOnly) {
        throw EZpError(QStringLiteral("The connection is read-only."));
    }
    FEngine->Execute(sql);
}

std::unique_ptr<TZpRecordSet> TZpConnection::Select(const QString& sql) const {
    Require();
    return FEngine->Select(sql);
}

void CreateDesktopDatabase(const QString& connectionString) {
    const TZpConnectionString parsed(connectionString);
    const QString path = parsed.Value(QStringLiteral("Data Source"));
    if (path.isEmpty()) {
        throw EZpError(QStringLiteral("The connection string names no data source (Data Source=...)."));
    }
    if (QFileInfo::exists(path)) {
        throw EZpFileError(QStringLiteral("Cannot create file \"%1\". The file exists.").arg(path));
    }
    const QString name = NewSqlConnectionName();
    QString failure;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        // SQLite writes nothing until the first statement; a schema version
        // makes the file a database on disk at once.
        if (!db.open() || db.exec(QStringLiteral("PRAGMA user_version = 1")).lastError().isValid()) {
            failure = db.lastError().text();
        }
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    if (!failure.isEmpty()) {
        QFile::remove(path);
        throw EZpFileError(QStringLiteral("Cannot create file \"%1\". %2").arg(path, failure));
    }
}

} // namespace zp
