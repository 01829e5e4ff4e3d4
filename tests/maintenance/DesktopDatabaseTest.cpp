// SPDX-License-Identifier: MIT
#include "data/DesktopDatabase.h"

#include "base/Errors.h"
#include "data/DataConnections.h"
#include "data/DatabaseCopy.h"
#include "data/DatabaseTasks.h"

#include <QCryptographicHash>
#include <QFile>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

namespace zp {
namespace {

class DesktopDatabaseTest : public testing::Test {
protected:
    void SetUp() override {
        Path = Dir.filePath(QStringLiteral("labels.db"));
        CreateAccessDatabase(Path);
        Db = std::make_unique<TZpDesktopDatabase>(Path);
    }
    QString Write(const char* name, const QByteArray& bytes) {
        const QString path = Dir.filePath(QLatin1String(name));
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return path;
    }
    QString Read(const QString& path) {
        QFile f(path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QString::fromUtf8(f.readAll());
    }
    QStringList Rows(const QString& sql) {
        QSqlQuery q(Db->Database());
        EXPECT_TRUE(q.exec(sql));
        QStringList rows;
        while (q.next()) {
            QStringList values;
            for (int i = 0; i < q.record().count(); ++i) {
                values << q.value(i).toString();
            }
            rows << values.join(u'|');
        }
        return rows;
    }
    QByteArray FileHash() {
        QFile f(Path);
        EXPECT_TRUE(f.open(QIODevice::ReadOnly));
        return QCryptographicHash::hash(f.readAll(), QCryptographicHash::Sha1);
    }
    template <class F> QString ErrorOf(F&& f) {
        try {
            f();
        } catch (const EZpError& e) {
            return e.Message();
        }
        return QStringLiteral("(no error)");
    }

    QTemporaryDir Dir;
    QString Path;
    std::unique_ptr<TZpDesktopDatabase> Db;
};

TEST_F(DesktopDatabaseTest, DesignedTablesAreCreated) {
    EXPECT_EQ(
        CreateTableSql(QStringLiteral("Parts"), {{QStringLiteral("Code"), dtText, 10}}),
        QStringLiteral(
            "CREATE TABLE [Parts] (\nRecordNo INTEGER PRIMARY KEY AUTOINCREMENT,\n[Code] VARCHAR(10)\n)"));
    const QList<TZpDatabaseField> fields{{QStringLiteral("Code"), dtText, 10},
                                         {QStringLiteral("Made"), dtDate, 0},
                                         {QStringLiteral("Price"), dtFloat, 8},
                                         {QStringLiteral("Sold"), dtLogical, 0},
                                         {QStringLiteral("Qty"), dtInteger, 0}};
    Db->CreateTable(QStringLiteral("Parts"), fields);
    EXPECT_EQ(Db->Tables(), QStringList{QStringLiteral("Parts")});
    EXPECT_EQ(Db->AutoNumberColumn(QStringLiteral("Parts")), QStringLiteral("RecordNo"));
    QList<TZpDatabaseField> back = Db->Columns(QStringLiteral("Parts"));
    ASSERT_EQ(back.size(), 6);
    EXPECT_EQ(back.front(), (TZpDatabaseField{QStringLiteral("RecordNo"), dtText, 0}));
    back.removeFirst();
    QList<TZpDatabaseField> expected = fields;
    expected[1].Size = expected[3].Size = expected[4].Size = 0;
    EXPECT_EQ(back, expected);
    // A second table of the same name fails and names the file.
    EXPECT_TRUE(ErrorOf([&] { Db->CreateTable(QStringLiteral("parts"), fields); }).contains(Path));
}

TEST_F(DesktopDatabaseTest, ModifyingATableIsOneTransaction) {
    Db->CreateTable(QStringLiteral("Parts"),
                    {{QStringLiteral("Code"), dtText, 10}, {QStringLiteral("Old"), dtText, 5}});
    QList<TZpDatabaseField> same = Db->Columns(QStringLiteral("Parts"));
    EXPECT_TRUE(Db->ModifyTable(QStringLiteral("Parts"), same).isEmpty());

    const QList<TZpDatabaseField> changed{
        same[0], {QStringLiteral("code"), dtInteger, 0}, {QStringLiteral("Qty"), dtInteger, 0}};
    EXPECT_EQ(Db->ModifyTable(QStringLiteral("Parts"), changed),
              (QStringList{QStringLiteral("ALTER TABLE [Parts] DROP COLUMN [Old]"),
                           QStringLiteral("ALTER TABLE [Parts] ADD [Qty] INTEGER")}));
    EXPECT_EQ(Rows(QStringLiteral("SELECT name, type FROM pragma_table_info('Parts')")),
              (QStringList{QStringLiteral("RecordNo|INTEGER"), QStringLiteral("Code|VARCHAR(10)"),
                           QStringLiteral("Qty|INTEGER")}));

    // Dropping the record number fails after the added column: neither stays.
    const QByteArray before = FileHash();
    const QList<TZpDatabaseField> bad{{QStringLiteral("Code"), dtText, 10},
                                      {QStringLiteral("Qty"), dtInteger, 0},
                                      {QStringLiteral("Extra"), dtText, 5}};
    EXPECT_TRUE(ErrorOf([&] {
                    Db->ModifyTable(QStringLiteral("Parts"), bad);
                }).contains(QStringLiteral("PRIMARY KEY")));
    EXPECT_EQ(Db->Columns(QStringLiteral("Parts")).size(), 3);
    EXPECT_EQ(FileHash(), before);

    Db->DeleteTable(QStringLiteral("Parts"));
    EXPECT_TRUE(Db->Tables().isEmpty());
    EXPECT_TRUE(
        ErrorOf([&] { Db->DeleteTable(QStringLiteral("Parts")); }).contains(QStringLiteral("no such table")));
}

TEST_F(DesktopDatabaseTest, CsvImportMakesOneTextTable) {
    // Windows-1252 text (u-umlaut), a quoted comma, a short line, a column
    // whose longest value is 3 characters wide.
    const QString csv =
        Write("customers.csv", "Name,City,Code\r\n\"M\xFCller, Hans\",Bern,AB\r\nLi,Basel,ABC\r\nOk,Zug\r\n");
    std::vector<std::pair<int, int>> progress;
    EXPECT_EQ(Db->ImportCsv(csv, true,
                            [&](int done, int total) {
                                progress.push_back({done, total});
                            }),
              QStringLiteral("customers"));
    EXPECT_EQ(progress.back(), (std::pair{3, 3}));
    EXPECT_EQ(Rows(QStringLiteral("SELECT name, type FROM pragma_table_info('customers')")),
              (QStringList{QStringLiteral("Name|VARCHAR(12)"), QStringLiteral("City|VARCHAR(5)"),
                           QStringLiteral("Code|VARCHAR(3)")}));
    EXPECT_EQ(Rows(QStringLiteral("SELECT * FROM customers")),
              (QStringList{QStringLiteral(u"Müller, Hans|Bern|AB"), QStringLiteral("Li|Basel|ABC"),
                           QStringLiteral("Ok|Zug|")}));

    // Without a header row the columns are numbered and the first line is data.
    const QString plain = Write("plain.csv", "a,b\nc,d\n");
    Db->ImportCsv(plain, false);
    EXPECT_EQ(Rows(QStringLiteral("SELECT F1, F2 FROM plain")),
              (QStringList{QStringLiteral("a|b"), QStringLiteral("c|d")}));
}

TEST_F(DesktopDatabaseTest, FailedImportsLeaveTheFileAsItWas) {
    Db->CreateTable(QStringLiteral("keep"), {{QStringLiteral("A"), dtText, 5}});
    const QByteArray before = FileHash();
    struct TBad {
        const char* File;
        QByteArray Text;
        const char* Words;
    };
    const TBad bad[] = {
        {"quote.csv", "a,b\n1,2\n3,\"4\n5,6\n", "line 3"},
        {"nul.csv", QByteArray("a,b\n1,2\n3,\0\n", 12), "line 3"},
        {"wide.csv", "a,b\n1,2\n3,4,5\n", "line 3"},
        {"keep.csv", "a\n1\n", "already has a table named \"keep\""},
        {"empty.csv", "\r\n\r\n", "holds no data"},
    };
    for (const TBad& b : bad) {
        const QString path = Write(b.File, b.Text);
        const QString error = ErrorOf([&] { Db->ImportCsv(path, true); });
        EXPECT_TRUE(error.contains(QLatin1String(b.Words))) << b.File << ": " << error.toStdString();
        EXPECT_EQ(Db->Tables(), QStringList{QStringLiteral("keep")});
    }
    EXPECT_EQ(FileHash(), before);
    EXPECT_TRUE(ErrorOf([&] {
                    Db->ImportCsv(Dir.filePath(QStringLiteral("none.csv")), true);
                }).contains(QStringLiteral("none.csv")));
}

TEST_F(DesktopDatabaseTest, LockedAndReadOnlyFilesRefuseChanges) {
    {
        QSqlDatabase other = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("locker"));
        other.setDatabaseName(Path);
        ASSERT_TRUE(other.open());
        QSqlQuery lock(other);
        ASSERT_TRUE(lock.exec(QStringLiteral("BEGIN EXCLUSIVE")));
        const QString csv = Write("t.csv", "a\n1\n");
        EXPECT_TRUE(ErrorOf([&] { Db->ImportCsv(csv, true); }).contains(QStringLiteral("locked")));
        lock.exec(QStringLiteral("ROLLBACK"));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("locker"));
    if (geteuid() != 0) {
        Db.reset();
        chmod(QFile::encodeName(Path).constData(), 0444);
        Db = std::make_unique<TZpDesktopDatabase>(Path);
        EXPECT_TRUE(Db->ReadOnly());
        EXPECT_TRUE(ErrorOf([&] {
                        Db->CreateTable(QStringLiteral("x"), {{QStringLiteral("A"), dtText, 5}});
                    }).contains(Path));
    }
    // An Access file is only read here; anything else is no database at all.
    const QString mdb = Write("old.mdb", QByteArray(4, '\0') + "Standard Jet DB" + QByteArray(13, '\0'));
    EXPECT_TRUE(ErrorOf([&] { TZpDesktopDatabase db(mdb); }).contains(QStringLiteral("can only be read")));
    const QString text = Write("notes.db", "hello, this is text");
    EXPECT_TRUE(ErrorOf([&] { TZpDesktopDatabase db(text); }).contains(QStringLiteral("not a database")));
}

TEST_F(DesktopDatabaseTest, ExportsAsCommaTextAndXml) {
    Db->ImportCsv(Write("items.csv", "Name,Note\r\nBolt,\"a \"\"big\"\" one\"\r\nNut,\r\n"), true);
    const QString csv = Dir.filePath(QStringLiteral("out.csv"));
    Db->ExportTable(QStringLiteral("items"), csv, QStringLiteral("ORDER BY [Name] DESC"));
    EXPECT_EQ(Read(csv), QStringLiteral("Name,Note\r\nNut,\r\nBolt,\"a \"\"big\"\" one\"\r\n"));

    const QString xml = ForceXmlExtension(Dir.filePath(QStringLiteral("out.csv")));
    EXPECT_EQ(xml, Dir.filePath(QStringLiteral("out.xml")));
    Db->ExportTable(QStringLiteral("items"), xml);
    const QString text = Read(xml);
    EXPECT_TRUE(text.contains(QStringLiteral("<s:AttributeType name=\"Name\" rs:number=\"1\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("dt:maxLength=\"4\"")));
    EXPECT_TRUE(text.contains(QStringLiteral("<z:row Name=\"Bolt\" Note=\"a &quot;big&quot; one\"/>")));
    EXPECT_TRUE(text.contains(QStringLiteral("<z:row Name=\"Nut\" Note=\"\"/>")));
    // A folder that cannot be written says so, naming the file.
    const QString bad = Dir.filePath(QStringLiteral("missing/out.csv"));
    EXPECT_TRUE(ErrorOf([&] { Db->ExportTable(QStringLiteral("items"), bad); }).contains(bad));
}

TEST_F(DesktopDatabaseTest, FindGivesTheGridPosition) {
    Db->ImportCsv(Write("people.csv", "Name\nanna\nBert\nbertha\nCarl\n50%\n"), true);
    struct TFind {
        const char* Value;
        bool CaseSensitive, Exact;
        const char* Order;
        int Row;
    };
    const TFind finds[] = {
        {"bert", false, false, "", 1},
        {"bert", true, false, "", 2},
        {"BERT", false, true, "", 1},
        {"bert", true, true, "", -1},
        {"car", false, false, "ORDER BY [Name] DESC, rowid", 2},
        {"bert", false, false, "ORDER BY [Name] DESC, rowid", 0},
        {"50%", false, true, "", 4},
        {"5_", false, false, "", -1}, // % and _ are plain characters
        {"zed", false, false, "", -1},
    };
    for (const TFind& f : finds) {
        EXPECT_EQ(Db->FindRow(QStringLiteral("people"), QStringLiteral("Name"), QLatin1String(f.Value),
                              f.CaseSensitive, f.Exact, QLatin1String(f.Order)),
                  f.Row)
            << f.Value << " " << f.Order;
    }
    EXPECT_TRUE(ErrorOf([&] {
                    (void)Db->FindRow(QStringLiteral("people"), QStringLiteral("Nope"), QStringLiteral("x"),
                                      false, false);
                }).contains(QStringLiteral("Nope")));
}

TEST_F(DesktopDatabaseTest, ConnectingATableToTheLabel) {
    Db->ImportCsv(Write("stock.csv", "Code,Qty\nA,1\nB,2\n"), true);
    EXPECT_EQ(ConnectTableSql(QStringLiteral("[stock]"), {}, false),
              QStringLiteral("SELECT * FROM [stock] "));
    EXPECT_EQ(ConnectTableSql(QStringLiteral("stock"), QStringLiteral("Qty"), true),
              QStringLiteral("SELECT * FROM [stock] ORDER BY [Qty] DESC"));
    TZpDataConnections connections;
    // A connection of that name exists already: the dataset goes to the new one.
    connections.AddConnection(QStringLiteral("labels"), QStringLiteral("Provider=Foo"));
    const int d = ConnectTableToLabel(connections, Path, Db->ConnectionString(), QStringLiteral("stock"),
                                      QStringLiteral("Qty"), true);
    EXPECT_EQ(connections.DatasetConnectionName(d), QStringLiteral("labels_1"));
    EXPECT_EQ(connections.FieldValue(QStringLiteral("stock"), QStringLiteral("Code")), QStringLiteral("B"));
}

} // namespace
} // namespace zp
