// SPDX-License-Identifier: MIT
// The main window's commands other than the file flows: printing, export,
// scanning, editing hand-overs, view, data and help.
#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "design/edit/EditSession.h"
#include "design/view/DesignArea.h"
#include "model/objects/Interfaces.h"
#include "model/picture/AcquireImage.h"
#include "model/stock/dialogs/LabelInfoDialog.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/Printer.h"
#include "platform/scanning/Scanner.h"
#include "platform/store/SettingsStore.h"
#include "print/PrintCommands.h"
#include "print/dialogs/LabelPrintDialog.h"
#include "print/dialogs/PageSetup.h"
#include "settings/AppOptions.h"
#include "ui/ExportImage.h"
#include "ui/HelpWindow.h"
#include "ui/MainWindow.h"
#include "ui/Version.h"

#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QInputDialog>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>
#include <QVBoxLayout>
#include <cstdio>

namespace zp {

namespace {

const QString kNoPrinterWarning = QStringLiteral(
    "No printers are installed, or the selected printer could not be initialized.  Labels will be "
    "rendered to display resolution.");

// Hourglass for the length of a block.
class TWaitCursor {
public:
    TWaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

} // namespace

// ----- printer

void TfrmMain::AdoptPrinter() {
    TZpLabelDocument& doc = *FDocument;
    QString name;
    int dpi = 0;
    try {
        TZpPrinter& printer = ZpPrinter();
        FPrinterList = printer.Printers();
        if (!FPrinterList.isEmpty()) {
            const TPoint resolution = printer.DotsPerInch();
            if (resolution.X > 0 && resolution.Y > 0) {
                // The page size stays the label's own: it comes with the label
                // stock, and the printer's paper (the "PDF" device's is always
                // Letter) would change how many labels go on a sheet.
                if (int(printer.Orientation()) != doc.Layout().PageOrientation)
                    doc.Layout().SwapOrientation();
                dpi = resolution.X;
                name = printer.PrinterName();
            }
        }
    } catch (const std::exception&) {
        dpi = 0;
    }
    const bool display = dpi <= 0;
    if (display) {
        FPrinterList.clear();
        dpi = ScreenPixelsPerInch();
        name = QStringLiteral("Display");
    }
    if (doc.Environment().DPI() != dpi)
        RescaleLabel(dpi, doc.Environment(), doc.Objects());
    SetLabelDPI(dpi);
    FPanels[0]->setText(QStringLiteral("%1 (%2 DPI)").arg(name).arg(dpi));
    RepaintLabel();
    if (display)
        ShowMessage(TZpMsgKind::Warning, kNoPrinterWarning);
}

void TfrmMain::CheckPrinterList() {
    // Queues added or removed while the program ran show up here.
    try {
        TZpPrinter& printer = ZpPrinter();
        if (printer.Printing())
            return;
        const QString current = FPrinterList.isEmpty() ? QString() : printer.PrinterName();
        printer.Refresh();
        const QStringList now = printer.Printers();
        if (now == FPrinterList)
            return;
        if (!current.isEmpty() && printer.IndexOfPrinter(current) >= 0 && printer.PrinterName() != current)
            printer.SetPrinterIndex(printer.IndexOfPrinter(current));
    } catch (const std::exception&) {
        // AdoptPrinter says what is wrong.
    }
    AdoptPrinter();
    UpdateCommandStates();
}

bool TfrmMain::event(QEvent* event) {
    if (event->type() == QEvent::WindowActivate && isVisible())
        CheckPrinterList();
    return QMainWindow::event(event);
}

bool TfrmMain::PrintDialog() {
    if (!ZpDialogs().IsInteractive()) {
        std::fprintf(stderr,
                     "zentaprint: \"Print Labels\" needs a person to answer it; the job is cancelled\n");
        return false;
    }
    return ShowPrintDialog(this, FDocument->PrintInfo(), FDocument->Environment().Connections(),
                           FDocument->Layout());
}

void TfrmMain::Print(const QString& title) {
    TZpObjectList selection;
    (void)PrintDocument(*FDocument, FDocument->PrintInfo(), title, selection);
}

void TfrmMain::Preview(const QString& title) {
    TZpObjectList selection;
    (void)PreviewDocument(*FDocument, FDocument->PrintInfo(), title, selection);
}

void TfrmMain::CmdPageSetup(const TZpCommandRow&) {
    const bool ok = RunPageSetup ? RunPageSetup() : ShowPageSetup(this);
    if (ok)
        AdoptPrinter();
}

void TfrmMain::CmdPrintPreview(const TZpCommandRow&) {
    // A text object being edited is drawn only once its edit is stored.
    zpDesign->EndInPlaceEdit();
    if (!PrintDialog())
        return;
    AdoptPrinter();
    Preview(FLabelName);
}

void TfrmMain::CmdPrint(const TZpCommandRow&) {
    // A text object being edited is drawn only once its edit is stored.
    zpDesign->EndInPlaceEdit();
    if (!PrintDialog())
        return;
    AdoptPrinter();
    Print(FLabelName);
    RepaintLabel();
}

// ----- import, export, scanning

void TfrmMain::CmdImport(const TZpCommandRow&) {
    const std::optional<QString> name = ZpDialogs().OpenFileName(
        QStringLiteral("Select an ASCII file"), QString(), QStringLiteral("Text Files (*.txt)"));
    if (!name || !QFileInfo(*name).isFile())
        return;
    FHooks.ImportTextFile(*name);
    RepaintLabel();
}

void TfrmMain::CmdExport(const TZpCommandRow&) {
    // A text object being edited is drawn only once its edit is stored.
    zpDesign->EndInPlaceEdit();
    std::optional<QString> name =
        ZpDialogs().SaveFileName(QStringLiteral("Export to Image"), QString(), kExportImageFilter);
    if (!name || name->isEmpty())
        return;
    if (QFileInfo(*name).suffix().isEmpty())
        *name += QStringLiteral(".bmp");
    TWaitCursor wait;
    ExportObjectsToImage(SelectedObjects(), *name,
                         AppOptions().ExportPrinterDPI ? LabelDPI() : ScreenPixelsPerInch());
}

void TfrmMain::CmdAcquireImage(const TZpCommandRow&) {
    const TZpObjectList selection = SelectedObjects();
    if (selection.size() != 1)
        return;
    if (auto* picture = Supports<IZpGraphic>(selection.back())) {
        if (AcquireImage(*picture, *FScanner)) {
            FDocument->SetModified(true);
            RepaintLabel();
        }
    }
}

void TfrmMain::CmdSelectDevice(const TZpCommandRow&) {
    QStringList devices;
    {
        TWaitCursor wait;
        devices = FScanner->Devices();
    }
    if (devices.isEmpty()) {
        ShowMessage(TZpMsgKind::Warning, kNoScannerMessage);
        return;
    }
    bool ok = false;
    const int current = std::max<int>(0, int(devices.indexOf(FScanner->SelectedDevice())));
    const QString chosen =
        QInputDialog::getItem(this, QStringLiteral("Select Device"), QStringLiteral("Scanner or camera:"),
                              devices, current, false, &ok);
    if (ok)
        FScanner->SelectDevice(chosen);
}

// ----- editing hand-overs

TZpObjectList TfrmMain::SelectedObjects() const {
    return FSession->Selection();
}

void TfrmMain::CmdUndo(const TZpCommandRow& row) {
    FHooks.SessionCommand(QString::fromUtf8(row.Id));
    RepaintLabel();
}

void TfrmMain::CmdRedo(const TZpCommandRow& row) {
    CmdUndo(row);
}

void TfrmMain::CmdSelectAll(const TZpCommandRow& row) {
    CmdUndo(row);
}

void TfrmMain::CmdDeleteSelected(const TZpCommandRow& row) {
    CmdUndo(row);
}

void TfrmMain::CmdGuides(const TZpCommandRow& row) {
    CmdUndo(row);
}

void TfrmMain::CmdClipboard(const TZpCommandRow& row) {
    QString id = QString::fromUtf8(row.Id);
    id.replace(QLatin1String("acOld"), QLatin1String("ac"));
    FHooks.Clipboard(id);
    RepaintLabel();
}

void TfrmMain::CmdArrange(const TZpCommandRow& row) {
    FHooks.Arrange(QString::fromUtf8(row.Id), row.Tag);
    RepaintLabel();
}

void TfrmMain::CmdSize(const TZpCommandRow& row) {
    CmdArrange(row);
}

void TfrmMain::CmdFontStyle(const TZpCommandRow& row) {
    SendStyle({TZpStyleEdit::FontStyle, {}, row.Tag, Action(QLatin1String(row.Id))->isChecked()});
}

void TfrmMain::CmdTextAlign(const TZpCommandRow& row) {
    SendStyle({TZpStyleEdit::TextAlignment, {}, row.Tag});
}

void TfrmMain::CmdLabelProperties(const TZpCommandRow&) {
    TfrmDialogLabelInfo dialog(FDocument->Layout(), this);
    dialog.Initialize();
    if (dialog.exec() != QDialog::Accepted)
        return;
    // The layout is saved with the label, so a changed one is a change.
    FDocument->SetModified(true);
    RepaintLabel();
}

void TfrmMain::CmdObjectProperties(const TZpCommandRow&) {
    FHooks.EditObjectProperties();
    RepaintLabel();
}

void TfrmMain::CmdProgramOptions(const TZpCommandRow&) {
    FHooks.ProgramOptions();
    RepaintLabel();
}

// ----- view and tools

void TfrmMain::CmdViewSetting(const TZpCommandRow& row) {
    TZpIDEProperties& env = FDocument->Environment();
    bool* settings[] = {&env.ShowRulers, &env.ShowGuides,   &env.ShowUnprintable,
                        &env.LockGuides, &env.SnapToGuides, &env.SnapToRulers};
    bool& value = *settings[row.Tag];
    value = !value;
    RepaintLabel();
}

void TfrmMain::CmdViewToolbar(const TZpCommandRow& row) {
    QToolBar* bar = Toolbar(TZpToolbar(row.Tag));
    bar->setVisible(bar->isHidden());
}

void TfrmMain::CmdZoomIn(const TZpCommandRow&) {
    SetZoom(ZoomInStep(FDocument->Environment().Scale()));
}

void TfrmMain::CmdZoomOut(const TZpCommandRow&) {
    SetZoom(ZoomOutStep(FDocument->Environment().Scale()));
}

void TfrmMain::CmdZoomTo(const TZpCommandRow& row) {
    SetZoom(row.Tag);
}

void TfrmMain::CmdLockLabel(const TZpCommandRow&) {
    TZpIDEProperties& env = FDocument->Environment();
    const bool was = env.IsLocked();
    env.SetLocked(!was);
    if (env.IsLocked() != was)
        FDocument->SetModified(true);
    if (env.IsLocked())
        FSession->ClearSelection();
}

void TfrmMain::CmdTool(const TZpCommandRow& row) {
    FSession->ClearSelection();
    FTool = row.Tag;
    if (FHooks.SetTool)
        FHooks.SetTool(row.Tag);
}

// ----- data

void TfrmMain::CmdDatabase(const TZpCommandRow& row) {
    const bool create = row.Tag == 0;
    FHooks.EditDatabase(create);
    if (!create) {
        TWaitCursor wait;
        FDocument->Connections().Reopen();
        FDocument->RefreshDataValues();
        RepaintLabel();
    }
}

void TfrmMain::CmdConnectDatabase(const TZpCommandRow&) {
    FHooks.ConnectDatabase();
    RepaintLabel();
}

void TfrmMain::CmdDataMove(const TZpCommandRow& row) {
    TWaitCursor wait;
    switch (row.Tag) {
    case 0:
        FDocument->DataFirst();
        break;
    case 1:
        (void)FDocument->DataPrior();
        break;
    case 2:
        (void)FDocument->DataNext();
        break;
    default:
        FDocument->DataLast();
        break;
    }
    RepaintLabel();
}

void TfrmMain::CmdDataMarked(const TZpCommandRow&) {
    TZpDataConnections& data = FDocument->Connections();
    data.SetMarked(!data.IsMarked());
}

void TfrmMain::CmdDataRefresh(const TZpCommandRow&) {
    TWaitCursor wait;
    FDocument->DataRefresh();
    RepaintLabel();
}

void TfrmMain::CmdDataFind(const TZpCommandRow&) {
    if (FHooks.FindRecord()) {
        FDocument->RefreshDataValues();
        RepaintLabel();
    }
}

// ----- help

void TfrmMain::CmdHelpTopic(const TZpCommandRow& row) {
    ShowHelpTopic(row.Tag, this);
}

void TfrmMain::CmdUpdateHelp(const TZpCommandRow&) {
    const QString question =
        QStringLiteral("Downloading the most recent help files requires an internet connection.\r\nThe "
                       "process will take a few "
                       "moments and your existing Zentaprint help files will be replaced.\r\nProceed?");
    if (ZpDialogs().MessageBox(TZpMsgKind::Confirmation, question, TZpButtons::OkCancel, TZpAnswer::Cancel) !=
        TZpAnswer::Ok)
        return;
    TWaitCursor wait;
    UpdateHelpPages(
        ZpStore().ReadString(QStringLiteral("Help"), QStringLiteral("Update Address"), QString()));
}

void TfrmMain::CmdAbout(const TZpCommandRow&) {
    QDialog about(this);
    about.setObjectName(QStringLiteral("frmAbout"));
    about.setWindowTitle(QStringLiteral("About Zentaprint"));
    about.setAccessibleName(QStringLiteral("About Zentaprint"));
    auto* layout = new QVBoxLayout(&about);
    auto* title = new QLabel(QStringLiteral("<h2>Zentaprint</h2>"), &about);
    auto* version = new QLabel(ProgramVersionLine(), &about);
    version->setObjectName(QStringLiteral("lblVersion"));
    auto* licence =
        new QLabel(QStringLiteral("Label design and printing.\nReleased under the MIT License."), &about);
    licence->setObjectName(QStringLiteral("lblLicence"));
    for (QLabel* l : {title, version, licence}) {
        l->setTextInteractionFlags(Qt::TextSelectableByMouse);
        l->setAccessibleName(l->text().remove(QRegularExpression(QStringLiteral("<[^>]*>"))));
        layout->addWidget(l);
    }
    if (const QString vendor = VendorAboutMessage(); !vendor.isEmpty()) {
        auto* v = new QLabel(vendor, &about);
        v->setAccessibleName(vendor);
        layout->addWidget(v);
    }
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, &about);
    buttons->button(QDialogButtonBox::Ok)->setAccessibleName(QStringLiteral("OK"));
    connect(buttons, &QDialogButtonBox::accepted, &about, &QDialog::accept);
    layout->addWidget(buttons);
    about.exec();
}

} // namespace zp
