// SPDX-License-Identifier: MIT
#pragma once

#include "data/DesktopDatabase.h"

#include <QList>
#include <QString>

class QWidget;

namespace zp {

/// "Design Table" (a new table: name and fields) or, with a fixed name,
/// "Modify Table". True on OK, with name and fields filled in.
bool DesignTable(QWidget* parent, QString& name, QList<TZpDatabaseField>& fields, bool modify);

/// "Database Field": one column's name, type and size. True on OK.
bool EditDatabaseField(QWidget* parent, TZpDatabaseField& field);

/// "Find" on the open table: the field, the value and the two options.
struct TZpTableFind {
    QString Field;
    QString Value;
    bool CaseSensitive = false;
    bool Exact = false;
};
bool AskTableFind(QWidget* parent, const QStringList& fields, TZpTableFind& find);

} // namespace zp
