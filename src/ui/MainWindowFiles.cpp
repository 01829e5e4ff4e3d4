// SPDX-License-Identifier: MIT
// The main window's file flows: new, open, save, recent and dropped files,
// the close question, and the automatic copies of a modified label.
#include "base/Errors.h"
#include "design/edit/EditSession.h"
#include "design/view/DesignArea.h"
#include "files/LabelFile.h"
#include "model/data/ZpData.h"
#include "model/objects/Interfaces.h"
#include "model/stock/dialogs/NewLabelDialog.h"
#include "model/stock/dialogs/SaveAsTemplateDialog.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/store/SettingsStore.h"
#include "settings/AppOptions.h"
#include "settings/LabelFormatSettings.h"
#include "ui/Autosave.h"
#include "ui/MainWindow.h"
#include "ui/OpenLabelDialog.h"

#include <QApplication>
#include <QBuffer>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMimeData>
#include <QToolBar>

namespace zp {

namespace {

const QString kModifiedQuestion =
    QStringLiteral("The current label has been modified.  Do you want to save your changes?");
const QString kLastUsed = QStringLiteral("Last Used");
const QString kLastDir = QStringLiteral("Last Dir");
const QString kLabelMimeType = QStringLiteral("application/x-zentaprint-label");

QString LastFolder() {
    return ZpStore().ReadString(kLastUsed, kLastDir, PersonalFolder());
}

void RememberFolder(const QString& fileName) {
    ZpStore().WriteString(kLastUsed, kLastDir, QFileInfo(fileName).absolutePath());
}

// The one file of a drop that may open: exactly one, named ".zp3" or ".lbl".
std::optional<QString> DroppedLabel(const QList<QUrl>& urls) {
    if (urls.size() != 1 || !urls.first().isLocalFile())
        return std::nullopt;
    const QString file = urls.first().toLocalFile();
    const QString suffix = QFileInfo(file).suffix();
    if ((suffix != QLatin1String("zp3") && suffix != QLatin1String("lbl")) || !QFileInfo(file).isFile())
        return std::nullopt;
    return file;
}

} // namespace

void TfrmMain::SetLabelName(const QString& name) {
    FLabelName = name;
    setWindowTitle(QStringLiteral("%1 - Zentaprint").arg(FLabelName));
}

bool TfrmMain::ConfirmDiscard(bool clear) {
    if (FDocument->Modified()) {
        const TZpAnswer answer = ZpDialogs().MessageBox(TZpMsgKind::Confirmation, kModifiedQuestion,
                                                        TZpButtons::YesNoCancel, TZpAnswer::Cancel);
        if (answer == TZpAnswer::Cancel)
            return false;
        if (answer == TZpAnswer::Yes) {
            CmdSave(*FindCommand(u"acSave"));
            if (FDocument->Modified())
                return false;
        }
    }
    if (clear) {
        FSession->NewLabel();
        FAutosave->Discard();
    }
    return true;
}

void TfrmMain::OpenFile(const QString& fileName) {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    // The current label is kept as bytes, so that it comes back as it was
    // when the file cannot be read.
    TZpLabelDocument& doc = *FDocument;
    QByteArray backup;
    {
        QBuffer buffer(&backup);
        buffer.open(QIODevice::WriteOnly);
        WriteLabel(buffer, doc.Objects(), doc.Environment(), doc.Layout());
    }
    const QString oldName = doc.FileName();
    const bool oldModified = doc.Modified();
    try {
        // Reading is apart from applying: the process changes only once the
        // whole file was read.
        FSession->LoadFromFile(fileName);
    } catch (...) {
        try {
            QBuffer buffer(&backup);
            buffer.open(QIODevice::ReadOnly);
            doc.Objects().clear();
            LoadLabelFromDevice(buffer, doc.Objects(), doc.Environment(), doc.Layout(), true);
            for (const TZpObjectPtr& obj : doc.Objects())
                if (auto* data = Supports<IZpData>(obj))
                    data->SetConnections(&doc.Environment().Connections());
            doc.AfterLoad(oldName);
        } catch (const std::exception&) {
            // Our own bytes of a moment ago; nothing more to do if even they fail.
        }
        doc.SetFileName(oldName);
        doc.SetModified(oldModified);
        FSession->Notify(kAllChanges);
        QApplication::restoreOverrideCursor();
        throw;
    }
    FAutosave->Discard();
    SetLabelName(QFileInfo(fileName).completeBaseName());
    AddRecentFile(fileName);
    RememberFolder(fileName);
    AdoptPrinter();
    RepaintLabel();
    UpdateCommandStates();
    QApplication::restoreOverrideCursor();
}

void TfrmMain::AddRecentFile(const QString& fileName) {
    const QString path = QFileInfo(fileName).absoluteFilePath();
    FRecent.Add(path);
    FRecent.Save(ZpStore());
    UpdateRecentMenu();
    AddToDesktopRecentFiles(path, kLabelMimeType);
}

bool TfrmMain::SaveFile(const QString& fileName) {
    // What is being typed in place goes into the file too.
    zpDesign->EndInPlaceEdit();
    try {
        SaveLabelDocument(*FDocument, fileName);
    } catch (const EZpAbort&) {
        return false;
    } catch (const std::exception& e) {
        ReportError(e);
        return false;
    }
    FAutosave->Discard();
    SetLabelName(QFileInfo(fileName).completeBaseName());
    AddRecentFile(fileName);
    RememberFolder(fileName);
    UpdateCommandStates();
    return true;
}

void TfrmMain::SaveAs() {
    const QString folder =
        FDocument->FileName().isEmpty() ? LastFolder() : QFileInfo(FDocument->FileName()).absolutePath();
    std::optional<QString> name = ZpDialogs().SaveFileName(
        QStringLiteral("Save As"), folder + QLatin1Char('/') + FLabelName + QStringLiteral(".zp3"),
        QStringLiteral("Zentaprint 3.0 Files (*.zp3)"));
    if (!name || name->isEmpty())
        return;
    if (QFileInfo(*name).suffix().isEmpty())
        *name += QStringLiteral(".zp3");
    SaveFile(*name);
}

void TfrmMain::CmdNew(const TZpCommandRow&) {
    if (!ConfirmDiscard())
        return;
    const bool ok = RunNewLabelDialog ? RunNewLabelDialog() : [this] {
        TfrmDialogNewLabel dialog(*FDocument, this);
        return dialog.exec() == QDialog::Accepted;
    }();
    // The label was emptied either way; it is new now.
    SetLabelName(QStringLiteral("New Label"));
    if (ok)
        FDocument->SetFileName(QString());
    RepaintLabel();
}

void TfrmMain::CmdOpen(const TZpCommandRow&) {
    if (!ConfirmDiscard(false))
        return;
    const std::optional<QString> name =
        ChooseLabelFile ? ChooseLabelFile() : [this]() -> std::optional<QString> {
        TOpenLabelDialog dialog(this, LastFolder());
        if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty())
            return std::nullopt;
        return dialog.selectedFiles().first();
    }();
    if (!name)
        return;
    try {
        OpenFile(*name);
    } catch (const EZpAbort&) {
    } catch (const std::exception&) {
        ShowMessage(TZpMsgKind::Error, QStringLiteral("Failed to load %1.  File may be corrupt.").arg(*name));
    }
}

void TfrmMain::OpenRecentFile(int index) {
    if (index < 0 || index >= FRecent.Files().size() || !ConfirmDiscard(false))
        return;
    const QString name = FRecent.Files()[index];
    try {
        OpenFile(name);
    } catch (const EZpAbort&) {
    } catch (const std::exception& e) {
        // A file that is gone leaves the list; the others stay usable.
        if (!QFileInfo::exists(name)) {
            FRecent.Remove(name);
            FRecent.Save(ZpStore());
            UpdateRecentMenu();
        }
        ReportError(e);
    }
}

void TfrmMain::DropFiles(const QStringList& files) {
    QList<QUrl> urls;
    for (const QString& f : files)
        urls.append(QUrl::fromLocalFile(f));
    const std::optional<QString> file = DroppedLabel(urls);
    if (!file || !ConfirmDiscard(false))
        return;
    try {
        OpenFile(*file);
    } catch (const EZpAbort&) {
    } catch (const std::exception& e) {
        ReportError(e);
    }
    UpdateCommandStates();
}

void TfrmMain::dragEnterEvent(QDragEnterEvent* event) {
    if (event->mimeData()->hasUrls() && DroppedLabel(event->mimeData()->urls()))
        event->acceptProposedAction();
}

void TfrmMain::dropEvent(QDropEvent* event) {
    QStringList files;
    for (const QUrl& url : event->mimeData()->urls())
        files.append(url.isLocalFile() ? url.toLocalFile() : url.toString());
    event->acceptProposedAction();
    DropFiles(files);
}

void TfrmMain::CmdSave(const TZpCommandRow&) {
    if (FDocument->FileName().isEmpty())
        SaveAs();
    else
        SaveFile(FDocument->FileName());
}

void TfrmMain::CmdSaveAs(const TZpCommandRow&) {
    SaveAs();
}

void TfrmMain::CmdSaveAsTemplate(const TZpCommandRow&) {
    zpDesign->EndInPlaceEdit();
    TfrmDialogSaveAsTemplate dialog(*FDocument, this);
    dialog.exec();
}

void TfrmMain::CmdExit(const TZpCommandRow&) {
    close();
}

void TfrmMain::closeEvent(QCloseEvent* event) {
    // An edit still open counts as a change to save.
    zpDesign->EndInPlaceEdit();
    if (FDocument->Modified()) {
        const TZpAnswer answer = ZpDialogs().MessageBox(TZpMsgKind::Confirmation, kModifiedQuestion,
                                                        TZpButtons::YesNoCancel, TZpAnswer::Cancel);
        if (answer == TZpAnswer::Cancel) {
            event->ignore();
            return;
        }
        if (answer == TZpAnswer::Yes) {
            CmdSave(*FindCommand(u"acSave"));
            if (FDocument->Modified()) {
                event->ignore();
                return;
            }
        }
    }
    if (isVisible()) {
        StoreSettings();
        if (AppOptions().LastLabelFormat)
            WriteDefaultLabelFormat(ZpStore(), FDocument->Layout());
    }
    FAutosave->Stop();
    FAutosave->Discard();
    event->accept();
}

bool TfrmMain::OfferAutosaveRestore() {
    const std::vector<TZpAutosave::TLeftOver> copies = TZpAutosave::FindLeftOvers();
    if (copies.empty())
        return false;
    const TZpAutosave::TLeftOver& copy = copies.front();
    const QString name =
        copy.Original.isEmpty() ? QStringLiteral("New Label") : QFileInfo(copy.Original).completeBaseName();
    const TZpAnswer answer = ZpDialogs().MessageBox(
        TZpMsgKind::Confirmation,
        QStringLiteral(
            "Zentaprint ended before the label \"%1\" was saved.  Do you want to restore the copy kept "
            "of it?")
            .arg(name),
        TZpButtons::YesNo, TZpAnswer::Yes);
    if (answer != TZpAnswer::Yes) {
        TZpAutosave::Remove(copy);
        return false;
    }
    // The copy replaces the label, so nothing of the old one stays selected or undoable.
    FSession->ClearSelection();
    FSession->UndoStack().ClearHistory();
    try {
        TZpAutosave::Restore(*FDocument, copy);
    } catch (const std::exception& e) {
        FSession->Notify(kAllChanges);
        ReportError(e);
        return false;
    }
    FSession->Notify(kAllChanges);
    SetLabelName(name);
    AdoptPrinter();
    RepaintLabel();
    FAutosave->SaveNow();
    UpdateCommandStates();
    return true;
}

} // namespace zp
