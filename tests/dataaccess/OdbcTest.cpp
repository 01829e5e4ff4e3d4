// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "dataaccess/Fixtures.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/ConnectionString.h"
#include "platform/dataaccess/OdbcEngine.h"
#include "platform/dataaccess/Query.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

// A connection string, the ODBC attributes it stands for, and what Qt's ODBC
// driver must be given so that it hands exactly those to the driver manager
// (it puts "DSN=" in front of a text without "DRIVER=" or "SERVER=").
struct TOdbcCase {
    const char* ConnectionString;
    const char* Attributes;
    const char* QtName;
};

const TOdbcCase kOdbcCases[] = {
    {"Driver={SQLite3};Database=/srv/labels.db", "Driver={SQLite3};Database=/srv/labels.db",
     "Driver={SQLite3};Database=/srv/labels.db"},
    {"Provider=MSDASQL.1;Persist Security Info=False;User ID=ann;Password=pw;Data Source=Stock",
     "UID=ann;PWD=pw;DSN=Stock", "Stock;UID=ann;PWD=pw"},
    {"Provider=MSDASQL;Extended Properties=\"DSN=Stock;UID=ann\";Password=pw", "DSN=Stock;UID=ann;PWD=pw",
     "Stock;UID=ann;PWD=pw"},
    {"Provider=MSDASQL;Driver={PostgreSQL Unicode};Servername=db1;PWD={a;b}",
     "Driver={PostgreSQL Unicode};Servername=db1;PWD={a;b}",
     "Driver={PostgreSQL Unicode};Servername=db1;PWD={a;b}"},
    {"Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=sa;Initial Catalog=Stock;Data "
     "Source=srv",
     "DRIVER={FreeTDS};SERVER=srv;DATABASE=Stock;UID=sa;PWD=pw",
     "DRIVER={FreeTDS};SERVER=srv;DATABASE=Stock;UID=sa;PWD=pw"},
    {"FILEDSN=/etc/odbc/stock.dsn;UID=ann", "FILEDSN=/etc/odbc/stock.dsn;UID=ann",
     "/etc/odbc/stock.dsn;UID=ann"},
};

TEST(OdbcConnectTextTest, MapsProviderStringsToOdbcAttributes) {
    for (const TOdbcCase& c : kOdbcCases) {
        const TZpConnectionString cs(QString::fromUtf8(c.ConnectionString));
        EXPECT_EQ(OdbcConnectText(cs), QString::fromUtf8(c.Attributes)) << c.ConnectionString;
        EXPECT_EQ(OdbcDatabaseName(cs), QString::fromUtf8(c.QtName)) << c.ConnectionString;
    }
    for (const char* bad : {"Provider=MSDASQL;User ID=ann;Password=pw", "Provider=MSDASQL.1"}) {
        TZpConnection connection(QString::fromUtf8(bad));
        try {
            connection.Open();
            ADD_FAILURE() << bad;
        } catch (const EZpError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("names no data source")))
                << e.Message().toStdString();
        }
    }
}

// A user data source in "Extended Properties", with the login beside it, read
// through the SQLite ODBC driver; the connection stays read-only.
TEST(OdbcTest, OpensAUserDataSourceReadOnly) {
    const QString why = test::MissingOdbcDriver(QStringLiteral("SQLite3"));
    if (!why.isEmpty()) {
        if (qEnvironmentVariable("CI") == QLatin1String("true")) {
            FAIL() << why.toStdString();
        }
        GTEST_SKIP() << why.toStdString();
    }
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("stock.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery(db).exec(QStringLiteral("CREATE TABLE [Stock List] (Item TEXT, Amount INTEGER)"));
        QSqlQuery(db).exec(QStringLiteral("INSERT INTO [Stock List] VALUES ('Mug', 7), ('Pen', NULL)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    QFile ini(dir.filePath(QStringLiteral("odbc.ini")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write(QStringLiteral("[zp-stock]\nDriver=SQLite3\nDatabase=%1\n").arg(path).toUtf8());
    ini.close();
    qputenv("ODBCINI", QFile::encodeName(ini.fileName()));

    TZpConnection connection(
        QStringLiteral("Provider=MSDASQL.1;Extended Properties=\"DSN=zp-stock;\";User ID=nobody;Password=x"));
    connection.ReadOnly = true;
    connection.Open();
    EXPECT_TRUE(connection.TableNames(false).contains(QStringLiteral("Stock List")));
    TZpQuery query(&connection, QStringLiteral("[Stock List]"));
    query.Open();
    ASSERT_EQ(query.RecordCount(), 2);
    query.Next();
    EXPECT_EQ(query.Value(QStringLiteral("Item")), QStringLiteral("Pen"));
    EXPECT_EQ(query.Value(QStringLiteral("Amount")), QString()); // null reads as empty text
    EXPECT_THROW(connection.Execute(QStringLiteral("DELETE FROM [Stock List]")), EZpError);
    // Nor does a query change the file, whatever the driver makes of read-only access.
    TZpQuery sneaky(&connection, QStringLiteral("DELETE FROM [Stock List]"));
    EXPECT_THROW(sneaky.Open(), EZpError);
    sneaky.SetSQL(QStringLiteral("SELECT 1; DELETE FROM [Stock List]"));
    try {
        sneaky.Open();
    } catch (const EZpError&) {
    }
    query.Close();
    query.Open();
    EXPECT_EQ(query.RecordCount(), 2);
}

} // namespace
} // namespace zp
