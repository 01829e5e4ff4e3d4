// SPDX-License-Identifier: MIT
#include "data/TableGridModel.h"

#include "base/Errors.h"
#include "data/DatabaseCopy.h"
#include "data/DesktopDatabase.h"

#include <QSqlQuery>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

class TableGridModelTest : public testing::Test {
protected:
    void SetUp() override {
        const QString path = Dir.filePath(QStringLiteral("grid.db"));
        CreateAccessDatabase(path);
        Db = std::make_unique<TZpDesktopDatabase>(path);
        Db->CreateTable(QStringLiteral("T"), {{QStringLiteral("Name"), dtText, 20}});
        QSqlQuery q(Db->Database());
        EXPECT_TRUE(q.exec(
            QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i+1 FROM n WHERE i<10000) "
                           "INSERT INTO T (Name) SELECT 'row ' || i FROM n")));
        Model.Open(Db->Database(), QStringLiteral("T"), Db->AutoNumberColumn(QStringLiteral("T")));
    }
    QString Cell(int row, int column) { return Model.data(Model.index(row, column)).toString(); }

    QTemporaryDir Dir;
    std::unique_ptr<TZpDesktopDatabase> Db;
    TZpTableGridModel Model;
};

TEST_F(TableGridModelTest, ReadsOnlyThePagesInSight) {
    EXPECT_EQ(Model.rowCount(), 10000);
    EXPECT_EQ(Model.columnCount(), 2);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("row 1"));
    EXPECT_EQ(Cell(9999, 1), QStringLiteral("row 10000"));
    EXPECT_EQ(Cell(5000, 0), QStringLiteral("5001"));
    EXPECT_EQ(Model.PagesRead(), 3);
    EXPECT_EQ(Cell(1, 1), QStringLiteral("row 2")); // kept
    EXPECT_EQ(Model.PagesRead(), 3);
    // The record number is read-only and painted apart.
    EXPECT_FALSE(Model.flags(Model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(Model.flags(Model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_TRUE(Model.data(Model.index(0, 0), Qt::BackgroundRole).isValid());

    Model.SortBy(1, true);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("row 9999"));
    EXPECT_EQ(Cell(9999, 1), QStringLiteral("row 1")); // read from the end
    EXPECT_EQ(Cell(9998, 1), QStringLiteral("row 10"));
    EXPECT_EQ(Model.OrderByClause(), QStringLiteral("ORDER BY [Name] DESC, rowid"));
}

TEST_F(TableGridModelTest, EditsArePostedOrCancelled) {
    EXPECT_TRUE(Model.setData(Model.index(2, 1), QStringLiteral("changed")));
    EXPECT_EQ(Model.State(), TZpTableGridModel::TState::Edit);
    EXPECT_EQ(Cell(2, 1), QStringLiteral("changed"));
    Model.Cancel();
    EXPECT_EQ(Cell(2, 1), QStringLiteral("row 3"));

    Model.setData(Model.index(2, 1), QStringLiteral("changed"));
    Model.Post();
    EXPECT_EQ(Model.State(), TZpTableGridModel::TState::Browse);
    QSqlQuery q(Db->Database());
    ASSERT_TRUE(q.exec(QStringLiteral("SELECT Name FROM T WHERE RecordNo = 3")) && q.next());
    EXPECT_EQ(q.value(0).toString(), QStringLiteral("changed"));

    const int row = Model.Insert();
    EXPECT_EQ(row, 10000);
    EXPECT_EQ(Model.rowCount(), 10001);
    Model.setData(Model.index(row, 1), QStringLiteral("new"));
    Model.Post();
    EXPECT_EQ(Model.rowCount(), 10001);
    EXPECT_EQ(Cell(10000, 0), QStringLiteral("10001"));

    Model.DeleteRecord(0);
    EXPECT_EQ(Model.rowCount(), 10000);
    EXPECT_EQ(Cell(0, 1), QStringLiteral("row 2"));

    // A failed post keeps the edit and says why.
    ASSERT_TRUE(q.exec(
        QStringLiteral("CREATE TRIGGER no BEFORE UPDATE ON T BEGIN SELECT RAISE(ABORT, 'frozen'); END")));
    Model.setData(Model.index(0, 1), QStringLiteral("x"));
    try {
        Model.Post();
        ADD_FAILURE();
    } catch (const EZpError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("frozen")));
    }
    EXPECT_EQ(Model.State(), TZpTableGridModel::TState::Edit);
}

} // namespace
} // namespace zp
