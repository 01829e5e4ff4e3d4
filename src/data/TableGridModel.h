// SPDX-License-Identifier: MIT
#pragma once

#include <QAbstractTableModel>
#include <QHash>
#include <QList>
#include <QSqlDatabase>
#include <QStringList>
#include <QVariant>
#include <deque>

namespace zp {

/// The records of one SQLite table for the maintenance grid, read a page at
/// a time as the view asks for them, so that a table of millions of records
/// opens at once and only the pages in sight are held. A record is edited
/// or inserted in a buffer and written when posted, as the database grids
/// of the classic desktop tools did; the automatic record number is read-only.
class TZpTableGridModel : public QAbstractTableModel {
public:
    enum class TState { Browse, Edit, Insert };

    explicit TZpTableGridModel(QObject* parent = nullptr);

    /// Shows the table (raises EZpError when it cannot be read); an empty
    /// name shows nothing. autoNumber names the read-only record number column.
    void Open(const QSqlDatabase& db, const QString& table, const QString& autoNumber = {});
    void Close() { Open(QSqlDatabase(), QString()); }
    [[nodiscard]] const QString& Table() const { return FTable; }
    [[nodiscard]] bool IsOpen() const { return !FTable.isEmpty(); }

    /// Sorts by a column (-1: natural order) and reads again.
    void SortBy(int column, bool descending);
    [[nodiscard]] int SortColumn() const { return FSortColumn; }
    [[nodiscard]] bool SortDescending() const { return FSortDescending; }
    /// The ORDER BY clause of the grid's order (empty in natural order).
    [[nodiscard]] QString OrderByClause() const;
    /// Reads the record count and the pages again.
    void Refresh();

    [[nodiscard]] TState State() const { return FState; }
    [[nodiscard]] int EditingRow() const { return FEditRow; }
    /// Starts editing a record (posting one being edited first).
    void Edit(int row);
    /// Appends an empty record in the insert buffer; returns its row.
    int Insert();
    /// Writes the buffer (UPDATE or INSERT); raises with the database's text,
    /// the buffer kept then.
    void Post();
    void Cancel();
    void DeleteRecord(int row);

    /// Pages read from the database since opening (for the benchmark).
    [[nodiscard]] int PagesRead() const { return FPagesRead; }
    static constexpr int kPageSize = 256;

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role = Qt::EditRole) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    void sort(int column, Qt::SortOrder order) override { SortBy(column, order == Qt::DescendingOrder); }

private:
    struct TPage {
        int Number;
        QList<qint64> RowIds;
        QList<QVariantList> Rows;
    };
    const TPage& Page(int number) const;
    [[nodiscard]] qint64 RowId(int row) const;
    [[nodiscard]] bool IsAutoNumber(int column) const;
    [[nodiscard]] QString PageOrder(bool reversed) const;
    void Reload();

    QSqlDatabase FDb;
    QString FTable;
    QString FAutoNumber;
    QStringList FColumns;
    int FCount = 0;
    int FSortColumn = -1;
    bool FSortDescending = false;
    mutable std::deque<TPage> FPages; // most recent first
    mutable int FPagesRead = 0;
    TState FState = TState::Browse;
    int FEditRow = -1;
    QVariantList FBuffer;
};

} // namespace zp
