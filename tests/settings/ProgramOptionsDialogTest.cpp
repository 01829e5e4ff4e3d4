// SPDX-License-Identifier: MIT
#include "settings/dialogs/ProgramOptionsDialog.h"

#include "barcode/BarcodeObject.h"
#include "model/objects/TextObject.h"
#include "platform/dialogs/ScriptedDialogs.h"
#include "platform/store/SettingsStore.h"
#include "settings/AppOptions.h"
#include "support/TestSupport.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QDoubleSpinBox>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSpinBox>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace zp {
namespace {

/// A control's state as text: "1"/"0" for buttons, the number of a spin box,
/// the index of a list (the text of an editable one), the colour number.
QString Shown(QWidget* w) {
    if (auto* color = qobject_cast<TZpOptionsColorButton*>(w))
        return QString::number(color->Color());
    if (auto* button = qobject_cast<QAbstractButton*>(w))
        return button->isChecked() ? QStringLiteral("1") : QStringLiteral("0");
    if (auto* spin = qobject_cast<QSpinBox*>(w))
        return QString::number(spin->value());
    if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
        return QString::number(spin->value());
    if (auto* box = qobject_cast<QComboBox*>(w))
        return box->isEditable() ? box->currentText() : QString::number(box->currentIndex());
    if (auto* edit = qobject_cast<QLineEdit*>(w))
        return edit->text();
    return QStringLiteral("?");
}

/// Enters a value as a user would: lists are chosen (activated), edits typed.
void Enter(QWidget* w, const QString& value) {
    if (auto* color = qobject_cast<TZpOptionsColorButton*>(w))
        color->SetColor(value.toUInt());
    else if (auto* button = qobject_cast<QAbstractButton*>(w))
        button->setChecked(value == QLatin1String("1"));
    else if (auto* spin = qobject_cast<QSpinBox*>(w))
        spin->setValue(value.toInt());
    else if (auto* spin = qobject_cast<QDoubleSpinBox*>(w))
        spin->setValue(value.toDouble());
    else if (auto* box = qobject_cast<QComboBox*>(w)) {
        if (box->isEditable()) {
            box->setCurrentText(value);
        } else {
            box->setCurrentIndex(value.toInt());
            Q_EMIT box->activated(value.toInt());
        }
    } else if (auto* edit = qobject_cast<QLineEdit*>(w)) {
        edit->setText(value);
        Q_EMIT edit->textEdited(value);
    }
}

struct TControlCase {
    const char* Control;
    const char* Section;
    const char* Value;
    const char* Stored; ///< put in the store first
    const char* Show;   ///< what the control then shows
    const char* Enter;  ///< what the user enters
    const char* Write;  ///< what OK writes
    int Type = -1;      ///< the stored symbology its option page needs
};

const char* const kApp = "Application Options";
const char* const kBar = "Bar Code Settings";
const char* const kText = "Text Settings";

// Each control against its stored value; rows of a symbology's option page
// name the symbology so the page is the one shown.
const TControlCase kControls[] = {
    {"rbScreenResolution", kApp, "Export Objects at Printer DPI", "1", "0", "1", "0"},
    {"spnUndoLevels", kApp, "Undo Levels", "250", "250", "7", "7"},
    {"rbDefaultPrinter", kApp, "Last Printer", "0", "0", "1", "1"},
    {"rbSelectedPrinter", kApp, "Last Printer", "1", "0", "1", "2"},
    {"rbSelectedFormat", kApp, "Last Label Format", "1", "0", "1", "0"},
    {"chkSmoothRedraws", kApp, "Double Buffer Screen Painting", "0", "0", "1", "1"},
    {"chkAllowBarcodeResizing", kApp, "Allow Bar Code Resize", "1", "1", "0", "0"},
    {"chkCheckBarCodes", kApp, "Check Bar Codes Before Printing", "0", "0", "1", "1"},
    {"chkReadBackBarCodes", "Scan Check", "Verify Bar Codes By Reading Back", "0", "0", "1", "1"},
    {"chkImport2xTextClear", kApp, "Import 2x Text Clear", "0", "0", "1", "1"},
    {"chkImportITF14", kApp, "Import Int 2 of 5 as ITF14", "1", "1", "0", "0"},
    {"chkOldStyleEditing", kApp, "Edit Objects Using Selected Tool", "0", "0", "1", "1"},
    {"cmbSymbology", kBar, "Type", "2", "2", "15", "15"},
    {"spnHeight", kBar, "Height", "0.75", "0.75", "1.25", "1.25"},
    // Density is edited in label pixels (300 per inch here) and stored in inches.
    {"spnDensity", kBar, "Density", "0.02", "6", "9", "0.03"},
    {"chkShowHumanReadable", kBar, "Show Human Readable", "0", "0", "1", "1"},
    {"cmbHRPosition", kBar, "Human Readable Position", "0", "0", "1", "1"},
    {"spnHRSpacing", kBar, "Human Readable Spacing", "0.1", "0.1", "0.2", "0.2"},
    {"edtPreamble", kBar, "Preamble", "A", "A", "B", "B"},
    {"edtPostamble", kBar, "Postamble", "", "", "Z", "Z"},
    {"edtBarcodeDefaultText", kBar, "Default Text", "12345", "12345", "999", "999"},
    {"chkC39CheckDigit", kBar, "Check Digit", "0", "0", "1", "1", 0},
    {"cmbC39Ratio", kBar, "Wide to Narrow", "25", "1", "0", "20", 0},
    {"chkUccFormatting", kBar, "UCC Formatting", "1", "1", "0", "0", 3},
    {"chkUpcDescenders", kBar, "Descenders", "1", "1", "0", "0", 4},
    {"chkBookShowISBN", kBar, "Show ISBN", "0", "0", "1", "1", 9},
    {"cmbI25Method", kBar, "Int 2 of 5 Check Digit Type", "1", "1", "0", "0", 10},
    {"chkI25GuardBars", kBar, "Guard Bars", "0", "0", "1", "1", 10},
    {"cmbCodabarStart", kBar, "Codabar Start", "2", "2", "3", "3", 11},
    {"spnMsiCount", kBar, "Check Digit", "0", "1", "2", "1", 13},
    {"chkItfGuardBars", kBar, "Guard Bars", "1", "1", "0", "0", 19},
    {"cmbFontName", kText, "Font Name", "Courier New", "Courier New", "Liberation Serif", "Liberation Serif"},
    {"spnFontSize", kText, "Font Size", "12", "12", "18", "18"},
    {"chkFontBold", kText, "Font Bold", "0", "0", "1", "1"},
    {"chkFontUnderline", kText, "Font Underline", "1", "1", "0", "0"},
    {"btnFontColor", kText, "Font Color", "255", "255", "65280", "65280"},
    {"chkStripLeading", kText, "Remove First Leading", "1", "1", "0", "0"},
    {"chkCustomLeading", kText, "Use Custom Leading", "0", "0", "1", "1"},
    // Leading is edited in points and stored in tenths.
    {"spnLeadingSize", kText, "Custom Leading Size", "144", "14.4", "12.5", "125"},
    {"edtDefaultText", kText, "Default Text", "Hello", "Hello", "World", "World"},
    {"btnFillColor", "Fill Style Settings", "Fill Color", "16777215", "16777215", "255", "255"},
    {"cmbFillStyle", "Fill Style Settings", "Fill Style", "4", "4", "0", "0"},
    // Index 0 is "Transparent", 1 "Opaque".
    {"cmbFillTransparent", "Fill Style Settings", "Fill Transparent", "1", "0", "1", "0"},
    {"btnLineColor", "Line Style Settings", "Line Color", "0", "0", "16711680", "16711680"},
    {"cmbLineStyle", "Line Style Settings", "Line Style", "0", "0", "0", "0"},
    // Width in points, stored in hundredths.
    {"spnLineWidth", "Line Style Settings", "Line Width", "150", "1.5", "2.25", "225"},
};

class ProgramOptionsDialogTest : public ::testing::TestWithParam<TControlCase> {
protected:
    void SetUp() override { ASSERT_TRUE(FDir.isValid()); }
    [[nodiscard]] QString IniFile() const { return FDir.filePath(QStringLiteral("options.ini")); }
    static QWidget* Control(TfrmProgramOptions& dialog, const char* name) {
        auto* w = dialog.findChild<QWidget*>(QLatin1String(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }

    QTemporaryDir FDir;
    TZpAppOptions FOptions;
    const QStringList FPrinters{QStringLiteral("Alpha"), QStringLiteral("PDF")};
    test::TLabelDpiGuard FDpi{300};
};

TEST_P(ProgramOptionsDialogTest, ControlLoadsItsValueAndOkWritesIt) {
    const TControlCase& c = GetParam();
    TZpSettingsStore store(IniFile());
    if (c.Type >= 0)
        store.WriteInteger(QLatin1String(kBar), QStringLiteral("Type"), c.Type);
    store.WriteString(QLatin1String(c.Section), QLatin1String(c.Value), QLatin1String(c.Stored));
    FOptions.LoadFromRegistry(store);

    TfrmProgramOptions dialog(FOptions, store, FPrinters);
    QWidget* w = Control(dialog, c.Control);
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(Shown(w), QLatin1String(c.Show));
    Enter(w, QLatin1String(c.Enter));
    dialog.accept();

    TZpSettingsStore reread(IniFile());
    EXPECT_EQ(reread.ReadString(QLatin1String(c.Section), QLatin1String(c.Value), QStringLiteral("(none)")),
              QLatin1String(c.Write));
}

INSTANTIATE_TEST_SUITE_P(Controls, ProgramOptionsDialogTest, ::testing::ValuesIn(kControls),
                         [](const ::testing::TestParamInfo<TControlCase>& info) {
                             return std::string(info.param.Control) + "_" + std::to_string(info.index);
                         });

TEST_F(ProgramOptionsDialogTest, CancelWritesNothingAndChangesNoOption) {
    {
        TZpSettingsStore store(IniFile());
        store.WriteString(QLatin1String(kText), QStringLiteral("Font Name"), QStringLiteral("Courier New"));
    }
    QFile file(IniFile());
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray before = file.readAll();
    file.close();

    TZpSettingsStore store(IniFile());
    FOptions.LoadFromRegistry(store);
    TZpAppOptions original = FOptions;
    TfrmProgramOptions dialog(FOptions, store, FPrinters);
    for (const TControlCase& c : kControls)
        if (QWidget* w = Control(dialog, c.Control))
            Enter(w, QLatin1String(c.Enter));
    dialog.reject();
    store.Flush();

    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), before);
    EXPECT_EQ(FOptions.SmoothRedraws, original.SmoothRedraws);
    EXPECT_EQ(FOptions.PrinterMode, original.PrinterMode);
    EXPECT_EQ(FOptions.CheckBarCodes, original.CheckBarCodes);
}

struct TBadValueCase {
    const char* Section;
    const char* Value;
    const char* Stored;
    const char* Control;
    const char* Show; ///< the default, or the nearest value the control offers
};

// Damaged or out-of-range values in the settings file: the defaults hold.
const TBadValueCase kBadValues[] = {
    {kApp, "Undo Levels", "0", "spnUndoLevels", "100"},
    {kApp, "Undo Levels", "5000", "spnUndoLevels", "100"},
    {kApp, "Undo Levels", "many", "spnUndoLevels", "100"},
    {kApp, "Last Printer", "7", "rbLastPrinter", "1"},
    {kApp, "Check Bar Codes Before Printing", "abc", "chkCheckBarCodes", "0"},
    {kBar, "Type", "40", "cmbSymbology", "1"},
    {kBar, "Height", "100", "spnHeight", "0.5"},
    {kBar, "Density", "wide", "spnDensity", "3"},
    {kBar, "Human Readable Position", "5", "cmbHRPosition", "1"},
    {kText, "Font Size", "0", "spnFontSize", "10"},
    {kText, "Font Name", "", "cmbFontName", "Arial"},
    {kText, "Font Color", "-5", "btnFontColor", "0"},
    {"Fill Style Settings", "Fill Style", "12", "cmbFillStyle", "1"},
    {"Line Style Settings", "Line Style", "-1", "cmbLineStyle", "0"},
    {"Line Style Settings", "Line Width", "0", "spnLineWidth", "1"},
};

TEST_F(ProgramOptionsDialogTest, DamagedValuesShowTheDefaults) {
    for (const TBadValueCase& c : kBadValues) {
        SCOPED_TRACE(std::string(c.Value) + "=" + c.Stored);
        TZpSettingsStore store(IniFile());
        store.WriteString(QLatin1String(c.Section), QLatin1String(c.Value), QLatin1String(c.Stored));
        FOptions = TZpAppOptions();
        FOptions.LoadFromRegistry(store);
        TfrmProgramOptions dialog(FOptions, store, FPrinters);
        if (QWidget* w = Control(dialog, c.Control))
            EXPECT_EQ(Shown(w), QLatin1String(c.Show));
        store.DeleteValue(QLatin1String(c.Section), QLatin1String(c.Value));
    }
}

TEST_F(ProgramOptionsDialogTest, UndoLevelsBeyondTheOfferedRangeAreClamped) {
    TZpSettingsStore store(IniFile());
    for (const auto& [entered, written] : {std::pair{1000, 999}, std::pair{0, 1}}) {
        TfrmProgramOptions dialog(FOptions, store, FPrinters);
        Enter(Control(dialog, "spnUndoLevels"), QString::number(entered));
        dialog.accept();
        EXPECT_EQ(ReadUndoLevels(store), written);
    }
}

TEST_F(ProgramOptionsDialogTest, ThePrinterListIsForTheSelectedPrinterOnly) {
    TZpSettingsStore store(IniFile());
    store.WriteString(QStringLiteral("Last Used"), QStringLiteral("Printer"), QStringLiteral("PDF"));
    for (const bool selected : {false, true}) {
        TfrmProgramOptions dialog(FOptions, store, FPrinters);
        auto* printers = qobject_cast<QComboBox*>(Control(dialog, "cmbPrinters"));
        EXPECT_EQ(printers->currentText(), QStringLiteral("PDF"));
        EXPECT_FALSE(printers->isEnabled());
        if (selected)
            Enter(Control(dialog, "rbSelectedPrinter"), QStringLiteral("1"));
        EXPECT_EQ(printers->isEnabled(), selected);
        printers->setCurrentIndex(0);
        dialog.accept();
        // The chosen printer is stored only with "Selected printer".
        EXPECT_EQ(store.ReadString(QStringLiteral("Last Used"), QStringLiteral("Printer"), {}),
                  selected ? QStringLiteral("Alpha") : QStringLiteral("PDF"));
    }
}

TEST_F(ProgramOptionsDialogTest, AChosenFormatBecomesTheDefaultOnlyWithSelectedFormat) {
    for (const bool selected : {false, true}) {
        TZpSettingsStore store(IniFile());
        store.EraseSection(QStringLiteral("Label Properties"));
        TfrmProgramOptions dialog(FOptions, store, FPrinters);
        EXPECT_EQ(Shown(Control(dialog, "edtFormatName")), QStringLiteral("Default Label"));
        dialog.SetFormatChooser([](TLabelProperties& format) {
            format.LabelType = QStringLiteral("Address 30");
            format.Columns = 3;
            format.Rows = 10;
            return true;
        });
        Enter(Control(dialog, "rbSelectedFormat"), QStringLiteral("1"));
        qobject_cast<QAbstractButton*>(Control(dialog, "btnSelectFormat"))->click();
        EXPECT_EQ(Shown(Control(dialog, "edtFormatName")), QStringLiteral("Address 30"));
        if (!selected)
            Enter(Control(dialog, "rbLastFormat"), QStringLiteral("1"));
        dialog.accept();
        EXPECT_EQ(store.ReadString(QStringLiteral("Label Properties"), QStringLiteral("Label Type"), {}),
                  selected ? QStringLiteral("Address 30") : QString());
        EXPECT_EQ(store.ReadInteger(QStringLiteral("Label Properties"), QStringLiteral("Columns"), 0),
                  selected ? 3 : 0);
    }
}

TEST_F(ProgramOptionsDialogTest, PatternedLinesAreOnePixelWideAndWiderLinesSolid) {
    TZpSettingsStore store(IniFile());
    TfrmProgramOptions dialog(FOptions, store, FPrinters);
    QWidget* style = Control(dialog, "cmbLineStyle");
    QWidget* width = Control(dialog, "spnLineWidth");
    Enter(style, QStringLiteral("2"));
    EXPECT_EQ(Shown(width), QStringLiteral("0.24")); // 72 / 300 points
    Enter(width, QStringLiteral("0.24"));
    EXPECT_EQ(Shown(style), QStringLiteral("2"));
    Enter(width, QStringLiteral("1"));
    EXPECT_EQ(Shown(style), QStringLiteral("0"));
}

TEST_F(ProgramOptionsDialogTest, ChoosingASymbologyGivesItsStartingOptions) {
    TZpSettingsStore store(IniFile());
    TfrmProgramOptions dialog(FOptions, store, FPrinters);
    Enter(Control(dialog, "cmbSymbology"), QString::number(4));           // UPC-A
    EXPECT_EQ(Shown(Control(dialog, "spnDensity")), QStringLiteral("4")); // 0.013 inch at 300 dpi
    EXPECT_EQ(Shown(Control(dialog, "chkUpcDescenders")), QStringLiteral("1"));
    // The manufacturer/product box needs the plain layout.
    EXPECT_FALSE(Control(dialog, "chkUpcMfrProd")->isEnabled());
    dialog.accept();
    EXPECT_EQ(store.ReadInteger(QLatin1String(kBar), QStringLiteral("Type"), -1), 4);
    EXPECT_EQ(store.ReadBool(QLatin1String(kBar), QStringLiteral("Check Digit"), false), true);
    EXPECT_NEAR(store.ReadFloat(QLatin1String(kBar), QStringLiteral("Density"), 0), 4 / 300.0, 1e-6);
}

TEST_F(ProgramOptionsDialogTest, CheckDigitBoxesFollowTheTextAndTheCheckDigit) {
    TZpSettingsStore store(IniFile());
    store.WriteInteger(QLatin1String(kBar), QStringLiteral("Type"), 0);
    TfrmProgramOptions dialog(FOptions, store, FPrinters);
    QWidget* show = Control(dialog, "chkC39ShowCheckDigit");
    EXPECT_FALSE(show->isEnabled());
    Enter(Control(dialog, "chkC39CheckDigit"), QStringLiteral("1"));
    EXPECT_TRUE(show->isEnabled());
    Enter(show, QStringLiteral("1"));
    Enter(Control(dialog, "chkShowHumanReadable"), QStringLiteral("0"));
    EXPECT_FALSE(show->isEnabled());
    dialog.accept();
    // Without human-readable text there is no check digit to print.
    EXPECT_FALSE(store.ReadBool(QLatin1String(kBar), QStringLiteral("Show Check Digit"), true));
    EXPECT_TRUE(store.ReadBool(QLatin1String(kBar), QStringLiteral("Check Digit"), false));
}

TEST_F(ProgramOptionsDialogTest, NewObjectsAndUndoStacksTakeTheOptionsAtOnce) {
    test::ClearStore();
    TfrmProgramOptions dialog(AppOptions(), ZpStore(), FPrinters);
    Enter(Control(dialog, "cmbFontName"), QStringLiteral("Liberation Serif"));
    Enter(Control(dialog, "spnUndoLevels"), QStringLiteral("12"));
    Enter(Control(dialog, "cmbSymbology"), QStringLiteral("2"));
    dialog.accept();
    EXPECT_EQ(TZpTextObject().Font().GetName(), QStringLiteral("Liberation Serif"));
    EXPECT_EQ(TZpBarcodeObject().GetSymbology(), 2);
    EXPECT_EQ(ReadUndoLevels(ZpStore()), 12);
    test::ClearStore();
}

TEST_F(ProgramOptionsDialogTest, AFolderThatCannotBeWrittenKeepsTheOptionsForTheSession) {
    // A plain file where the settings folder should be: nothing can be
    // written below it, even by the superuser.
    QFile blocker(FDir.filePath(QStringLiteral("blocked")));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    TZpSettingsStore store(FDir.filePath(QStringLiteral("blocked/options.ini")));
    TZpScriptedDialogsGuard dialogs;
    TfrmProgramOptions dialog(FOptions, store, FPrinters);
    Enter(Control(dialog, "spnUndoLevels"), QStringLiteral("42"));
    dialog.accept();
    ASSERT_EQ((*dialogs).Messages().size(), 1);
    EXPECT_TRUE((*dialogs).Messages().first().contains(QStringLiteral("could not be saved")));
    EXPECT_EQ(ReadUndoLevels(store), 42);
}

TEST_F(ProgramOptionsDialogTest, AnUnreadableSettingsFileStartsEmptyAndIsNeverReplaced) {
    // A folder where the file should be cannot be read, even by the superuser.
    const QString path = FDir.filePath(QStringLiteral("options.ini"));
    ASSERT_TRUE(QDir().mkpath(path));
    TZpSettingsStore store(path);
    EXPECT_FALSE(store.LoadedCleanly());
    EXPECT_EQ(ReadUndoLevels(store), kDefaultUndoLevels);
    WriteUndoLevels(store, 9);
    EXPECT_FALSE(store.Flush());
    EXPECT_EQ(ReadUndoLevels(store), 9);
    EXPECT_TRUE(QFileInfo(path).isDir());
}

} // namespace
} // namespace zp
