// SPDX-License-Identifier: MIT
#pragma once

#include "model/document/LabelDocument.h"
#include "ui/RecentFiles.h"
#include "ui/commands/CommandHooks.h"
#include "ui/commands/CommandTable.h"

#include <QAnyStringView>
#include <QHash>
#include <QMainWindow>
#include <QPointer>
#include <array>
#include <functional>
#include <memory>
#include <optional>

class QAction;
class QActionGroup;
class QComboBox;
class QDoubleSpinBox;
class QFontComboBox;
class QLabel;
class QMenu;
class QSpinBox;
class QToolBar;

namespace zp {

class TZpAutosave;
class TZpColorField;
class TZpDesignArea;
class TZpEditSession;
class TZpScanner;
struct TZpLineChoice;

/// The program's main window: the label in the design area, the menus,
/// toolbars and status bar made from the command table, and the file,
/// printing and data flows. It exists (hidden) in every run so the command
/// line and automation reach the same label.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    [[nodiscard]] TZpLabelDocument& Document() { return *FDocument; }
    /// The editing session whose document is the window's label.
    [[nodiscard]] TZpEditSession& Session() { return *FSession; }
    [[nodiscard]] TZpDesignArea* DesignArea() const { return zpDesign; }
    /// The label's name in the caption and as the title of print jobs:
    /// "New Label", or the opened file's name without folder and extension.
    [[nodiscard]] const QString& LabelName() const { return FLabelName; }
    /// Loads the label file with its connections, names the label after it,
    /// lists it among the recent files and adopts the printer. Raises on failure.
    void OpenFile(const QString& fileName);
    /// "Print Labels" on the label; false when cancelled, and at once when
    /// nobody could answer it (no display).
    [[nodiscard]] bool PrintDialog();
    /// The label document's print and preview commands under a job title.
    void Print(const QString& title);
    void Preview(const QString& title);

    /// Asks to save a modified label; false when the user cancelled or the
    /// save did not complete. With clear, the label is then emptied.
    bool ConfirmDiscard(bool clear = true);
    /// Saves the label under the name; false when the write failed (said in a message).
    bool SaveFile(const QString& fileName);
    /// Lists the file first among the recent files and in the desktop's list.
    void AddRecentFile(const QString& fileName);
    /// Offers the copy of a label a previous run left unsaved; true when restored.
    bool OfferAutosaveRestore();
    /// Opens recent file n (from 0) after ConfirmDiscard.
    void OpenRecentFile(int index);
    /// Files dropped from the desktop: exactly one ".zp3" or ".lbl" opens.
    void DropFiles(const QStringList& files);
    /// Takes the resolution, page size and orientation from the selected
    /// printer, or the screen's resolution (with a warning) without one.
    void AdoptPrinter();
    /// Recomputes the title, the toolbars and every command's state.
    void UpdateCommandStates();
    [[nodiscard]] TZpCommandState CommandState() const;

    [[nodiscard]] QAction* Action(QAnyStringView id) const;
    [[nodiscard]] QToolBar* Toolbar(TZpToolbar toolbar) const { return FToolbars[size_t(toolbar)]; }
    [[nodiscard]] TZpRecentFiles& RecentFiles() { return FRecent; }
    [[nodiscard]] QMenu* ContextMenu() const { return puMenu; }
    [[nodiscard]] QLabel* StatusPanel(int index) const { return FPanels[size_t(index)]; }
    /// Where other parts of the program plug their work into the commands;
    /// call UpdateCommandStates after changing them.
    [[nodiscard]] TZpCommandHooks& Hooks() { return FHooks; }
    [[nodiscard]] TZpAutosave& Autosave() { return *FAutosave; }

    /// The label file to open: the open dialog with its preview by default.
    std::function<std::optional<QString>()> ChooseLabelFile;
    /// The new-label dialog on the document; true on OK.
    std::function<bool()> RunNewLabelDialog;
    /// The page-setup dialog; true on OK.
    std::function<bool()> RunPageSetup;

    // Command handlers, reached through the command table's rows.
    void CmdNew(const TZpCommandRow& row);
    void CmdOpen(const TZpCommandRow& row);
    void CmdSave(const TZpCommandRow& row);
    void CmdSaveAs(const TZpCommandRow& row);
    void CmdSaveAsTemplate(const TZpCommandRow& row);
    void CmdAcquireImage(const TZpCommandRow& row);
    void CmdSelectDevice(const TZpCommandRow& row);
    void CmdImport(const TZpCommandRow& row);
    void CmdExport(const TZpCommandRow& row);
    void CmdPageSetup(const TZpCommandRow& row);
    void CmdPrintPreview(const TZpCommandRow& row);
    void CmdPrint(const TZpCommandRow& row);
    void CmdExit(const TZpCommandRow& row);
    void CmdUndo(const TZpCommandRow& row);
    void CmdRedo(const TZpCommandRow& row);
    void CmdClipboard(const TZpCommandRow& row);
    void CmdSelectAll(const TZpCommandRow& row);
    void CmdDeleteSelected(const TZpCommandRow& row);
    void CmdArrange(const TZpCommandRow& row);
    void CmdSize(const TZpCommandRow& row);
    void CmdFontStyle(const TZpCommandRow& row);
    void CmdTextAlign(const TZpCommandRow& row);
    void CmdLabelProperties(const TZpCommandRow& row);
    void CmdObjectProperties(const TZpCommandRow& row);
    void CmdViewSetting(const TZpCommandRow& row);
    void CmdViewToolbar(const TZpCommandRow& row);
    void CmdZoomIn(const TZpCommandRow& row);
    void CmdZoomOut(const TZpCommandRow& row);
    void CmdZoomTo(const TZpCommandRow& row);
    void CmdProgramOptions(const TZpCommandRow& row);
    void CmdLockLabel(const TZpCommandRow& row);
    void CmdGuides(const TZpCommandRow& row);
    void CmdTool(const TZpCommandRow& row);
    void CmdDatabase(const TZpCommandRow& row);
    void CmdConnectDatabase(const TZpCommandRow& row);
    void CmdDataMove(const TZpCommandRow& row);
    void CmdDataMarked(const TZpCommandRow& row);
    void CmdDataRefresh(const TZpCommandRow& row);
    void CmdDataFind(const TZpCommandRow& row);
    void CmdHelpTopic(const TZpCommandRow& row);
    void CmdUpdateHelp(const TZpCommandRow& row);
    void CmdAbout(const TZpCommandRow& row);

    /// Sets the zoom of the label in percent.
    void SetZoom(int percent);
    /// The position panel for a pointer at the label point (screen pixels at 100 %).
    void ShowPointerPosition(QPointF labelScreenPixels);

protected:
    void closeEvent(QCloseEvent* event) override;
    bool event(QEvent* event) override;
    void moveEvent(QMoveEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void dragEnterEvent(QDragEnterEvent* event) override;
    void dropEvent(QDropEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void BuildActions();
    void BuildMenus();
    QMenu* BuildMenu(QMenu* menu, const std::vector<const char*>& entries);
    void BuildToolbars();
    void BuildStyleBars();
    void BuildStatusBar();
    void UpdateRecentMenu();
    void UpdateStyleBars(const TZpCommandState& state);
    void RunCommand(const TZpCommandRow& row);
    void ReportError(const std::exception& e);
    void SetLabelName(const QString& name);
    void AfterFileChange(const QString& fileName);
    void SaveAs();
    void ApplyLineChoice(const TZpLineChoice& choice);
    void SendStyle(const TZpStyleEdit& edit);

    [[nodiscard]] TZpObjectList SelectedObjects() const;
    void RestoreSettings();
    void StoreSettings();
    void CheckPrinterList();
    void RepaintLabel();
    void InstallSessionHooks();

    std::unique_ptr<TZpEditSession> FSession;
    /// The session's document.
    TZpLabelDocument* FDocument;
    QString FLabelName = QStringLiteral("New Label");
    TZpCommandHooks FHooks;
    TZpRecentFiles FRecent;
    std::unique_ptr<TZpAutosave> FAutosave;
    std::unique_ptr<TZpScanner> FScanner;
    TZpDesignArea* zpDesign = nullptr;
    /// The data window, while it is open.
    QPointer<QWidget> FFieldChooser;
    QHash<QString, QAction*> FActions;
    std::array<QToolBar*, kToolbarCount> FToolbars{};
    std::array<QLabel*, 4> FPanels{};
    QMenu* mnuFile = nullptr;
    QMenu* puMenu = nullptr;
    QMenu* puZoom = nullptr;
    QList<QAction*> FRecentActions;
    QAction* FRecentSeparator = nullptr;
    QMenu* mnuFormatting = nullptr;
    // Font, fill and line bars.
    QFontComboBox* cmbFontName = nullptr;
    QSpinBox* spnFontSize = nullptr;
    TZpColorField* edtFontColor = nullptr;
    TZpColorField* edtFillColor = nullptr;
    QComboBox* cmbFillStyle = nullptr;
    QComboBox* cmbFillTransparent = nullptr;
    QLabel* lblFillTransparent = nullptr;
    TZpColorField* edtLineColor = nullptr;
    QComboBox* cmbLineStyle = nullptr;
    QDoubleSpinBox* spnLineWidth = nullptr;
    /// Set while UpdateCommandStates fills the toolbars, so their change
    /// handlers do nothing.
    bool FUpdating = false;
    int FTool = 0;
    /// A temporary object of the current drawing tool's class: with nothing
    /// selected the font bar shows its default font.
    TZpObjectPtr FToolObject;
    QPoint FLastPosition;
    QStringList FPrinterList;
};

} // namespace zp
