// SPDX-License-Identifier: MIT
#include "data/DatasetSql.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

const QString kCrLf = QStringLiteral("\r\n");

QString Lines(std::initializer_list<const char*> lines) {
    QStringList list;
    for (const char* l : lines) {
        list << QString::fromUtf8(l);
    }
    return list.join(kCrLf);
}

TEST(DatasetSqlTest, TableModeListsTheFieldsOnePerLine) {
    EXPECT_EQ(
        ComposeDatasetSql(QStringLiteral("Parts"), {QStringLiteral("Code"), QStringLiteral("Name")}, {}, {}),
        Lines({"SELECT ", "[Code]", ",", "[Name]", "FROM [Parts]"}));
}

TEST(DatasetSqlTest, FiltersAndSortKeys) {
    const QList<TZpFilterRow> filters{
        {QStringLiteral("Name"), crContains, QStringLiteral("abc"), false},
        {QStringLiteral("Qty"), crGreater, QStringLiteral("5"), true},
        {QStringLiteral("City"), crBeginsWith, QStringLiteral("Ber"), false},
        {QStringLiteral("Zip"), crNotEquals, QStringLiteral("10"), false},
        {QStringLiteral("Qty"), crLess, QStringLiteral("9.5"), true},
        {QStringLiteral("Name"), crEquals, QStringLiteral("O'Brien"), false},
    };
    const QList<TZpSortKey> sort{
        {QStringLiteral("City"), false}, {QStringLiteral("Zip"), true}, {QStringLiteral("Name"), false}};
    EXPECT_EQ(ComposeDatasetSql(QStringLiteral("Addr"), {QStringLiteral("Name")}, filters, sort),
              Lines({"SELECT ", "[Name]", "FROM [Addr]", "WHERE [Name] LIKE '%abc%'", "AND [Qty]>5",
                     "AND [City] LIKE 'Ber%'", "AND [Zip]<>'10'", "AND [Qty]<9.5", "AND [Name]='O''Brien'",
                     "ORDER BY [City] ASC", ",[Zip] DESC", ",[Name] ASC"}));
}

TEST(DatasetSqlTest, ValuesCannotBreakOutOfTheStatement) {
    // A quote in a text value is doubled; a non-number against a numeric
    // column is compared as a literal instead of pasted into the text.
    const QString sql =
        ComposeDatasetSql(QStringLiteral("T"), {QStringLiteral("A")},
                          {{QStringLiteral("A"), crEquals, QStringLiteral("x' OR '1'='1"), false},
                           {QStringLiteral("N"), crEquals, QStringLiteral("1 OR 1=1"), true}},
                          {});
    EXPECT_TRUE(sql.contains(QStringLiteral("WHERE [A]='x'' OR ''1''=''1'")));
    EXPECT_TRUE(sql.contains(QStringLiteral("AND [N]='1 OR 1=1'")));
}

TEST(DatasetSqlTest, OnlySelectStatementsPass) {
    EXPECT_TRUE(IsSelectStatement(QStringLiteral("select * from t")));
    EXPECT_TRUE(IsSelectStatement(QStringLiteral("  SELECT\r\n* FROM t")));
    EXPECT_FALSE(IsSelectStatement(QStringLiteral("update t set a=1")));
    EXPECT_FALSE(IsSelectStatement(QStringLiteral("SELECTION")));
    EXPECT_FALSE(IsSelectStatement(QString()));
    EXPECT_EQ(CriterionListName(crBeginsWith), QStringLiteral("Starts with"));
    EXPECT_EQ(CriterionNames()[crBeginsWith], QStringLiteral("Begins with"));
}

} // namespace
} // namespace zp
