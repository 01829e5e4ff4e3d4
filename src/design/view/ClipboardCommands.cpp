// SPDX-License-Identifier: MIT
#include "design/view/ClipboardCommands.h"

#include "base/Errors.h"
#include "design/dialogs/PasteSpecialDialog.h"
#include "design/view/DesignArea.h"
#include "model/objects/Interfaces.h"
#include "ui/commands/CommandHooks.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zp {

namespace {

// The hourglass for as long as a paste runs, also when it raises.
class TWaitCursor {
public:
    TWaitCursor() { QGuiApplication::setOverrideCursor(Qt::WaitCursor); }
    ~TWaitCursor() { QGuiApplication::restoreOverrideCursor(); }
    TWaitCursor(const TWaitCursor&) = delete;
    TWaitCursor& operator=(const TWaitCursor&) = delete;
};

// The label counts as modified after any paste attempt, failed ones too.
class TMarkModified {
public:
    explicit TMarkModified(TZpEditSession& session) : FSession(session) {}
    ~TMarkModified() { FSession.SetModified(); }
    TMarkModified(const TMarkModified&) = delete;
    TMarkModified& operator=(const TMarkModified&) = delete;

private:
    TZpEditSession& FSession;
};

} // namespace

TZpClipboardCommands::TZpClipboardCommands(TZpDesignArea& area)
    : QObject(&area), FArea(area), FClipboard(area.Session()) {}

void TZpClipboardCommands::Install(TZpCommandHooks& hooks) {
    hooks.Clipboard = [this](const QString& id) { Run(id); };
    hooks.CanPaste = [this] { return CanPaste(); };
}

void TZpClipboardCommands::Run(const QString& commandId) {
    if (commandId == QLatin1String("acCut"))
        Cut();
    else if (commandId == QLatin1String("acCopy"))
        Copy();
    else if (commandId == QLatin1String("acPaste"))
        Paste();
    else if (commandId == QLatin1String("acPasteSpecial"))
        PasteSpecial();
}

bool TZpClipboardCommands::CanPaste() const {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    return mime && CanPasteFrom(*mime);
}

bool TZpClipboardCommands::ToEditor(const char* slot) {
    // An object edited in place takes the commands, wherever the focus is.
    if (auto* editor = Supports<IZpEdit>(FArea.Session().EditedObject())) {
        const QByteArray name(slot);
        if (name == "cut")
            editor->Cut();
        else if (name == "copy")
            editor->Copy();
        else
            editor->Paste();
        return true;
    }
    QWidget* focus = QApplication::focusWidget();
    if (!focus || focus == &FArea || !FArea.isAncestorOf(focus))
        return false;
    return QMetaObject::invokeMethod(focus, slot);
}

TZpPasteView TZpClipboardCommands::PasteView() const {
    TZpPasteView view;
    view.Mapping = FArea.Mapping();
    const QRect client = FArea.viewport()->rect();
    view.ClientRect = {client.left(), client.top(), client.right() + 1, client.bottom() + 1};
    view.ScreenPpi = FArea.ScreenPixelsPerInch();
    return view;
}

void TZpClipboardCommands::Cut() {
    if (ToEditor("cut"))
        return;
    if (std::unique_ptr<QMimeData> mime = FClipboard.Cut(FArea.ScreenPixelsPerInch()))
        QGuiApplication::clipboard()->setMimeData(mime.release());
}

void TZpClipboardCommands::Copy() {
    if (ToEditor("copy"))
        return;
    if (std::unique_ptr<QMimeData> mime = FClipboard.Copy(FArea.ScreenPixelsPerInch()))
        QGuiApplication::clipboard()->setMimeData(mime.release());
}

void TZpClipboardCommands::Paste() {
    if (ToEditor("paste"))
        return;
    TMarkModified modified(FArea.Session());
    TWaitCursor wait;
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        throw EZpError(NoClipboardFormatMessage());
    FClipboard.Paste(*mime, PasteView());
}

void TZpClipboardCommands::PasteSpecial() {
    TMarkModified modified(FArea.Session());
    const QMimeData* offered = QGuiApplication::clipboard()->mimeData();
    if (!offered)
        throw EZpError(NoClipboardFormatMessage());
    TfrmDialogPasteSpecial dialog(*offered, FArea.window());
    if (dialog.exec() != QDialog::Accepted || !dialog.Choice())
        return;
    TWaitCursor wait;
    // The dialog ran an event loop: take what the clipboard holds now.
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (!mime)
        throw EZpError(NoClipboardFormatMessage());
    FClipboard.PasteAs(*dialog.Choice(), *mime, PasteView());
}

} // namespace zp
