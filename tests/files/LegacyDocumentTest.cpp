// SPDX-License-Identifier: MIT
// 2.x labels opened as documents: their merge files connected (dBase copied
// into a database, delimited text read through SCHEMA.INI), their data
// evaluated after the load, and printed to PDF the way the command line does.
#include "barcode/BarcodeObject.h"
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "data/DatabaseCopy.h"
#include "files/FileTestSupport.h"
#include "files/LabelFile.h"
#include "files/LegacyBuilder.h"
#include "legacy/LegacyImport.h"
#include "model/ModelTestSupport.h"
#include "model/data/ZpData.h"
#include "model/document/LabelDocument.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/RecordSet.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/printing/Printer.h"
#include "print/PdfInfo.h"
#include "print/PrintCommands.h"
#include "print/PrintInfo.h"
#include "settings/AppOptions.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QSettings>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

using test::TLegacyBuilder;
using B = TLegacyBuilder;
using test::BarcodeRecord;
using test::Formatted;
using test::Record;
using test::TextRecord;
using test::Trailer;

const QString kStockName = QString::fromUtf8("O'Brien's Caf\u00e9");

class LegacyDocumentTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        AppOptions().AssignTo(FOptions);
        InstallLegacyImporter();
    }
    void TearDown() override {
        SetLegacyImporter(nullptr);
        FOptions.AssignTo(AppOptions());
        ZpPrinter().SetOutputFileName(QString());
    }

    [[nodiscard]] QString Path(const QString& name) const { return FDir.filePath(name); }
    void WriteFile(const QString& name, const QByteArray& bytes) const {
        QFile file(Path(name));
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    [[nodiscard]] QString CopyStock() const {
        const QString path = Path(QStringLiteral("STOCK.DBF"));
        QFile::copy(test::TestDataPath(QStringLiteral("files/STOCK.DBF")), path);
        return path;
    }
    // Opens the 2.x label as the main window and the command line do.
    void Open(const QByteArray& bytes) {
        WriteFile(QStringLiteral("label.lbl"), bytes);
        LoadLabelDocument(FDoc, Path(QStringLiteral("label.lbl")), true);
    }
    // Prints one label to the PDF device; the pages of the PDF written.
    int PrintOne() {
        TZpPrinter& printer = ZpPrinter();
        printer.SetPrinterIndex(printer.IndexOfPrinter(QStringLiteral("PDF")));
        const QString pdf = Path(QStringLiteral("out.pdf"));
        QFile::remove(pdf);
        printer.SetOutputFileName(pdf);
        TZpPrintInfo& info = FDoc.PrintInfo();
        info.StartLabel = 1;
        info.Copies = 1;
        info.TotalLabels = 1;
        info.ToPage = std::numeric_limits<int32_t>::max();
        TZpObjectList selection;
        EXPECT_TRUE(PrintDocument(FDoc, info, QStringLiteral("Legacy"), selection));
        const test::TPdfInfo read = test::ReadPdfInfo(pdf);
        EXPECT_EQ(read.Error, QString());
        return read.Pages;
    }
    template <class T> T* Object(size_t index) {
        return index < FDoc.Objects().size() ? dynamic_cast<T*>(FDoc.Objects()[index].get()) : nullptr;
    }

    QTemporaryDir FDir;
    TZpAppOptions FOptions;
    test::TLabelDpiGuard FDpi{LabelDPI()};
    TZpScriptedDialogsGuard FDialogs;
    TZpLabelDocument FDoc;
};

TEST_F(LegacyDocumentTest, DBaseTableIsCopiedIntoANewDatabase) {
    QString path = CopyStock();
    // A database of the name it would take is the user's: kept, and the copy named beside it.
    WriteFile(QStringLiteral("STOCK.mdb"), "not ours");
    ConvertDBaseToAccess(path);
    EXPECT_EQ(path, Path(QStringLiteral("STOCK_1.mdb")));
    QFile kept(Path(QStringLiteral("STOCK.mdb")));
    ASSERT_TRUE(kept.open(QIODevice::ReadOnly));
    EXPECT_EQ(kept.readAll(), QByteArray("not ours"));

    TZpConnection db(QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(path));
    db.Open();
    EXPECT_EQ(db.TableNames(false), QStringList{QStringLiteral("STOCK")});
    const auto records = db.Select(QStringLiteral("SELECT * FROM [STOCK]"));
    QStringList names;
    for (const TZpFieldInfo& f : records->Fields)
        names << f.Name;
    EXPECT_EQ(names, QStringList({"CODE", "NAME", "QTY", "PRICE", "SOLD", "ACTIVE"}));
    // The deleted record is not copied; an empty value stays empty.
    ASSERT_EQ(records->Rows.size(), 2u);
    EXPECT_EQ(records->Rows[0],
              QStringList({"4006381333931", kStockName, "12", "3.5", "2024-01-05", "True"}));
    EXPECT_EQ(records->Rows[1], QStringList({"5012345678900", "Blue mug", "", "12.25", "", "False"}));
}

TEST_F(LegacyDocumentTest, TheCopyIsMadeAgainOnlyWhenTheTableChanged) {
    const QString dbf = CopyStock();
    const auto convert = [&dbf] {
        QString path = dbf;
        ConvertDBaseToAccess(path);
        return path;
    };
    // Opening the label twice uses one copy.
    Open(test::EveryKindLabel(dbf));
    Open(test::EveryKindLabel(dbf));
    EXPECT_EQ(FDoc.Connections().ConnectionString(0),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1")
                  .arg(Path(QStringLiteral("STOCK.mdb"))));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("STOCK_1.mdb"))));
    // A table changed since (its time, then its size) gets a copy of its own,
    // which then serves in turn.
    QFile table(dbf);
    ASSERT_TRUE(table.open(QIODevice::ReadWrite));
    ASSERT_TRUE(table.setFileTime(table.fileTime(QFileDevice::FileModificationTime).addSecs(-60),
                                  QFileDevice::FileModificationTime));
    EXPECT_EQ(convert(), Path(QStringLiteral("STOCK_1.mdb")));
    EXPECT_EQ(convert(), Path(QStringLiteral("STOCK_1.mdb")));
    const QDateTime time = table.fileTime(QFileDevice::FileModificationTime);
    ASSERT_TRUE(table.seek(table.size()));
    table.write("\x1a");
    table.flush();
    ASSERT_TRUE(table.setFileTime(time, QFileDevice::FileModificationTime));
    EXPECT_EQ(convert(), Path(QStringLiteral("STOCK_2.mdb")));
}

TEST_F(LegacyDocumentTest, DBaseThatCannotBeReadLeavesNoDatabase) {
    QString path = Path(QStringLiteral("BROKEN.DBF"));
    WriteFile(QStringLiteral("BROKEN.DBF"), QByteArray("\x03\x7c", 2));
    EXPECT_THROW(ConvertDBaseToAccess(path), EZpError);
    EXPECT_EQ(path, Path(QStringLiteral("BROKEN.DBF")));
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("BROKEN.mdb"))));
}

TEST_F(LegacyDocumentTest, EveryKindIsAnOrdinaryDocumentAndPrints) {
    const QString dbf = CopyStock();
    Open(test::EveryKindLabel(dbf));
    TZpScriptedDialogs& dialogs = *FDialogs;
    EXPECT_EQ(dialogs.Messages(),
              QStringList{QStringLiteral("Due to changes in the text control from Windows 3.1 to "
                                         "Win32, some text objects may need to be adjusted "
                                         "slightly.")});
    // The table now lives in a database beside it, under the name of the table.
    TZpDataConnections& data = FDoc.Connections();
    ASSERT_EQ(data.ConnectionCount(), 1);
    EXPECT_EQ(data.ConnectionName(0), QStringLiteral("STOCK"));
    EXPECT_EQ(data.ConnectionString(0), QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1")
                                            .arg(Path(QStringLiteral("STOCK.mdb"))));
    ASSERT_EQ(data.DatasetCount(), 1);
    EXPECT_EQ(data.DatasetName(0), QStringLiteral("STOCK"));
    EXPECT_EQ(data.DatasetSQL(0), QStringLiteral("SELECT * FROM [STOCK]"));
    EXPECT_EQ(data.RecordCount(), 2);

    ASSERT_EQ(FDoc.Objects().size(), 18u);
    EXPECT_EQ(FDoc.Environment().DPI(), LabelDPI());
    // Laid out within the label in twips, the objects stay within it in label pixels.
    const TRect label{0, 0, 4 * LabelDPI(), 2 * LabelDPI()};
    for (const TZpObjectPtr& obj : FDoc.Objects()) {
        const TRect r = obj->GetBounds();
        EXPECT_TRUE(r.Left >= label.Left && r.Top >= label.Top && r.Right <= label.Right &&
                    r.Bottom <= label.Bottom)
            << obj->GetClassName().toStdString() << " " << r.Left << "," << r.Top << "," << r.Right << ","
            << r.Bottom;
    }
    auto* title = Object<TZpTextObject>(6);
    auto* link = Object<TZpTextObject>(7);
    auto* merged = Object<TZpTextObject>(8);
    auto* serial = Object<TZpTextObject>(10);
    ASSERT_TRUE(title && link && merged && serial);
    EXPECT_EQ(title->Data().GetText(), QStringLiteral("Stock list"));
    // After the load a link shows its target, a field its value.
    EXPECT_EQ(link->Data().GetLinkName(), QStringLiteral("Title"));
    EXPECT_EQ(link->Data().GetText(), QStringLiteral("Stock list"));
    ASSERT_EQ(merged->Data().GetFieldCount(), 1);
    const TZpFieldDef* field = merged->Data().GetField(0);
    EXPECT_EQ(field->Connection, QStringLiteral("STOCK"));
    EXPECT_EQ(field->Dataset, QStringLiteral("STOCK"));
    EXPECT_EQ(field->Field, QStringLiteral("NAME"));
    EXPECT_EQ(merged->Data().GetText(), kStockName);
    EXPECT_EQ(serial->Data().GetText(), QStringLiteral("0007"));
    auto* code = Object<TZpBarcodeObject>(11);
    auto* counter = Object<TZpBarcodeObject>(12);
    auto* again = Object<TZpBarcodeObject>(13);
    ASSERT_TRUE(code && counter && again);
    EXPECT_EQ(code->Data().GetField(0)->Field, QStringLiteral("CODE"));
    EXPECT_EQ(code->Data().GetText(), QStringLiteral("4006381333931"));
    EXPECT_EQ(counter->Data().GetSerialPrefix(), QStringLiteral("LOT"));
    EXPECT_EQ(counter->Data().GetText(), QStringLiteral("LOT000000001"));
    EXPECT_EQ(again->Data().GetLinkName(), QStringLiteral("Code"));
    EXPECT_EQ(again->Data().GetText(), QStringLiteral("4006381333931"));
    auto* pictureMerge = Object<TZpPictureObject>(17);
    ASSERT_TRUE(pictureMerge);
    EXPECT_EQ(pictureMerge->Data().GetKind(), dkDatabaseField);
    EXPECT_EQ(pictureMerge->Data().GetField(0)->Field, QStringLiteral("NAME"));

    // Both prompts are asked once for the label printed.
    dialogs.Queue(TPromptData{QString(), QStringLiteral("B-17"), 1});
    dialogs.Queue(TPromptData{QString(), QStringLiteral("12345678"), 1});
    EXPECT_EQ(PrintOne(), 1);
}

TEST_F(LegacyDocumentTest, SavingWritesANativeLabelBesideTheOldOne) {
    const QByteArray old = test::EveryKindLabel(QString());
    Open(old);
    EXPECT_EQ(FDoc.FileName(), Path(QStringLiteral("label.zp3")));
    EXPECT_TRUE(FDoc.Modified());
    // A run that keeps its serial numbers saves the label, as the command line's -U=1 does.
    FDoc.PrintInfo().UpdateSerials = true;
    TZpScriptedDialogs& dialogs = *FDialogs;
    dialogs.Queue(TPromptData{QString(), QStringLiteral("B-17"), 1});
    dialogs.Queue(TPromptData{QString(), QStringLiteral("12345678"), 1});
    EXPECT_EQ(PrintOne(), 1);
    QFile lbl(Path(QStringLiteral("label.lbl")));
    ASSERT_TRUE(lbl.open(QIODevice::ReadOnly));
    EXPECT_EQ(lbl.readAll(), old);
    TZpLabelDocument saved;
    LoadLabelDocument(saved, Path(QStringLiteral("label.zp3")), false);
    EXPECT_FALSE(saved.Modified());
    ASSERT_EQ(saved.Objects().size(), 18u);
    EXPECT_EQ(Supports<IZpData>(saved.Objects()[10])->GetSerialStart(), 8);
}

TEST_F(LegacyDocumentTest, StrikeOutIsKeptThroughImportAndSave) {
    // Bold, italic, underline and strike-out in the font of a plain text and
    // of a rich one whose line turns strike-out off and on again.
    QByteArray plain = TextRecord(1, "Plain", 0);
    B::Put(plain, 55, B::B(1) + B::B(1) + B::B(1));
    QByteArray rich = TextRecord(2, "Rich", 0);
    B::Put(rich, 55, B::B(1) + B::B(1) + B::B(1));
    B::Put(rich, 250, B::B(0));
    B f;
    f.Records = plain + Trailer() + rich + Formatted({{QByteArray("a\x01tb\x01Tc", 7), 240}});
    Open(f.Bytes());
    SaveLabelDocument(FDoc, Path(QStringLiteral("label.zp3")));
    TZpLabelDocument saved;
    LoadLabelDocument(saved, Path(QStringLiteral("label.zp3")), false);
    ASSERT_EQ(saved.Objects().size(), 2u);
    const auto runStyles = [](const TZpObjectPtr& obj) {
        auto* text = dynamic_cast<TZpTextObject*>(obj.get());
        std::vector<int> styles;
        if (!text)
            return styles;
        for (const TZpParagraph& p : text->RVData().Paragraphs())
            for (const TZpRun& run : p.Runs)
                styles.push_back(text->RVData().TextStyles().at(size_t(run.Style)).Style);
        return styles;
    };
    constexpr int kAll = fsBold | fsItalic | fsUnderline | fsStrikeOut;
    auto* first = dynamic_cast<TZpTextObject*>(saved.Objects()[0].get());
    ASSERT_TRUE(first);
    EXPECT_EQ(first->RVData().TextStyles().front().Style, kAll);
    EXPECT_EQ(runStyles(saved.Objects()[0]), std::vector<int>{kAll});
    EXPECT_EQ(runStyles(saved.Objects()[1]), (std::vector<int>{kAll, kAll & ~fsStrikeOut, kAll}));
}

struct TTextMergeCase {
    const char* Name;
    int16_t Type;
    QByteArray Csv;
    const char* Properties; ///< of the connection string after the folder
    const char* Header;     ///< ColNameHeader written into SCHEMA.INI
    const char* Field;      ///< the name of the second column
};

const TTextMergeCase kTextMerges[] = {
    {"WithoutHeader", 1, "1,Apple\n2,Pear\n", ";Extended Properties=\"Text;HDR=NO;\"", "False", "F2"},
    {"WithHeader", 2, "Code,Name\n1,Apple\n2,Pear\n", ";Extended Properties=Text", "True", "Name"},
};

class LegacyTextMerge : public LegacyDocumentTest, public ::testing::WithParamInterface<TTextMergeCase> {};

TEST_P(LegacyTextMerge, ConnectsTheFolderAndReadsTheColumns) {
    const TTextMergeCase& c = GetParam();
    WriteFile(QStringLiteral("items.csv"), c.Csv);
    const QString csv = Path(QStringLiteral("items.csv"));
    B f;
    f.OneLabelPage();
    f.MergeFile(csv, c.Type);
    QByteArray text = TextRecord(1, "Item", 2);
    B::Put(text, 27, B::I32(2));
    B::Put(text, 219, B::B(1) + B::B(2));
    f.Records = text + Trailer();
    Open(f.Bytes());

    TZpDataConnections& data = FDoc.Connections();
    ASSERT_EQ(data.ConnectionCount(), 1);
    EXPECT_EQ(data.ConnectionName(0), csv);
    EXPECT_EQ(data.ConnectionString(0),
              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1/").arg(FDir.path()) +
                  c.Properties);
    ASSERT_EQ(data.DatasetCount(), 1);
    EXPECT_EQ(data.DatasetName(0), csv);
    EXPECT_EQ(data.DatasetSQL(0), QStringLiteral("SELECT * FROM [items.csv]"));
    EXPECT_EQ(data.RecordCount(), 2);
    QSettings schema(Path(QStringLiteral("SCHEMA.INI")), QSettings::IniFormat);
    EXPECT_EQ(schema.value(QStringLiteral("items.csv/ColNameHeader")).toString(),
              QString::fromLatin1(c.Header));

    auto* item = Object<TZpTextObject>(0);
    ASSERT_TRUE(item);
    ASSERT_EQ(item->Data().GetFieldCount(), 1);
    const TZpFieldDef* field = item->Data().GetField(0);
    EXPECT_EQ(field->Dataset, csv);
    EXPECT_EQ(field->Field, QString::fromLatin1(c.Field));
    EXPECT_EQ(field->StripLeading, 1);
    EXPECT_EQ(field->StripTrailing, 2);
    EXPECT_EQ(field->StripMethod, smCharacters);
    EXPECT_FALSE(field->AddLineBreak);
    EXPECT_EQ(item->Data().GetText(), QStringLiteral("pp")); // "Apple" less one in front and two behind
    EXPECT_EQ(PrintOne(), 1);
}

INSTANTIATE_TEST_SUITE_P(Types, LegacyTextMerge, ::testing::ValuesIn(kTextMerges),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(LegacyDocumentTest, DifAndMissingMergeFilesOnlyWarn) {
    WriteFile(QStringLiteral("items.dif"), "TABLE\n0,1\n\"\"\n");
    struct TCase {
        QString File;
        int16_t Type;
        QString Warning;
        uint8_t Kind;    ///< of the merged text
        QString Dataset; ///< of its field
    } cases[] = {
        {Path(QStringLiteral("items.dif")), 3,
         QStringLiteral("This label cannot be completely converted; DIF files are no longer supported."),
         dkDatabaseField, Path(QStringLiteral("items.dif"))},
        {Path(QStringLiteral("gone.csv")), 2,
         QStringLiteral(
             "The merge file originally used with this label (%1) is missing!  Merged fields must be "
             "re-linked.")
             .arg(Path(QStringLiteral("gone.csv"))),
         dkStaticText, QString()},
    };
    for (const TCase& c : cases) {
        SCOPED_TRACE(c.Type);
        TZpScriptedDialogs& dialogs = *FDialogs;
        dialogs.Clear();
        B f;
        f.OneLabelPage();
        f.MergeFile(c.File, c.Type);
        QByteArray text = TextRecord(1, "Item", 2);
        B::Put(text, 27, B::I32(1));
        f.Records = text + Trailer();
        Open(f.Bytes());
        ASSERT_GE(dialogs.Messages().size(), 1);
        EXPECT_EQ(dialogs.Messages().front(), c.Warning);
        EXPECT_EQ(FDoc.Connections().ConnectionCount(), 0);
        auto* item = Object<TZpTextObject>(0);
        ASSERT_TRUE(item);
        EXPECT_EQ(item->Data().GetKind(), c.Kind);
        if (c.Kind == dkDatabaseField) {
            // The field names a dataset that was never made, and so no field.
            EXPECT_EQ(item->Data().GetField(0)->Dataset, c.Dataset);
            EXPECT_EQ(item->Data().GetField(0)->Field, QString());
        } else {
            EXPECT_EQ(item->Data().GetText(), QStringLiteral("MERGE"));
        }
        EXPECT_EQ(PrintOne(), 1);
    }
}

TEST_F(LegacyDocumentTest, DamagedDBaseMergeFileStillOpensTheLabel) {
    WriteFile(QStringLiteral("BAD.DBF"), QByteArray(40, '\x03'));
    B f;
    f.OneLabelPage();
    f.MergeFile(Path(QStringLiteral("BAD.DBF")), 0);
    f.Records = TextRecord(1, "Item", 2) + Trailer();
    Open(f.Bytes());
    TZpScriptedDialogs& dialogs = *FDialogs;
    ASSERT_GE(dialogs.Messages().size(), 1);
    EXPECT_TRUE(dialogs.Messages().front().contains(QStringLiteral("BAD.DBF")))
        << dialogs.Messages().front().toStdString();
    EXPECT_EQ(FDoc.Connections().ConnectionCount(), 0);
    EXPECT_EQ(FDoc.Objects().size(), 1u);
    EXPECT_FALSE(QFile::exists(Path(QStringLiteral("BAD.mdb"))));
}

} // namespace
} // namespace zp
