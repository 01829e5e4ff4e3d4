// SPDX-License-Identifier: MIT
#include "data/DataConnections.h"
#include "platform/dataaccess/SchemaFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

QString TextConnection(const QString& dir, const char* header) {
    return QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=\"Text;HDR=%2\"")
        .arg(dir, QLatin1String(header));
}

TEST(SchemaIniTest, TextConnectionsDescribeEveryColumnAsText) {
    QTemporaryDir dir;
    QFile::copy(test::TestDataPath(QStringLiteral("dataaccess/text/products.csv")), dir.filePath("products.csv"));
    // A section of another file survives, byte-order mark before it or not; a
    // stale one of ours is replaced.
    QFile ini(dir.filePath(QStringLiteral("SCHEMA.INI")));
    ASSERT_TRUE(ini.open(QIODevice::WriteOnly));
    ini.write("\xEF\xBB\xBF[other.csv]\r\nFormat=TabDelimited\r\n[products.csv]\r\nColNameHeader=True\r\nCol1=\"X\" Text\r\n");
    ini.close();

    TZpDataConnections dc;
    dc.AddConnection(QStringLiteral("Merge"), TextConnection(dir.path(), "NO"));
    dc.AddDataset(QStringLiteral("Merge"), QStringLiteral("P"), QStringLiteral("SELECT * FROM [products.csv]"));
    dc.Open();
    const TZpSchemaFile schema = TZpSchemaFile::Read(dir.filePath(QStringLiteral("SCHEMA.INI")));
    EXPECT_EQ(schema.Value(QStringLiteral("other.csv"), QStringLiteral("Format")), QStringLiteral("TabDelimited"));
    EXPECT_EQ(schema.Value(QStringLiteral("products.csv"), QStringLiteral("Format")), QStringLiteral("CSVDelimited"));
    EXPECT_EQ(schema.Value(QStringLiteral("products.csv"), QStringLiteral("MaxScanRows")), QStringLiteral("0"));
    EXPECT_EQ(schema.Value(QStringLiteral("products.csv"), QStringLiteral("ColNameHeader")), QStringLiteral("False"));
    EXPECT_EQ(schema.Columns(QStringLiteral("products.csv")),
              (QStringList{"\"F1\" Text Width 100", "\"F2\" Text Width 100", "\"F3\" Text Width 100"}));
    EXPECT_EQ(dc.RecordCount(), 4); // the header line is a record without a header
    EXPECT_EQ(dc.FieldValue(QStringLiteral("P"), QStringLiteral("F1")), QStringLiteral("Code"));

    TZpDataConnections withHeader;
    withHeader.AddConnection(QStringLiteral("Merge"), TextConnection(dir.path(), "YES"));
    withHeader.AddDataset(QStringLiteral("Merge"), QStringLiteral("P"), QStringLiteral("[products#csv]"));
    withHeader.Open();
    EXPECT_EQ(TZpSchemaFile::Read(dir.filePath(QStringLiteral("SCHEMA.INI"))).Columns(QStringLiteral("products.csv")),
              (QStringList{"\"Code\" Text Width 100", "\"Name\" Text Width 100", "\"Qty\" Text Width 100"}));
    EXPECT_EQ(withHeader.RecordCount(), 3);
    EXPECT_EQ(withHeader.FieldValue(QStringLiteral("P"), QStringLiteral("Name")), QStringLiteral("Stabilo pen"));
}

// Repeated and empty header names become distinct column names, and the
// schema written for them reads back in column order.
TEST(SchemaIniTest, RepeatedHeaderNamesAreNumbered) {
    QTemporaryDir dir;
    QFile csv(dir.filePath(QStringLiteral("repeated.csv")));
    ASSERT_TRUE(csv.open(QIODevice::WriteOnly));
    csv.write("a,a,a_1,,F4,A\r\n1,2,3,4,5,6\r\n");
    csv.close();
    TZpDataConnections dc;
    dc.AddConnection(QStringLiteral("Merge"), TextConnection(dir.path(), "YES"));
    dc.AddDataset(QStringLiteral("Merge"), QStringLiteral("R"), QStringLiteral("[repeated#csv]"));
    dc.Open();
    const QStringList names{"a", "a_1", "a_1_1", "F4", "F4_1", "A_2"};
    EXPECT_EQ(dc.FieldNames(QStringLiteral("R")), names);
    QStringList columns;
    for (const QString& name : names) {
        columns.append(QStringLiteral("\"%1\" Text Width 100").arg(name));
    }
    EXPECT_EQ(TZpSchemaFile::Read(dir.filePath(QStringLiteral("SCHEMA.INI"))).Columns(QStringLiteral("repeated.csv")),
              columns);
    EXPECT_EQ(dc.FieldValue(QStringLiteral("R"), QStringLiteral("A_2")), QStringLiteral("6"));
}

} // namespace
} // namespace zp
