// SPDX-License-Identifier: MIT
#include "ui/commands/CommandTable.h"

#include "ui/MainWindow.h"

namespace zp {

namespace {

using M = TfrmMain;
using S = TZpCommandState;

bool SelAny(const S& s) {
    return s.SelectedCount > 0;
}
bool SelMany(const S& s) {
    return s.SelectedCount > 1;
}
bool SelThree(const S& s) {
    return s.SelectedCount >= 3;
}
bool SelOnePicture(const S& s) {
    return s.Has(ftScanner) && s.SelectedCount == 1 && s.LastIsPicture;
}
bool CanUndo(const S& s) {
    return s.CanUndo;
}
bool CanRedo(const S& s) {
    return s.CanRedo;
}
bool Modified(const S& s) {
    return s.Modified;
}
bool Printer(const S& s) {
    return s.PrinterPresent;
}
bool Paste(const S& s) {
    return s.ClipboardHasLabelData;
}
bool CanGroup(const S& s) {
    return s.CanGroup;
}
bool CanUngroup(const S& s) {
    return s.CanUngroup;
}
bool CanRotate(const S& s) {
    return s.LastCanRotate;
}
bool IsPicture(const S& s) {
    return s.LastIsPicture;
}
bool IsText(const S& s) {
    return s.LastIsText;
}
bool HasFont(const S& s) {
    return s.HasFont;
}
bool HasJustify(const S& s) {
    return s.HasFont && !s.LastIsBarcode;
}
bool ZoomIn(const S& s) {
    return s.Zoom < 400;
}
bool ZoomOut(const S& s) {
    return s.Zoom > 25;
}
bool DataFirst(const S& s) {
    return s.HasRecords && !s.AtFirstRecord;
}
bool DataLast(const S& s) {
    return s.HasRecords && !s.AtLastRecord;
}
bool DataAny(const S& s) {
    return DataFirst(s) || DataLast(s);
}
bool HelpUpdate(const S& s) {
    return s.HelpUpdateConfigured;
}

bool ShowRulers(const S& s) {
    return s.ShowRulers;
}
bool ShowGuides(const S& s) {
    return s.ShowGuides;
}
bool ShowUnprintable(const S& s) {
    return s.ShowUnprintable;
}
bool Locked(const S& s) {
    return s.Locked;
}
bool LockGuides(const S& s) {
    return s.LockGuides;
}
bool SnapGuides(const S& s) {
    return s.SnapToGuides;
}
bool SnapRulers(const S& s) {
    return s.SnapToRulers;
}
bool Marked(const S& s) {
    return s.RecordMarked;
}
bool Bold(const S& s) {
    return s.FontBold;
}
bool Italic(const S& s) {
    return s.FontItalic;
}
bool Underline(const S& s) {
    return s.FontUnderline;
}
template <int align> bool Alignment(const S& s) {
    return s.TextAlignment == align;
}
template <int zoom> bool ZoomIs(const S& s) {
    return s.Zoom == zoom;
}
template <int tool> bool ToolIs(const S& s) {
    return s.Tool == tool;
}
template <TZpToolbar bar> bool BarVisible(const S& s) {
    return s.ToolbarVisible[size_t(bar)];
}

QString UndoCaption(const S& s) {
    return s.CanUndo && !s.UndoCaption.isEmpty() ? QStringLiteral("&Undo %1").arg(s.UndoCaption)
                                                 : QStringLiteral("&Undo");
}
QString RedoCaption(const S& s) {
    return s.CanRedo && !s.RedoCaption.isEmpty() ? QStringLiteral("&Redo %1").arg(s.RedoCaption)
                                                 : QStringLiteral("&Redo");
}

constexpr uint32_t A = ftArrangement;

std::vector<TZpCommandRow> MakeTable() {
    // clang-format off
    return {
        // File
        {"acNew", "&New...", "Ctrl+N", "New Blank Label", &M::CmdNew, nullptr, nullptr, false, ftNone, 0, "document-new"},
        {"acOpen", "&Open...", "Ctrl+O", "Open", &M::CmdOpen, nullptr, nullptr, false, ftNone, 0, "document-open"},
        {"acSave", "&Save", "Ctrl+S", "Save", &M::CmdSave, Modified, nullptr, false, ftNone, 0, "document-save"},
        {"acSaveAs", "Save &As...", "", "Save As", &M::CmdSaveAs, nullptr, nullptr, false, ftNone, 0, "document-save-as"},
        {"acSaveAsTemplate", "Save as &Template...", "", "Save as template", &M::CmdSaveAsTemplate},
        {"acAcquireImage", "Ac&quire Image...", "", "Scans or imports an image", &M::CmdAcquireImage, SelOnePicture, nullptr, false, ftScanner, 0, "scanner"},
        {"acSelectDevice", "Se&lect Device...", "", "Choose scanner or digital camera", &M::CmdSelectDevice, nullptr, nullptr, false, ftScanner},
        {"acImport", "&Import ASCII file...", "", "Import ASCII text file", &M::CmdImport, nullptr, nullptr, false, ftTextImport},
        {"acExport", "&Export to image file...", "", "Export label to a graphic file", &M::CmdExport, SelAny},
        {"acPrintSetup", "Page Set&up...", "", "Page Setup", &M::CmdPageSetup, nullptr, nullptr, false, ftNone, 0, "document-page-setup"},
        {"acPrintPreview", "Print Pre&view", "", "Print Preview", &M::CmdPrintPreview, Printer, nullptr, false, ftNone, 0, "document-print-preview"},
        {"acPrint", "&Print...", "Ctrl+P", "Print", &M::CmdPrint, Printer, nullptr, false, ftNone, 0, "document-print"},
        {"acExit", "E&xit", "", "Exit Zentaprint", &M::CmdExit, nullptr, nullptr, false, ftNone, 0, "application-exit"},
        // Edit
        {"acUndo", "&Undo", "Ctrl+Z", "Undo", &M::CmdUndo, CanUndo, nullptr, true, ftSession, 0, "edit-undo", UndoCaption},
        {"acRedo", "&Redo", "Ctrl+Y", "Redo", &M::CmdRedo, CanRedo, nullptr, true, ftSession, 0, "edit-redo", RedoCaption},
        {"acCut", "Cu&t", "Ctrl+X", "Cut", &M::CmdClipboard, SelAny, nullptr, true, ftClipboard, 0, "edit-cut"},
        {"acCopy", "&Copy", "Ctrl+C", "Copy", &M::CmdClipboard, SelAny, nullptr, false, ftClipboard, 0, "edit-copy"},
        {"acPaste", "&Paste", "Ctrl+V", "Paste", &M::CmdClipboard, Paste, nullptr, true, ftClipboard, 0, "edit-paste"},
        {"acOldCut", "Cut", "Shift+Del", "", &M::CmdClipboard, SelAny, nullptr, true, ftClipboard},
        {"acOldCopy", "Copy", "Ctrl+Ins", "", &M::CmdClipboard, SelAny, nullptr, false, ftClipboard},
        {"acOldPaste", "Paste", "Shift+Ins", "", &M::CmdClipboard, Paste, nullptr, true, ftClipboard},
        {"acPasteSpecial", "Paste &Special...", "", "", &M::CmdClipboard, Paste, nullptr, true, ftClipboard},
        {"acSelectAll", "Select &All", "Ctrl+A", "Select all objects", &M::CmdSelectAll, nullptr, nullptr, true, ftSession, 0, "edit-select-all"},
        {"acDeleteSelected", "&Delete Selected", "Del", "Delete selected objects", &M::CmdDeleteSelected, SelAny, nullptr, true, ftSession, 0, "edit-delete"},
        {"acBringToFront", "&Bring to Front", "", "Bring selected objects to the front", &M::CmdArrange, SelAny, nullptr, true, A, 0, "zp-bring-front"},
        {"acSendToBack", "&Send to Back", "", "Send selected objects to the back", &M::CmdArrange, SelAny, nullptr, true, A, 0, "zp-send-back"},
        {"acGroup", "&Group", "", "Group selected objects", &M::CmdArrange, CanGroup, nullptr, true, A},
        {"acUngroup", "&Ungroup", "", "Ungroup selected objects", &M::CmdArrange, CanUngroup, nullptr, true, A},
        {"acRotate", "&Rotate", "", "Rotate selected objects", &M::CmdArrange, CanRotate, nullptr, true, A, 0, "object-rotate-right"},
        {"acFlipHorizontal", "Flip &Horizontal", "", "Flip image horizontally", &M::CmdArrange, IsPicture, nullptr, true, A, 0, "object-flip-horizontal"},
        {"acFlipVertical", "Flip &Vertical", "", "Flip image vertically", &M::CmdArrange, IsPicture, nullptr, true, A, 0, "object-flip-vertical"},
        {"acNormal", "Normal", "", "", &M::CmdArrange, IsText, nullptr, true, A, 0},
        {"acSuperScript", "SuperScript", "", "", &M::CmdArrange, IsText, nullptr, true, A, 1},
        {"acSubScript", "SubScript", "", "", &M::CmdArrange, IsText, nullptr, true, A, 2},
        {"acBold", "Bold", "", "Bold", &M::CmdFontStyle, HasFont, Bold, true, A, 1, "format-text-bold"},
        {"acItalic", "Italic", "", "Italic", &M::CmdFontStyle, HasFont, Italic, true, A, 2, "format-text-italic"},
        {"acUnderline", "Underline", "", "Underline", &M::CmdFontStyle, HasFont, Underline, true, A, 4, "format-text-underline"},
        {"acJustifyLeft", "Left Justify", "", "Left Justify", &M::CmdTextAlign, HasFont, Alignment<0>, true, A, 0, "format-justify-left"},
        {"acJustifyCenter", "Center", "", "Center", &M::CmdTextAlign, HasFont, Alignment<2>, true, A, 2, "format-justify-center"},
        {"acJustifyRight", "Right Justify", "", "Right Justify", &M::CmdTextAlign, HasFont, Alignment<1>, true, A, 1, "format-justify-right"},
        {"acJustifyFull", "Justify", "", "Justify", &M::CmdTextAlign, HasJustify, Alignment<3>, true, A, 3, "format-justify-fill"},
        {"acLabelProperties", "&Label Properties", "F7", "Edit the label properties", &M::CmdLabelProperties, nullptr, nullptr, true, ftNone, 0, "zp-label-properties"},
        {"acObjectProperties", "&Object Properties", "F11", "Edit object properties", &M::CmdObjectProperties, SelAny, nullptr, true, ftObjectProperties, 0, "document-properties"},
        // Align and Size
        {"acAlignLeft", "&Left", "", "Align selected objects along left edge", &M::CmdArrange, SelMany, nullptr, true, A, 0, "zp-align-left"},
        {"acAlignTop", "&Top", "", "Align selected objects along top edge", &M::CmdArrange, SelMany, nullptr, true, A, 1, "zp-align-top"},
        {"acAlignRight", "&Right", "", "Align selected objects along right edge", &M::CmdArrange, SelMany, nullptr, true, A, 2, "zp-align-right"},
        {"acAlignBottom", "&Bottom", "", "Align selected objects along bottom edge", &M::CmdArrange, SelMany, nullptr, true, A, 3, "zp-align-bottom"},
        {"acAlignVCenter", "&Vertical Center", "", "Align objects along vertical center", &M::CmdArrange, SelMany, nullptr, true, A, 4, "zp-align-vcenter"},
        {"acAlignHCenter", "&Horizontal Center", "", "Align objects along horizontal center", &M::CmdArrange, SelMany, nullptr, true, A, 5, "zp-align-hcenter"},
        {"acHCenter", "Center &horizontally", "", "Center selected objects horiztonally in the label", &M::CmdArrange, SelAny, nullptr, true, A, 6, "zp-center-horizontal"},
        {"acDistributeH", "Distribute &Horizontally", "", "Make equal gaps between the selected objects from left to right", &M::CmdArrange, SelThree, nullptr, true, A, 0, "zp-distribute-horizontal"},
        {"acDistributeV", "Distribute V&ertically", "", "Make equal gaps between the selected objects from top to bottom", &M::CmdArrange, SelThree, nullptr, true, A, 1, "zp-distribute-vertical"},
        {"acVCenter", "Center &Vertically in Label", "", "Center selected objects vertically in the label", &M::CmdArrange, SelAny, nullptr, true, A, 7, "zp-center-vertical"},
        {"acSizeHSmallest", "S&hrink to smallest (horizontal)", "", "", &M::CmdSize, nullptr, nullptr, true, A, 0},
        {"acSizeHLargest", "&Grow to largest (horizontal)", "", "", &M::CmdSize, nullptr, nullptr, true, A, 1},
        {"acSizeVSmallest", "&Shrink to smallest (vertical)", "", "", &M::CmdSize, nullptr, nullptr, true, A, 2},
        {"acSizeVLargest", "G&row to largest (vertical)", "", "", &M::CmdSize, nullptr, nullptr, true, A, 3},
        {"acSizeLabelWidth", "Size to label &width", "", "", &M::CmdSize, nullptr, nullptr, true, A, 4},
        {"acSizeLabelHeight", "Size to label &height", "", "", &M::CmdSize, nullptr, nullptr, true, A, 5},
        // View
        {"acViewRulers", "&Rulers", "", "View rulers", &M::CmdViewSetting, nullptr, ShowRulers, false, ftNone, 0},
        {"acViewGuides", "&Guides", "", "View Guides", &M::CmdViewSetting, nullptr, ShowGuides, false, ftNone, 1},
        {"acViewUnprintable", "&Unprintable Areas", "", "", &M::CmdViewSetting, nullptr, ShowUnprintable, false, ftNone, 2},
        {"acViewTBStandard", "&Standard", "", "", &M::CmdViewToolbar, nullptr, BarVisible<TZpToolbar::Standard>, false, ftNone, int(TZpToolbar::Standard)},
        {"acViewTBTools", "&Tools", "", "", &M::CmdViewToolbar, nullptr, BarVisible<TZpToolbar::Tools>, false, ftNone, int(TZpToolbar::Tools)},
        {"acViewTBFont", "F&ont", "", "", &M::CmdViewToolbar, nullptr, BarVisible<TZpToolbar::Font>, false, ftNone, int(TZpToolbar::Font)},
        {"acViewTBData", "&Data", "", "", &M::CmdViewToolbar, nullptr, BarVisible<TZpToolbar::Data>, false, ftNone, int(TZpToolbar::Data)},
        {"acViewTBFillStyle", "&Fill Style", "", "", &M::CmdViewToolbar, nullptr, BarVisible<TZpToolbar::FillStyle>, false, ftNone, int(TZpToolbar::FillStyle)},
        {"acViewTBLineStyle", "&Line Style", "", "", &M::CmdViewToolbar, nullptr, BarVisible<TZpToolbar::LineStyle>, false, ftNone, int(TZpToolbar::LineStyle)},
        {"acViewTBAlign", "&Align", "", "", &M::CmdViewToolbar, nullptr, BarVisible<TZpToolbar::Align>, false, ftNone, int(TZpToolbar::Align)},
        {"acZoomIn", "Zoom &In", "", "Zoom in", &M::CmdZoomIn, ZoomIn, nullptr, false, ftNone, 0, "zoom-in"},
        {"acZoomOut", "Zoom &Out", "", "Zoom out", &M::CmdZoomOut, ZoomOut, nullptr, false, ftNone, 0, "zoom-out"},
        {"acZoom25", "25%", "", "", &M::CmdZoomTo, nullptr, ZoomIs<25>, false, ftNone, 25},
        {"acZoom50", "50%", "", "", &M::CmdZoomTo, nullptr, ZoomIs<50>, false, ftNone, 50},
        {"acZoom75", "75%", "", "", &M::CmdZoomTo, nullptr, ZoomIs<75>, false, ftNone, 75},
        {"acZoom100", "&Actual Size", "", "", &M::CmdZoomTo, nullptr, ZoomIs<100>, false, ftNone, 100, "zoom-original"},
        {"acZoom200", "200%", "", "", &M::CmdZoomTo, nullptr, ZoomIs<200>, false, ftNone, 200},
        {"acZoom400", "400%", "", "", &M::CmdZoomTo, nullptr, ZoomIs<400>, false, ftNone, 400},
        // Tools
        {"acProgramOptions", "&Options...", "F2", "", &M::CmdProgramOptions, nullptr, nullptr, false, ftProgramOptions, 0, "preferences-system"},
        {"acLockLabel", "Lock Label", "", "Password-protect the label from changes", &M::CmdLockLabel, nullptr, Locked, false, ftNone, 0, "zp-lock"},
        {"acClearGuides", "&Clear Guides", "Alt+C", "Clear Guides", &M::CmdGuides, nullptr, nullptr, true, ftSession, 0},
        {"acLockGuides", "&Lock Guides", "Alt+L", "Lock Guides", &M::CmdViewSetting, nullptr, LockGuides, false, ftNone, 3},
        {"acPlaceGuides", "&Place Guides", "Alt+A", "Place guides", &M::CmdGuides, nullptr, nullptr, true, ftSession, 1},
        {"acSnapToGuides", "&Snap to Guides", "Alt+G", "Snap to Guides", &M::CmdViewSetting, nullptr, SnapGuides, false, ftNone, 4},
        {"acSnapRulers", "Snap to &Ruler Units", "Alt+R", "Snap to ruler units", &M::CmdViewSetting, nullptr, SnapRulers, false, ftNone, 5},
        // The tool palette: one radio group, the pointer first.
        {"acToolPointer", "Pointer", "", "Pointer", &M::CmdTool, nullptr, ToolIs<0>, true, ftNone, 0, "zp-tool-pointer"},
        {"acToolText", "Text", "", "Text", &M::CmdTool, nullptr, ToolIs<1>, true, ftTools, 1, "zp-tool-text"},
        {"acToolRectangle", "Rectangle", "", "Rectangle", &M::CmdTool, nullptr, ToolIs<2>, true, ftTools, 2, "zp-tool-rectangle"},
        {"acToolRoundRect", "Round Rectangle", "", "Round Rectangle", &M::CmdTool, nullptr, ToolIs<3>, true, ftTools, 3, "zp-tool-roundrect"},
        {"acToolCircle", "Circle", "", "Circle", &M::CmdTool, nullptr, ToolIs<4>, true, ftTools, 4, "zp-tool-circle"},
        {"acToolLine", "Line", "", "Line", &M::CmdTool, nullptr, ToolIs<5>, true, ftTools, 5, "zp-tool-line"},
        {"acToolConstrainedLine", "Constrained Line", "", "Constrained Line", &M::CmdTool, nullptr, ToolIs<6>, true, ftTools, 6, "zp-tool-constrained-line"},
        {"acToolBarcode", "Bar Code", "", "Bar Code", &M::CmdTool, nullptr, ToolIs<7>, true, ftTools, 7, "zp-tool-barcode"},
        {"acToolPicture", "Picture", "", "Picture", &M::CmdTool, nullptr, ToolIs<8>, true, ftTools, 8, "zp-tool-picture"},
        // Data
        {"acNewDatabase", "Create &new database", "", "Create a new database", &M::CmdDatabase, nullptr, nullptr, true, ftDatabaseMaintenance, 0},
        {"acEditDatabase", "&Edit database", "", "Edit database", &M::CmdDatabase, nullptr, nullptr, true, ftDatabaseMaintenance, 1},
        {"acConnectDatabase", "&Connect database to label", "", "Connect data to label", &M::CmdConnectDatabase, nullptr, nullptr, true, ftDataWindow, 0, "zp-database"},
        {"acDataFirst", "&First record", "", "Move to the first data record", &M::CmdDataMove, DataFirst, nullptr, false, ftNone, 0, "go-first"},
        {"acDataPrior", "&Previous Record", "", "Move to the previous data record", &M::CmdDataMove, DataFirst, nullptr, false, ftNone, 1, "go-previous"},
        {"acDataNext", "&Next Record", "", "Move to the next data record", &M::CmdDataMove, DataLast, nullptr, false, ftNone, 2, "go-next"},
        {"acDataLast", "&Last Record", "", "Move to the last data record", &M::CmdDataMove, DataLast, nullptr, false, ftNone, 3, "go-last"},
        {"acDataMarked", "Record &Marked", "", "Current record is marked for printing", &M::CmdDataMarked, DataAny, Marked, false, ftNone, 0, "zp-record-marked"},
        {"acDataRefresh", "&Refresh", "F5", "", &M::CmdDataRefresh, DataAny, nullptr, false, ftNone, 0, "view-refresh"},
        {"acDataFind", "&Find", "F3", "Find a database value", &M::CmdDataFind, DataAny, nullptr, false, ftFindRecord, 0, "edit-find"},
        // Help
        {"acHelpZentaprint", "&Zentaprint &Help", "F1", "", &M::CmdHelpTopic, nullptr, nullptr, false, ftNone, 13, "help-contents"},
        {"acHelpContents", "&Contents and Index", "", "", &M::CmdHelpTopic, nullptr, nullptr, false, ftNone, 0},
        {"acHelpTechSupport", "&Technical Support", "", "", &M::CmdHelpTopic, nullptr, nullptr, false, ftNone, 5},
        {"acHelpHowToCreateLabel", "&Create a new label", "", "", &M::CmdHelpTopic, nullptr, nullptr, false, ftNone, 136},
        {"acHelpHowToConnectDB", "Connect a &database to my label", "", "", &M::CmdHelpTopic, nullptr, nullptr, false, ftNone, 182},
        {"acHelpHowToTextBCGraphics", "Add &text, bar codes and graphics to your label", "", "", &M::CmdHelpTopic, nullptr, nullptr, false, ftNone, 111},
        {"acUpdateHelp", "&Update Help File", "", "Download &updated help file", &M::CmdUpdateHelp, HelpUpdate},
        {"acAbout", "&About...", "", "", &M::CmdAbout, nullptr, nullptr, false, ftNone, 0, "help-about"},
    };
    // clang-format on
}

} // namespace

const std::vector<TZpCommandRow>& CommandTable() {
    static const std::vector<TZpCommandRow> table = MakeTable();
    return table;
}

const TZpCommandRow* FindCommand(QAnyStringView id) {
    for (const TZpCommandRow& row : CommandTable())
        if (QAnyStringView::equal(id, QLatin1String(row.Id)))
            return &row;
    return nullptr;
}

TZpCommandLook EvaluateCommand(const TZpCommandRow& row, const TZpCommandState& state) {
    TZpCommandLook look;
    look.Enabled = state.Has(TZpFeature(row.Needs)) && (!row.Unlocked || !state.Locked) &&
                   (!row.Enabled || row.Enabled(state));
    look.Checked = row.Checked && row.Checked(state);
    look.Caption = row.ShownCaption ? row.ShownCaption(state) : QString::fromUtf8(row.Caption);
    return look;
}

bool ToolbarEnabled(TZpToolbar toolbar, const TZpCommandState& state) {
    switch (toolbar) {
    case TZpToolbar::Tools:
    case TZpToolbar::FillStyle:
    case TZpToolbar::LineStyle:
    case TZpToolbar::Align:
    case TZpToolbar::Font:
        return !state.Locked;
    default:
        return true;
    }
}

bool FormattingMenuEnabled(const TZpCommandState& state) {
    return state.LastIsText;
}

const std::vector<TZpMenuLayout>& MainMenuLayout() {
    // clang-format off
    static const std::vector<TZpMenuLayout> menus = {
        {"&File", {"acNew", "acOpen", "-", "acSave", "acSaveAs", "acSaveAsTemplate", "-", "acAcquireImage",
                   "acSelectDevice", "-", "acImport", "acExport", "-", "acPrintSetup", "acPrintPreview", "acPrint",
                   "-", "acExit"}},
        {"&Edit", {"acUndo", "acRedo", "-", "acCut", "acCopy", "acPaste", "acPasteSpecial", "-", "acSelectAll",
                   "acDeleteSelected", "-", "acBringToFront", "acSendToBack", "-", "acGroup", "acUngroup", "-",
                   "acRotate", "acFlipHorizontal", "acFlipVertical", ">Formatting", "acNormal", "acSuperScript",
                   "acSubScript", "<", "-", "acLabelProperties", "acObjectProperties"}},
        {"&View", {"acViewRulers", "acViewGuides", ">&Toolbars", "acViewTBStandard", "acViewTBTools", "acViewTBFont",
                   "acViewTBData", "acViewTBFillStyle", "acViewTBLineStyle", "acViewTBAlign", "<",
                   "acViewUnprintable", ">&Zoom", "acZoom25", "acZoom50", "acZoom75", "acZoom100", "acZoom200",
                   "acZoom400", "<"}},
        {"&Tools", {"acProgramOptions", "acLockLabel", "-", "acClearGuides", "acLockGuides", "acPlaceGuides",
                    "acSnapToGuides", "acSnapRulers"}},
        {"&Data", {"acNewDatabase", "acEditDatabase", "acConnectDatabase", "-", "acDataFirst", "acDataPrior",
                   "acDataNext", "acDataLast", "acDataRefresh"}},
        {"&Help", {"acHelpZentaprint", "acHelpContents", "acHelpTechSupport", ">H&ow Do I...",
                   "acHelpHowToCreateLabel", "acHelpHowToConnectDB", "acHelpHowToTextBCGraphics", "<",
                   "acUpdateHelp", "-", "acAbout"}},
    };
    // clang-format on
    return menus;
}

const std::vector<const char*>& ContextMenuLayout() {
    static const std::vector<const char*> entries = {"acCut",
                                                     "acCopy",
                                                     "acPaste",
                                                     "-",
                                                     "acSelectAll",
                                                     "acDeleteSelected",
                                                     "-",
                                                     ">A&lign",
                                                     "acAlignLeft",
                                                     "acAlignTop",
                                                     "acAlignRight",
                                                     "acAlignBottom",
                                                     "acAlignHCenter",
                                                     "acAlignVCenter",
                                                     "-",
                                                     "acDistributeH",
                                                     "acDistributeV",
                                                     "-",
                                                     "acHCenter|Center &Horizontally in Label",
                                                     "acVCenter",
                                                     "<",
                                                     ">Si&ze",
                                                     "acSizeHSmallest",
                                                     "acSizeHLargest",
                                                     "acSizeVSmallest",
                                                     "acSizeVLargest",
                                                     "-",
                                                     "acSizeLabelWidth",
                                                     "acSizeLabelHeight",
                                                     "<",
                                                     "-",
                                                     "acBringToFront",
                                                     "acSendToBack",
                                                     "-",
                                                     "acLabelProperties",
                                                     "acObjectProperties"};
    return entries;
}

const std::vector<const char*>& ToolbarLayout(TZpToolbar toolbar) {
    static const std::vector<const char*> standard = {"acNew",
                                                      "acOpen",
                                                      "acSave",
                                                      "-",
                                                      "acCut",
                                                      "acCopy",
                                                      "acPaste",
                                                      "-",
                                                      "acPrint",
                                                      "acPrintPreview",
                                                      "-",
                                                      "acBringToFront",
                                                      "acSendToBack",
                                                      "-",
                                                      "acRotate",
                                                      "acAcquireImage",
                                                      "acFlipHorizontal",
                                                      "acFlipVertical",
                                                      "acObjectProperties",
                                                      "-",
                                                      "acUndo",
                                                      "acRedo",
                                                      "-",
                                                      "acZoomIn",
                                                      "acZoomOut"};
    static const std::vector<const char*> font = {
        "acBold",        "acItalic",        "acUnderline",    "-",
        "acJustifyLeft", "acJustifyCenter", "acJustifyRight", "acJustifyFull"};
    static const std::vector<const char*> none;
    static const std::vector<const char*> align = {"acAlignLeft",
                                                   "acAlignTop",
                                                   "acAlignRight",
                                                   "acAlignBottom",
                                                   "acAlignHCenter",
                                                   "acAlignVCenter",
                                                   "-",
                                                   "acVCenter",
                                                   "acHCenter",
                                                   "-",
                                                   "acDistributeH",
                                                   "acDistributeV"};
    static const std::vector<const char*> tools = {
        "acToolPointer",         "acToolText",    "acToolRectangle",
        "acToolRoundRect",       "acToolCircle",  "acToolLine",
        "acToolConstrainedLine", "acToolBarcode", "acToolPicture"};
    static const std::vector<const char*> data = {"acConnectDatabase", "acDataFirst", "acDataPrior",
                                                  "acDataNext",        "acDataLast",  "acDataFind",
                                                  "acDataMarked"};
    switch (toolbar) {
    case TZpToolbar::Standard:
        return standard;
    case TZpToolbar::Font:
        return font;
    case TZpToolbar::Align:
        return align;
    case TZpToolbar::Tools:
        return tools;
    case TZpToolbar::Data:
        return data;
    default:
        return none;
    }
}

const TZpToolbarInfo& ToolbarInfo(TZpToolbar toolbar) {
    static const TZpToolbarInfo info[kToolbarCount] = {{"tbStandard", "Standard", "acViewTBStandard"},
                                                       {"tbFont", "Font", "acViewTBFont"},
                                                       {"tbFillStyle", "Fill Style", "acViewTBFillStyle"},
                                                       {"tbLineStyle", "Line Style", "acViewTBLineStyle"},
                                                       {"tbAlign", "Align", "acViewTBAlign"},
                                                       {"tbTools", "Tools", "acViewTBTools"},
                                                       {"tbData", "Data", "acViewTBData"}};
    return info[int(toolbar)];
}

} // namespace zp
