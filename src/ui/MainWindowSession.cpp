// SPDX-License-Identifier: MIT
// The main window on the editing session: the design area's signals, the
// session's commands, object properties, program options and the data
// window and dialogs.
#include "data/dialogs/DataDialogs.h"
#include "design/dialogs/PlaceGuidesDialog.h"
#include "design/edit/EditSession.h"
#include "design/tools/ToolBox.h"
#include "design/view/ClipboardCommands.h"
#include "design/view/DesignArea.h"
#include "model/objects/ObjectClasses.h"
#include "platform/scanning/Scanner.h"
#include "settings/dialogs/ProgramOptionsDialog.h"
#include "ui/ArrangeHooks.h"
#include "ui/Autosave.h"
#include "ui/MainWindow.h"

#include <QApplication>
#include <QClipboard>
#include <QDeadlineTimer>
#include <QKeyEvent>
#include <QMenu>
#include <QTimer>
#include <cstdio>

namespace zp {

namespace {

// For the start-up benchmark: the process ends once the label is on screen.
class TQuitAfterPaint : public QObject {
public:
    using QObject::QObject;
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint && !FDone) {
            FDone = true;
            // Runs once the paint is done; the benchmark measures to this
            // moment on the monotonic clock, not to the end of the process.
            QTimer::singleShot(0, qApp, [] {
                std::printf("painted %lld\n",
                            static_cast<long long>(QDeadlineTimer::current().deadlineNSecs()));
                std::fflush(stdout);
                QCoreApplication::quit();
            });
        }
        return QObject::eventFilter(watched, event);
    }

private:
    bool FDone = false;
};

} // namespace

TfrmMain::~TfrmMain() {
    // The data window and the design area refer to the session's label, which
    // goes before the window's children would.
    CloseFieldChooser(FDocument->Connections());
    delete FFieldChooser;
    // The tools hand the area back its pointer-less state when they go.
    qDeleteAll(findChildren<TZpToolBox*>(Qt::FindDirectChildrenOnly));
    delete zpDesign;
}

void TfrmMain::InstallSessionHooks() {
    // Every change of the label, its selection or its history is seen here
    // once, so the commands always match what the session holds.
    connect(FSession.get(), &TZpEditSession::Changed, this, [this](TZpChanges changes) {
        // A new or opened label brings its own connections.
        if (changes == kAllChanges)
            RefreshFieldChooser(FDocument->Connections());
        UpdateCommandStates();
    });
    connect(zpDesign, &TZpDesignArea::PointerMoved, this, [this](QPoint p) { ShowPointerPosition(p); });
    connect(zpDesign, &TZpDesignArea::ZoomChanged, this, [this] { UpdateCommandStates(); });
    zpDesign->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(zpDesign, &QWidget::customContextMenuRequested, this, [this](QPoint pos) {
        if (FTool == 0)
            puMenu->popup(zpDesign->mapToGlobal(pos));
    });
    if (qEnvironmentVariableIsSet("ZENTAPRINT_QUIT_AFTER_PAINT"))
        zpDesign->viewport()->installEventFilter(new TQuitAfterPaint(this));
    zpDesign->setFocus();

    FHooks.SessionCommand = [this](const QString& id) {
        TZpEditSession& session = *FSession;
        if (id == QLatin1String("acUndo"))
            session.Undo();
        else if (id == QLatin1String("acRedo"))
            session.Redo();
        else if (id == QLatin1String("acSelectAll"))
            session.SelectAll();
        else if (id == QLatin1String("acDeleteSelected") && session.IsEditing()) {
            // While an object is edited in place Delete is the editor's key.
            if (QWidget* focus = QApplication::focusWidget()) {
                QKeyEvent del(QEvent::KeyPress, Qt::Key_Delete, Qt::NoModifier);
                QCoreApplication::sendEvent(focus, &del);
            }
        } else if (id == QLatin1String("acDeleteSelected"))
            session.DeleteSelected();
        else if (id == QLatin1String("acClearGuides"))
            session.ClearGuides();
        else if (id == QLatin1String("acPlaceGuides"))
            (void)PlaceGuides(session, this);
    };
    FHooks.ProgramOptions = [this] {
        if (EditProgramOptions(this))
            zpDesign->RefreshView();
    };
    FHooks.ConnectDatabase = [this] { FFieldChooser = ShowFieldChooser(this, FDocument->Connections()); };
    FHooks.EditDatabase = [this](bool create) {
        if (create)
            (void)CreateDatabase(this, *FDocument);
        else
            (void)zp::EditDatabase(this, *FDocument);
    };
    FHooks.FindRecord = [this] { return zp::FindRecord(this, *FDocument); };

    // The arrangement and formatting rows (and the property command for one
    // or several objects), the Tools palette and the clipboard commands.
    InstallArrangeHooks(FHooks, *FSession, this, [this] { return FSession->IsEditing(); });
    auto* tools = new TZpToolBox(*zpDesign, this);
    FHooks.SetTool = [tools](int number) { tools->SetToolNumber(number); };
    // A drawing tool hands back to the pointer after one object: the palette follows.
    connect(tools, &TZpToolBox::ToolChanged, this, [this, tools] {
        FTool = tools->ToolNumber();
        const QString className = tools->ToolClassName();
        FToolObject = className.isEmpty() ? nullptr : CreateObject(className);
        UpdateCommandStates();
    });
    (new TZpClipboardCommands(*zpDesign))->Install(FHooks);
    // A copy in another program enables Paste without a command of ours.
    connect(QApplication::clipboard(), &QClipboard::dataChanged, this, [this] { UpdateCommandStates(); });
}

void TfrmMain::keyPressEvent(QKeyEvent* event) {
    // Keys the focused toolbar control leaves alone still reach the label.
    static bool forwarding = false;
    switch (event->key()) {
    case Qt::Key_Escape:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        if (!forwarding && !zpDesign->hasFocus()) {
            // An event the area ignores comes back here through its parent.
            forwarding = true;
            QCoreApplication::sendEvent(zpDesign, event);
            forwarding = false;
            return;
        }
        break;
    default:
        break;
    }
    QMainWindow::keyPressEvent(event);
}

} // namespace zp
