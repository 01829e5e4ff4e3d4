// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QString>
#include <QStringList>

namespace zp {

/// Criteria of a Data Wizard filter row.
enum TZpCriterion : int {
    crEquals = 0,
    crNotEquals = 1,
    crGreater = 2,
    crLess = 3,
    crBeginsWith = 4,
    crContains = 5
};

/// Captions of the criteria: in the "Add Filter" dialog, and as the filter
/// list shows them ("Starts with" for crBeginsWith).
[[nodiscard]] const QStringList& CriterionNames();
[[nodiscard]] QString CriterionListName(int criterion);

struct TZpFilterRow {
    QString Column;
    int Criterion = crEquals;
    QString Value;
    bool Numeric = false; ///< the column holds numbers: compared values stand unquoted
};

struct TZpSortKey {
    QString Field;
    bool Descending = false;
};

/// The SELECT the Data Wizard stores in the label for a table, its included
/// fields, filters (joined by AND) and up to three sort keys: one item per
/// line, lines joined by CR LF.
[[nodiscard]] QString ComposeDatasetSql(const QString& table, const QStringList& fields,
                                        const QList<TZpFilterRow>& filters, const QList<TZpSortKey>& sort);

/// Whether a free SQL text is a SELECT: its first word, ignoring case.
[[nodiscard]] bool IsSelectStatement(const QString& sql);

} // namespace zp
