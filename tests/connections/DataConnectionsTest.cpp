// SPDX-License-Identifier: MIT
#include "data/DataConnections.h"

#include "base/Errors.h"
#include "platform/dataaccess/Query.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QDir>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

// A desktop database with a table of 3 and a table of 5 records.
class DataConnectionsTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        FPath = FDir.filePath(QStringLiteral("stock.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
            db.setDatabaseName(FPath);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE Short (Code TEXT, Name TEXT)")));
            ASSERT_TRUE(q.exec(
                QStringLiteral("INSERT INTO Short VALUES ('A1','xxABCxx'),('A2','two'),('A3','three')")));
            ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE Long (N INTEGER)")));
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO Long VALUES (1),(2),(3),(4),(5)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
    }
    [[nodiscard]] QString ConnectionString() const {
        return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(FPath);
    }
    // Both datasets opened over one connection.
    void OpenBoth(TZpDataConnections& dc) {
        dc.AddConnection(QStringLiteral("Stock"), ConnectionString());
        dc.AddDataset(QStringLiteral("Stock"), QStringLiteral("Short"),
                      QStringLiteral("SELECT * FROM [Short]\r\n"));
        dc.AddDataset(QStringLiteral("Stock"), QStringLiteral("Long"), QStringLiteral("[Long]"));
        dc.Open();
    }
    QTemporaryDir FDir;
    QString FPath;
};

TEST_F(DataConnectionsTest, TakenNamesAreNumbered) {
    TZpDataConnections dc;
    EXPECT_EQ(dc.AddConnection(QStringLiteral("Sales"), ConnectionString()), 0);
    dc.AddConnection(QStringLiteral("Sales"), ConnectionString());
    dc.AddConnection(QStringLiteral("Sales"), ConnectionString());
    EXPECT_EQ(dc.ConnectionName(1), QStringLiteral("Sales_1"));
    EXPECT_EQ(dc.ConnectionName(2), QStringLiteral("Sales_2"));
    EXPECT_EQ(dc.IndexOfConnection(QStringLiteral("Sales_2")), 2);
    dc.AddDataset(QStringLiteral("Sales"), QStringLiteral("Orders"), QStringLiteral("[Short]"));
    EXPECT_EQ(dc.AddDataset(QStringLiteral("Sales_1"), QStringLiteral("Orders"), QStringLiteral("[Long]")),
              1);
    EXPECT_EQ(dc.DatasetName(1), QStringLiteral("Orders_1"));
    EXPECT_EQ(dc.DatasetConnectionName(1), QStringLiteral("Sales_1"));
    EXPECT_EQ(dc.DatasetSQL(1), QStringLiteral("[Long]"));
    EXPECT_EQ(dc.ConnectionString(0), ConnectionString());
    try {
        dc.AddDataset(QStringLiteral("Nowhere"), QStringLiteral("X"), QStringLiteral("[Short]"));
        FAIL();
    } catch (const EZpError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("Invalid connection \"Nowhere\"!"));
    }
    dc.DeleteDataset(0);
    EXPECT_EQ(dc.DatasetCount(), 1);
    dc.DeleteConnection(0);
    EXPECT_EQ(dc.ConnectionCount(), 2);
}

TEST_F(DataConnectionsTest, LockStepEndsWithTheLongestDataset) {
    TZpDataConnections dc;
    OpenBoth(dc);
    EXPECT_EQ(dc.RecordCount(), 5);
    EXPECT_EQ(dc.Marks().size(), 5);
    EXPECT_TRUE(dc.AtBeginning());
    for (int i = 1; i <= 4; ++i) {
        dc.Next();
        EXPECT_FALSE(dc.AtEnd()) << i;
    }
    EXPECT_EQ(dc.RecordIndex(), 4);
    // The shorter dataset stays on its last record.
    EXPECT_EQ(dc.FieldValue(QStringLiteral("Short"), QStringLiteral("Code")), QStringLiteral("A3"));
    EXPECT_EQ(dc.FieldValue(QStringLiteral("Long"), QStringLiteral("n")), QStringLiteral("5"));
    dc.SetMarked(true);
    dc.Next();
    EXPECT_TRUE(dc.AtEnd());
    EXPECT_EQ(dc.RecordIndex(), 4); // Next on the last index keeps it
    EXPECT_TRUE(dc.IsMarked());
    dc.Next();
    EXPECT_TRUE(dc.AtEnd()); // at-end stays
    dc.First();
    EXPECT_EQ(dc.RecordIndex(), 0);
    EXPECT_FALSE(dc.IsMarked());
    EXPECT_EQ(dc.FieldValue(QStringLiteral("Long"), QStringLiteral("N")), QStringLiteral("1"));
    dc.Prior();
    EXPECT_TRUE(dc.AtBeginning());
    EXPECT_EQ(dc.RecordIndex(), 0);
    EXPECT_EQ(dc.FieldNameAt(QStringLiteral("Short"), 1), QStringLiteral("Name"));
    EXPECT_EQ(dc.FieldNameAt(QStringLiteral("Short"), 2), QString());
    EXPECT_EQ(dc.FieldValue(QStringLiteral("Nothing"), QStringLiteral("N")), QString());
    dc.Close();
    EXPECT_TRUE(dc.AtBeginning());
    EXPECT_TRUE(dc.AtEnd());
    EXPECT_EQ(dc.FieldValue(QStringLiteral("Long"), QStringLiteral("N")), QString());
    // Reopening keeps the marks; freeing the datasets forgets them.
    dc.Reopen();
    for (int i = 0; i < 4; ++i) {
        dc.Next();
    }
    EXPECT_TRUE(dc.IsMarked());
    dc.Clear();
    EXPECT_TRUE(dc.Marks().isEmpty());
    OpenBoth(dc);
    for (int i = 0; i < 4; ++i) {
        dc.Next();
    }
    EXPECT_FALSE(dc.IsMarked());
}

// A step past the only record leaves the beginning, so the way back stays
// open; an empty dataset is at both ends whatever moves.
TEST_F(DataConnectionsTest, ASingleRecordIsLeftAndReachedAgain) {
    TZpDataConnections dc;
    dc.AddConnection(QStringLiteral("Stock"), ConnectionString());
    dc.AddDataset(QStringLiteral("Stock"), QStringLiteral("One"),
                  QStringLiteral("SELECT * FROM [Short] WHERE [Code] = 'A2'"));
    dc.Open();
    EXPECT_TRUE(dc.AtBeginning());
    EXPECT_FALSE(dc.AtEnd());
    dc.Next();
    EXPECT_TRUE(dc.AtEnd());
    EXPECT_FALSE(dc.AtBeginning());
    EXPECT_EQ(dc.FieldValue(QStringLiteral("One"), QStringLiteral("Name")), QStringLiteral("two"));
    dc.Prior();
    EXPECT_TRUE(dc.AtBeginning());
    EXPECT_FALSE(dc.AtEnd());

    TZpQuery none(dc.ConnectionObject(0), QStringLiteral("SELECT * FROM [Short] WHERE [Code] = 'Z'"));
    none.Open();
    for (const auto& move : {&TZpQuery::Next, &TZpQuery::Prior, &TZpQuery::First}) {
        (none.*move)();
        EXPECT_TRUE(none.Bof() && none.Eof());
    }
}

TEST_F(DataConnectionsTest, FindMatchesByTheChosenRules) {
    TZpDataConnections dc;
    OpenBoth(dc);
    int beeps = 0;
    dc.OnBeep = [&beeps] { ++beeps; };
    const QString short_ = QStringLiteral("Short"), name = QStringLiteral("Name");
    EXPECT_TRUE(dc.Find(short_, name, true, false, QStringLiteral("abc")));
    EXPECT_EQ(dc.RecordIndex(), 0);
    EXPECT_FALSE(dc.Find(short_, name, true, true, QStringLiteral("abc")));
    EXPECT_TRUE(dc.AtEnd());
    EXPECT_EQ(beeps, 1);
    EXPECT_TRUE(dc.Find(short_, name, false, false, QStringLiteral("THREE")));
    EXPECT_EQ(dc.FieldValue(short_, QStringLiteral("Code")), QStringLiteral("A3"));
    EXPECT_EQ(dc.FieldValue(QStringLiteral("Long"), QStringLiteral("N")), QStringLiteral("3")); // all moved
    EXPECT_FALSE(dc.Find(short_, name, false, true, QStringLiteral("THREE")));
}

TEST_F(DataConnectionsTest, OpenFailuresAreShownAndTheOthersStillOpen) {
    TZpScriptedDialogsGuard dialogs;
    TZpDataConnections dc;
    dc.AddConnection(QStringLiteral("Gone"), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                                                 FDir.filePath(QStringLiteral("missing.db")));
    dc.AddConnection(QStringLiteral("Old"), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=x;"
                                                           "Extended Properties=Paradox 7.x"));
    OpenBoth(dc);
    dc.AddDataset(QStringLiteral("Stock"), QStringLiteral("Bad"), QStringLiteral("SELEC * FROM [Short]"));
    dc.Reopen();
    const QStringList messages = dialogs->Messages();
    ASSERT_EQ(messages.size(), 5) << messages.join('\n').toStdString();
    EXPECT_TRUE(messages[2].startsWith(
        QStringLiteral("The dataset \"Gone\" could not be opened.  The following error was reported: ")));
    EXPECT_TRUE(messages[3].contains(QStringLiteral("Paradox 7.x"))) << messages[3].toStdString();
    EXPECT_TRUE(messages[4].startsWith(QStringLiteral("The dataset \"Bad\" could not be opened.")));
    EXPECT_TRUE(messages[4].contains(QStringLiteral("syntax error"))) << messages[4].toStdString();
    EXPECT_FALSE(
        QFileInfo::exists(FDir.filePath(QStringLiteral("missing.db")))); // read-only: nothing created
    EXPECT_EQ(dc.RecordCount(), 5);
    EXPECT_EQ(dc.FieldValue(QStringLiteral("Short"), QStringLiteral("Code")), QStringLiteral("A1"));
}

} // namespace
} // namespace zp
