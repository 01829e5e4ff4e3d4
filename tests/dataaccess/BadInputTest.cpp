// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "dataaccess/Fixtures.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/ConnectionString.h"
#include "platform/dataaccess/DbEngine.h"
#include "platform/dataaccess/Query.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(ConnectionStringTest, SplitsQuotedAndPlainValues) {
    const TZpConnectionString cs(QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data/merge;Extended Properties=\"Text;HDR=NO;\";"
        "User ID='ann';Password=\"a\"\"b\";Empty=;"));
    EXPECT_EQ(cs.Provider(), QStringLiteral("Microsoft.Jet.OLEDB.4.0"));
    EXPECT_EQ(cs.Value(QStringLiteral("data source")), QStringLiteral("/data/merge"));
    EXPECT_EQ(cs.Value(QStringLiteral("Extended Properties")), QStringLiteral("Text;HDR=NO;"));
    EXPECT_EQ(cs.Value(QStringLiteral("User ID")), QStringLiteral("ann"));
    EXPECT_EQ(cs.Value(QStringLiteral("Password")), QStringLiteral("a\"b"));
    EXPECT_TRUE(cs.Has(QStringLiteral("Empty")));
    EXPECT_EQ(cs.Value(QStringLiteral("Missing")), QString());
    TZpConnection connection(QStringLiteral("Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;"
                                            "User ID=sa;Initial Catalog=Stock;Data Source=srv"));
    EXPECT_EQ(connection.Provider(), QStringLiteral("SQLOLEDB.1"));
    EXPECT_EQ(connection.Property(QStringLiteral("User ID")), QStringLiteral("sa"));
    EXPECT_EQ(TranslateBrackets(QStringLiteral("SELECT [a b] FROM [t] WHERE x = '[not]'"),
                                [](const QString& n) { return u'"' + n + u'"'; }),
              QStringLiteral("SELECT \"a b\" FROM \"t\" WHERE x = '[not]'"));
    // An unclosed bracket stays for the engine to report, not swallowed into a quoted name.
    EXPECT_EQ(TranslateBrackets(QStringLiteral("SELECT [a FROM [t]"),
                                [](const QString& n) { return u'"' + n + u'"'; }),
              QStringLiteral("SELECT [a FROM \"t\""));
}

// Each bad source: the files it is made of, the connection string, and what
// the message must name. Opening the connection or the table fails.
struct TBadCase {
    const char* Name;
    std::function<QString(const QString& dir)> Make;
    const char* Expected;
};

void Write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

QString TextFolder(const QString& dir, const QByteArray& csv) {
    Write(QDir(dir).filePath(QStringLiteral("bad.csv")), csv);
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Text")
        .arg(dir);
}

const TBadCase kBadCases[] = {
    // A quote opened on line 3 never closes: the rest of the file would be one field.
    {"UnbalancedQuote", [](const QString& d) { return TextFolder(d, "a,b\r\n1,2\r\n3,\"4\r\n5,6\r\n"); },
     "Line 3 of"},
    // A record with a field too many would shift or lose data.
    {"RaggedRow", [](const QString& d) { return TextFolder(d, "a,b\n1,2\n3,4,5\n"); }, "Line 3 of"},
    // The line told is where the record starts in the file, blank lines and
    // line breaks inside quotes counted.
    {"RaggedRowAfterAQuotedLineBreak",
     [](const QString& d) { return TextFolder(d, "a,b\n\n1,\"x\ny\"\n3,4,5\n"); }, "Line 5 of"},
    {"ShortRow", [](const QString& d) { return TextFolder(d, "a,b\n1\n"); }, "has 1 fields where 2"},
    // A 10 MB line is a damaged file, not a record.
    {"HugeLine", [](const QString& d) { return TextFolder(d, "a\n" + QByteArray(10 << 20, 'x') + "\n"); },
     "is longer than"},
    {"TruncatedDbf",
     [](const QString& d) {
         Write(QDir(d).filePath(QStringLiteral("bad.dbf")), test::ProductsDbf().left(150));
         return QStringLiteral(
                    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=dBase III")
             .arg(d);
     },
     "announces 3 records"},
    {"TruncatedXls",
     [](const QString& d) {
         QFile source(test::TestDataPath(QStringLiteral("dataaccess/products.xls")));
         source.open(QIODevice::ReadOnly);
         Write(QDir(d).filePath(QStringLiteral("bad.xls")), source.readAll().left(1500));
         return QStringLiteral(
                    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=Excel 8.0")
             .arg(QDir(d).filePath(QStringLiteral("bad.xls")));
     },
     "bad.xls"},
    {"DamagedAccessFile",
     [](const QString& d) {
         Write(QDir(d).filePath(QStringLiteral("bad.mdb")),
               QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(200, '\0'));
         return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1")
             .arg(QDir(d).filePath(QStringLiteral("bad.mdb")));
     },
     "bad.mdb"},
    {"NoDataSource",
     [](const QString&) {
         return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Extended Properties=Text");
     },
     "Data Source"},
    {"NoProvider", [](const QString& d) { return QStringLiteral("Data Source=") + d; }, "Provider"},
    {"Lotus",
     [](const QString& d) {
         return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1/a.wk1;"
                               "Extended Properties=Lotus WK1")
             .arg(d);
     },
     "Lotus WK1"},
    {"Oracle", [](const QString&) { return QStringLiteral("Provider=MSDAORA.1;Data Source=db"); },
     "MSDAORA.1"},
    // The file itself chosen where its folder belongs.
    {"FileForFolder",
     [](const QString& d) { return TextFolder(d, "a\n1\n").replace(d, d + QStringLiteral("/bad.csv")); },
     "bad.csv\" is a file"},
    {"MissingFolder",
     [](const QString& d) { return TextFolder(d, "").replace(d, d + QStringLiteral("/none")); },
     "does not exist"},
};

class BadInputTest : public ::testing::TestWithParam<TBadCase> {};

TEST_P(BadInputTest, FailsWithAMessageAndChangesNothing) {
    QTemporaryDir dir;
    const QString cs = GetParam().Make(dir.path());
    QStringList before;
    for (const QFileInfo& info : QDir(dir.path()).entryInfoList(QDir::Files)) {
        before.append(info.fileName() + u':' + QString::number(info.size()));
    }
    TZpConnection connection(cs);
    connection.ReadOnly = true;
    QString message;
    try {
        connection.Open();
        const QStringList tables = connection.TableNames(false);
        ASSERT_FALSE(tables.isEmpty());
        TZpQuery query(&connection, u'[' + tables.first() + u']');
        query.Open();
    } catch (const EZpError& e) {
        message = e.Message();
    }
    EXPECT_TRUE(message.contains(QLatin1String(GetParam().Expected))) << message.toStdString();
    QStringList after;
    for (const QFileInfo& info : QDir(dir.path()).entryInfoList(QDir::Files)) {
        after.append(info.fileName() + u':' + QString::number(info.size()));
    }
    EXPECT_EQ(before, after);
}

INSTANTIATE_TEST_SUITE_P(Sources, BadInputTest, ::testing::ValuesIn(kBadCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST(DesktopDatabaseTest, CreatesAnEmptyDatabaseOnce) {
    QTemporaryDir dir;
    const QString cs = QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                       dir.filePath(QStringLiteral("new.mdb"));
    CreateDesktopDatabase(cs);
    EXPECT_THROW(CreateDesktopDatabase(cs), EZpFileError);
    TZpConnection connection(cs);
    connection.Open();
    EXPECT_TRUE(connection.TableNames(false).isEmpty());
    connection.Execute(QStringLiteral("CREATE TABLE [Parts] (\r\n[Code] VARCHAR(10)\r\n)"));
    // An automatic number makes SQLite keep a table of its own: a system table.
    connection.Execute(QStringLiteral("CREATE TABLE [Runs] (Id INTEGER PRIMARY KEY AUTOINCREMENT)"));
    EXPECT_EQ(connection.TableNames(false), (QStringList{QStringLiteral("Parts"), QStringLiteral("Runs")}));
    EXPECT_TRUE(connection.TableNames(true).contains(QStringLiteral("sqlite_sequence")));
    connection.ReadOnly = true;
    EXPECT_THROW(connection.Execute(QStringLiteral("DROP TABLE Parts")), EZpError);
}

} // namespace
} // namespace zp
