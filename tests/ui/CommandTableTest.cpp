// SPDX-License-Identifier: MIT
// The command table: state in, enabled/checked/caption out, one case per rule.
#include "ui/commands/CommandTable.h"

#include "design/view/DesignArea.h"

#include <QSet>
#include <algorithm>
#include <functional>
#include <gtest/gtest.h>

namespace zp {
namespace {

constexpr uint32_t kAll = 0xFFFFFFFFu;

struct RuleCase {
    const char* name;
    const char* id;
    std::function<void(TZpCommandState&)> state;
    bool enabled;
    bool checked = false;
    const char* caption = nullptr; ///< null: the row's own caption
};

TZpCommandState Base() {
    TZpCommandState s;
    s.Features = kAll;
    return s;
}

const RuleCase kRules[] = {
    {"NewAlways", "acNew", [](auto&) {}, true},
    {"SaveOnlyWhenModified", "acSave", [](auto&) {}, false},
    {"SaveModified", "acSave", [](auto& s) { s.Modified = true; }, true},
    {"SaveAsWhileLocked", "acSaveAs", [](auto& s) { s.Locked = true; }, true},
    {"AcquireNeedsOnePicture", "acAcquireImage",
     [](auto& s) {
         s.SelectedCount = 1;
         s.LastIsPicture = true;
     },
     true},
    {"AcquireNotTwo", "acAcquireImage",
     [](auto& s) {
         s.SelectedCount = 2;
         s.LastIsPicture = true;
     },
     false},
    {"AcquireNotText", "acAcquireImage", [](auto& s) { s.SelectedCount = 1; }, false},
    {"AcquireNoScanner", "acAcquireImage",
     [](auto& s) {
         s.SelectedCount = 1;
         s.LastIsPicture = true;
         s.Features &= ~ftScanner;
     },
     false},
    {"SelectDeviceNoScanner", "acSelectDevice", [](auto& s) { s.Features &= ~ftScanner; }, false},
    {"ImportWithImporter", "acImport", [](auto&) {}, true},
    {"ImportNotInstalled", "acImport", [](auto& s) { s.Features = ftNone; }, false},
    {"ExportNeedsSelection", "acExport", [](auto&) {}, false},
    {"ExportSelection", "acExport", [](auto& s) { s.SelectedCount = 1; }, true},
    {"PrintNeedsPrinter", "acPrint", [](auto& s) { s.PrinterPresent = false; }, false},
    {"PreviewNeedsPrinter", "acPrintPreview", [](auto& s) { s.PrinterPresent = false; }, false},
    {"PrintWithPrinter", "acPrint", [](auto&) {}, true},
    {"UndoNothing", "acUndo", [](auto&) {}, false, false, "&Undo"},
    {"UndoCaption", "acUndo",
     [](auto& s) {
         s.CanUndo = true;
         s.UndoCaption = "Move";
     },
     true, false, "&Undo Move"},
    {"UndoLocked", "acUndo",
     [](auto& s) {
         s.CanUndo = true;
         s.UndoCaption = "Move";
         s.Locked = true;
     },
     false, false, "&Undo Move"},
    {"RedoCaption", "acRedo",
     [](auto& s) {
         s.CanRedo = true;
         s.RedoCaption = "Delete";
     },
     true, false, "&Redo Delete"},
    {"CutSelection", "acCut", [](auto& s) { s.SelectedCount = 1; }, true},
    {"CutLocked", "acCut",
     [](auto& s) {
         s.SelectedCount = 1;
         s.Locked = true;
     },
     false},
    {"CopyLocked", "acCopy",
     [](auto& s) {
         s.SelectedCount = 1;
         s.Locked = true;
     },
     true},
    {"OldCopyLocked", "acOldCopy",
     [](auto& s) {
         s.SelectedCount = 1;
         s.Locked = true;
     },
     true},
    {"OldCutLocked", "acOldCut",
     [](auto& s) {
         s.SelectedCount = 1;
         s.Locked = true;
     },
     false},
    {"PasteNeedsData", "acPaste", [](auto&) {}, false},
    {"PasteData", "acPaste", [](auto& s) { s.ClipboardHasLabelData = true; }, true},
    {"PasteLocked", "acPaste",
     [](auto& s) {
         s.ClipboardHasLabelData = true;
         s.Locked = true;
     },
     false},
    {"PasteSpecialLocked", "acPasteSpecial",
     [](auto& s) {
         s.ClipboardHasLabelData = true;
         s.Locked = true;
     },
     false},
    {"ClipboardNotInstalled", "acCopy",
     [](auto& s) {
         s.SelectedCount = 1;
         s.Features &= ~ftClipboard;
     },
     false},
    {"SelectAllLocked", "acSelectAll", [](auto& s) { s.Locked = true; }, false},
    {"DeleteNeedsSelection", "acDeleteSelected", [](auto&) {}, false},
    {"GroupRule", "acGroup", [](auto& s) { s.CanGroup = true; }, true},
    {"UngroupRule", "acUngroup", [](auto& s) { s.CanUngroup = false; }, false},
    {"RotateRule", "acRotate", [](auto& s) { s.LastCanRotate = true; }, true},
    {"FlipNeedsPicture", "acFlipVertical", [](auto& s) { s.SelectedCount = 1; }, false},
    {"FlipPicture", "acFlipHorizontal", [](auto& s) { s.LastIsPicture = true; }, true},
    {"SuperScriptText", "acSuperScript", [](auto& s) { s.LastIsText = true; }, true},
    {"LabelPropertiesLocked", "acLabelProperties", [](auto& s) { s.Locked = true; }, false},
    {"ObjectPropertiesSelection", "acObjectProperties", [](auto& s) { s.SelectedCount = 1; }, true},
    {"ObjectPropertiesNotInstalled", "acObjectProperties",
     [](auto& s) {
         s.SelectedCount = 1;
         s.Features &= ~ftObjectProperties;
     },
     false},
    {"AlignNeedsTwo", "acAlignLeft", [](auto& s) { s.SelectedCount = 1; }, false},
    {"AlignTwo", "acAlignBottom", [](auto& s) { s.SelectedCount = 2; }, true},
    {"CenterInLabelOne", "acHCenter", [](auto& s) { s.SelectedCount = 1; }, true},
    {"SizeAlways", "acSizeLabelWidth", [](auto&) {}, true},
    {"JustifyNotForBarcode", "acJustifyFull",
     [](auto& s) {
         s.HasFont = true;
         s.LastIsBarcode = true;
     },
     false},
    {"CenterChecked", "acJustifyCenter",
     [](auto& s) {
         s.HasFont = true;
         s.TextAlignment = 2;
     },
     true, true},
    {"BoldChecked", "acBold",
     [](auto& s) {
         s.HasFont = true;
         s.FontBold = true;
     },
     true, true},
    {"RulersChecked", "acViewRulers", [](auto&) {}, true, true},
    {"UnprintableUnchecked", "acViewUnprintable", [](auto&) {}, true, false},
    {"ToolbarChecked", "acViewTBAlign", [](auto& s) { s.ToolbarVisible[size_t(TZpToolbar::Align)] = true; },
     true, true},
    {"ZoomInBelow400", "acZoomIn", [](auto& s) { s.Zoom = 200; }, true},
    {"ZoomInAt400", "acZoomIn", [](auto& s) { s.Zoom = 400; }, false},
    {"ZoomOutAt25", "acZoomOut", [](auto& s) { s.Zoom = 25; }, false},
    {"ZoomItemChecked", "acZoom75", [](auto& s) { s.Zoom = 75; }, true, true},
    {"ZoomItemUnchecked", "acZoom100", [](auto& s) { s.Zoom = 75; }, true, false},
    {"OptionsNotInstalled", "acProgramOptions", [](auto& s) { s.Features = ftNone; }, false},
    {"LockLabelChecked", "acLockLabel", [](auto& s) { s.Locked = true; }, true, true},
    {"ClearGuidesLocked", "acClearGuides", [](auto& s) { s.Locked = true; }, false},
    {"LockGuidesWhileLocked", "acLockGuides",
     [](auto& s) {
         s.Locked = true;
         s.LockGuides = true;
     },
     true, true},
    {"SnapRulersUnchecked", "acSnapRulers", [](auto&) {}, true, false},
    {"PointerChecked", "acToolPointer", [](auto&) {}, true, true},
    {"ToolLocked", "acToolText", [](auto& s) { s.Locked = true; }, false},
    {"ToolsNotInstalled", "acToolBarcode", [](auto& s) { s.Features &= ~ftTools; }, false},
    {"ConnectLocked", "acConnectDatabase", [](auto& s) { s.Locked = true; }, false},
    {"FirstAtFirst", "acDataFirst",
     [](auto& s) {
         s.HasRecords = true;
         s.AtLastRecord = false;
     },
     false},
    {"PriorInside", "acDataPrior",
     [](auto& s) {
         s.HasRecords = true;
         s.AtFirstRecord = false;
     },
     true},
    {"NextAtLast", "acDataNext",
     [](auto& s) {
         s.HasRecords = true;
         s.AtFirstRecord = false;
     },
     false},
    {"LastInside", "acDataLast",
     [](auto& s) {
         s.HasRecords = true;
         s.AtLastRecord = false;
     },
     true},
    {"MarkedOneRecord", "acDataMarked", [](auto& s) { s.HasRecords = true; }, false},
    {"MarkedChecked", "acDataMarked",
     [](auto& s) {
         s.HasRecords = true;
         s.AtLastRecord = false;
         s.RecordMarked = true;
     },
     true, true},
    {"RefreshNoData", "acDataRefresh", [](auto&) {}, false},
    {"FindNotInstalled", "acDataFind",
     [](auto& s) {
         s.HasRecords = true;
         s.AtLastRecord = false;
         s.Features &= ~ftFindRecord;
     },
     false},
    {"UpdateHelpNoAddress", "acUpdateHelp", [](auto&) {}, false},
    {"UpdateHelpAddress", "acUpdateHelp", [](auto& s) { s.HelpUpdateConfigured = true; }, true},
    {"AboutAlways", "acAbout",
     [](auto& s) {
         s.Locked = true;
         s.Features = ftNone;
     },
     true},
};

class CommandRuleTest : public ::testing::TestWithParam<RuleCase> {};

TEST_P(CommandRuleTest, StateGivesLook) {
    const RuleCase& c = GetParam();
    const TZpCommandRow* row = FindCommand(QLatin1String(c.id));
    ASSERT_NE(row, nullptr) << c.id;
    TZpCommandState s = Base();
    c.state(s);
    const TZpCommandLook look = EvaluateCommand(*row, s);
    EXPECT_EQ(look.Enabled, c.enabled);
    EXPECT_EQ(look.Checked, c.checked);
    EXPECT_EQ(look.Caption, QString::fromUtf8(c.caption ? c.caption : row->Caption));
}

INSTANTIATE_TEST_SUITE_P(Commands, CommandRuleTest, ::testing::ValuesIn(kRules),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CommandTableTest, LockedLabelDisablesTheEditingToolbars) {
    TZpCommandState s = Base();
    s.Locked = true;
    for (TZpToolbar bar : {TZpToolbar::Tools, TZpToolbar::FillStyle, TZpToolbar::LineStyle, TZpToolbar::Align,
                           TZpToolbar::Font})
        EXPECT_FALSE(ToolbarEnabled(bar, s)) << ToolbarInfo(bar).Name;
    EXPECT_TRUE(ToolbarEnabled(TZpToolbar::Standard, s));
    EXPECT_TRUE(ToolbarEnabled(TZpToolbar::Data, s));
    s.Locked = false;
    EXPECT_TRUE(ToolbarEnabled(TZpToolbar::Font, s));
}

TEST(CommandTableTest, ZoomSteps) {
    std::vector<int> in{75};
    while (in.back() < 400)
        in.push_back(ZoomInStep(in.back()));
    EXPECT_EQ(in, (std::vector<int>{75, 100, 200, 400}));
    std::vector<int> out{400};
    while (out.back() > 25)
        out.push_back(ZoomOutStep(out.back()));
    EXPECT_EQ(out, (std::vector<int>{400, 200, 100, 75, 50, 25}));
}

// Every menu, context menu and toolbar entry names a row, and rows are unique
// with a handler each: a typo in a layout would otherwise drop a command silently.
TEST(CommandTableTest, LayoutsNameExistingRows) {
    QSet<QString> ids;
    for (const TZpCommandRow& row : CommandTable()) {
        EXPECT_FALSE(ids.contains(QLatin1String(row.Id))) << row.Id;
        ids.insert(QLatin1String(row.Id));
        EXPECT_NE(row.Handler, nullptr) << row.Id;
    }
    auto check = [&](const std::vector<const char*>& entries) {
        for (const char* e : entries) {
            QString id = QString::fromUtf8(e);
            if (id == "-" || id == "<" || id.startsWith('>'))
                continue;
            id = id.section('|', 0, 0);
            EXPECT_TRUE(ids.contains(id)) << e;
        }
    };
    for (const TZpMenuLayout& menu : MainMenuLayout())
        check(menu.Entries);
    check(ContextMenuLayout());
    for (int i = 0; i < kToolbarCount; ++i)
        check(ToolbarLayout(TZpToolbar(i)));
    EXPECT_EQ(ToolbarLayout(TZpToolbar::Tools).size(), 9u);
    // The distribute rows are ours, not the table's: easily lost in a merge.
    for (const char* id : {"acDistributeH", "acDistributeV"}) {
        auto has = [id](const std::vector<const char*>& entries) {
            return std::any_of(entries.begin(), entries.end(),
                               [id](const char* e) { return qstrcmp(e, id) == 0; });
        };
        EXPECT_TRUE(has(ContextMenuLayout())) << id;
        EXPECT_TRUE(has(ToolbarLayout(TZpToolbar::Align))) << id;
    }
}

} // namespace
} // namespace zp
