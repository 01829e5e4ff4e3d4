// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "data/DatabaseTypes.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"
#include "platform/dataaccess/WorkbookEngine.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <zip.h>

namespace zp {
namespace {

// Writes a zip archive of the given parts.
void WriteZip(const QString& path, const QList<QPair<const char*, QByteArray>>& parts) {
    int error = 0;
    zip_t* zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    ASSERT_NE(zip, nullptr);
    for (const auto& [name, data] : parts) {
        // The buffers must live until the archive is closed.
        void* copy = malloc(static_cast<size_t>(data.size()));
        memcpy(copy, data.constData(), static_cast<size_t>(data.size()));
        zip_source_t* source = zip_source_buffer(zip, copy, static_cast<zip_uint64_t>(data.size()), 1);
        ASSERT_GE(zip_file_add(zip, name, source, ZIP_FL_OVERWRITE), 0);
    }
    ASSERT_EQ(zip_close(zip), 0);
}

// Two sheets; the first with shared, inline and numeric cells, a gap in
// column B of row 3, and a phonetic run that is not part of the text.
void WriteXlsx(const QString& path) {
    WriteZip(
        path,
        {{"xl/workbook.xml",
          R"(<workbook xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main" xmlns:r="http://schemas.openxmlformats.org/officeDocument/2006/relationships"><sheets><sheet name="Parts" sheetId="1" r:id="rId1"/><sheet name="Empty" sheetId="2" r:id="rId2"/></sheets></workbook>)"},
         {"xl/_rels/workbook.xml.rels",
          R"(<Relationships xmlns="http://schemas.openxmlformats.org/package/2006/relationships"><Relationship Id="rId1" Target="worksheets/sheet1.xml"/><Relationship Id="rId2" Target="/xl/worksheets/sheet2.xml"/></Relationships>)"},
         {"xl/sharedStrings.xml",
          R"(<sst xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><si><t>Code</t></si><si><t>Qty</t></si><si><r><t>Bo</t></r><r><t>lt</t></r><rPh><t>x</t></rPh></si><si><t>Name</t></si></sst>)"},
         {"xl/worksheets/sheet1.xml",
          R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData>
<row r="1"><c r="A1" t="s"><v>0</v></c><c r="B1" t="s"><v>1</v></c><c r="C1" t="s"><v>3</v></c></row>
<row r="2"><c r="A2" t="inlineStr"><is><t>A-1</t></is></c><c r="B2"><v>12</v></c><c r="C2" t="s"><v>2</v></c></row>
<row r="3"><c r="A3" t="str"><v>A-2</v></c><c r="C3" t="b"><v>1</v></c></row>
</sheetData></worksheet>)"},
         {"xl/worksheets/sheet2.xml",
          R"(<worksheet xmlns="http://schemas.openxmlformats.org/spreadsheetml/2006/main"><sheetData/></worksheet>)"}});
}

void WriteOds(const QString& path) {
    WriteZip(
        path,
        {{"mimetype", "application/vnd.oasis.opendocument.spreadsheet"},
         {"content.xml",
          R"(<office:document-content xmlns:office="urn:oasis:names:tc:opendocument:xmlns:office:1.0" xmlns:table="urn:oasis:names:tc:opendocument:xmlns:table:1.0" xmlns:text="urn:oasis:names:tc:opendocument:xmlns:text:1.0"><office:body><office:spreadsheet><table:table table:name="Parts">
<table:table-row><table:table-cell office:value-type="string"><text:p>Code</text:p></table:table-cell><table:table-cell office:value-type="string"><text:p>Qty</text:p></table:table-cell><table:table-cell table:number-columns-repeated="16000"/></table:table-row>
<table:table-row><table:table-cell office:value-type="string"><text:p>A<text:s text:c="2"/>1</text:p></table:table-cell><table:table-cell office:value-type="float" office:value="12"><text:p>12.00</text:p></table:table-cell></table:table-row>
<table:table-row table:number-rows-repeated="1048570"><table:table-cell table:number-columns-repeated="1024"/></table:table-row>
</table:table></office:spreadsheet></office:body></office:document-content>)"}});
}

TEST(WorkbookTest, XlsxSheetsAreTablesThroughTheWizardsString) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parts.xlsx"));
    WriteXlsx(path);
    TZpConnectionSettings s;
    s.Type = QStringLiteral("Excel Workbook (*.xlsx)");
    s.Source = path;
    TZpConnection connection(ComposeConnectionString(s));
    connection.ReadOnly = true;
    connection.Open();
    EXPECT_EQ(connection.TableNames(false),
              (QStringList{QStringLiteral("Parts$"), QStringLiteral("Empty$")}));
    TZpQuery query(&connection, QStringLiteral("SELECT [Code], [Name] FROM [Parts$] WHERE [Qty] > 5"));
    query.Open();
    ASSERT_EQ(query.RecordCount(), 1);
    EXPECT_EQ(query.Value(QStringLiteral("Code")), QStringLiteral("A-1"));
    EXPECT_EQ(query.Value(QStringLiteral("Name")), QStringLiteral("Bolt"));

    TZpQuery all(&connection, QStringLiteral("[Parts$]"));
    all.Open();
    ASSERT_EQ(all.RecordCount(), 2);
    all.Next();
    EXPECT_EQ(all.Value(QStringLiteral("Qty")), QString());
    EXPECT_EQ(all.Value(QStringLiteral("Name")), QStringLiteral("True"));
}

TEST(WorkbookTest, OdsRepeatedEmptyCellsCostNothing) {
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("parts.ods"));
    WriteOds(path);
    const QList<TZpSheet> sheets = ReadWorkbook(path);
    ASSERT_EQ(sheets.size(), 1);
    EXPECT_EQ(sheets[0].Name, QStringLiteral("Parts"));
    ASSERT_EQ(sheets[0].Cells.size(), 2u);
    EXPECT_EQ(sheets[0].Cells[1], (QStringList{QStringLiteral("A  1"), QStringLiteral("12")}));
    EXPECT_EQ(sheets[0].NumericColumns, (std::vector<bool>{false, true}));
}

TEST(WorkbookTest, DamagedWorkbooksNameTheFile) {
    QTemporaryDir dir;
    const QString notZip = dir.filePath(QStringLiteral("a.xlsx"));
    QFile f(notZip);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("PK\x03\x04garbage");
    f.close();
    const QString otherZip = dir.filePath(QStringLiteral("b.xlsx"));
    WriteZip(otherZip, {{"readme.txt", "hi"}});
    const QString badXml = dir.filePath(QStringLiteral("c.ods"));
    WriteZip(badXml, {{"content.xml", "<office:document-content><table:table"}});
    for (const QString& path : {notZip, otherZip, badXml, dir.filePath(QStringLiteral("missing.ods"))}) {
        try {
            (void)ReadWorkbook(path);
            ADD_FAILURE() << path.toStdString();
        } catch (const EZpError& e) {
            EXPECT_TRUE(e.Message().contains(path)) << e.what();
        }
    }
}

} // namespace
} // namespace zp
