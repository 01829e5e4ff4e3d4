// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <array>
#include <cstdint>

namespace zp {

/// The main window's toolbars, in the order of View > Toolbars' storage.
enum class TZpToolbar : uint8_t { Standard, Font, FillStyle, LineStyle, Align, Tools, Data };
constexpr int kToolbarCount = 7;

/// Work of other parts of the program that a command needs. A command whose
/// work is not installed stays disabled (see TZpCommandHooks).
enum TZpFeature : uint32_t {
    ftNone = 0,
    ftClipboard = 1u << 0,
    ftArrangement = 1u << 1,
    ftObjectProperties = 1u << 2,
    ftProgramOptions = 1u << 3,
    ftDataWindow = 1u << 4,
    ftDatabaseMaintenance = 1u << 5,
    ftTextImport = 1u << 6,
    ftTools = 1u << 7,
    ftSession = 1u << 8, ///< undo, guides and selection of the editing session
    ftScanner = 1u << 9,
    ftFindRecord = 1u << 10,
};

/// Everything the enabled, checked and caption rules of the commands look
/// at, read from the label, the selection and the program in one place.
struct TZpCommandState {
    int SelectedCount = 0;
    bool Locked = false;
    bool CanUndo = false;
    bool CanRedo = false;
    QString UndoCaption; ///< what undo would undo ("Move"), empty when nothing
    QString RedoCaption;
    bool Modified = false;
    bool PrinterPresent = true;
    int Zoom = 100;
    int Tool = 0;         ///< 0 the pointer, 1 to 8 the drawing tools in palette order
    bool Editing = false; ///< an in-place editor is open
    bool ClipboardHasLabelData = false;
    bool CanGroup = false;
    bool CanUngroup = false;
    // The last selected object's capabilities.
    bool LastCanRotate = false;
    bool LastIsPicture = false;
    bool LastIsText = false;
    bool LastIsBarcode = false;
    bool HasFont = false;
    bool HasFill = false;
    bool HasLine = false;
    bool FontBold = false;
    bool FontItalic = false;
    bool FontUnderline = false;
    int TextAlignment = 0; ///< 0 left, 1 right, 2 centre, 3 justified
    // View and guide settings of the label.
    bool ShowRulers = true;
    bool ShowGuides = true;
    bool ShowUnprintable = false;
    bool LockGuides = false;
    bool SnapToGuides = true;
    bool SnapToRulers = false;
    std::array<bool, kToolbarCount> ToolbarVisible{true, true, false, false, false, true, true};
    // The label's data.
    bool HasRecords = false;
    bool AtFirstRecord = true;
    bool AtLastRecord = true;
    bool RecordMarked = false;
    bool HelpUpdateConfigured = false;
    uint32_t Features = ftNone;

    [[nodiscard]] bool Has(TZpFeature feature) const { return (Features & feature) == feature; }
};

} // namespace zp
