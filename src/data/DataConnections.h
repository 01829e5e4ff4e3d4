// SPDX-License-Identifier: MIT
#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace zp {

class TZpConnection;
class TZpQuery;
class TZpReader;
class TZpWriter;

/// The label's named database connections and its named datasets (each a
/// SELECT over one connection). All datasets move through their records in
/// lock-step under one record index, and every record index can be marked.
class TZpDataConnections {
public:
    TZpDataConnections();
    ~TZpDataConnections();
    TZpDataConnections(const TZpDataConnections&) = delete;
    TZpDataConnections& operator=(const TZpDataConnections&) = delete;

    /// Adds a read-only connection; a taken name becomes "name_1", "name_2"...
    /// Returns the new connection's index.
    int AddConnection(const QString& name, const QString& connectionString);
    /// Frees the connection; callers remove its datasets first.
    void DeleteConnection(int index);
    [[nodiscard]] int ConnectionCount() const { return static_cast<int>(FConnections.size()); }
    [[nodiscard]] QString ConnectionName(int index) const;
    [[nodiscard]] TZpConnection* ConnectionObject(int index) const;
    [[nodiscard]] QString ConnectionString(int index) const;
    /// Index by exact name, -1 when absent.
    [[nodiscard]] int IndexOfConnection(const QString& name) const;

    /// Adds a dataset over a named connection; raises "Invalid connection
    /// \"%s\"!" when there is none. A taken name is numbered as for
    /// connections. Returns the new dataset's index.
    int AddDataset(const QString& connectionName, const QString& datasetName, const QString& sql);
    /// Frees the query.
    void DeleteDataset(int index);
    [[nodiscard]] int DatasetCount() const { return static_cast<int>(FDatasets.size()); }
    [[nodiscard]] QString DatasetName(int index) const;
    [[nodiscard]] TZpQuery* DatasetObject(int index) const;
    /// Name of the connection the dataset belongs to.
    [[nodiscard]] QString DatasetConnectionName(int index) const;
    /// The dataset's SQL text, verbatim.
    [[nodiscard]] QString DatasetSQL(int index) const;
    /// Replaces a dataset's SQL text (it is closed first).
    void SetDatasetSQL(int index, const QString& sql);
    [[nodiscard]] int IndexOfDataset(const QString& name) const;

    /// Closes and frees every dataset and connection, and forgets the marks.
    void Clear();

    /// Opens every connection, then every dataset; each failure is shown
    /// and the others still open. Grows the marks and goes to record 0.
    void Open();
    /// The folder relative file sources are taken from: the label file's.
    void SetBaseFolder(const QString& folder) { FBaseFolder = folder; }
    [[nodiscard]] const QString& BaseFolder() const { return FBaseFolder; }
    void Close();
    void Reopen();

    void First();
    void Next();
    void Prior();
    [[nodiscard]] bool AtBeginning() const;
    [[nodiscard]] bool AtEnd() const;
    /// The largest record count of the datasets.
    [[nodiscard]] int RecordCount() const;
    [[nodiscard]] int RecordIndex() const { return FRecordIndex; }
    [[nodiscard]] const QList<bool>& Marks() const { return FMarks; }
    [[nodiscard]] bool IsMarked() const;
    void SetMarked(bool flag);

    /// The field's text in the current record; empty for an unknown or
    /// closed dataset or an unknown field.
    [[nodiscard]] QString FieldValue(const QString& dataset, const QString& field) const;
    [[nodiscard]] QString FieldNameAt(const QString& dataset, int index) const;
    /// Field names of an open dataset, in order; empty otherwise.
    [[nodiscard]] QStringList FieldNames(const QString& dataset) const;
    /// Moves every dataset from the first record until the field matches;
    /// false (all at their end) when no record matches.
    bool Find(const QString& dataset, const QString& field, bool partial, bool caseSensitive,
              const QString& value);

    /// Resolves a link data source; supplied by the design area.
    std::function<void(const QString& name, QString& value)> OnGetLinkValue;
    /// Lists the names links may refer to; supplied by the design area.
    std::function<void(QStringList& names)> OnGetLinkNames;
    /// Called when connections or datasets were replaced (the data window refreshes).
    std::function<void()> OnChanged;
    /// The platform's default beep (a failed Find); supplied by the program.
    std::function<void()> OnBeep;
    void GetLinkValue(const QString& name, QString& value) const;
    void GetLinkNames(QStringList& names) const;

    /// Format version of the label file being loaded; set before loading.
    int Version = 0;

    // The stored form (the label file's data connections block).
    void Save(TZpWriter& writer) const;
    /// Replaces everything by the block of a file of format Version; opens nothing.
    void Load(TZpReader& reader);

private:
    struct TEntry {
        QString Name;
        std::shared_ptr<TZpConnection> Connection; // connections only
        std::shared_ptr<TZpQuery> Query;           // datasets only
        QString ConnectionName;                    // datasets only
    };
    // Each list's names by position, and per clashing name the first number
    // not yet known to be taken, so that adding many equal names (a damaged
    // label file) costs linear time.
    struct TNameIndex {
        QHash<QString, int> Positions;
        QHash<QString, int> NextNumber;
    };
    [[nodiscard]] static QString UniqueName(TNameIndex& names, const QString& name);
    static void Reindex(TNameIndex& names, const QList<TEntry>& list);
    [[nodiscard]] TZpQuery* OpenDataset(const QString& name) const;

    QList<TEntry> FConnections;
    QList<TEntry> FDatasets;
    TNameIndex FConnectionNames;
    TNameIndex FDatasetNames;
    QList<bool> FMarks;
    int FRecordIndex = 0;
    QString FBaseFolder;
};

} // namespace zp
