// SPDX-License-Identifier: MIT
// Input the dialog refuses or survives: it stays usable, says why, and
// Cancel leaves the object exactly as it was.
#include "SheetFixture.h"
#include "model/script/ZpScript.h"

#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTemporaryDir>

namespace zp::test {
namespace {

struct TRefusedCase {
    const char* Name;
    const char* Page;
    const char* Field;
    const char* Typed;
    const char* Message;
};

// Where each range comes from: the bar code page (height, density), the
// font page (size), the shapes' line width, the serial settings.
const TRefusedCase kRefused[] = {
    {"HeightBelowRange", "Bar Code", "Height", "0.1", "Height must be a number from 0.15 to 30.00 inches."},
    {"HeightNotANumber", "Bar Code", "Height", "tall", "Height must be a number from 0.15 to 30.00 inches."},
    {"DensityFraction", "Bar Code", "Density", "2.5",
     "Density must be a whole number from 1 to 9999 label pixels."},
    {"FontSizeTooLarge", "Font", "Size", "1000", "Size must be a whole number from 1 to 999 points."},
    {"RepeatCountZero", "Data", "Repeat count", "0", "Repeat count must be a whole number from 1 to 999999."},
};

class RefusedInput : public SheetTest, public ::testing::WithParamInterface<TRefusedCase> {};

TEST_P(RefusedInput, IsMarkedKeepsOkFromClosingAndNeverReachesTheObject) {
    const TRefusedCase& c = GetParam();
    auto barcode = std::make_shared<TZpBarcodeObject>();
    const QByteArray before = Record(*barcode);
    auto dialog = Open(*barcode);
    QWidget* page = ShowPage(*dialog, QString::fromLatin1(c.Page));
    auto* field = Find<TZpNumberField>(page, QString::fromLatin1(c.Field));
    ASSERT_NE(field, nullptr);
    Type(field, QString::fromLatin1(c.Typed));
    EXPECT_FALSE(field->IsValid());
    EXPECT_EQ(Find<QLabel>(dialog.get(), QStringLiteral("Input problem"))->text(),
              QString::fromLatin1(c.Message));
    dialog->Pages()->setCurrentIndex(0);
    dialog->accept();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(dialog->Pages()->currentWidget(), page) << "the refused field's page comes forward";
    EXPECT_EQ(Dialogs->Messages(), QStringList{QString::fromLatin1(c.Message)});
    EXPECT_EQ(Record(*barcode), before);
    dialog->reject();
    EXPECT_EQ(Record(*barcode), before);
}

INSTANTIATE_TEST_SUITE_P(Fields, RefusedInput, ::testing::ValuesIn(kRefused),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(SheetTest, APictureThatDoesNotLoadKeepsTheImageAndCancelChangesNothing) {
    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("broken.png"));
    {
        QFile f(bad);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write("this is no picture");
    }
    auto picture = std::make_shared<TZpPictureObject>();
    QImage image(8, 8, QImage::Format_RGB32);
    image.fill(Qt::blue);
    picture->AssignBitmap(image);
    const QByteArray before = Record(*picture);
    auto dialog = Open(*picture);
    QWidget* page = ShowPage(*dialog, QStringLiteral("Picture"));
    Dialogs->Queue(bad);
    Find<QPushButton>(page, QStringLiteral("Select Image..."))->click();
    ASSERT_EQ(Dialogs->Messages().size(), 1);
    EXPECT_TRUE(Dialogs->Messages()[0].contains(QStringLiteral("broken.png")))
        << Dialogs->Messages()[0].toStdString();
    EXPECT_EQ(Record(*dialog->Copy()), before) << "the copy lost its image";
    // Still usable: a flip works on the copy.
    Find<QPushButton>(page, QStringLiteral("Flip Horizontal"))->click();
    dialog->reject();
    EXPECT_EQ(Record(*picture), before);
}

// The database picture box switches the picture's data source and the
// controls that go with it.
TEST_F(SheetTest, PictureNamesFromADatabaseFieldAndBack) {
    auto picture = std::make_shared<TZpPictureObject>();
    auto dialog = Open(*picture);
    QWidget* page = ShowPage(*dialog, QStringLiteral("Picture"));
    auto* select = Find<QPushButton>(page, QStringLiteral("Select Image..."));
    auto* dataset = Find<QComboBox>(page, QStringLiteral("Dataset"));
    EXPECT_TRUE(select->isEnabled());
    EXPECT_FALSE(dataset->isEnabled());
    auto* box = Find<QCheckBox>(page, QStringLiteral("Picture filenames are stored in a database field"));
    box->click();
    EXPECT_FALSE(select->isEnabled());
    EXPECT_TRUE(dataset->isEnabled());
    auto* data = Supports<IZpData>(dialog->Copy());
    EXPECT_EQ(data->GetKind(), dkDatabaseField);
    EXPECT_EQ(data->GetFieldCount(), 1);
    box->click();
    EXPECT_EQ(data->GetKind(), dkStaticText);
    EXPECT_EQ(data->GetFieldCount(), 1) << "the entry stays";
}

TEST_F(SheetTest, InvalidBarcodeDataShowsTheEnginesMessageAndIgnoreAcceptsIt) {
    auto barcode = std::make_shared<TZpBarcodeObject>();
    const QByteArray before = Record(*barcode);
    auto dialog = Open(*barcode);
    QWidget* data = ShowPage(*dialog, QStringLiteral("Data"));
    Find<QPlainTextEdit>(data, QStringLiteral("Static text"))->setPlainText(QStringLiteral("abc"));
    QWidget* page = ShowPage(*dialog, QStringLiteral("Bar Code"));
    Choose(Find<QComboBox>(page, QStringLiteral("Symbology")), QStringLiteral("EAN 13"));
    Dialogs->Queue(TZpAnswer::Ok);
    dialog->accept();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    ASSERT_EQ(Dialogs->Questions().size(), 1u);
    EXPECT_EQ(Dialogs->Questions()[0].Buttons, TZpButtons::OkIgnore);
    EXPECT_EQ(Record(*barcode), before);

    Dialogs->Queue(TZpAnswer::Ignore);
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Supports<IZpData>(barcode)->GetText(), QStringLiteral("abc"));
    EXPECT_EQ(barcode->GetSymbology(), bcEAN13);
}

TEST_F(SheetTest, UnknownDateLettersAreCopiedAsTheFormatLanguageDoes) {
    auto text = std::make_shared<TZpTextObject>();
    auto dialog = Open(*text);
    QWidget* page = ShowPage(*dialog, QStringLiteral("Data"));
    Choose(Find<QComboBox>(page, QStringLiteral("Data source")), QStringLiteral("Date/Time Stamp"));
    Find<QComboBox>(page, QStringLiteral("Date format"))->setEditText(QStringLiteral("qqq yyyy"));
    const QString expected = QStringLiteral("qqq ") + QString::number(QDate::currentDate().year());
    EXPECT_EQ(Supports<IZpData>(dialog->Copy())->GetText(), expected);
    EXPECT_EQ(Find<QLabel>(page, QStringLiteral("Date sample"))->text(), expected);
}

// A script that never returns is ended by the engine's time limit; the
// preview then shows "SCRIPT ERROR" and the dialog goes on.
TEST_F(SheetTest, ALoopingScriptEndsInScriptErrorAndCancelKeepsTheObject) {
    auto text = std::make_shared<TZpTextObject>();
    Supports<IZpData>(text)->SetKind(dkSerialNumber);
    const QByteArray before = Record(*text);
    auto dialog = Open(*text);
    QWidget* page = ShowPage(*dialog, QStringLiteral("Scripting"));
    Find<QCheckBox>(page, QStringLiteral("Enable scripting"))->click();
    Choose(Find<QComboBox>(page, QStringLiteral("Language")), QStringLiteral("JScript"));
    Find<QPlainTextEdit>(page, QStringLiteral("Script"))
        ->setPlainText(QStringLiteral("function DataUpdated(d) { while (true) {} }"));
    dialog->Pages()->setCurrentIndex(0);
    EXPECT_EQ(Supports<IZpData>(dialog->Copy())->GetText(), kScriptErrorText);
    Type(Find<QLineEdit>(dialog->Page(QStringLiteral("Font")), QStringLiteral("Size")), QStringLiteral("14"));
    dialog->reject();
    EXPECT_EQ(Record(*text), before);
}

// A script that does not compile is shown with its line; OK asks whether to
// keep it, and No keeps the dialog open.
TEST_F(SheetTest, ABrokenScriptIsReportedAndKeptOnlyWhenTheUserSaysSo) {
    auto text = std::make_shared<TZpTextObject>();
    auto dialog = Open(*text);
    QWidget* page = ShowPage(*dialog, QStringLiteral("Scripting"));
    Find<QCheckBox>(page, QStringLiteral("Enable scripting"))->click();
    Choose(Find<QComboBox>(page, QStringLiteral("Language")), QStringLiteral("JScript"));
    Find<QPlainTextEdit>(page, QStringLiteral("Script"))
        ->setPlainText(QStringLiteral("function DataUpdated(d)\n{\n  return d +;\n}"));
    Find<QPushButton>(page, QStringLiteral("Test"))->click();
    ASSERT_EQ(Dialogs->Messages().size(), 1);
    const QString error = Dialogs->Messages()[0];
    EXPECT_TRUE(error.contains(QStringLiteral("in line 3: \"  return d +;\""))) << error.toStdString();
    EXPECT_EQ(Find<QLabel>(page, QStringLiteral("Syntax test result"))->text(), error);

    Dialogs->Queue(TZpAnswer::No);
    dialog->accept();
    EXPECT_NE(dialog->result(), QDialog::Accepted);
    EXPECT_FALSE(Supports<IZpScript>(text)->GetEnabled());

    Dialogs->Queue(TZpAnswer::Yes);
    dialog->accept();
    EXPECT_EQ(dialog->result(), QDialog::Accepted);
    EXPECT_EQ(Dialogs->Messages().last(), kKeepBrokenScriptQuestion.arg(error));
    EXPECT_TRUE(Supports<IZpScript>(text)->GetEnabled());
    EXPECT_TRUE(Supports<IZpScript>(text)->CompileFailed());

    // Repaired, the test passes.
    auto again = Open(*text);
    QWidget* p2 = ShowPage(*again, QStringLiteral("Scripting"));
    Find<QPlainTextEdit>(p2, QStringLiteral("Script"))
        ->setPlainText(QStringLiteral("function DataUpdated(d)\n{\n  return d + '!';\n}"));
    Find<QPushButton>(p2, QStringLiteral("Test"))->click();
    EXPECT_EQ(Dialogs->Messages().last(), QStringLiteral("Script passed syntax check!"));
}

TEST_F(SheetTest, ARefusedRotationSpringsBack) {
    auto text = std::make_shared<TZpTextObject>();
    auto* font = Supports<IZpFont>(text);
    font->SetName(QStringLiteral("Fixed")); // a bitmap face where fontconfig has one
    if (IsTrueTypeFont(font->GetName()))
        GTEST_SKIP() << "no bitmap face on this machine";
    auto dialog = Open(*text);
    auto* rotation = Find<QComboBox>(dialog->Page(QStringLiteral("Properties")), QStringLiteral("Rotation"));
    Choose(rotation, QStringLiteral("90"));
    EXPECT_EQ(rotation->currentText(), QStringLiteral("0"));
    EXPECT_EQ(Dialogs->Messages(), QStringList{kOnlyTrueTypeRotatedMessage});
}

// Drawn centred at true size; one wider than the box starts at its left edge.
TEST_F(SheetTest, ThePreviewCentresTheObjectAndCutsAWideOne) {
    auto rect = std::make_shared<TZpRectangleObject>();
    Supports<IZpLineStyle>(rect)->SetWidth(3);
    rect->SetBounds({900, 900, 1200, 1050}); // one inch by half an inch, far from the origin
    auto dialog = Open(*rect);
    const QImage shown = dialog->Preview()->Render();
    auto leftmostDark = [](const QImage& img) {
        for (int x = 0; x < img.width(); ++x)
            for (int y = 0; y < img.height(); ++y)
                if (qGray(img.pixel(x, y)) < 128)
                    return x;
        return -1;
    };
    const int dpi = dialog->Preview()->logicalDpiX();
    EXPECT_NEAR(leftmostDark(shown), shown.width() / 2 - dpi / 2, 2);
    rect->SetBounds({0, 0, 3000, 150}); // ten inches
    auto wide = Open(*rect);
    EXPECT_EQ(leftmostDark(wide->Preview()->Render()), 0);
    EXPECT_EQ(rect->GetBounds(), (TRect{0, 0, 3000, 150})) << "drawing the preview moved the object";
}

} // namespace
} // namespace zp::test
