// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "dataaccess/Fixtures.h"
#include "dataaccess/PrivatePgServer.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <functional>
#include <gtest/gtest.h>

namespace zp {
namespace {

// Makes the products source in a folder; returns its connection string and
// sets the name the engine lists the table under, or returns empty text and
// says why when what the engine needs is missing on this machine.
struct TEngineCase {
    const char* Name;
    std::function<QString(const QString& dir, QString& table, QString& why)> Make;
};

QString MakeSQLite(const QString& dir, QString& table, QString&) {
    const QString path = QDir(dir).filePath(QStringLiteral("products.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("make"));
        db.setDatabaseName(path);
        db.open();
        test::FillProducts(db, QStringLiteral("CREATE TABLE products (Code TEXT, Name TEXT, Qty INTEGER)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    table = QStringLiteral("products");
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path;
}

QString MakeText(const QString& dir, QString& table, QString&) {
    test::CopyFixtureFolder(QStringLiteral("dataaccess/text"), dir);
    table = QStringLiteral("products#csv");
    return QStringLiteral(
               "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=\"Text;HDR=YES;\"")
        .arg(dir);
}

QString MakeDbf(const QString& dir, QString& table, QString&) {
    QFile file(QDir(dir).filePath(QStringLiteral("products.dbf")));
    file.open(QIODevice::WriteOnly);
    file.write(test::ProductsDbf());
    table = QStringLiteral("products");
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=dBase IV")
        .arg(dir);
}

QString MakeXls(const QString& dir, QString& table, QString&) {
    (void)dir;
    table = QStringLiteral("products$");
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Excel 8.0")
        .arg(test::TestDataPath(QStringLiteral("dataaccess/products.xls")));
}

// The private server's database; empty when the server is not running.
QString MakePostgreSQL(const QString&, QString& table, QString& why) {
    test::TPrivatePgServer& server = test::TPrivatePgServer::Instance();
    if (!server.Started()) {
        why = QStringLiteral("PostgreSQL server did not start: ") + server.Why();
        return {};
    }
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QPSQL"), QStringLiteral("make"));
        db.setHostName(server.Host());
        db.setPort(5432);
        db.setDatabaseName(QStringLiteral("postgres"));
        db.setUserName(QLatin1String(test::TPrivatePgServer::kUser));
        db.setPassword(QLatin1String(test::TPrivatePgServer::kPassword));
        if (db.open())
            test::FillProducts(
                db, QStringLiteral("CREATE TABLE products (\"Code\" text, \"Name\" text, \"Qty\" integer)"));
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("make"));
    table = QStringLiteral("products");
    return server.ConnectionString();
}

// The SQLite file through the SQLite ODBC driver, as a DSN-less driver string.
QString MakeOdbcSQLite(const QString& dir, QString& table, QString& why) {
    why = test::MissingOdbcDriver(QStringLiteral("SQLite3"));
    if (!why.isEmpty()) {
        return {};
    }
    const QString path = QDir(dir).filePath(QStringLiteral("products.db"));
    (void)MakeSQLite(dir, table, why);
    return QStringLiteral("Driver={SQLite3};Database=") + path;
}

// The private server's database through the PostgreSQL ODBC driver and a
// user data source, as an ODBC provider string names it.
QString MakeOdbcPostgreSQL(const QString& dir, QString& table, QString& why) {
    why = test::MissingOdbcDriver(QStringLiteral("PostgreSQL Unicode"));
    if (!why.isEmpty() || MakePostgreSQL(dir, table, why).isEmpty()) {
        return {};
    }
    // A private user data source: unixODBC reads it from where ODBCINI points.
    QFile ini(QDir(dir).filePath(QStringLiteral("odbc.ini")));
    if (!ini.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        why = QStringLiteral("cannot write ") + ini.fileName();
        return {};
    }
    ini.write(QStringLiteral(
                  "[zp-products]\nDriver=PostgreSQL Unicode\nServername=%1\nPort=5432\nDatabase=postgres\n")
                  .arg(test::TPrivatePgServer::Instance().Host())
                  .toUtf8());
    ini.close();
    qputenv("ODBCINI", QFile::encodeName(ini.fileName()));
    return QStringLiteral("Provider=MSDASQL.1;Persist Security Info=False;User ID=%1;Password=%2;Data "
                          "Source=zp-products")
        .arg(QLatin1String(test::TPrivatePgServer::kUser), QLatin1String(test::TPrivatePgServer::kPassword));
}

const TEngineCase kEngines[] = {
    {"PostgreSQL", MakePostgreSQL},
    {"OdbcSQLite", MakeOdbcSQLite},
    {"OdbcPostgreSQL", MakeOdbcPostgreSQL},
    {"SQLite", MakeSQLite},
    {"Text", MakeText},
    {"dBase", MakeDbf},
    {"Excel", MakeXls},
};

class EngineTest : public ::testing::TestWithParam<TEngineCase> {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        QString why;
        const QString cs = GetParam().Make(FDir.path(), FTable, why);
        if (cs.isEmpty()) {
            // Under CI the server and drivers must be there; elsewhere the reason is printed.
            if (qEnvironmentVariable("CI") == QLatin1String("true")) {
                FAIL() << why.toStdString();
            }
            GTEST_SKIP() << why.toStdString();
        }
        FConnection.SetConnectionString(cs);
        FConnection.ReadOnly = true;
        FConnection.Open();
    }
    // Column of every record of a query.
    QStringList Column(const QString& sql, const QString& field) {
        TZpQuery query(&FConnection, sql);
        query.Open();
        QStringList values;
        for (query.First(); !query.Eof(); query.Next()) {
            values.append(query.Value(field));
        }
        return values;
    }
    QTemporaryDir FDir;
    QString FTable;
    TZpConnection FConnection;
};

TEST_P(EngineTest, ListsAndReadsTheTable) {
    EXPECT_TRUE(FConnection.TableNames(false).contains(FTable, Qt::CaseInsensitive))
        << FConnection.TableNames(false).join(',').toStdString();
    TZpQuery query(&FConnection, u'[' + FTable + u']');
    query.Open();
    ASSERT_EQ(query.RecordCount(), 3);
    ASSERT_EQ(query.FieldCount(), 3);
    EXPECT_EQ(query.Field(0).Name.toLower(), QStringLiteral("code"));
    EXPECT_TRUE(query.Bof());
    EXPECT_EQ(query.Value(QStringLiteral("Name")), QStringLiteral("Stabilo pen"));
    EXPECT_EQ(query.Value(2), QStringLiteral("12"));
    query.Next();
    query.Next();
    EXPECT_FALSE(query.Eof());
    EXPECT_EQ(query.Value(QStringLiteral("code")), QStringLiteral("0012345678905"));
    query.Next();
    EXPECT_TRUE(query.Eof());
    EXPECT_EQ(query.Value(QStringLiteral("code")),
              QStringLiteral("0012345678905")); // stays on the last record
    query.Prior();
    EXPECT_FALSE(query.Eof());
    EXPECT_EQ(query.Value(QStringLiteral("Qty")), QStringLiteral("5"));
    query.Close();
    EXPECT_TRUE(query.Bof() && query.Eof());
    EXPECT_EQ(query.Value(0), QString());
}

TEST_P(EngineTest, RunsTheComposedSelectTexts) {
    // As the data wizard composes it: one item per line.
    const QString wizard =
        QStringLiteral("SELECT \r\n[Code]\r\n,\r\n[Name]\r\nFROM [%1]\r\nWHERE [Name] LIKE '%ug%'\r\n"
                       "ORDER BY [Code] ASC")
            .arg(FTable);
    EXPECT_EQ(Column(wizard, QStringLiteral("Code")),
              (QStringList{QStringLiteral("0012345678905"), QStringLiteral("5012345678900")}));
    EXPECT_EQ(Column(QStringLiteral("SELECT [Name] FROM [%1] WHERE [Qty] > 1 ORDER BY [Name]").arg(FTable),
                     QStringLiteral("Name")),
              (QStringList{QStringLiteral("Blue mug"), QStringLiteral("Stabilo pen")}));
    EXPECT_EQ(Column(QStringLiteral("SELECT * FROM [%1] WHERE [Code] = '5012345678900'").arg(FTable),
                     QStringLiteral("Name")),
              QStringList{QStringLiteral("Blue mug")});
}

TEST_P(EngineTest, BadSqlSaysWhatFailed) {
    TZpQuery query(&FConnection, QStringLiteral("SELECT [Code FROM [%1]").arg(FTable));
    EXPECT_THROW(query.Open(), EZpError);
    EXPECT_FALSE(query.Active());
    // The message names the unknown table, whether the whole table or a
    // composed SELECT is asked for.
    for (const char* sql :
         {"SELECT * FROM [NoSuchTable]", "SELECT [Code] FROM [NoSuchTable] WHERE [Qty] > 1"}) {
        query.SetSQL(QString::fromUtf8(sql));
        try {
            query.Open();
            ADD_FAILURE() << sql;
        } catch (const EZpError& e) {
            EXPECT_TRUE(e.Message().contains(QStringLiteral("NoSuchTable"), Qt::CaseInsensitive))
                << e.Message().toStdString();
        }
    }
    // The connection keeps working.
    EXPECT_EQ(Column(u'[' + FTable + u']', QStringLiteral("Qty")).size(), 3);
}

TEST(PostgreSQLTest, ARefusedLoginSaysSoAndTheServerKeepsServing) {
    test::TPrivatePgServer& server = test::TPrivatePgServer::Instance();
    if (!server.Started()) {
        if (qEnvironmentVariable("CI") == QLatin1String("true")) {
            FAIL() << server.Why().toStdString();
        }
        GTEST_SKIP() << "PostgreSQL server did not start: " << server.Why().toStdString();
    }
    TZpConnection refused(server.ConnectionString(QStringLiteral("postgres"), QStringLiteral("wrong")));
    try {
        refused.Open();
        FAIL();
    } catch (const EZpError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("password authentication failed")))
            << e.Message().toStdString();
        EXPECT_TRUE(e.Message().contains(server.Host())) << e.Message().toStdString();
    }
    TZpConnection good(server.ConnectionString());
    good.ReadOnly = true;
    good.Open();
    TZpQuery query(&good, QStringLiteral("SELECT 1 AS [One]"));
    query.Open();
    EXPECT_EQ(query.Value(QStringLiteral("One")), QStringLiteral("1"));
}

TEST(DbfTest, CharacterFieldsKeepLeadingBlanks) {
    QTemporaryDir dir;
    QByteArray dbf = test::ProductsDbf();
    const qsizetype at = dbf.indexOf("Blue mug ");
    ASSERT_GT(at, 0);
    dbf.replace(at, 9, " Blue mug");
    QFile file(QDir(dir.path()).filePath(QStringLiteral("products.dbf")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(dbf);
    file.close();
    TZpConnection connection(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=dBase 5.0")
            .arg(dir.path()));
    connection.Open();
    TZpQuery query(&connection, QStringLiteral("[products]"));
    query.Open();
    query.Next();
    EXPECT_EQ(query.Value(QStringLiteral("Name")), QStringLiteral(" Blue mug"));
    EXPECT_EQ(query.Value(QStringLiteral("Code")), QStringLiteral("5012345678900"));
}

// Text files are read in pieces of 4 MiB. A record with a quoted line break,
// a doubled quote, multi-byte characters and CR LF reads whole wherever a
// piece ends inside it, and the last record needs no line break.
TEST(TextTableTest, RecordsReadWholeAcrossTheReadPieces) {
    constexpr qsizetype kPiece = qsizetype{4} << 20;
    const QByteArray tricky = "\"a\"\"b\nc\",\xC3\xA9\xE2\x82\xAC,end\r\n";
    QTemporaryDir dir;
    const QString folder = dir.path();
    // Where the piece ends: before the record, after its opening quote, between the doubled
    // quotes, after the quoted line break, after the closing quote, inside each multi-byte
    // character, between CR and LF, after the record.
    for (const qsizetype cut : {0, 1, 3, 6, 8, 10, 12, 13, 19, 20}) {
        // Header and filler so that the tricky record starts cut bytes before the piece ends.
        QByteArray text = "A,B,C\n";
        const QByteArray filler = QByteArray(1000, 'f') + ",g,h\n";
        int fillers = 0;
        while (text.size() + filler.size() <= kPiece - cut - 10) {
            text += filler;
            ++fillers;
        }
        text += QByteArray(kPiece - cut - text.size() - 5, 'x') + ",y,z\n";
        ASSERT_EQ(text.size(), kPiece - cut);
        text += tricky + "last,1,2";
        QFile file(QDir(folder).filePath(QStringLiteral("t.csv")));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        file.close();

        TZpConnection connection(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Text")
                .arg(folder));
        connection.Open();
        TZpQuery query(&connection, QStringLiteral("[t#csv]"));
        query.Open();
        ASSERT_EQ(query.RecordCount(), fillers + 3) << cut;
        for (int i = 0; i < fillers + 1; ++i)
            query.Next();
        EXPECT_EQ(query.Value(0), QStringLiteral("a\"b\nc")) << cut;
        EXPECT_EQ(query.Value(1), QStringLiteral("\u00E9\u20AC")) << cut;
        EXPECT_EQ(query.Value(2), QStringLiteral("end")) << cut;
        query.Next();
        EXPECT_EQ(query.Value(QStringLiteral("C")), QStringLiteral("2")) << cut;
    }
}

// Records of the copy are read a block at a time; any order gives each its own.
TEST(TextTableTest, CopiedRecordsReadInAnyOrder) {
    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath(QStringLiteral("t.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name,Qty\n");
    for (int i = 0; i < 200; ++i)
        file.write(
            QStringLiteral("n%1,%2\n").arg(i).arg(i % 3 == 0 ? QString() : QString::number(i)).toUtf8());
    file.close();
    TZpConnection connection(
        QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Text")
            .arg(dir.path()));
    connection.Open();
    const std::unique_ptr<TZpRecordSet> records = connection.Select(QStringLiteral("SELECT * FROM [t#csv]"));
    ASSERT_EQ(records->Count(), 200);
    for (const int i : {199, 0, 63, 64, 130, 1, 65, 198, 127, 128}) {
        const QString qty = i % 3 == 0 ? QString() : QString::number(i);
        EXPECT_EQ(records->Row(i), (QStringList{QStringLiteral("n%1").arg(i), qty})) << i;
    }
}

// The copy of a file source lives in a temporary file: gone once the
// connection is closed and no record set read from it is left, which may
// outlive the connection.
TEST(TextTableTest, TheCopyGoesWithTheConnectionAndItsRecords) {
    QTemporaryDir temp;
    const QByteArray oldTemp = qgetenv("TMPDIR");
    qputenv("TMPDIR", QFile::encodeName(temp.path()));
    QTemporaryDir dir;
    QFile file(QDir(dir.path()).filePath(QStringLiteral("t.csv")));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("Name,Qty\nann,1\nbob,2\n");
    file.close();
    const auto copies = [&] { return QDir(temp.path()).entryList(QDir::Files).size(); };
    {
        TZpConnection connection(
            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Text")
                .arg(dir.path()));
        connection.Open();
        std::unique_ptr<TZpRecordSet> records = connection.Select(QStringLiteral("SELECT * FROM [t#csv]"));
        EXPECT_EQ(copies(), 1);
        connection.Close();
        ASSERT_EQ(records->Count(), 2);
        EXPECT_EQ(records->Row(1), (QStringList{QStringLiteral("bob"), QStringLiteral("2")}));
        records.reset();
        EXPECT_EQ(copies(), 0);
        connection.Open();
        EXPECT_EQ(connection.Select(QStringLiteral("SELECT Name FROM [t#csv] WHERE Qty > 1"))->Row(0),
                  QStringList{QStringLiteral("bob")});
    }
    EXPECT_EQ(copies(), 0);
    if (oldTemp.isNull())
        qunsetenv("TMPDIR");
    else
        qputenv("TMPDIR", oldTemp);
}

INSTANTIATE_TEST_SUITE_P(Engines, EngineTest, ::testing::ValuesIn(kEngines),
                         [](const auto& info) { return std::string(info.param.Name); });

} // namespace
} // namespace zp
