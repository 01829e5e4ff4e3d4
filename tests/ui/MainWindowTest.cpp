// SPDX-License-Identifier: MIT
// The main window's flows with scripted answers: the discard question, open,
// save, recent and dropped files, the 2.x open, lock, zoom, the line rules,
// the stored window settings, and the editing session behind the commands.
#include "ui/MainWindow.h"

#include "base/LabelDpi.h"
#include "design/edit/EditSession.h"
#include "design/view/DesignArea.h"
#include "files/LabelFile.h"
#include "files/LegacyBuilder.h"
#include "legacy/LegacyImport.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/store/SettingsStore.h"
#include "settings/AppOptions.h"
#include "support/TestSupport.h"
#include "ui/Autosave.h"
#include "ui/RecentFiles.h"
#include "ui/StyleBoxes.h"

#include <QAction>
#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QLabel>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QToolBar>
#include <gtest/gtest.h>

namespace zp {
namespace {

using TAnswer = TZpScriptedDialogs::TReply;

TZpObjectPtr Rectangle(int left) {
    TZpObjectPtr o = CreateObject(QStringLiteral("TZpRectangleObject"));
    Supports<IZpObject>(o)->SetBounds({left, 10, left + 100, 60});
    return o;
}

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        test::ClearStore();
        QFile::remove(DesktopRecentFilesPath());
        QDir(TZpAutosave::AutosaveFolder()).removeRecursively();
        FWindow = std::make_unique<TfrmMain>();
    }
    void TearDown() override {
        FWindow.reset();
        test::ClearStore();
    }
    [[nodiscard]] QString Path(const QString& name) const { return FDir.filePath(name); }
    // A label file of n rectangles.
    QString WriteLabel(const QString& name, int n) {
        TZpLabelDocument doc;
        for (int i = 0; i < n; ++i)
            doc.Add(Rectangle(10 + 120 * i));
        SaveLabelDocument(doc, Path(name));
        return Path(name);
    }
    TfrmMain& W() { return *FWindow; }
    TZpLabelDocument& Doc() { return FWindow->Document(); }
    void Trigger(const char* id) { W().Action(QLatin1String(id))->trigger(); }
    bool Enabled(const char* id) { return W().Action(QLatin1String(id))->isEnabled(); }
    // The window's label with two objects, modified.
    void EditLabel() {
        Doc().Add(Rectangle(10));
        Doc().Add(Rectangle(200));
        Doc().SetModified(true);
    }

    QTemporaryDir FDir;
    TZpScriptedDialogsGuard FDialogs;
    std::unique_ptr<TfrmMain> FWindow;
};

const QString kQuestion =
    QStringLiteral("The current label has been modified.  Do you want to save your changes?");

struct DiscardCase {
    const char* name;
    bool modified;
    std::vector<TAnswer> answers; ///< the question, then the save dialog
    bool hasFileName;
    bool result;
    bool saved;
};

class ConfirmDiscardTest : public MainWindowTest, public ::testing::WithParamInterface<DiscardCase> {};

TEST_P(ConfirmDiscardTest, AsksSavesAndClears) {
    const DiscardCase& c = GetParam();
    EditLabel();
    Doc().SetModified(c.modified);
    if (c.hasFileName)
        Doc().SetFileName(Path("named.zp3"));
    for (const TAnswer& a : c.answers)
        if (const QString* file = std::get_if<QString>(&a))
            FDialogs->Queue(Path(*file)); // a file name of the save dialog, in the test's folder
        else
            FDialogs->Queue(a);
    EXPECT_EQ(W().ConfirmDiscard(), c.result);
    EXPECT_EQ(FDialogs->Messages(), c.modified ? QStringList{kQuestion} : QStringList{});
    EXPECT_EQ(Doc().Objects().size(), c.result ? 0u : 2u)
        << "the label is emptied only when discarding goes on";
    EXPECT_EQ(QFile::exists(Path(c.hasFileName ? "named.zp3" : "chosen.zp3")), c.saved);
    EXPECT_TRUE(FDialogs->AllAnswered());
}

INSTANTIATE_TEST_SUITE_P(
    MainWindow, ConfirmDiscardTest,
    ::testing::Values(
        DiscardCase{"Unmodified", false, {}, false, true, false},
        DiscardCase{"Cancel", true, {TZpAnswer::Cancel}, false, false, false},
        DiscardCase{"No", true, {TZpAnswer::No}, false, true, false},
        DiscardCase{
            "YesSaveCancelled", true, {TZpAnswer::Yes, TZpScriptedDialogs::TCancel{}}, false, false, false},
        DiscardCase{"YesSaveAs", true, {TZpAnswer::Yes, QStringLiteral("chosen.zp3")}, false, true, true},
        DiscardCase{"YesSavesUnderItsName", true, {TZpAnswer::Yes}, true, true, true}),
    [](const auto& info) { return std::string(info.param.name); });

// The save dialog's answer is only known inside the test body.
TEST_F(MainWindowTest, SaveAsNamesTheLabelAndListsIt) {
    EditLabel();
    FDialogs->Queue(Path("Shipping"));
    Trigger("acSaveAs");
    EXPECT_TRUE(QFile::exists(Path("Shipping.zp3"))) << "the extension is added";
    EXPECT_FALSE(Doc().Modified());
    EXPECT_EQ(W().windowTitle(), QStringLiteral("Shipping - Zentaprint"));
    EXPECT_FALSE(Enabled("acSave"));
    EXPECT_EQ(W().RecentFiles().Files(), QStringList{Path("Shipping.zp3")});
}

TEST_F(MainWindowTest, DamagedFileKeepsTheCurrentLabel) {
    EditLabel();
    Doc().SetModified(false);
    const int dpi = LabelDPI();
    QFile bad(Path("bad.zp3"));
    ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
    bad.write(QByteArray("Zentaprint 3.0 DATA") + QByteArray(40, '\xff'));
    bad.close();
    W().ChooseLabelFile = [&] { return std::optional<QString>(Path("bad.zp3")); };
    Trigger("acOpen");
    EXPECT_EQ(FDialogs->Messages(),
              QStringList{QStringLiteral("Failed to load %1.  File may be corrupt.").arg(Path("bad.zp3"))});
    EXPECT_EQ(Doc().Objects().size(), 2u);
    EXPECT_EQ(W().LabelName(), QStringLiteral("New Label"));
    EXPECT_EQ(LabelDPI(), dpi);
    EXPECT_TRUE(W().RecentFiles().Files().isEmpty());
}

TEST_F(MainWindowTest, OpenListsTheFileInTheWindowAndOnTheDesktop) {
    const QString a = WriteLabel("a.zp3", 3);
    W().ChooseLabelFile = [&] { return std::optional<QString>(a); };
    Trigger("acOpen");
    EXPECT_EQ(Doc().Objects().size(), 3u);
    EXPECT_EQ(W().windowTitle(), QStringLiteral("a - Zentaprint"));
    EXPECT_FALSE(Enabled("acSave"));
    QAction* recent = W().findChild<QAction*>(QStringLiteral("acRecent1"));
    ASSERT_NE(recent, nullptr);
    EXPECT_TRUE(recent->text().startsWith(QStringLiteral("&1 ")));
    QFile xbel(DesktopRecentFilesPath());
    ASSERT_TRUE(xbel.open(QIODevice::ReadOnly));
    EXPECT_TRUE(xbel.readAll().contains(QUrl::fromLocalFile(a).toEncoded()));
}

TEST_F(MainWindowTest, LegacyLabelOpensUnderItsNativeName) {
    InstallLegacyImporter();
    test::TLegacyBuilder legacy;
    legacy.OneLabelPage();
    QFile file(Path("old.lbl"));
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(legacy.Bytes());
    file.close();
    W().OpenFile(Path("old.lbl"));
    EXPECT_EQ(W().windowTitle(), QStringLiteral("old - Zentaprint"));
    EXPECT_TRUE(Enabled("acSave"));
    Trigger("acSave");
    EXPECT_TRUE(FDialogs->Questions().empty()) << "saved without asking";
    EXPECT_TRUE(QFile::exists(Path("old.zp3")));
    EXPECT_FALSE(Doc().Modified());
}

TEST_F(MainWindowTest, VanishedRecentFileLeavesTheListUsable) {
    const QString a = WriteLabel("a.zp3", 1);
    const QString b = WriteLabel("b.zp3", 2);
    W().OpenFile(a);
    W().OpenFile(b);
    ASSERT_EQ(W().RecentFiles().Files(), (QStringList{b, a}));
    QFile::remove(b);
    W().OpenRecentFile(0);
    EXPECT_EQ(FDialogs->Messages().size(), 1) << "the error's own message";
    EXPECT_EQ(W().RecentFiles().Files(), QStringList{a});
    W().OpenRecentFile(0);
    EXPECT_EQ(Doc().Objects().size(), 1u);
    EXPECT_EQ(W().LabelName(), QStringLiteral("a"));
}

TEST_F(MainWindowTest, OnlyOneDroppedLabelOpens) {
    const QString a = WriteLabel("a.zp3", 1);
    const QString b = WriteLabel("b.zp3", 2);
    QFile::copy(a, Path("t.tpl"));
    W().DropFiles({a, b});
    W().DropFiles({Path("t.tpl")});
    W().DropFiles({FDir.path()});
    EXPECT_EQ(W().LabelName(), QStringLiteral("New Label"));
    W().DropFiles({b});
    EXPECT_EQ(W().LabelName(), QStringLiteral("b"));
    EXPECT_EQ(Doc().Objects().size(), 2u);
}

TEST(RecentFilesTest, OrderDuplicatesAndLength) {
    test::ClearStore();
    TZpRecentFiles list;
    for (const char* f : {"/l/a.zp3", "/l/b.zp3", "/l/A.ZP3", "/l/c.zp3", "/l/d.zp3", "/l/e.zp3", "/l/f.zp3"})
        list.Add(QString::fromLatin1(f));
    EXPECT_EQ(list.Files(), (QStringList{"/l/f.zp3", "/l/e.zp3", "/l/d.zp3", "/l/c.zp3", "/l/A.ZP3"}));
    list.Save(ZpStore());
    TZpRecentFiles again;
    again.Load(ZpStore());
    EXPECT_EQ(again.Files(), list.Files());
    EXPECT_EQ(ZpStore().ReadString(QStringLiteral("MRU Items"), QStringLiteral("F0"), {}), "/l/f.zp3");
    test::ClearStore();
}

TEST(RecentFilesTest, DesktopListKeepsOtherEntriesAndOneOfOurs) {
    QTemporaryDir dir;
    const QString xbel = dir.filePath("recently-used.xbel");
    QFile f(xbel);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(
        "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<xbel version=\"1.0\" "
        "xmlns:bookmark=\"http://www.freedesktop.org/standards/desktop-bookmarks\" "
        "xmlns:mime=\"http://www.freedesktop.org/standards/shared-mime-info\">\n"
        "<bookmark href=\"file:///home/u/other.txt\" added=\"x\" modified=\"x\" visited=\"x\"/>\n</xbel>\n");
    f.close();
    AddToDesktopRecentFiles(dir.filePath("a.zp3"), "application/x-zentaprint-label", xbel);
    AddToDesktopRecentFiles(dir.filePath("a.zp3"), "application/x-zentaprint-label", xbel);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray text = f.readAll();
    EXPECT_TRUE(text.contains("file:///home/u/other.txt"));
    EXPECT_EQ(text.count(QUrl::fromLocalFile(dir.filePath("a.zp3")).toEncoded()), 1);
    EXPECT_TRUE(text.contains("bookmark:application"));
}

TEST_F(MainWindowTest, LockedLabelKeepsCopyOnly) {
    W().Hooks().Clipboard = [](const QString&) {};
    W().Hooks().CanPaste = [] { return true; };
    EditLabel();
    W().Session().SelectObject(Doc().Objects().front());
    EXPECT_TRUE(Enabled("acCut"));
    Doc().Environment().SetLockState(true, QStringLiteral("pw"));
    W().UpdateCommandStates();
    EXPECT_TRUE(Enabled("acCopy"));
    EXPECT_FALSE(Enabled("acCut"));
    EXPECT_FALSE(Enabled("acPaste"));
    for (TZpToolbar bar : {TZpToolbar::Font, TZpToolbar::FillStyle, TZpToolbar::LineStyle, TZpToolbar::Tools})
        EXPECT_FALSE(W().Toolbar(bar)->isEnabled());
    EXPECT_TRUE(W().Action(u"acLockLabel")->isChecked());
}

TEST_F(MainWindowTest, ZoomInStepsToTheLimitAndShowsInTheStatusBar) {
    W().SetZoom(75);
    for (int expected : {100, 200, 400}) {
        Trigger("acZoomIn");
        EXPECT_EQ(Doc().Environment().Scale(), expected);
    }
    EXPECT_FALSE(Enabled("acZoomIn"));
    EXPECT_EQ(W().StatusPanel(2)->text(), QStringLiteral("400%"));
    EXPECT_TRUE(W().Action(u"acZoom400")->isChecked());
}

TEST_F(MainWindowTest, PositionPanelOnlyInInches) {
    const double ppi = ScreenPixelsPerInch();
    W().ShowPointerPosition(QPointF(ppi, ppi / 2));
    EXPECT_EQ(W().StatusPanel(1)->text(), QStringLiteral("X:1.00 Y:0.50"));
    Doc().Environment().SetRulerUnits(ruCentimeters);
    W().ShowPointerPosition(QPointF(2 * ppi, 2 * ppi));
    EXPECT_EQ(W().StatusPanel(1)->text(), QStringLiteral("X:1.00 Y:0.50"));
}

TEST(LineRulesTest, PenStyleAndWidth) {
    const TZpLineChoice dash = LineStyleChosen(psDash, 2.0, 300);
    EXPECT_EQ(dash.Style, psDash);
    EXPECT_DOUBLE_EQ(dash.WidthPoints, 72.0 / 300);
    EXPECT_EQ(LineStyleChosen(psSolid, 2.0, 300).WidthPoints, 2.0);
    EXPECT_EQ(LineWidthChosen(psDash, 1.0, 300).Style, psSolid) << "1 pt is 4 label pixels at 300 dpi";
    EXPECT_EQ(LineWidthChosen(psDot, 72.0 / 300, 300).Style, psDot);
    EXPECT_EQ(LineWidthPixels(1.0, 300), 4);
}

TEST_F(MainWindowTest, LineBarAppliesTheRulesAndFillingItChangesNothing) {
    std::vector<TZpStyleEdit> edits;
    W().Hooks().Format = [&](const TZpStyleEdit& e) { edits.push_back(e); };
    EditLabel();
    W().Session().SelectObject(Doc().Objects().front());
    EXPECT_TRUE(edits.empty()) << "filling the toolbars sends nothing";
    // Without a selection the bars keep what the rules put in them (the fake
    // hook applies nothing that a refresh could read back).
    W().Session().ClearSelection();
    auto* style = W().findChild<QComboBox*>(QStringLiteral("cmbLineStyle"));
    auto* width = W().findChild<QDoubleSpinBox*>(QStringLiteral("spnLineWidth"));
    SetLabelDPI(300);
    style->setCurrentIndex(psDash);
    ASSERT_EQ(edits.size(), 1u);
    EXPECT_EQ(edits.back().Kind, TZpStyleEdit::LineStyle);
    EXPECT_EQ(edits.back().Value, psDash);
    EXPECT_EQ(edits.back().Width, 1);
    EXPECT_NEAR(width->value(), 0.24, 0.005);
    width->setValue(1.0);
    EXPECT_EQ(style->currentIndex(), psSolid);
    EXPECT_EQ(edits.back().Value, psSolid);
    EXPECT_EQ(edits.back().Width, 4);
}

TEST_F(MainWindowTest, StyleBarsKeepTheirFieldsTogetherOnAWideWindow) {
    // The fill and line bars sit alone on their rows at the bottom; their
    // fields keep their natural width instead of spreading over the row.
    W().resize(1300, 900);
    W().show();
    Trigger("acViewTBFillStyle");
    Trigger("acViewTBLineStyle");
    QCoreApplication::processEvents();
    for (const char* name : {"edtFillColor", "edtLineColor"}) {
        auto* field = W().findChild<TZpColorField*>(QLatin1String(name));
        ASSERT_NE(field, nullptr) << name;
        ASSERT_TRUE(field->isVisible()) << name;
        EXPECT_EQ(field->width(), field->sizeHint().width()) << name;
    }
}

TEST_F(MainWindowTest, FontBarShowsTheToolsDefaultFontAndDescendersLockTheSize) {
    auto* size = W().findChild<QSpinBox*>(QStringLiteral("spnFontSize"));
    const TZpObjectPtr object = CreateObject(QStringLiteral("TZpTextObject"));
    auto* text = Supports<IZpFont>(object);
    text->SetSize(text->GetSize() + 3); // the tool's own object, not this one, is shown
    Trigger("acToolText");
    EXPECT_EQ(size->value(), text->GetSize() - 3);
    Trigger("acToolPointer");

    // EAN-13 with descenders sizes its own digits: the size box is empty and off.
    TZpObjectPtr barcode = CreateObject(QStringLiteral("TZpBarcodeObject"));
    Supports<IZpBarcode>(barcode)->SetSymbology(7);
    Supports<IZpBarcode>(barcode)->SetDescenders(true);
    Doc().Add(barcode);
    W().Session().SelectObject(barcode);
    EXPECT_FALSE(size->isEnabled());
    EXPECT_TRUE(size->text().isEmpty());
    Supports<IZpBarcode>(barcode)->SetDescenders(false);
    W().Session().Notify(TZpChange::Selection);
    EXPECT_TRUE(size->isEnabled());
    EXPECT_FALSE(size->text().isEmpty());
}

TEST_F(MainWindowTest, WindowSettingsComeBack) {
    W().show();
    Trigger("acViewTBStandard");
    Trigger("acViewTBAlign");
    W().SetZoom(200);
    W().resize(700, 500);
    W().close();
    FWindow = std::make_unique<TfrmMain>();
    EXPECT_TRUE(W().Toolbar(TZpToolbar::Standard)->isHidden());
    EXPECT_FALSE(W().Toolbar(TZpToolbar::Align)->isHidden());
    EXPECT_FALSE(W().Action(u"acViewTBStandard")->isChecked());
    EXPECT_EQ(Doc().Environment().Scale(), 200);
    EXPECT_EQ(W().size(), QSize(700, 500));
}

TEST_F(MainWindowTest, CommandStatesFollowTheSessionWithoutBeingAsked) {
    EditLabel();
    EXPECT_FALSE(Enabled("acDeleteSelected"));
    W().Session().SelectObject(Doc().Objects().front());
    EXPECT_TRUE(Enabled("acDeleteSelected"));
    Trigger("acDeleteSelected");
    EXPECT_EQ(Doc().Objects().size(), 1u);
    EXPECT_FALSE(Enabled("acDeleteSelected"));
    EXPECT_EQ(W().Action(u"acUndo")->text(), QStringLiteral("&Undo Delete Object"));
    Trigger("acUndo");
    EXPECT_EQ(Doc().Objects().size(), 2u);
    EXPECT_FALSE(Enabled("acUndo"));
    EXPECT_EQ(W().Action(u"acRedo")->text(), QStringLiteral("&Redo Delete Object"));
}

TEST_F(MainWindowTest, ObjectPropertiesOkRecordsOneEventAndCancelNone) {
    EditLabel();
    EXPECT_FALSE(Enabled("acObjectProperties"));
    W().Session().SelectObject(Doc().Objects().front());
    ASSERT_TRUE(Enabled("acObjectProperties"));
    FDialogs->Queue(false);
    Trigger("acObjectProperties");
    EXPECT_FALSE(Enabled("acUndo"));
    FDialogs->Queue(true);
    Trigger("acObjectProperties");
    EXPECT_EQ(FDialogs->Questions().size(), 2u);
    EXPECT_EQ(W().Session().UndoStack().UndoCount(), 1);
    EXPECT_EQ(W().Action(u"acUndo")->text(), QStringLiteral("&Undo Object Properties"));
}

} // namespace
} // namespace zp
