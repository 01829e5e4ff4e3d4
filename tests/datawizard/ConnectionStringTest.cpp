// SPDX-License-Identifier: MIT
#include "data/DatabaseTypes.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

struct TCase {
    const char* Type;
    const char* Expected;
};

// Every type of the wizard with source "S" (folder or file), or the server
// fields server "srv", database "db", login "me", password "pw".
const TCase kCases[] = {
    {"dBase III", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=dBase III"},
    {"dBase IV", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=dBase IV"},
    {"dBase 5", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=dBase 5.0"},
    {"Paradox 3.x", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Paradox 3.x"},
    {"Paradox 4.x", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Paradox 4.x"},
    {"Paradox 5.x", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Paradox 5.x"},
    {"Paradox 7.x", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Paradox 7.x"},
    {"Microsoft Excel 3.0", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Excel 3.0"},
    {"Microsoft Excel 4.0", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Excel 4.0"},
    {"Microsoft Excel 5.0/Excel 95",
     "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Excel 5.0"},
    {"Microsoft Excel 97", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Excel 8.0"},
    {"Microsoft Excel 2000", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Excel 8.0"},
    {"Lotus WK1", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Lotus WK1"},
    {"Lotus WK3", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Lotus WK3"},
    {"Lotus WK4", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Lotus WK4"},
    {"HTML Import", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=HTML Import"},
    {"Microsoft Exchange", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=Exchange 4.0"},
    {"Text", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S;Extended Properties=\"Text;HDR=YES\""},
    {"FoxPro Database (*.DBC)", "Provider=VFPOLEDB.1;Data Source=S;Collating Sequence=MACHINE"},
    {"FoxPro Database (*.DBF)", "Provider=VFPOLEDB.1;Data Source=S;Collating Sequence=MACHINE"},
    {"Microsoft Access", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S"},
    {"Microsoft SQL Server", "Provider=SQLOLEDB.1;Password=pw;Persist Security Info=True;User ID=me;Initial "
                             "Catalog=db;Data Source=srv"},
    {"Oracle", "Provider=MSDAORA.1;Password=pw;Persist Security Info=True;User ID=me;Initial Catalog=db;Data "
               "Source=srv"},
    {"SQLite database", "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=S"},
    {"PostgreSQL", "Provider=PostgreSQL;Host=srv;Port=5432;Database=db;User ID=me;Password=pw"},
    {"Excel Workbook (*.xlsx)",
     "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=S;Extended Properties=\"Excel 12.0 Xml;HDR=YES\""},
    {"OpenDocument Spreadsheet (*.ods)",
     "Provider=Microsoft.ACE.OLEDB.12.0;Data Source=S;Extended Properties=\"OpenDocument;HDR=YES\""},
    {"Other (Advanced)", "Driver={SQLite3};Database=x.db"},
};

TZpConnectionSettings Settings(const QString& type) {
    TZpConnectionSettings s;
    s.Type = type;
    const TZpDbPanel panel = DatabaseTypes()[IndexOfDatabaseType(type)].Panel;
    if (panel == TZpDbPanel::Server) {
        s.Server = QStringLiteral("srv");
        s.Database = QStringLiteral("db");
        s.Login = QStringLiteral("me");
        s.Password = QStringLiteral("pw");
    } else {
        s.Source = QStringLiteral("S");
    }
    s.Advanced = QStringLiteral("Driver={SQLite3};Database=x.db");
    return s;
}

class ConnectionStringTest : public testing::TestWithParam<TCase> {};

TEST_P(ConnectionStringTest, ComposesAndReadsBack) {
    const TCase& c = GetParam();
    ASSERT_GE(IndexOfDatabaseType(QLatin1String(c.Type)), 0) << c.Type;
    const TZpConnectionSettings s = Settings(QLatin1String(c.Type));
    const QString text = ComposeConnectionString(s);
    EXPECT_EQ(text, QLatin1String(c.Expected));
    // Editing reads the same type back, except where two types share a string.
    const TZpConnectionSettings back = ReadConnectionSettings(text);
    const QString type = QLatin1String(c.Type);
    QString expectedType = type;
    if (type == QLatin1String("Microsoft Excel 97")) {
        expectedType = QStringLiteral("Microsoft Excel 2000");
    } else if (type == QLatin1String("FoxPro Database (*.DBC)")) {
        expectedType = QStringLiteral("FoxPro Database (*.DBF)"); // "S" has no extension
    } else if (type == QLatin1String("SQLite database")) {
        expectedType = QStringLiteral("Microsoft Access"); // "S" has no database extension
    }
    EXPECT_EQ(back.Type, expectedType);
    EXPECT_EQ(ComposeConnectionString(back), text);
}

INSTANTIATE_TEST_SUITE_P(AllTypes, ConnectionStringTest, testing::ValuesIn(kCases), [](const auto& info) {
    std::string name;
    for (const char* p = info.param.Type; *p; ++p) {
        if (std::isalnum(static_cast<unsigned char>(*p))) {
            name += *p;
        }
    }
    return name;
});

TEST(DatabaseTypesTest, ListHoldsTheClassicTypesFirstAndOtherLast) {
    const auto& types = DatabaseTypes();
    ASSERT_EQ(types.size(), 28);
    EXPECT_EQ(types.front().Name, QStringLiteral("dBase III"));
    EXPECT_EQ(types[23].Name, QStringLiteral("SQLite database"));
    EXPECT_EQ(types.back().Name, QStringLiteral("Other (Advanced)"));
    // Every type that cannot be opened says why and where to go instead.
    for (const auto& t : types) {
        if (t.Support == TZpDbSupport::NotAvailable) {
            EXPECT_TRUE(t.Note.contains(QStringLiteral("ODBC"))) << t.Name.toStdString();
        }
    }
}

TEST(DatabaseTypesTest, EdgeCasesOfReadingBack) {
    // A text folder without a header row, a database file, an unknown string.
    auto text = ReadConnectionSettings(QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/data;Extended Properties=\"Text;HDR=NO\""));
    EXPECT_EQ(text.Type, QStringLiteral("Text"));
    EXPECT_FALSE(text.Header);
    EXPECT_EQ(text.Source, QStringLiteral("/data"));
    EXPECT_EQ(
        ReadConnectionSettings(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/d/a.db")).Type,
        QStringLiteral("SQLite database"));
    EXPECT_EQ(ReadConnectionSettings(QStringLiteral("Provider=VFPOLEDB.1;Data Source=/d/x.dbc")).Type,
              QStringLiteral("FoxPro Database (*.DBC)"));
    const auto other = ReadConnectionSettings(QStringLiteral("Provider=Foo;Bar=1"));
    EXPECT_EQ(other.Type, QStringLiteral("Other (Advanced)"));
    EXPECT_EQ(other.Advanced, QStringLiteral("Provider=Foo;Bar=1"));
    // A port after the host travels as its own property and comes back.
    TZpConnectionSettings pg;
    pg.Type = QStringLiteral("PostgreSQL");
    pg.Server = QStringLiteral("db.example:6543");
    pg.Database = QStringLiteral("labels");
    const QString pgText = ComposeConnectionString(pg);
    EXPECT_TRUE(pgText.contains(QStringLiteral("Host=db.example;Port=6543")));
    EXPECT_EQ(ReadConnectionSettings(pgText).Server, QStringLiteral("db.example:6543"));
}

TEST(DatabaseTypesTest, PathsWithSeparatorsStayWhole) {
    // A folder name with a semicolon would otherwise end the property early.
    TZpConnectionSettings s;
    s.Type = QStringLiteral("Text");
    s.Source = QStringLiteral("/data/a;b \"x\"");
    const QString text = ComposeConnectionString(s);
    EXPECT_EQ(ReadConnectionSettings(text).Source, s.Source);
}

} // namespace
} // namespace zp
