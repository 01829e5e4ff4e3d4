// SPDX-License-Identifier: MIT
#include "files/LabelFile.h"

#include "base/Errors.h"
#include "data/DataConnections.h"
#include "files/FileTestSupport.h"
#include "model/ModelTestSupport.h"
#include "model/data/ZpData.h"
#include "model/document/LabelDocument.h"
#include "platform/printing/Printer.h"
#include "platform/printing/StandardBackend.h"
#include "print/FakeBackend.h"
#include "settings/AppOptions.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <bit>

namespace zp {
namespace {

using test::Written;

/// Keeps the process-wide options and LabelDPI of each test to itself.
class LabelFileTest : public ::testing::Test {
protected:
    void SetUp() override { AppOptions().AssignTo(FOptions); }
    void TearDown() override { FOptions.AssignTo(AppOptions()); }
    [[nodiscard]] QString Path(const char* name) const { return FDir.filePath(QLatin1String(name)); }

    TZpAppOptions FOptions;
    test::TLabelDpiGuard FDpi{LabelDPI()};
    QTemporaryDir FDir;
};

QByteArray FileBytes(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

void WriteFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
}

struct TLabel {
    TZpObjectList Objects;
    TZpIDEProperties Ide;
    TLabelProperties Layout;
};

// Loads bytes through the file reader and applies what the file asks, as
// opening a label does; the message of the error, or empty.
QString LoadError(const QByteArray& bytes, TLabel& label) {
    QByteArray data = bytes;
    QBuffer buffer(&data);
    buffer.open(QIODevice::ReadOnly);
    try {
        ApplyLabelFileSettings(LoadLabelFromDevice(buffer, label.Objects, label.Ide, label.Layout, false),
                               label.Ide, label.Layout);
    } catch (const EZpError& e) {
        return e.Message();
    }
    return {};
}

QByteArray LabelBytes(TLabel& label) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteLabel(buffer, label.Objects, label.Ide, label.Layout);
    return bytes;
}

// A label with something other than the default everywhere.
void FillLabel(TLabel& label) {
    for (const QString& name : ObjectClassNames())
        label.Objects.push_back(test::MakeFilled(name, int(label.Objects.size())));
    TZpIDEProperties& ide = label.Ide;
    ide.Description = QStringLiteral("Shelf labels \u00fc");
    ide.SetScale(150);
    ide.SetRulerUnits(ruMillimeters);
    ide.SnapToRulers = true;
    ide.ShowRulers = false;
    ide.ShowGuides = false;
    ide.SnapToGuides = false;
    ide.LockGuides = true;
    ide.SetLockState(true, QStringLiteral("secret"));
    ide.FGuidesX = {10, 300, 70000};
    ide.FGuidesY = {-5};
    ide.ShowUnprintable = true;
    ide.SetDPIExact(LabelDPI());
    ide.Connections().AddConnection(QStringLiteral("Sales"),
                                    QStringLiteral("Provider=SQLite;Data Source=a.db"));
    ide.Connections().AddConnection(QStringLiteral("Stock"),
                                    QStringLiteral("Provider=SQLite;Data Source=b.db"));
    ide.Connections().AddDataset(QStringLiteral("Stock"), QStringLiteral("Items"),
                                 QStringLiteral("SELECT *\r\nFROM items\r\n"));
    ide.Connections().AddDataset(QStringLiteral("Sales"), QStringLiteral("Orders"),
                                 QStringLiteral("SELECT 1\r\n"));
    AppOptions().CheckBarCodes = true;
    AppOptions().ImportITF14 = true;
    label.Layout.SetDesignDefaults();
    label.Layout.Manufacturer = QStringLiteral("Maker");
    label.Layout.MinisheetMargin = 0.125f;
    label.Layout.LabelsPerMiniSheet = 4;
    label.Layout.ReservedFlag = true;
}

TEST_F(LabelFileTest, SaveLoadSaveGivesIdenticalBytes) {
    TLabel label;
    FillLabel(label);
    const QString path = Path("full.zp3");
    SaveLabelFile(path, label.Objects, label.Ide, label.Layout);
    const QByteArray first = FileBytes(path);

    AppOptions().CheckBarCodes = false;
    TLabel loaded;
    const TZpLabelFileSettings settings =
        LoadLabelFile(path, loaded.Objects, loaded.Ide, loaded.Layout, false);
    EXPECT_FALSE(AppOptions().CheckBarCodes);
    ApplyLabelFileSettings(settings, loaded.Ide, loaded.Layout);
    EXPECT_EQ(loaded.Objects.size(), 8u);
    EXPECT_EQ(loaded.Ide.Version, 22);
    EXPECT_TRUE(AppOptions().CheckBarCodes);
    EXPECT_EQ(loaded.Ide.Connections().DatasetCount(), 2);
    EXPECT_EQ(loaded.Ide.LockPassword(), QStringLiteral("secret"));
    const QString again = Path("again.zp3");
    SaveLabelFile(again, loaded.Objects, loaded.Ide, loaded.Layout);
    EXPECT_EQ(test::ToHex(FileBytes(again)).toStdString(), test::ToHex(first).toStdString());
}

TEST_F(LabelFileTest, EmptyLabelLayout) {
    TLabel label;
    label.Ide.SetDPIExact(300);
    const QByteArray expected = Written([&](TZpWriter& w) {
                                    w.WriteInteger(22);
                                    w.WriteString(QString());
                                    w.WriteInteger(100);
                                    w.WriteInteger(ruInches);
                                    for (bool b : {false, true, true, true, false, false})
                                        w.WriteBool(b);
                                    w.WriteString(QString());
                                    w.WriteListBegin(); // guides
                                    w.WriteListEnd();
                                    w.WriteListBegin();
                                    w.WriteListEnd();
                                    w.WriteListBegin(); // connections
                                    w.WriteListEnd();
                                    w.WriteString(ZpPrinter().PrinterName());
                                    w.WriteBool(false);
                                    w.WriteInteger(300);
                                    AppOptions().SaveToStream(w);
                                    w.WriteBool(false);
                                    label.Layout.WriteBlock(w);
                                }) +
                                test::Hex("01 00");
    EXPECT_EQ(test::ToHex(LabelBytes(label)).toStdString(), test::ToHex(expected).toStdString());
}

// A file of an older version built item by item, with one rectangle of that
// version's record.
QByteArray OldFile(int32_t v) {
    return Written([v](TZpWriter& w) {
        w.WriteInteger(v);
        w.WriteString(QStringLiteral("Old"));
        w.WriteInteger(150);
        w.WriteInteger(ruCentimeters);
        for (int i = 0; i < 6; ++i)
            w.WriteBool(i == 0);
        w.WriteString(QString());
        w.WriteListBegin();
        w.WriteInteger(1440);
        w.WriteListEnd();
        w.WriteListBegin();
        w.WriteListEnd();
        w.WriteListBegin();
        w.WriteString(QStringLiteral("Book"));
        w.WriteString(QStringLiteral("ignored"));
        if (v >= 5 && v <= 15) {
            w.WriteListBegin();
            w.WriteInteger(790);
            w.WriteString(QStringLiteral("C:\\data\\book.xls"));
            w.WriteListEnd();
        }
        w.WriteListBegin();
        w.WriteString(QStringLiteral("Sheet"));
        w.WriteString(QStringLiteral("SELECT * FROM [Sheet1$]\r\n"));
        w.WriteListEnd();
        w.WriteListEnd();
        if (v > 3)
            w.WriteString(QStringLiteral("Some printer"));
        if (v > 7)
            w.WriteBool(true);
        if (v >= 9)
            w.WriteInteger(600);
        if (v > 9) {
            w.WriteBool(false); // AllowBarcodeResizing
            w.WriteBool(true);  // CheckBarCodes
            w.WriteBool(true);  // Import2xTextClear
            if (v > 13)
                w.WriteBool(false);
            if (v > 17)
                w.WriteBool(true);
            if (v >= 20)
                w.WriteBool(true);
        }
        if (v >= 9)
            w.WriteBool(true);
        for (const char* s : {"M", "C", "T", "P"})
            w.WriteString(QLatin1String(s));
        w.WriteInteger(0);
        w.WriteString(QStringLiteral("Letter"));
        w.WriteInteger(3); // a float stored as the integer 3
        w.WriteFloat(11.0);
        w.WriteInteger(2);
        w.WriteInteger(5);
        for (int i = 0; i < 6; ++i)
            w.WriteFloat(0.5);
        w.WriteInteger(lsRoundRect);
        for (int i = 0; i < 3; ++i)
            w.WriteFloat(0.25);
        w.WriteInteger(1);
        w.WriteListBegin();
        w.WriteString(QStringLiteral("TZpRectangleObject"));
        w.WriteBytes(test::BaseRecord(v, {0, 0, 1440, 720}));
        w.WriteBytes(test::Hex("FF FF FF 00 01 01  00 00 00 00 00 14 00 00 00"));
        w.WriteListEnd();
    });
}

struct VersionCase {
    int32_t v;
    QString connection;
    bool unprintable;
    int32_t dpi;
    bool reserved;
    bool exportPrinterDpi; // set to false by files after version 13
};

const QString kExcel = QStringLiteral(
    "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\data\\book.xls;Extended Properties=Excel 8.0");

const VersionCase kVersions[] = {
    {3, QStringLiteral("ignored"), false, 1440, false, true},
    {5, kExcel, false, 1440, false, true},
    {8, kExcel, true, 1440, false, true},
    {9, kExcel, true, 600, true, true},
    {12, kExcel, true, 600, true, true},
    {15, kExcel, true, 600, true, false},
    {16, QStringLiteral("ignored"), true, 600, true, false},
    {20, QStringLiteral("ignored"), true, 600, true, false},
    {22, QStringLiteral("ignored"), true, 600, true, false},
};

class OldVersionTest : public LabelFileTest, public ::testing::WithParamInterface<VersionCase> {};

TEST_P(OldVersionTest, LoadsWhatTheVersionHas) {
    const VersionCase& c = GetParam();
    AppOptions() = TZpAppOptions();
    TLabel label;
    label.Ide.ShowUnprintable = false;
    ASSERT_EQ(LoadError(OldFile(c.v), label), QString());
    EXPECT_EQ(label.Ide.Version, c.v);
    EXPECT_EQ(label.Ide.Description, QStringLiteral("Old"));
    EXPECT_EQ(label.Ide.RulerUnits(), ruCentimeters);
    EXPECT_TRUE(label.Ide.SnapToRulers);
    EXPECT_EQ(label.Ide.FGuidesX, QList<int32_t>{1440});
    ASSERT_EQ(label.Ide.Connections().ConnectionCount(), 1);
    EXPECT_EQ(label.Ide.Connections().ConnectionString(0), c.connection);
    EXPECT_EQ(label.Ide.Connections().DatasetConnectionName(0), QStringLiteral("Book"));
    EXPECT_EQ(label.Ide.ShowUnprintable, c.unprintable);
    EXPECT_EQ(label.Ide.DPI(), c.dpi);
    EXPECT_EQ(label.Layout.ReservedFlag, c.reserved);
    EXPECT_EQ(label.Layout.PageWidth, 3.0f);
    EXPECT_EQ(label.Layout.Rows, 5);
    // Files up to version 9 carry no options; version 12 only the first three.
    EXPECT_EQ(AppOptions().CheckBarCodes, c.v > 9);
    EXPECT_EQ(AppOptions().AllowBarcodeResizing, c.v <= 9);
    EXPECT_EQ(AppOptions().ExportPrinterDPI, c.exportPrinterDpi);
    EXPECT_EQ(AppOptions().OldStyleEditing, c.v >= 20);
    ASSERT_EQ(label.Objects.size(), 1u);
    EXPECT_EQ(label.Objects[0]->GetBounds(), (TRect{0, 0, 1440, 720}));
    EXPECT_EQ(label.Objects[0]->GetPrintObject(), true);
}

INSTANTIATE_TEST_SUITE_P(Versions, OldVersionTest, ::testing::ValuesIn(kVersions),
                         [](const auto& info) { return "V" + std::to_string(info.param.v); });

TEST_F(LabelFileTest, ParadoxDescriptorMayCarryOneMoreString) {
    QByteArray bytes = OldFile(10);
    const QByteArray descriptor = Written([](TZpWriter& w) {
        w.WriteListBegin();
        w.WriteInteger(790);
        w.WriteString(QStringLiteral("C:\\data\\book.xls"));
        w.WriteListEnd();
    });
    const QByteArray paradox = Written([](TZpWriter& w) {
        w.WriteListBegin();
        w.WriteInteger(538);
        w.WriteString(QStringLiteral("C:\\db"));
        w.WriteString(QStringLiteral("extra"));
        w.WriteListEnd();
    });
    bytes.replace(descriptor, paradox);
    TLabel label;
    ASSERT_EQ(LoadError(bytes, label), QString());
    EXPECT_EQ(label.Ide.Connections().ConnectionString(0),
              QStringLiteral(
                  "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=C:\\db;Extended Properties=Paradox 7.x"));
}

TEST_F(LabelFileTest, Version8LabelIsRescaledFrom1440) {
    test::TLabelDpiGuard dpi(300);
    const QString path = Path("v8.zp3");
    WriteFile(path, OldFile(8));
    TZpLabelDocument doc;
    doc.SetModified(true);
    LoadLabelDocument(doc, path, false);
    EXPECT_EQ(doc.FileName(), path);
    EXPECT_FALSE(doc.Modified());
    EXPECT_EQ(doc.Environment().DPI(), LabelDPI());
    const int dpiNow = LabelDPI();
    EXPECT_EQ(doc.Objects()[0]->GetBounds(), (TRect{0, 0, dpiNow, dpiNow / 2}));
    EXPECT_EQ(doc.Environment().FGuidesX, QList<int32_t>{dpiNow});
}

// Opening selects the printer the file names; a printable area equal to the
// page turned switches its orientation; LabelDPI follows the printer.
TEST_F(LabelFileTest, LoadingSelectsTheLabelsPrinter) {
    auto backend = std::make_unique<test::TFakeBackend>(test::TFakeBackend::WithQueues({"Office", "Shop"}));
    backend->LowResolution.insert(QStringLiteral("Shop"));
    ZpPrinter().SetBackend(std::move(backend));
    struct TRestore {
        ~TRestore() { ZpPrinter().SetBackend(std::make_unique<TZpStandardBackend>()); }
    } restore;

    TLabel label;
    label.Layout.SetDesignDefaults();
    ZpPrinter().SetPrinterIndex(ZpPrinter().IndexOfPrinter(QStringLiteral("Shop")));
    ASSERT_EQ(ZpPrinter().Orientation(), poPortrait);
    // The printable area of the 300 dpi queue, in dots, turned.
    label.Layout.PageWidth = float(ZpPrinter().PrintableHeight());
    label.Layout.PageHeight = float(ZpPrinter().PrintableWidth());
    const QString path = Path("shop.zp3");
    SaveLabelFile(path, label.Objects, label.Ide, label.Layout);
    ZpPrinter().SetPrinterIndex(ZpPrinter().IndexOfPrinter(QStringLiteral("Office")));

    // Reading for a preview changes nothing of the process.
    AppOptions().CheckBarCodes = true;
    const int dpiBefore = LabelDPI();
    TLabel preview;
    LoadLabelForPreview(path, preview.Objects, preview.Ide, preview.Layout);
    EXPECT_EQ(ZpPrinter().PrinterName(), QStringLiteral("Office"));
    EXPECT_EQ(ZpPrinter().Orientation(), poPortrait);
    EXPECT_EQ(LabelDPI(), dpiBefore);
    EXPECT_TRUE(AppOptions().CheckBarCodes);
    EXPECT_EQ(preview.Ide.DPI(), dpiBefore);

    TLabel loaded;
    ApplyLabelFileSettings(LoadLabelFile(path, loaded.Objects, loaded.Ide, loaded.Layout, false), loaded.Ide,
                           loaded.Layout);
    EXPECT_FALSE(AppOptions().CheckBarCodes);
    EXPECT_EQ(ZpPrinter().PrinterName(), QStringLiteral("Shop"));
    EXPECT_EQ(ZpPrinter().Orientation(), poLandscape);
    EXPECT_EQ(loaded.Layout.PageOrientation, 1);
    EXPECT_EQ(LabelDPI(), 300);

    // A printer the machine does not have: the system default.
    QByteArray bytes = FileBytes(path);
    bytes.replace("\x06\x04Shop", "\x06\x04Gone");
    TLabel other;
    ASSERT_EQ(LoadError(bytes, other), QString());
    EXPECT_EQ(ZpPrinter().PrinterName(), QStringLiteral("Office"));
    EXPECT_EQ(LabelDPI(), 600);
}

TEST_F(LabelFileTest, ObjectsGetTheLabelsConnections) {
    TLabel label;
    label.Objects.push_back(test::MakeFilled(QStringLiteral("TZpTextObject")));
    const QString path = Path("text.zp3");
    SaveLabelFile(path, label.Objects, label.Ide, label.Layout);
    TZpLabelDocument doc;
    LoadLabelDocument(doc, path, false);
    ASSERT_EQ(doc.Objects().size(), 1u);
    EXPECT_EQ(Supports<IZpData>(doc.Objects()[0])->GetConnections(), &doc.Environment().Connections());
}

TEST_F(LabelFileTest, LoadErrorsCarryTheirMessages) {
    const QByteArray good = OldFile(22);
    const QByteArray incompatible =
        QStringLiteral("File is from an incompatible version of Zentaprint...cannot continue.").toUtf8();
    QByteArray badClass = good;
    badClass.replace("TZpRectangleObject", "TZpRectangleObjekt");
    QByteArray badRecord = good;
    badRecord.replace(test::BaseRecord(22, {0, 0, 1440, 720}), test::BaseRecord(23, {0, 0, 1440, 720}));
    QByteArray badListEnd = good;
    badListEnd[badListEnd.size() - 1] = 7;
    const struct {
        const char* name;
        QByteArray bytes;
        QByteArray message;
    } cases[] = {
        {"Version2", test::Hex("02 02") + good.mid(2), incompatible},
        {"Version23", test::Hex("02 17") + good.mid(2), incompatible},
        {"VersionAsString", test::Hex("06 01 41"), "Invalid property value"},
        {"Empty", QByteArray(), "Stream read error"},
        {"Truncated", good.left(good.size() - 1), "Stream read error"},
        {"UnknownClass", badClass, "Class TZpRectangleObjekt not found"},
        {"RecordVersion23", badRecord, incompatible},
        {"ListNotEnded", badListEnd, "Invalid property value"},
    };
    for (const auto& c : cases) {
        TLabel label;
        EXPECT_EQ(LoadError(c.bytes, label), QString::fromUtf8(c.message)) << c.name;
        EXPECT_TRUE(label.Objects.empty()) << c.name;
    }
}

// Every prefix of a file and every single-byte corruption ends in one of
// the reader's messages, never in a crash.
TEST_F(LabelFileTest, DamagedFilesFailCleanly) {
    TLabel full;
    FillLabel(full);
    const QByteArray good = LabelBytes(full);
    for (int n = 0; n < good.size(); ++n) {
        TLabel label;
        EXPECT_FALSE(LoadError(good.left(n), label).isEmpty()) << "prefix " << n;
    }
    for (int i = 0; i < good.size(); i += 3) {
        for (uint8_t b : {uint8_t(0x00), uint8_t(0x0C), uint8_t(0x7F), uint8_t(0xFF)}) {
            QByteArray bytes = good;
            bytes[i] = char(b);
            TLabel label;
            (void)LoadError(bytes, label);
        }
    }
}

TEST_F(LabelFileTest, MissingFileIsReportedByName) {
    const QString path = Path("none.zp3");
    TLabel label;
    try {
        LoadLabelFile(path, label.Objects, label.Ide, label.Layout, false);
        FAIL() << "loaded a missing file";
    } catch (const EZpFileError& e) {
        EXPECT_EQ(e.Message(), QStringLiteral("File \"%1\" does not exist!").arg(path));
    }
}

TEST_F(LabelFileTest, LegacyLabelIsRecognisedAndRefused) {
    QByteArray bytes = QByteArray("Zentaprint 2.0 DATA") + QByteArray(200, '\0');
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    buffer.seek(0);
    EXPECT_TRUE(IsLegacyLabelFile(buffer));
    EXPECT_EQ(buffer.pos(), 0);
    TLabel label;
    EXPECT_TRUE(LoadError(bytes, label).contains(QStringLiteral("2.x")));

    for (QByteArray other : {QByteArray("zentaprint 2.0 DATA") + QByteArray(100, '\0'),
                             QByteArray("Zentaprint 2.0 DATAX") + QByteArray(100, '\0'),
                             QByteArray("Zentaprint 2.0 DATA") + QByteArray(10, '\0')}) {
        QBuffer b(&other);
        b.open(QIODevice::ReadOnly);
        EXPECT_FALSE(IsLegacyLabelFile(b)) << other.left(20).toStdString();
    }
}

// Fixtures of defects where a load followed by a save changed what was stored.
TEST_F(LabelFileTest, PadCharacterOutsideBmpSurvivesLoadAndSave) {
    const QString fixture = test::TestDataPath(QStringLiteral("files/pad-character-outside-bmp.zp3"));
    TLabel label;
    ASSERT_NO_THROW((void)LoadLabelFile(fixture, label.Objects, label.Ide, label.Layout, false));
    ASSERT_EQ(label.Objects.size(), 1u);
    EXPECT_EQ(Supports<IZpData>(label.Objects.front())->GetPadChar(), QString::fromUcs4(U"\U0001F600"));
    const QString again = Path("again.zp3");
    SaveLabelFile(again, label.Objects, label.Ide, label.Layout);
    EXPECT_EQ(test::ToHex(FileBytes(again)).toStdString(), test::ToHex(FileBytes(fixture)).toStdString());
}

TEST_F(LabelFileTest, FloatRoundedOnceToSingle) {
    // PageWidth is stored as 1 + 2^-24 + 2^-63.
    TLabel label;
    ASSERT_NO_THROW(
        (void)LoadLabelFile(test::TestDataPath(QStringLiteral("files/float-rounded-once-to-single.zp3")),
                            label.Objects, label.Ide, label.Layout, false));
    EXPECT_EQ(std::bit_cast<uint32_t>(label.Layout.PageWidth), 0x3F800001u);
}

// An object whose record cannot be written.
class TFailingObject : public TZpRectangleObject {
public:
    void SaveToStream(TZpWriter&) override { throw EZpError(QStringLiteral("disk full")); }
};

TEST_F(LabelFileTest, FailedSaveLeavesTheOldFile) {
    const QString path = Path("keep.zp3");
    WriteFile(path, QByteArray("old contents"));
    TLabel label;
    label.Objects.push_back(std::make_shared<TFailingObject>());
    EXPECT_THROW(SaveLabelFile(path, label.Objects, label.Ide, label.Layout), EZpError);
    EXPECT_EQ(FileBytes(path), QByteArray("old contents"));
    EXPECT_EQ(QDir(FDir.path()).entryList(QDir::Files), QStringList{QStringLiteral("keep.zp3")});

    const QString unwritable = Path("no/such/folder/label.zp3");
    try {
        SaveLabelFile(unwritable, {}, label.Ide, label.Layout);
        FAIL() << "saved into a missing folder";
    } catch (const EZpFileError& e) {
        EXPECT_TRUE(e.Message().contains(unwritable)) << e.Message().toStdString();
    }
}

TEST_F(LabelFileTest, ObjectListAtTheStreamPosition) {
    TZpObjectList objects{test::MakeFilled(QStringLiteral("TZpLineObject")),
                          test::MakeFilled(QStringLiteral("TZpBarcodeObject"))};
    QByteArray bytes("prefix");
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadWrite);
    buffer.seek(6);
    WriteObjectList(objects, buffer);
    buffer.seek(6);
    TZpObjectList read{test::MakeFilled(QStringLiteral("TZpCircleObject"))};
    EXPECT_EQ(ReadObjectList(read, buffer), 2);
    EXPECT_TRUE(buffer.atEnd());
    ASSERT_EQ(read.size(), 3u);
    EXPECT_EQ(read[2]->GetClassName(), QStringLiteral("TZpBarcodeObject"));
}

// Clashing names in the block get numbers, and datasets follow the
// connection they were stored under.
TEST_F(LabelFileTest, ClashingConnectionNamesAreNumbered) {
    constexpr int kCopies = 2000;
    const QByteArray block = Written([](TZpWriter& w) {
        w.WriteListBegin();
        for (int i = 0; i < kCopies; ++i) {
            w.WriteString(QStringLiteral("Sales"));
            w.WriteString(QStringLiteral("cs%1").arg(i));
            w.WriteListBegin();
            w.WriteString(QStringLiteral("Orders"));
            w.WriteString(QStringLiteral("SELECT %1\r\n").arg(i));
            w.WriteListEnd();
        }
        w.WriteListEnd();
    });
    TLabel label;
    const QByteArray empty = LabelBytes(label);
    const QByteArray emptyBlock = test::Hex("01 00");
    // The environment's connections block is the first empty list after the guides.
    QByteArray bytes = empty;
    const int at = bytes.indexOf(test::Hex("01 00 01 00 01 00")) + 4;
    bytes.replace(at, emptyBlock.size(), block);
    ASSERT_EQ(LoadError(bytes, label), QString());
    const TZpDataConnections& c = label.Ide.Connections();
    ASSERT_EQ(c.ConnectionCount(), kCopies);
    EXPECT_EQ(c.ConnectionName(0), QStringLiteral("Sales"));
    EXPECT_EQ(c.ConnectionName(2), QStringLiteral("Sales_2"));
    EXPECT_EQ(c.ConnectionName(kCopies - 1), QStringLiteral("Sales_%1").arg(kCopies - 1));
    EXPECT_EQ(c.ConnectionString(2), QStringLiteral("cs2"));
    EXPECT_EQ(c.DatasetName(1), QStringLiteral("Orders_1"));
    EXPECT_EQ(c.DatasetConnectionName(1), QStringLiteral("Sales_1"));
    EXPECT_EQ(c.DatasetSQL(1), QStringLiteral("SELECT 1\r\n"));
}

// The name index behind the numbering follows deletions: a freed number is
// given again and every name is still found at its new position.
TEST_F(LabelFileTest, NumberingAfterDeletionReusesTheFreedName) {
    TZpDataConnections c;
    for (int i = 0; i < 4; ++i)
        c.AddConnection(QStringLiteral("Sales"), QStringLiteral("cs%1").arg(i));
    c.AddConnection(QStringLiteral("Sales_1_1"), QStringLiteral("x"));
    c.DeleteConnection(1); // Sales_1
    EXPECT_EQ(c.IndexOfConnection(QStringLiteral("Sales_1")), -1);
    EXPECT_EQ(c.IndexOfConnection(QStringLiteral("Sales_3")), 2);
    EXPECT_EQ(c.ConnectionName(c.AddConnection(QStringLiteral("Sales"), QString())),
              QStringLiteral("Sales_1"));
    EXPECT_EQ(c.ConnectionName(c.AddConnection(QStringLiteral("Sales"), QString())),
              QStringLiteral("Sales_4"));
    EXPECT_EQ(c.ConnectionName(c.AddConnection(QStringLiteral("Sales_1"), QString())),
              QStringLiteral("Sales_1_2"));
    for (int i = 0; i < 3; ++i)
        c.AddDataset(QStringLiteral("Sales_4"), QStringLiteral("Orders"), QString());
    c.DeleteDataset(0);
    EXPECT_EQ(c.IndexOfDataset(QStringLiteral("Orders_2")), 1);
    EXPECT_EQ(c.DatasetName(c.AddDataset(QStringLiteral("Sales"), QStringLiteral("Orders"), QString())),
              QStringLiteral("Orders"));
    c.Clear();
    EXPECT_EQ(c.IndexOfConnection(QStringLiteral("Sales")), -1);
    EXPECT_EQ(c.ConnectionName(c.AddConnection(QStringLiteral("Sales"), QString())), QStringLiteral("Sales"));
}

TEST_F(LabelFileTest, QueryTextIsStoredLineByLine) {
    const struct {
        QString sql;
        QString stored;
    } cases[] = {
        {QStringLiteral("SELECT *\nFROM t"), QStringLiteral("SELECT *\r\nFROM t\r\n")},
        {QStringLiteral("SELECT 1\r\n"), QStringLiteral("SELECT 1\r\n")},
        {QStringLiteral("A\r\n\r\n"), QStringLiteral("A\r\n\r\n")},
        {QString(), QString()},
    };
    for (const auto& c : cases) {
        TZpDataConnections connections;
        connections.AddConnection(QStringLiteral("C"), QStringLiteral("x"));
        connections.AddDataset(QStringLiteral("C"), QStringLiteral("D"), c.sql);
        const QByteArray bytes = Written([&](TZpWriter& w) { connections.Save(w); });
        EXPECT_TRUE(bytes.contains(Written([&](TZpWriter& w) { w.WriteString(c.stored); })))
            << c.sql.toStdString();
    }
}

// The settings of a bar code are label lengths too.
TEST_F(LabelFileTest, RescaleTakesBarCodeLengthsAlong) {
    test::TLabelDpiGuard dpi(300);
    TZpIDEProperties ide;
    ide.SetDPIExact(1440);
    auto bc = std::make_shared<TZpBarcodeObject>();
    bc->Density = 144;
    bc->Height = 720;
    bc->HRSpacing = 48;
    RescaleLabel(300, ide, {bc});
    EXPECT_EQ(bc->Density, 30);
    EXPECT_EQ(bc->Height, 150);
    EXPECT_EQ(bc->HRSpacing, 10);
}

} // namespace
} // namespace zp
