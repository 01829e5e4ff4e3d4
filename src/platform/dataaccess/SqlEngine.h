// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/DbEngine.h"

#include <QSqlDatabase>

namespace zp {

/// An engine over one of Qt's SQL drivers: SQLite files, PostgreSQL, ODBC.
class TZpSqlEngine : public TZpDbEngine {
public:
    /// How bracketed identifiers reach the driver.
    enum class TQuoting { Brackets, Driver };

    /// driver "QSQLITE", "QPSQL" or "QODBC"; configure fills in the
    /// connection details before it opens; what names the data for messages.
    TZpSqlEngine(const QString& driver, std::function<void(QSqlDatabase&)> configure, TQuoting quoting,
                 QString what, bool readOnly);
    ~TZpSqlEngine() override;

    void Open() override;
    void Close() override;
    [[nodiscard]] bool Connected() const override;
    [[nodiscard]] QStringList TableNames(bool systemTables) override;
    void Execute(const QString& sql) override;
    [[nodiscard]] std::unique_ptr<TZpRecordSet> Select(const QString& sql) override;

    /// Reads every record of an executed query into a record set.
    [[nodiscard]] static std::unique_ptr<TZpRecordSet> ReadAll(class QSqlQuery& query);

private:
    [[nodiscard]] QString Translate(const QString& sql) const;
    QString FDriver;
    QString FName;
    std::function<void(QSqlDatabase&)> FConfigure;
    TQuoting FQuoting;
    QString FWhat;
    bool FReadOnly;
    bool FOpen = false;
};

/// A unique name for a Qt database connection.
[[nodiscard]] QString NewSqlConnectionName();

} // namespace zp
