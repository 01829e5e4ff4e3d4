// SPDX-License-Identifier: MIT
// Copies of modified labels and their restore, image export, and the open
// dialog's preview.
#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "files/LabelFile.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "settings/AppOptions.h"
#include "support/TestSupport.h"
#include "ui/Autosave.h"
#include "ui/ExportImage.h"
#include "ui/MainWindow.h"
#include "ui/OpenLabelDialog.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QLockFile>
#include <QTemporaryDir>
#include <QTreeView>
#include <gtest/gtest.h>

namespace zp {
namespace {

TZpObjectPtr Rectangle(TRect r) {
    TZpObjectPtr o = CreateObject(QStringLiteral("TZpRectangleObject"));
    Supports<IZpObject>(o)->SetBounds(r);
    return o;
}

class AutosaveTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        QDir(TZpAutosave::AutosaveFolder()).removeRecursively();
    }
    // A copy as a program that was killed leaves it: the label, the name of
    // its file, and no live lock.
    TZpAutosave::TLeftOver LeaveCopy(const QString& original, int objects) {
        TZpLabelDocument doc;
        for (int i = 0; i < objects; ++i)
            doc.Add(Rectangle({10 + 110 * i, 10, 110 + 110 * i, 60}));
        QDir().mkpath(TZpAutosave::AutosaveFolder());
        const QString copy = TZpAutosave::AutosaveFolder() + QStringLiteral("/label-999999.zp3");
        SaveLabelFile(copy, doc.Objects(), doc.Environment(), doc.Layout());
        QFile source(copy + QStringLiteral(".source"));
        EXPECT_TRUE(source.open(QIODevice::WriteOnly));
        source.write(original.toUtf8());
        return {copy, original};
    }
    QTemporaryDir FDir;
    TZpScriptedDialogsGuard FDialogs;
};

TEST_F(AutosaveTest, CopyOfAModifiedLabelOnlyAndRemovedOnDiscard) {
    TZpLabelDocument doc;
    TZpAutosave autosave(doc);
    EXPECT_FALSE(autosave.SaveNow()) << "an unchanged label needs no copy";
    doc.Add(Rectangle({0, 0, 100, 50}));
    doc.SetModified(true);
    EXPECT_TRUE(autosave.SaveNow());
    EXPECT_TRUE(QFile::exists(autosave.CopyFileName()));
    EXPECT_TRUE(TZpAutosave::FindLeftOvers().empty()) << "this program's own copy is not left over";
    autosave.Discard();
    EXPECT_FALSE(QFile::exists(autosave.CopyFileName()));
}

TEST_F(AutosaveTest, RestoreOfferedAtTheNextStart) {
    const QString original = FDir.filePath("shipping.zp3");
    const TZpAutosave::TLeftOver copy = LeaveCopy(original, 2);
    TfrmMain window;
    FDialogs->Queue(TZpAnswer::Yes);
    EXPECT_TRUE(window.OfferAutosaveRestore());
    EXPECT_EQ(window.Document().Objects().size(), 2u);
    EXPECT_TRUE(window.Document().Modified());
    EXPECT_EQ(window.Document().FileName(), original) << "Save writes where the label came from";
    EXPECT_EQ(window.windowTitle(), QStringLiteral("shipping - Zentaprint"));
    EXPECT_FALSE(QFile::exists(copy.Copy));
    window.Document().SetModified(false);
}

TEST_F(AutosaveTest, DeclinedCopyIsRemovedAndRunningProgramsCopiesAreLeftAlone) {
    const TZpAutosave::TLeftOver copy = LeaveCopy(QString(), 1);
    {
        // Held lock: a program that still runs.
        QLockFile lock(copy.Copy + QStringLiteral(".lock"));
        ASSERT_TRUE(lock.tryLock(0));
        EXPECT_TRUE(TZpAutosave::FindLeftOvers().empty());
    }
    TfrmMain window;
    FDialogs->Queue(TZpAnswer::No);
    EXPECT_FALSE(window.OfferAutosaveRestore());
    EXPECT_TRUE(window.Document().Objects().empty());
    EXPECT_FALSE(QFile::exists(copy.Copy));
    EXPECT_FALSE(window.OfferAutosaveRestore()) << "asked once";
}

struct ExportCase {
    const char* name;
    const char* file;
    const char* format; ///< what QImageReader finds in the file
};

class ExportTest : public ::testing::TestWithParam<ExportCase> {};

TEST_P(ExportTest, WritesTheFormatOfTheExtension) {
    QTemporaryDir dir;
    const int dpi = LabelDPI();
    TZpObjectList objects{Rectangle({100, 100, 100 + dpi, 100 + dpi / 2}), Rectangle({100, 300, 200, 400})};
    const QString file = dir.filePath(QString::fromLatin1(GetParam().file));
    ExportObjectsToImage(objects, file, dpi / 2);
    QImageReader reader(file);
    EXPECT_EQ(reader.format(), QByteArray(GetParam().format));
    if (QByteArray(GetParam().format) != "svg") {
        const QSize size = reader.size();
        EXPECT_NEAR(size.width(), dpi / 2 + 1, 2) << "the objects' rectangle, at half the resolution";
        EXPECT_NEAR(size.height(), (400 - 100) / 2 + 1, 2);
    }
}

INSTANTIATE_TEST_SUITE_P(Export, ExportTest,
                         ::testing::Values(ExportCase{"Png", "a.png", "png"},
                                           ExportCase{"Jpeg", "a.JPEG", "jpeg"},
                                           ExportCase{"Bmp", "a.bmp", "bmp"},
                                           ExportCase{"Svg", "a.svg", "svg"},
                                           ExportCase{"OtherIsBmp", "a.img", "bmp"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ExportErrorTest, UnwritableFolderSaysSo) {
    TZpObjectList objects{Rectangle({0, 0, 100, 100})};
    try {
        ExportObjectsToImage(objects, QStringLiteral("/proc/no-such-folder/a.png"), 96);
        FAIL() << "no error";
    } catch (const EZpError& e) {
        EXPECT_TRUE(e.Message().contains(QStringLiteral("/proc/no-such-folder/a.png")))
            << e.Message().toStdString();
    }
    EXPECT_THROW(ExportObjectsToImage({}, QStringLiteral("/tmp/x.png"), 96), EZpError);
}

TEST(OpenPreviewTest, DrawsTheLabelAndChangesNothing) {
    QTemporaryDir dir;
    TZpLabelDocument doc;
    doc.Layout().Width = 3;
    doc.Layout().Height = 1.5f;
    doc.Add(Rectangle({0, 0, 100, 50}));
    // A label that carries other options than the program's.
    const bool before = AppOptions().CheckBarCodes;
    AppOptions().CheckBarCodes = !before;
    SaveLabelDocument(doc, dir.filePath("p.zp3"));
    AppOptions().CheckBarCodes = before;
    const int dpi = LabelDPI();

    const std::optional<TZpLabelPreview> preview = MakeLabelPreview(dir.filePath("p.zp3"));
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->Description, QStringLiteral("3.00\" x 1.50\""));
    EXPECT_NEAR(preview->Picture.width(), 3 * ScreenPixelsPerInch(), 2);
    EXPECT_EQ(AppOptions().CheckBarCodes, before);
    EXPECT_EQ(LabelDPI(), dpi);

    QFile bad(dir.filePath("bad.zp3"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write("rubbish");
    bad.close();
    EXPECT_FALSE(MakeLabelPreview(dir.filePath("bad.zp3")));
    EXPECT_FALSE(MakeLabelPreview(QString()));
}

TEST(OpenPreviewTest, DialogLeavesTheFileListItsColumns) {
    QTemporaryDir dir;
    TOpenLabelDialog dialog(nullptr, dir.path());
    dialog.show();
    QCoreApplication::processEvents();
    auto* list = dialog.findChild<QTreeView*>(QStringLiteral("treeView"));
    ASSERT_NE(list, nullptr);
    // Name, size, type and date side by side, beside the preview column.
    EXPECT_GE(list->width(), 400);
}

} // namespace
} // namespace zp
