// SPDX-License-Identifier: MIT
#include "data/DatasetSql.h"

#include <QRegularExpression>

namespace zp {

namespace {

// A value goes into the text as an SQL literal: quotes doubled, so that a
// value such as O'Brien neither breaks the statement nor adds to it.
QString Quoted(const QString& value) {
    return u'\'' + QString(value).replace(u'\'', QStringLiteral("''")) + u'\'';
}

// Numbers stand unquoted against a numeric column; anything else that was
// typed there is compared as a literal rather than pasted into the text.
QString NumberOrQuoted(const QString& value) {
    static const QRegularExpression number(QStringLiteral(R"(^[+-]?(\d+\.?\d*|\.\d+)([eE][+-]?\d+)?$)"));
    const QString v = value.trimmed();
    return number.match(v).hasMatch() ? v : Quoted(value);
}

// LIKE patterns escape nothing: % and _ typed by the user keep their meaning.
QString Condition(const TZpFilterRow& row) {
    static const char* const ops[] = {"=", "<>", ">", "<"};
    switch (row.Criterion) {
    case crBeginsWith:
        return QStringLiteral(" LIKE ") + Quoted(row.Value + u'%');
    case crContains:
        return QStringLiteral(" LIKE ") + Quoted(u'%' + row.Value + u'%');
    default:
        if (row.Criterion < 0 || row.Criterion > crLess) {
            return QStringLiteral("=") + Quoted(row.Value);
        }
        return QLatin1String(ops[row.Criterion]) +
               (row.Numeric ? NumberOrQuoted(row.Value) : Quoted(row.Value));
    }
}

} // namespace

const QStringList& CriterionNames() {
    static const QStringList names{QStringLiteral("Equals"),          QStringLiteral("Does not equal"),
                                   QStringLiteral("Is greater than"), QStringLiteral("Is less than"),
                                   QStringLiteral("Begins with"),     QStringLiteral("Contains")};
    return names;
}

QString CriterionListName(int criterion) {
    if (criterion == crBeginsWith) {
        return QStringLiteral("Starts with");
    }
    return criterion >= 0 && criterion < CriterionNames().size() ? CriterionNames()[criterion] : QString();
}

QString ComposeDatasetSql(const QString& table, const QStringList& fields, const QList<TZpFilterRow>& filters,
                          const QList<TZpSortKey>& sort) {
    QStringList lines{QStringLiteral("SELECT ")};
    for (int i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            lines << QStringLiteral(",");
        }
        lines << u'[' + fields[i] + u']';
    }
    lines << QStringLiteral("FROM [%1]").arg(table);
    for (int i = 0; i < filters.size(); ++i) {
        lines << (i == 0 ? QStringLiteral("WHERE [") : QStringLiteral("AND [")) + filters[i].Column + u']' +
                     Condition(filters[i]);
    }
    for (int i = 0; i < sort.size() && i < 3; ++i) {
        const QString dir = sort[i].Descending ? QStringLiteral("DESC") : QStringLiteral("ASC");
        lines << (i == 0 ? QStringLiteral("ORDER BY [%1] %2") : QStringLiteral(",[%1] %2"))
                     .arg(sort[i].Field, dir);
    }
    return lines.join(QStringLiteral("\r\n"));
}

bool IsSelectStatement(const QString& sql) {
    const QString text = sql.trimmed();
    const int blank = static_cast<int>(text.indexOf(QRegularExpression(QStringLiteral("\\s"))));
    return (blank < 0 ? text : text.left(blank)).compare(QLatin1String("SELECT"), Qt::CaseInsensitive) == 0;
}

} // namespace zp
