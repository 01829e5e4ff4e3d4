// SPDX-License-Identifier: MIT
// "Print Labels" on the offscreen platform.
#include "print/dialogs/LabelPrintDialog.h"

#include "data/DataConnections.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "print/PrintInfo.h"
#include "print/dialogs/SheetPicture.h"
#include "support/TestSupport.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QMouseEvent>
#include <QRadioButton>
#include <QSpinBox>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTabWidget>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

TLabelProperties Sheet(int columns, int rows) {
    TLabelProperties layout;
    layout.SetDesignDefaults();
    test::SetLetterSheet(layout, {columns, rows, 0.25f, 0.5f, 2.5f, 2.0f, 2.75f, 2.5f});
    return layout;
}

struct TClickCase {
    const char* name;
    int columns, rows;
    uint8_t direction;
    QPoint point; ///< in a 300 x 400 picture at (10, 20)
    int label;
};

const TClickCase kClicks[] = {
    {"FirstLabel", 3, 4, 0, {11, 21}, 1},
    {"LeftToRightSecondOfFirstRow", 3, 4, 0, {160, 30}, 2},
    {"TopToBottomSecondOfFirstRow", 3, 4, 1, {160, 30}, 5},
    {"TopToBottomFirstOfSecondRow", 3, 4, 1, {20, 130}, 2},
    {"LastLabel", 3, 4, 0, {305, 415}, 12},
    {"OutsideThePicture", 3, 4, 0, {5, 5}, 0},
    {"MoreColumnsThanPixels", 500, 1, 0, {50, 50}, 0},
};

class SheetClickTest : public ::testing::TestWithParam<TClickCase> {};

TEST_P(SheetClickTest, PicksTheLabelUnderTheClick) {
    const TClickCase& c = GetParam();
    EXPECT_EQ(SheetLabelAt(QRect(10, 20, 300, 400), c.point, c.columns, c.rows, c.direction), c.label);
}

INSTANTIATE_TEST_SUITE_P(Clicks, SheetClickTest, ::testing::ValuesIn(kClicks),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SheetPictureTest, PageKeepsItsProportionsInTheBox) {
    EXPECT_EQ(SheetPictureRect(QRect(0, 0, 200, 220), 8.5, 11.0), QRect(15, 0, 170, 220));
    // A landscape page takes the box's height as its width.
    EXPECT_EQ(SheetPictureRect(QRect(0, 0, 300, 200), 11.0, 8.5), QRect(50, 23, 200, 154));
}

class LabelPrintDialogTest : public ::testing::Test {
protected:
    void SetUp() override {
        FPrevious = SetZpDialogs(std::make_unique<TZpScriptedDialogs>());
        FInfo.Copies = 2;
        FInfo.TotalLabels = 40;
    }
    void TearDown() override {
        SetPrintDialogRunner({});
        SetZpDialogs(std::move(FPrevious));
    }
    TZpScriptedDialogs& Dialogs() { return static_cast<TZpScriptedDialogs&>(ZpDialogs()); }

    // A connection with one dataset of two fields.
    void AddDataset() {
        ASSERT_TRUE(FDir.isValid());
        const QString path = FDir.filePath(QStringLiteral("stock.db"));
        {
            QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("fixture"));
            db.setDatabaseName(path);
            ASSERT_TRUE(db.open());
            QSqlQuery q(db);
            ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE Items (Code TEXT, Qty INTEGER)")));
            ASSERT_TRUE(q.exec(QStringLiteral("INSERT INTO Items VALUES ('A1', 3)")));
            db.close();
        }
        QSqlDatabase::removeDatabase(QStringLiteral("fixture"));
        FData.AddConnection(QStringLiteral("Stock"),
                            QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1").arg(path));
        FData.AddDataset(QStringLiteral("Stock"), QStringLiteral("Items"),
                         QStringLiteral("SELECT * FROM Items"));
        FData.Open();
    }

    std::unique_ptr<IZpDialogs> FPrevious;
    QTemporaryDir FDir;
    TZpPrintInfo FInfo;
    TZpDataConnections FData;
};

TEST_F(LabelPrintDialogTest, OneLabelSheetHasNoStartLabelChoice) {
    TLabelProperties layout = Sheet(1, 1);
    TfrmDialogPrint dialog(FInfo, FData, layout);
    EXPECT_FALSE(dialog.spnStartLabel->isEnabled());
    EXPECT_FALSE(dialog.Pages->isTabVisible(1));
    EXPECT_TRUE(dialog.rbPrintCount->isChecked());
    EXPECT_EQ(dialog.rbPrintCount->text(), QStringLiteral("&Print 40 labels at most"));
    EXPECT_EQ(dialog.spnCopies->value(), 2);
}

TEST_F(LabelPrintDialogTest, ClickingTheSheetTopToBottomPicksTheLabelDownTheColumns) {
    TLabelProperties layout = Sheet(3, 4);
    TfrmDialogPrint dialog(FInfo, FData, layout);
    dialog.cmbDirection->setCurrentIndex(1);
    dialog.resize(640, 480);
    (void)dialog.grab(); // paints the picture and so places it
    const QRect r = dialog.pbPaint->PictureRect();
    ASSERT_FALSE(r.isEmpty());
    const QPointF inSecondOfFirstRow(r.left() + r.width() * 1.5 / 3, r.top() + r.height() * 0.5 / 4);
    QMouseEvent press(QEvent::MouseButtonPress, inSecondOfFirstRow,
                      dialog.pbPaint->mapToGlobal(inSecondOfFirstRow), Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(dialog.pbPaint, &press);
    EXPECT_EQ(dialog.spnStartLabel->value(), 5);

    dialog.accept();
    EXPECT_EQ(FInfo.StartLabel, 5);
    EXPECT_EQ(FInfo.Direction, 1);
    dialog.pbPaint->grab().save(
        QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("print-dialog-sheet.png")));
}

TEST_F(LabelPrintDialogTest, StartLabelIsOneAgainAtEveryOpening) {
    TLabelProperties layout = Sheet(3, 4);
    SetPrintDialogRunner([](TfrmDialogPrint& d) {
        EXPECT_EQ(d.spnStartLabel->value(), 1);
        d.spnStartLabel->setValue(7);
        d.accept();
        return d.result();
    });
    ASSERT_TRUE(ShowPrintDialog(nullptr, FInfo, FData, layout));
    EXPECT_EQ(FInfo.StartLabel, 7);
    ASSERT_TRUE(ShowPrintDialog(nullptr, FInfo, FData, layout));
}

TEST_F(LabelPrintDialogTest, WithDataItOpensOnTheCurrentRecordAndChecksTheCopiesField) {
    AddDataset();
    FInfo.AllRecords = true;
    FInfo.CopiesDataset = QStringLiteral("Items");
    FInfo.CopiesField = QStringLiteral("Qty");
    TLabelProperties layout = Sheet(3, 4);
    TfrmDialogPrint dialog(FInfo, FData, layout);
    EXPECT_TRUE(dialog.Pages->isTabVisible(1));
    EXPECT_TRUE(dialog.rbPrintCurrent->isChecked());
    EXPECT_EQ(dialog.cmbCopyField->currentText(), QStringLiteral("Qty"));
    EXPECT_FALSE(dialog.cmbCopyDataset->isEnabled());

    dialog.cbCopyField->setChecked(true);
    EXPECT_FALSE(dialog.spnCopies->isEnabled());
    dialog.cmbCopyDataset->setCurrentIndex(-1);
    EXPECT_EQ(dialog.cmbCopyField->count(), 0);
    dialog.accept();
    EXPECT_EQ(Dialogs().Messages(), QStringList{QStringLiteral("Invalid dataset \"\"!")});
    EXPECT_TRUE(FInfo.AllRecords) << "nothing is stored while the dialog stays open";

    dialog.cmbCopyDataset->setCurrentIndex(0);
    dialog.accept();
    EXPECT_TRUE(FInfo.CurrentRecordOnly);
    EXPECT_FALSE(FInfo.AllRecords);
    EXPECT_TRUE(FInfo.CopiesFromField);
    EXPECT_EQ(FInfo.CopiesField, QStringLiteral("Code"));

    const QDir build(QCoreApplication::applicationDirPath());
    dialog.Pages->setCurrentIndex(0);
    dialog.grab().save(build.filePath(QStringLiteral("print-dialog.png")));
    dialog.Pages->setCurrentIndex(1);
    dialog.grab().save(build.filePath(QStringLiteral("print-dialog-database.png")));
}

} // namespace
} // namespace zp
