// SPDX-License-Identifier: MIT
#include "data/TableGridModel.h"

#include "base/Errors.h"
#include "data/DesktopDatabase.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>
#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <algorithm>

namespace zp {

namespace {
constexpr size_t kPagesKept = 16;
} // namespace

TZpTableGridModel::TZpTableGridModel(QObject* parent) : QAbstractTableModel(parent) {}

void TZpTableGridModel::Open(const QSqlDatabase& db, const QString& table, const QString& autoNumber) {
    beginResetModel();
    FDb = db;
    FTable = table;
    FAutoNumber = autoNumber;
    FColumns.clear();
    FSortColumn = -1;
    FSortDescending = false;
    FState = TState::Browse;
    FEditRow = -1;
    FBuffer.clear();
    FPagesRead = 0;
    FCount = 0;
    FPages.clear();
    try {
        if (!table.isEmpty()) {
            QSqlQuery q(FDb);
            if (!q.exec(QStringLiteral("SELECT * FROM %1 LIMIT 0").arg(Bracketed(table)))) {
                throw EZpError(QStringLiteral("The table \"%1\" cannot be opened: %2")
                                   .arg(table, q.lastError().databaseText()));
            }
            const QSqlRecord record = q.record();
            for (int i = 0; i < record.count(); ++i) {
                FColumns << record.fieldName(i);
            }
            Reload();
        }
    } catch (...) {
        FTable.clear();
        FColumns.clear();
        endResetModel();
        throw;
    }
    endResetModel();
}

void TZpTableGridModel::Reload() {
    FPages.clear();
    FCount = 0;
    if (FTable.isEmpty()) {
        return;
    }
    QSqlQuery q(FDb);
    if (!q.exec(QStringLiteral("SELECT COUNT(*) FROM %1").arg(Bracketed(FTable))) || !q.next()) {
        throw EZpError(
            QStringLiteral("The table \"%1\" cannot be read: %2").arg(FTable, q.lastError().databaseText()));
    }
    FCount = q.value(0).toInt();
}

void TZpTableGridModel::Refresh() {
    beginResetModel();
    FState = TState::Browse;
    FEditRow = -1;
    FBuffer.clear();
    try {
        Reload();
    } catch (...) {
        endResetModel();
        throw;
    }
    endResetModel();
}

QString TZpTableGridModel::OrderByClause() const {
    if (FSortColumn < 0 || FSortColumn >= FColumns.size()) {
        return {};
    }
    // The record number breaks ties, so that positions found by a search
    // are the grid's positions.
    return QStringLiteral("ORDER BY %1 %2, rowid")
        .arg(Bracketed(FColumns[FSortColumn]),
             FSortDescending ? QStringLiteral("DESC") : QStringLiteral("ASC"));
}

QString TZpTableGridModel::PageOrder(bool reversed) const {
    if (FSortColumn < 0 || FSortColumn >= FColumns.size()) {
        return reversed ? QStringLiteral("ORDER BY rowid DESC") : QStringLiteral("ORDER BY rowid");
    }
    // Reversing ASC and DESC also reverses where nulls go.
    const bool descending = FSortDescending != reversed;
    return QStringLiteral("ORDER BY %1 %2, rowid %3")
        .arg(Bracketed(FColumns[FSortColumn]), descending ? QStringLiteral("DESC") : QStringLiteral("ASC"),
             reversed ? QStringLiteral("DESC") : QStringLiteral("ASC"));
}

void TZpTableGridModel::SortBy(int column, bool descending) {
    if (FState != TState::Browse) {
        Post();
    }
    beginResetModel();
    FSortColumn = column;
    FSortDescending = descending;
    FPages.clear();
    endResetModel();
}

const TZpTableGridModel::TPage& TZpTableGridModel::Page(int number) const {
    for (auto it = FPages.begin(); it != FPages.end(); ++it) {
        if (it->Number == number) {
            if (it != FPages.begin()) {
                TPage page = std::move(*it);
                FPages.erase(it);
                FPages.push_front(std::move(page));
            }
            return FPages.front();
        }
    }
    TPage page{number, {}, {}};
    // A page nearer the end is read from the end in the reverse order, so
    // that reaching the last records does not step over all the others.
    const qint64 first = static_cast<qint64>(number) * kPageSize;
    const qint64 limit = std::min<qint64>(kPageSize, FCount - first);
    const qint64 after = FCount - first - limit;
    const bool reversed = after < first;
    QSqlQuery q(FDb);
    q.setForwardOnly(true);
    if (limit > 0 && q.exec(QStringLiteral("SELECT rowid, * FROM %1 %2 LIMIT %3 OFFSET %4")
                                .arg(Bracketed(FTable), PageOrder(reversed))
                                .arg(limit)
                                .arg(reversed ? after : first))) {
        const int n = static_cast<int>(FColumns.size());
        while (q.next()) {
            page.RowIds << q.value(0).toLongLong();
            QVariantList row;
            row.reserve(n);
            for (int i = 0; i < n; ++i) {
                row << q.value(i + 1);
            }
            page.Rows << row;
        }
        if (reversed) {
            std::reverse(page.RowIds.begin(), page.RowIds.end());
            std::reverse(page.Rows.begin(), page.Rows.end());
        }
    }
    ++FPagesRead;
    FPages.push_front(std::move(page));
    if (FPages.size() > kPagesKept) {
        FPages.pop_back();
    }
    return FPages.front();
}

qint64 TZpTableGridModel::RowId(int row) const {
    const TPage& page = Page(row / kPageSize);
    const int i = row % kPageSize;
    return i < page.RowIds.size() ? page.RowIds[i] : -1;
}

bool TZpTableGridModel::IsAutoNumber(int column) const {
    return !FAutoNumber.isEmpty() && column >= 0 && column < FColumns.size() &&
           FColumns[column].compare(FAutoNumber, Qt::CaseInsensitive) == 0;
}

int TZpTableGridModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : FCount + (FState == TState::Insert ? 1 : 0);
}

int TZpTableGridModel::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : static_cast<int>(FColumns.size());
}

QVariant TZpTableGridModel::data(const QModelIndex& index, int role) const {
    if (!index.isValid()) {
        return {};
    }
    if (role == Qt::BackgroundRole && IsAutoNumber(index.column())) {
        return QGuiApplication::palette().brush(QPalette::Button);
    }
    if (role != Qt::DisplayRole && role != Qt::EditRole) {
        return {};
    }
    if (FState != TState::Browse && index.row() == FEditRow) {
        return FBuffer.value(index.column());
    }
    if (index.row() >= FCount) {
        return {};
    }
    const TPage& page = Page(index.row() / kPageSize);
    const int i = index.row() % kPageSize;
    return i < page.Rows.size() ? page.Rows[i].value(index.column()) : QVariant();
}

bool TZpTableGridModel::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole || IsAutoNumber(index.column())) {
        return false;
    }
    if (FState == TState::Browse || FEditRow != index.row()) {
        Edit(index.row());
    }
    FBuffer[index.column()] = value;
    Q_EMIT dataChanged(index, index);
    return true;
}

QVariant TZpTableGridModel::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return {};
    }
    if (orientation == Qt::Horizontal) {
        return FColumns.value(section);
    }
    return section == FEditRow && FState != TState::Browse ? QStringLiteral("*")
                                                           : QString::number(section + 1);
}

Qt::ItemFlags TZpTableGridModel::flags(const QModelIndex& index) const {
    Qt::ItemFlags f = QAbstractTableModel::flags(index);
    if (index.isValid() && !IsAutoNumber(index.column())) {
        f |= Qt::ItemIsEditable;
    }
    return f;
}

void TZpTableGridModel::Edit(int row) {
    if (FState != TState::Browse) {
        if (row == FEditRow) {
            return;
        }
        Post();
    }
    if (row < 0 || row >= FCount) {
        return;
    }
    FBuffer.clear();
    for (int c = 0; c < FColumns.size(); ++c) {
        FBuffer << data(this->index(row, c), Qt::EditRole);
    }
    FState = TState::Edit;
    FEditRow = row;
    Q_EMIT headerDataChanged(Qt::Vertical, row, row);
}

int TZpTableGridModel::Insert() {
    if (FState != TState::Browse) {
        Post();
    }
    beginInsertRows({}, FCount, FCount);
    FState = TState::Insert;
    FEditRow = FCount;
    FBuffer.clear();
    for (int c = 0; c < FColumns.size(); ++c) {
        FBuffer << QVariant();
    }
    endInsertRows();
    return FEditRow;
}

void TZpTableGridModel::Post() {
    if (FState == TState::Browse) {
        return;
    }
    QSqlQuery q(FDb);
    QStringList names;
    QVariantList values;
    for (int c = 0; c < FColumns.size(); ++c) {
        if (!IsAutoNumber(c)) {
            names << Bracketed(FColumns[c]);
            values << FBuffer.value(c);
        }
    }
    QString sql;
    if (FState == TState::Insert) {
        QStringList marks;
        for (int i = 0; i < names.size(); ++i) {
            marks << QStringLiteral("?");
        }
        sql = names.isEmpty() ? QStringLiteral("INSERT INTO %1 DEFAULT VALUES").arg(Bracketed(FTable))
                              : QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                                    .arg(Bracketed(FTable), names.join(u','), marks.join(u','));
    } else {
        QStringList sets;
        for (const QString& n : names) {
            sets << n + QStringLiteral("=?");
        }
        sql = QStringLiteral("UPDATE %1 SET %2 WHERE rowid=?").arg(Bracketed(FTable), sets.join(u','));
        values << RowId(FEditRow);
    }
    q.prepare(sql);
    for (const QVariant& v : values) {
        q.addBindValue(v);
    }
    if (!q.exec()) {
        throw EZpError(QStringLiteral("The record cannot be saved: %1").arg(q.lastError().databaseText()));
    }
    const int row = FEditRow;
    FState = TState::Browse;
    FEditRow = -1;
    FBuffer.clear();
    beginResetModel();
    Reload();
    endResetModel();
    (void)row;
}

void TZpTableGridModel::Cancel() {
    if (FState == TState::Insert) {
        beginRemoveRows({}, FEditRow, FEditRow);
        FState = TState::Browse;
        FEditRow = -1;
        FBuffer.clear();
        endRemoveRows();
        return;
    }
    const int row = FEditRow;
    FState = TState::Browse;
    FEditRow = -1;
    FBuffer.clear();
    if (row >= 0) {
        Q_EMIT dataChanged(index(row, 0), index(row, static_cast<int>(FColumns.size()) - 1));
        Q_EMIT headerDataChanged(Qt::Vertical, row, row);
    }
}

void TZpTableGridModel::DeleteRecord(int row) {
    if (FState != TState::Browse) {
        Cancel();
    }
    const qint64 id = RowId(row);
    if (id < 0) {
        return;
    }
    QSqlQuery q(FDb);
    q.prepare(QStringLiteral("DELETE FROM %1 WHERE rowid=?").arg(Bracketed(FTable)));
    q.addBindValue(id);
    if (!q.exec()) {
        throw EZpError(QStringLiteral("The record cannot be deleted: %1").arg(q.lastError().databaseText()));
    }
    beginResetModel();
    Reload();
    endResetModel();
}

} // namespace zp
