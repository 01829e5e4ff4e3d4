// SPDX-License-Identifier: MIT
#include "data/dialogs/DataWindow.h"

#include "data/DataConnections.h"
#include "data/dialogs/DataDialogs.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QAction>
#include <QListWidget>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(DataWindowTest, DragsTheSelectedFieldsInListOrder) {
    TZpScriptedDialogsGuard dialogs;
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("shop.db"));
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("window"));
        db.setDatabaseName(path);
        ASSERT_TRUE(db.open());
        QSqlQuery q(db);
        ASSERT_TRUE(q.exec(QStringLiteral("CREATE TABLE items (code TEXT, name TEXT, price TEXT)")));
    }
    QSqlDatabase::removeDatabase(QStringLiteral("window"));
    TZpDataConnections connections;
    connections.AddConnection(QStringLiteral("Shop"),
                              QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=") + path);
    connections.AddDataset(QStringLiteral("Shop"), QStringLiteral("Items"),
                           QStringLiteral("SELECT * FROM [items]"));

    auto* window = static_cast<TZpDataWindow*>(ShowFieldChooser(nullptr, connections));
    ASSERT_EQ(ShowFieldChooser(nullptr, connections), window); // one window per label
    auto* tree = window->findChild<QTreeWidget*>();
    auto* fields = window->findChild<QListWidget*>();
    ASSERT_TRUE(tree && fields);
    ASSERT_EQ(tree->topLevelItemCount(), 1);
    // Nothing to drag while a connection is chosen.
    tree->setCurrentItem(tree->topLevelItem(0));
    EXPECT_EQ(fields->count(), 0);
    EXPECT_FALSE(fields->isEnabled());

    tree->setCurrentItem(tree->topLevelItem(0)->child(0));
    ASSERT_EQ(fields->count(), 3);
    fields->item(2)->setSelected(true);
    fields->item(0)->setSelected(true);
    for (QAction* a : window->findChildren<QAction*>()) {
        if (a->toolTip() == QLatin1String("Drag fields to label as bar codes")) {
            a->trigger();
        }
    }
    const TZpFieldDrag drag = window->CurrentDrag();
    EXPECT_EQ(drag.Kind, TZpDropKind::Barcode);
    EXPECT_EQ(drag.Connection, QStringLiteral("Shop"));
    EXPECT_EQ(drag.Dataset, QStringLiteral("Items"));
    EXPECT_EQ(drag.Fields, (QStringList{QStringLiteral("code"), QStringLiteral("price")}));
    CloseFieldChooser(connections);
}

} // namespace
} // namespace zp
