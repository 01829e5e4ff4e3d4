// SPDX-License-Identifier: MIT
// The shipped sample data, opened as a label opens it: the desktop database
// and the CSV folder hold the same records, and the product codes are EAN-13
// data that the bar code engine prints with the stored check digit.
#include "barcode/Barcode.h"
#include "barcode/EanUpc.h"
#include "data/DataConnections.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

QString SamplePath(const QString& name) {
    return QDir(QStringLiteral(ZP_SAMPLE_DIR)).filePath(name);
}

QByteArray Digest(const QString& path) {
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly)) << path.toStdString();
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

// The EAN-13 check digit of twelve digits: weights 1 and 3 from the left.
int Ean13Check(const QString& twelve) {
    int sum = 0;
    for (int i = 0; i < 12; ++i) {
        sum += twelve[i].digitValue() * (i % 2 == 0 ? 1 : 3);
    }
    return (10 - sum % 10) % 10;
}

// Each sample table as the database and the CSV folder hold it, with the key
// both are sorted by.
struct TSampleTable {
    const char* Table;
    const char* CsvTable;
    const char* Key;
};
const TSampleTable kTables[] = {{"Products", "products#csv", "SKU"},
                                {"Addresses", "addresses#csv", "CustomerNo"}};

class SampleDataTest : public ::testing::Test {
protected:
    void SetUp() override {
        // A Text connection writes its SCHEMA.INI beside the files, so the CSV
        // folder is a copy; the database is opened where it lies, read-only.
        ASSERT_TRUE(FDir.isValid());
        const QDir csv(SamplePath(QStringLiteral("csv")));
        for (const QString& file : csv.entryList(QDir::Files)) {
            ASSERT_TRUE(QFile::copy(csv.filePath(file), FDir.filePath(file)));
        }
        FDc.AddConnection(QStringLiteral("Sample"),
                          QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") +
                              SamplePath(QStringLiteral("sample.db")));
        FDc.AddConnection(QStringLiteral("SampleText"),
                          QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;"
                                         "Extended Properties=\"Text;HDR=YES\"")
                              .arg(FDir.path()));
        for (const TSampleTable& t : kTables) {
            const QString table = QString::fromLatin1(t.Table), key = QString::fromLatin1(t.Key);
            FDc.AddDataset(QStringLiteral("Sample"), table,
                           QStringLiteral("SELECT * FROM [%1] ORDER BY [%2]").arg(table, key));
            FDc.AddDataset(
                QStringLiteral("SampleText"), table + QStringLiteral("Csv"),
                QStringLiteral("SELECT * FROM [%1] ORDER BY [%2]").arg(QLatin1String(t.CsvTable), key));
        }
    }

    // Walks all four datasets together and checks every record; returns the
    // number of records walked.
    int WalkInLockStep() {
        int records = 0;
        for (FDc.First(); !FDc.AtEnd(); FDc.Next()) {
            for (const TSampleTable& t : kTables) {
                const QString table = QString::fromLatin1(t.Table), csv = table + QStringLiteral("Csv");
                const QStringList fields = FDc.FieldNames(table);
                EXPECT_FALSE(fields.isEmpty()) << table.toStdString();
                EXPECT_EQ(fields.join(u',').toStdString(), FDc.FieldNames(csv).join(u',').toStdString());
                for (const QString& field : fields) {
                    const QString db = FDc.FieldValue(table, field), text = FDc.FieldValue(csv, field);
                    if (field == QLatin1String("Price")) {
                        EXPECT_DOUBLE_EQ(db.toDouble(), text.toDouble()) << field.toStdString();
                    } else {
                        EXPECT_EQ(db.toStdString(), text.toStdString())
                            << table.toStdString() << "." << field.toStdString();
                    }
                    EXPECT_FALSE(db.isEmpty()) << table.toStdString() << "." << field.toStdString();
                }
            }
            CheckEan13(FDc.FieldValue(QStringLiteral("Products"), QStringLiteral("EAN13")));
            ++records;
            if (records > 100) {
                ADD_FAILURE() << "the walk does not end";
                break;
            }
        }
        return records;
    }

    static void CheckEan13(const QString& code) {
        SCOPED_TRACE(code.toStdString());
        ASSERT_EQ(code.size(), 13);
        for (const QChar c : code) {
            ASSERT_TRUE(c.isDigit());
        }
        EXPECT_EQ(code[12].digitValue(), Ean13Check(code.left(12)));
        // The engine takes the code as it is and prints the stored check digit.
        TBarcodeOptions options;
        options.Symbology = bcEAN13;
        const std::string prepared = PrepareBarcodeData(code.toStdString(), options);
        ASSERT_TRUE(ValidateBarcodeData(options, prepared, false));
        EXPECT_EQ(TEanSymbol::Parse(prepared, bcEAN13).Check, code.toLatin1().back());
    }

    QTemporaryDir FDir;
    TZpDataConnections FDc;
};

TEST_F(SampleDataTest, DatabaseAndCsvFolderWalkTogether) {
    TZpScriptedDialogsGuard dialogs;
    const QByteArray before = Digest(SamplePath(QStringLiteral("sample.db")));
    FDc.Open();
    EXPECT_EQ(dialogs->Messages(), QStringList());
    EXPECT_EQ(FDc.RecordCount(), 6);
    EXPECT_EQ(WalkInLockStep(), 6);
    // The same records once more, read the way the written SCHEMA.INI says.
    EXPECT_TRUE(QFile::exists(FDir.filePath(QStringLiteral("SCHEMA.INI"))));
    FDc.Reopen();
    EXPECT_EQ(dialogs->Messages(), QStringList());
    EXPECT_EQ(WalkInLockStep(), 6);
    FDc.Close();
    EXPECT_EQ(Digest(SamplePath(QStringLiteral("sample.db"))), before);
}

} // namespace
} // namespace zp
