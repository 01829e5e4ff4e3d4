// SPDX-License-Identifier: MIT
#include "data/DataConnections.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/SchemaFile.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

QString TextConnection(const QString& dir, const char* header) {
    return QStringLiteral(
               "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;Extended Properties=\"Text;HDR=%2\"")
        .arg(dir, QLatin1String(header));
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

// A text connection "Merge" on the folder with one dataset "P".
void OpenText(TZpDataConnections& dc, const QString& dir, const char* header, const QString& sql) {
    dc.AddConnection(QStringLiteral("Merge"), TextConnection(dir, header));
    dc.AddDataset(QStringLiteral("Merge"), QStringLiteral("P"), sql);
    dc.Open();
}

TEST(SchemaIniTest, TextConnectionsDescribeEveryColumnAsText) {
    QTemporaryDir dir;
    QFile::copy(test::TestDataPath(QStringLiteral("dataaccess/text/products.csv")),
                dir.filePath("products.csv"));
    // A section of another file survives, byte-order mark before it or not; a
    // stale one of ours is replaced.
    WriteFile(dir.filePath(QStringLiteral("SCHEMA.INI")),
              "\xEF\xBB\xBF; kept by hand\r\n[other.csv]\r\nFormat=TabDelimited\r\n; tabs, not commas\r\n"
              "[products.csv]\r\nColNameHeader=True\r\nCol1=\"X\" Text\r\n");

    TZpDataConnections dc;
    OpenText(dc, dir.path(), "NO", QStringLiteral("SELECT * FROM [products.csv]"));
    const TZpSchemaFile schema = TZpSchemaFile::Read(dir.filePath(QStringLiteral("SCHEMA.INI")));
    EXPECT_EQ(schema.Value(QStringLiteral("other.csv"), QStringLiteral("Format")),
              QStringLiteral("TabDelimited"));
    QFile written(dir.filePath(QStringLiteral("SCHEMA.INI")));
    ASSERT_TRUE(written.open(QIODevice::ReadOnly));
    EXPECT_TRUE(written.readAll().startsWith(
        "; kept by hand\r\n[other.csv]\r\nFormat=TabDelimited\r\n; tabs, not commas\r\n[products.csv]\r\n"));
    EXPECT_EQ(schema.Value(QStringLiteral("products.csv"), QStringLiteral("Format")),
              QStringLiteral("CSVDelimited"));
    EXPECT_EQ(schema.Value(QStringLiteral("products.csv"), QStringLiteral("MaxScanRows")),
              QStringLiteral("0"));
    EXPECT_EQ(schema.Value(QStringLiteral("products.csv"), QStringLiteral("ColNameHeader")),
              QStringLiteral("False"));
    EXPECT_EQ(schema.Columns(QStringLiteral("products.csv")),
              (QStringList{"\"F1\" Text Width 100", "\"F2\" Text Width 100", "\"F3\" Text Width 100"}));
    EXPECT_EQ(dc.RecordCount(), 4); // the header line is a record without a header
    EXPECT_EQ(dc.FieldValue(QStringLiteral("P"), QStringLiteral("F1")), QStringLiteral("Code"));

    TZpDataConnections withHeader;
    OpenText(withHeader, dir.path(), "YES", QStringLiteral("[products#csv]"));
    EXPECT_EQ(TZpSchemaFile::Read(dir.filePath(QStringLiteral("SCHEMA.INI")))
                  .Columns(QStringLiteral("products.csv")),
              (QStringList{"\"Code\" Text Width 100", "\"Name\" Text Width 100", "\"Qty\" Text Width 100"}));
    EXPECT_EQ(withHeader.RecordCount(), 3);
    EXPECT_EQ(withHeader.FieldValue(QStringLiteral("P"), QStringLiteral("Name")),
              QStringLiteral("Stabilo pen"));
}

// A folder without tables gets no schema file.
TEST(SchemaIniTest, NothingIsWrittenWithoutTables) {
    QTemporaryDir dir;
    TZpDataConnections dc;
    OpenText(dc, dir.path(), "YES", QStringLiteral("SELECT 1"));
    EXPECT_TRUE(dc.ConnectionObject(0)->Connected());
    EXPECT_FALSE(QFileInfo::exists(dir.filePath(QStringLiteral("SCHEMA.INI"))));
}

// Repeated and empty header names become distinct column names, and the
// schema written for them reads back in column order.
TEST(SchemaIniTest, RepeatedHeaderNamesAreNumbered) {
    QTemporaryDir dir;
    WriteFile(dir.filePath(QStringLiteral("repeated.csv")), "a,a,a_1,,F4,A\r\n1,2,3,4,5,6\r\n");
    TZpDataConnections dc;
    OpenText(dc, dir.path(), "YES", QStringLiteral("[repeated#csv]"));
    const QStringList names{"a", "a_1", "a_1_1", "F4", "F4_1", "A_2"};
    EXPECT_EQ(dc.FieldNames(QStringLiteral("P")), names);
    QStringList columns;
    for (const QString& name : names) {
        columns.append(QStringLiteral("\"%1\" Text Width 100").arg(name));
    }
    EXPECT_EQ(TZpSchemaFile::Read(dir.filePath(QStringLiteral("SCHEMA.INI")))
                  .Columns(QStringLiteral("repeated.csv")),
              columns);
    EXPECT_EQ(dc.FieldValue(QStringLiteral("P"), QStringLiteral("A_2")), QStringLiteral("6"));
}

} // namespace
} // namespace zp
