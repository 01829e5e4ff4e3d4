// SPDX-License-Identifier: MIT
#include "data/dialogs/DataWindow.h"

#include "base/Errors.h"
#include "data/DataConnections.h"
#include "data/dialogs/DataDialogs.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"
#include "platform/dialogs/DialogServices.h"

#include <QActionGroup>
#include <QDrag>
#include <QDragEnterEvent>
#include <QHBoxLayout>
#include <QHash>
#include <QListWidget>
#include <QMimeData>
#include <QPointer>
#include <QSplitter>
#include <QStyle>
#include <QToolBar>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace zp {

namespace {

constexpr int kIsDataset = Qt::UserRole + 1;

QHash<TZpDataConnections*, QPointer<TZpDataWindow>>& Windows() {
    static QHash<TZpDataConnections*, QPointer<TZpDataWindow>> windows;
    return windows;
}

} // namespace

/// The field list: its selection is dragged to the label with the window's
/// own MIME type, and dragging within the list reorders the fields.
class TZpFieldList : public QListWidget {
public:
    explicit TZpFieldList(TZpDataWindow* window) : QListWidget(window), FWindow(window) {
        setSelectionMode(QAbstractItemView::ExtendedSelection);
        setDragEnabled(true);
        setAcceptDrops(true);
        setDropIndicatorShown(true);
        setDragDropMode(QAbstractItemView::DragDrop);
        setToolTip(QStringLiteral("Drag fields to label"));
        setAccessibleName(QStringLiteral("Fields"));
    }

protected:
    void startDrag(Qt::DropActions) override {
        const TZpFieldDrag drag = FWindow->CurrentDrag();
        if (drag.Fields.isEmpty()) {
            return;
        }
        auto* data = new QMimeData;
        data->setData(QLatin1String(kFieldDragMimeType), EncodeFieldDrag(drag));
        data->setText(drag.Fields.join(u'\n'));
        auto* d = new QDrag(this);
        d->setMimeData(data);
        // The list never gives its items away: a drop elsewhere copies.
        d->exec(Qt::CopyAction, Qt::CopyAction);
    }
    void dragEnterEvent(QDragEnterEvent* event) override {
        if (event->source() == this) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->ignore();
        }
    }
    void dragMoveEvent(QDragMoveEvent* event) override {
        if (event->source() == this) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
        } else {
            event->ignore();
        }
    }
    void dropEvent(QDropEvent* event) override {
        if (event->source() != this) {
            event->ignore();
            return;
        }
        QListWidgetItem* target = itemAt(event->position().toPoint());
        int row = target ? this->row(target) : count();
        QList<QListWidgetItem*> moving;
        for (int i = 0; i < count(); ++i) {
            if (item(i)->isSelected()) {
                moving << item(i);
            }
        }
        for (QListWidgetItem* item : moving) {
            const int from = this->row(item);
            if (from < row) {
                --row;
            }
            takeItem(from);
        }
        for (QListWidgetItem* item : moving) {
            insertItem(row++, item);
            item->setSelected(true);
        }
        // Qt's own handling would copy the items; the move is done.
        event->setDropAction(Qt::CopyAction);
        event->accept();
    }

private:
    TZpDataWindow* FWindow;
};

TZpDataWindow::TZpDataWindow(QWidget* parent, TZpDataConnections& connections)
    : QWidget(parent, Qt::Tool), FConnections(connections) {
    setWindowTitle(QStringLiteral("Connect Data"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(2, 2, 2, 2);
    auto* bar = new QToolBar(this);
    bar->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
    auto* newConnection = bar->addAction(style()->standardIcon(QStyle::SP_DriveNetIcon),
                                         QStringLiteral("&New Database Connection"));
    newConnection->setToolTip(QStringLiteral("Connect a new database to this label"));
    FNewDataset = bar->addAction(style()->standardIcon(QStyle::SP_FileIcon), QStringLiteral("New &Dataset"));
    FNewDataset->setToolTip(QStringLiteral("Connect a new dataset to this label"));
    FRemove = bar->addAction(style()->standardIcon(QStyle::SP_TrashIcon), QStringLiteral("&Remove"));
    FRemove->setToolTip(QStringLiteral("Remove the selected connection or dataset from this label"));
    layout->addWidget(bar);
    auto* dragBar = new QToolBar(this);
    auto* group = new QActionGroup(this);
    FAsText = dragBar->addAction(QStringLiteral("Text"));
    FAsText->setToolTip(QStringLiteral("Drag fields to label as text objects"));
    FAsBarcode = dragBar->addAction(QStringLiteral("Bar code"));
    FAsBarcode->setToolTip(QStringLiteral("Drag fields to label as bar codes"));
    FAsPicture = dragBar->addAction(QStringLiteral("Picture"));
    FAsPicture->setToolTip(QStringLiteral("Drag fields to label as picture objects"));
    for (QAction* a : {FAsText, FAsBarcode, FAsPicture}) {
        a->setCheckable(true);
        group->addAction(a);
    }
    FAsText->setChecked(true);
    layout->addWidget(dragBar);
    auto* split = new QSplitter(this);
    FTree = new QTreeWidget(split);
    FTree->setHeaderHidden(true);
    FTree->setAccessibleName(QStringLiteral("Connections and datasets"));
    FFields = new TZpFieldList(this);
    split->addWidget(FTree);
    split->addWidget(FFields);
    layout->addWidget(split, 1);
    connect(newConnection, &QAction::triggered, this, [this] { NewConnection(); });
    connect(FNewDataset, &QAction::triggered, this, [this] { NewDataset(); });
    connect(FRemove, &QAction::triggered, this, [this] { RemoveSelected(); });
    connect(FTree, &QTreeWidget::currentItemChanged, this, [this] {
        ShowFields();
        UpdateCommands();
    });
    connect(FTree, &QTreeWidget::itemDoubleClicked, this, [this] { EditSelected(); });
    resize(460, 320);
    Rebuild();
}

TZpDropKind TZpDataWindow::DropKind() const {
    return FAsText->isChecked()      ? TZpDropKind::Text
           : FAsBarcode->isChecked() ? TZpDropKind::Barcode
                                     : TZpDropKind::Picture;
}

TZpFieldDrag TZpDataWindow::CurrentDrag() const {
    TZpFieldDrag drag;
    drag.Kind = DropKind();
    const QTreeWidgetItem* item = FTree->currentItem();
    if (!item || !item->data(0, kIsDataset).toBool()) {
        return drag;
    }
    drag.Dataset = item->text(0);
    drag.Connection = item->parent() ? item->parent()->text(0) : QString();
    for (int i = 0; i < FFields->count(); ++i) {
        if (FFields->item(i)->isSelected()) {
            drag.Fields << FFields->item(i)->text();
        }
    }
    return drag;
}

void TZpDataWindow::Rebuild() {
    bool closed = false;
    for (int i = 0; i < FConnections.ConnectionCount(); ++i) {
        closed |= !FConnections.ConnectionObject(i)->Connected();
    }
    for (int i = 0; i < FConnections.DatasetCount(); ++i) {
        closed |= !FConnections.DatasetObject(i)->Active();
    }
    if (closed) {
        FConnections.Open(); // each failure is shown, the rest still opens
    }
    const QString selected = FTree->currentItem() ? FTree->currentItem()->text(0) : QString();
    FTree->clear();
    for (int c = 0; c < FConnections.ConnectionCount(); ++c) {
        auto* node = new QTreeWidgetItem(FTree, {FConnections.ConnectionName(c)});
        node->setIcon(0, style()->standardIcon(QStyle::SP_DriveHDIcon));
        for (int d = 0; d < FConnections.DatasetCount(); ++d) {
            if (FConnections.DatasetConnectionName(d) == FConnections.ConnectionName(c)) {
                auto* leaf = new QTreeWidgetItem(node, {FConnections.DatasetName(d)});
                leaf->setIcon(0, style()->standardIcon(QStyle::SP_FileDialogDetailedView));
                leaf->setData(0, kIsDataset, true);
                if (leaf->text(0) == selected) {
                    FTree->setCurrentItem(leaf);
                }
            }
        }
        if (node->text(0) == selected) {
            FTree->setCurrentItem(node);
        }
    }
    FTree->expandAll();
    ShowFields();
    UpdateCommands();
}

void TZpDataWindow::ShowFields() {
    FFields->clear();
    const QTreeWidgetItem* item = FTree->currentItem();
    if (item && item->data(0, kIsDataset).toBool()) {
        FFields->addItems(FConnections.FieldNames(item->text(0)));
    }
    const bool any = FFields->count() > 0;
    FFields->setEnabled(any);
    for (QAction* a : {FAsText, FAsBarcode, FAsPicture}) {
        a->setEnabled(any);
    }
}

void TZpDataWindow::UpdateCommands() {
    FNewDataset->setEnabled(FConnections.ConnectionCount() > 0);
    FRemove->setEnabled(FTree->currentItem() != nullptr);
}

QString TZpDataWindow::SelectedConnection() const {
    const QTreeWidgetItem* item = FTree->currentItem();
    if (!item) {
        return FConnections.ConnectionCount() > 0 ? FConnections.ConnectionName(0) : QString();
    }
    return item->parent() ? item->parent()->text(0) : item->text(0);
}

void TZpDataWindow::NewConnection() {
    try {
        if (!RunConnectionWizard(this, FConnections)) {
            return;
        }
        Rebuild();
        if (FTree->topLevelItemCount() > 0) {
            FTree->setCurrentItem(FTree->topLevelItem(FTree->topLevelItemCount() - 1));
        }
        if (Confirm(QStringLiteral("The new connection has been established.  Add a dataset now?"), true)) {
            NewDataset();
        }
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
    }
}

void TZpDataWindow::NewDataset() {
    const QString connection = SelectedConnection();
    if (connection.isEmpty()) {
        return;
    }
    try {
        const int before = FConnections.DatasetCount();
        if (RunDatasetWizard(this, FConnections, connection)) {
            FConnections.Open();
            Rebuild();
            // The new dataset is the one shown.
            const QString name = FConnections.DatasetName(before);
            const auto found = FTree->findItems(name, Qt::MatchExactly | Qt::MatchRecursive);
            if (!found.isEmpty()) {
                FTree->setCurrentItem(found.front());
            }
        }
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
    }
}

void TZpDataWindow::RemoveSelected() {
    QTreeWidgetItem* item = FTree->currentItem();
    if (!item) {
        return;
    }
    if (item->data(0, kIsDataset).toBool()) {
        if (!Confirm(QStringLiteral("Are you sure you want to delete this dataset?"), false)) {
            return;
        }
        FConnections.DeleteDataset(FConnections.IndexOfDataset(item->text(0)));
    } else {
        if (!Confirm(
                QStringLiteral(
                    "Removing this connection will also remove any datasets that use it.  Are you sure?"),
                false)) {
            return;
        }
        const QString name = item->text(0);
        for (int d = FConnections.DatasetCount() - 1; d >= 0; --d) {
            if (FConnections.DatasetConnectionName(d) == name) {
                FConnections.DeleteDataset(d);
            }
        }
        FConnections.DeleteConnection(FConnections.IndexOfConnection(name));
    }
    FTree->setCurrentItem(nullptr);
    Rebuild();
}

void TZpDataWindow::EditSelected() {
    QTreeWidgetItem* item = FTree->currentItem();
    if (!item) {
        return;
    }
    try {
        if (item->data(0, kIsDataset).toBool()) {
            EditDataset(this, FConnections, item->text(0), item->parent()->text(0));
        } else {
            EditConnection(this, FConnections, item->text(0));
        }
        FConnections.Open();
    } catch (const EZpError& e) {
        ShowMessage(TZpMsgKind::Error, e.Message());
    }
    Rebuild();
}

QWidget* ShowFieldChooser(QWidget* parent, TZpDataConnections& connections) {
    QPointer<TZpDataWindow>& window = Windows()[&connections];
    if (!window) {
        window = new TZpDataWindow(parent, connections);
    }
    window->show();
    window->raise();
    window->activateWindow();
    return window;
}

void RefreshFieldChooser(TZpDataConnections& connections) {
    const auto it = Windows().find(&connections);
    if (it != Windows().end() && *it) {
        (*it)->Rebuild();
    }
}

void CloseFieldChooser(TZpDataConnections& connections) {
    const auto it = Windows().find(&connections);
    if (it != Windows().end()) {
        if (*it) {
            (*it)->close();
        }
        Windows().erase(it);
    }
}

} // namespace zp
