// SPDX-License-Identifier: MIT
#pragma once

#include "data/FieldDrag.h"

#include <QWidget>

class QAction;
class QListWidget;
class QTreeWidget;
class QTreeWidgetItem;

namespace zp {

class TZpDataConnections;
class TZpFieldList;

/// The floating data window "Connect Data": the label's connections with
/// their datasets, the fields of the chosen dataset, and the drag toolbar
/// that says what fields dropped on the label become.
class TZpDataWindow : public QWidget {
public:
    TZpDataWindow(QWidget* parent, TZpDataConnections& connections);

    /// Opens what is closed, then shows the tree and the fields again.
    void Rebuild();
    [[nodiscard]] TZpDropKind DropKind() const;
    /// The drag the field list makes of its selection (also what tests drop).
    [[nodiscard]] TZpFieldDrag CurrentDrag() const;

private:
    void NewConnection();
    void NewDataset();
    void RemoveSelected();
    void EditSelected();
    void ShowFields();
    void UpdateCommands();
    [[nodiscard]] QString SelectedConnection() const;

    TZpDataConnections& FConnections;
    QTreeWidget* FTree;
    TZpFieldList* FFields;
    QAction* FNewDataset;
    QAction* FRemove;
    QAction* FAsText;
    QAction* FAsBarcode;
    QAction* FAsPicture;
};

} // namespace zp
