// SPDX-License-Identifier: MIT
#include "data/DataConnections.h"

#include "base/Errors.h"
#include "data/SchemaIni.h"
#include "data/WaitCursor.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"
#include "platform/dialogs/DialogServices.h"

#include <algorithm>

namespace zp {

namespace {

void ReportOpenFailure(const QString& name, const QString& error) {
    ShowMessage(
        TZpMsgKind::Information,
        QStringLiteral("The dataset \"%1\" could not be opened.  The following error was reported: %2")
            .arg(name, error));
}

} // namespace

TZpDataConnections::TZpDataConnections() = default;

TZpDataConnections::~TZpDataConnections() {
    Clear();
}

QString TZpDataConnections::UniqueName(TNameIndex& names, const QString& name) {
    if (!names.Positions.contains(name)) {
        return name;
    }
    // Numbers below the remembered one are taken; only a deletion frees one,
    // and Reindex then forgets what was remembered.
    int& next = names.NextNumber[name];
    for (int n = std::max(next, 1);; ++n) {
        QString candidate = QStringLiteral("%1_%2").arg(name).arg(n);
        if (!names.Positions.contains(candidate)) {
            next = n + 1;
            return candidate;
        }
    }
}

void TZpDataConnections::Reindex(TNameIndex& names, const QList<TEntry>& list) {
    names.Positions.clear();
    names.NextNumber.clear();
    for (int i = 0; i < list.size(); ++i) {
        names.Positions.insert(list[i].Name, i);
    }
}

int TZpDataConnections::AddConnection(const QString& name, const QString& connectionString) {
    auto connection = std::make_shared<TZpConnection>(connectionString);
    connection->ReadOnly = true;
    QString unique = UniqueName(FConnectionNames, name);
    FConnectionNames.Positions.insert(unique, static_cast<int>(FConnections.size()));
    FConnections.append(TEntry{std::move(unique), std::move(connection), nullptr, {}});
    return static_cast<int>(FConnections.size()) - 1;
}

void TZpDataConnections::DeleteConnection(int index) {
    if (index < 0 || index >= FConnections.size()) {
        return;
    }
    // A dataset left over by a careless caller must not keep a dangling connection.
    for (TEntry& dataset : FDatasets) {
        if (dataset.Query->Connection() == FConnections[index].Connection.get()) {
            dataset.Query->Close();
            dataset.Query->SetConnection(nullptr);
        }
    }
    FConnections[index].Connection->Close();
    FConnections.removeAt(index);
    Reindex(FConnectionNames, FConnections);
}

QString TZpDataConnections::ConnectionName(int index) const {
    return index >= 0 && index < FConnections.size() ? FConnections[index].Name : QString();
}

TZpConnection* TZpDataConnections::ConnectionObject(int index) const {
    return index >= 0 && index < FConnections.size() ? FConnections[index].Connection.get() : nullptr;
}

QString TZpDataConnections::ConnectionString(int index) const {
    const TZpConnection* connection = ConnectionObject(index);
    return connection ? connection->ConnectionString() : QString();
}

int TZpDataConnections::IndexOfConnection(const QString& name) const {
    return FConnectionNames.Positions.value(name, -1);
}

int TZpDataConnections::AddDataset(const QString& connectionName, const QString& datasetName,
                                   const QString& sql) {
    const int connection = IndexOfConnection(connectionName);
    if (connection < 0) {
        throw EZpError(QStringLiteral("Invalid connection \"%1\"!").arg(connectionName));
    }
    auto query = std::make_shared<TZpQuery>(FConnections[connection].Connection.get(), sql);
    QString unique = UniqueName(FDatasetNames, datasetName);
    FDatasetNames.Positions.insert(unique, static_cast<int>(FDatasets.size()));
    FDatasets.append(TEntry{std::move(unique), nullptr, std::move(query), connectionName});
    return static_cast<int>(FDatasets.size()) - 1;
}

void TZpDataConnections::DeleteDataset(int index) {
    if (index < 0 || index >= FDatasets.size()) {
        return;
    }
    FDatasets[index].Query->Close();
    FDatasets.removeAt(index);
    Reindex(FDatasetNames, FDatasets);
}

QString TZpDataConnections::DatasetName(int index) const {
    return index >= 0 && index < FDatasets.size() ? FDatasets[index].Name : QString();
}

TZpQuery* TZpDataConnections::DatasetObject(int index) const {
    return index >= 0 && index < FDatasets.size() ? FDatasets[index].Query.get() : nullptr;
}

QString TZpDataConnections::DatasetConnectionName(int index) const {
    return index >= 0 && index < FDatasets.size() ? FDatasets[index].ConnectionName : QString();
}

QString TZpDataConnections::DatasetSQL(int index) const {
    const TZpQuery* query = DatasetObject(index);
    return query ? query->SQL() : QString();
}

void TZpDataConnections::SetDatasetSQL(int index, const QString& sql) {
    if (TZpQuery* query = DatasetObject(index)) {
        query->SetSQL(sql);
    }
}

int TZpDataConnections::IndexOfDataset(const QString& name) const {
    return FDatasetNames.Positions.value(name, -1);
}

void TZpDataConnections::Clear() {
    Close();
    FDatasets.clear();
    FConnections.clear();
    Reindex(FDatasetNames, FDatasets);
    Reindex(FConnectionNames, FConnections);
    // The marks belong to the records of the datasets just freed; kept, they
    // would mark records of whatever the label opens next.
    FMarks.clear();
    FRecordIndex = 0;
}

void TZpDataConnections::Open() {
    for (const TEntry& entry : FConnections) {
        try {
            entry.Connection->BaseFolder = FBaseFolder;
            entry.Connection->Open();
            WriteSchemaIni(*entry.Connection);
        } catch (const EZpError& error) {
            ReportOpenFailure(entry.Name, error.Message());
        }
    }
    for (const TEntry& entry : FDatasets) {
        try {
            if (entry.Query->Connection() == nullptr) {
                throw EZpError(QStringLiteral("Invalid connection \"%1\"!").arg(entry.ConnectionName));
            }
            entry.Query->Open();
        } catch (const EZpError& error) {
            ReportOpenFailure(entry.Name, error.Message());
        }
    }
    const int count = RecordCount();
    while (FMarks.size() < count) {
        FMarks.append(false);
    }
    FRecordIndex = 0;
}

void TZpDataConnections::Close() {
    for (const TEntry& entry : FDatasets) {
        entry.Query->Close();
    }
    for (const TEntry& entry : FConnections) {
        entry.Connection->Close();
    }
}

void TZpDataConnections::Reopen() {
    Close();
    Open();
}

void TZpDataConnections::First() {
    FRecordIndex = 0;
    for (const TEntry& entry : FDatasets) {
        entry.Query->First();
    }
}

void TZpDataConnections::Next() {
    if (FRecordIndex < FMarks.size() - 1) {
        ++FRecordIndex;
    }
    for (const TEntry& entry : FDatasets) {
        entry.Query->Next();
    }
}

void TZpDataConnections::Prior() {
    if (FRecordIndex > 0) {
        --FRecordIndex;
    }
    for (const TEntry& entry : FDatasets) {
        entry.Query->Prior();
    }
}

bool TZpDataConnections::AtBeginning() const {
    for (const TEntry& entry : FDatasets) {
        if (!entry.Query->Bof()) {
            return false;
        }
    }
    return true;
}

bool TZpDataConnections::AtEnd() const {
    for (const TEntry& entry : FDatasets) {
        if (!entry.Query->Eof()) {
            return false;
        }
    }
    return true;
}

int TZpDataConnections::RecordCount() const {
    int count = 0;
    for (const TEntry& entry : FDatasets) {
        count = std::max(count, entry.Query->RecordCount());
    }
    return count;
}

bool TZpDataConnections::IsMarked() const {
    return FRecordIndex >= 0 && FRecordIndex < FMarks.size() && FMarks[FRecordIndex];
}

void TZpDataConnections::SetMarked(bool flag) {
    if (FRecordIndex >= 0 && FRecordIndex < FMarks.size()) {
        FMarks[FRecordIndex] = flag;
    }
}

TZpQuery* TZpDataConnections::OpenDataset(const QString& name) const {
    TZpQuery* query = DatasetObject(IndexOfDataset(name));
    return query && query->Active() ? query : nullptr;
}

QString TZpDataConnections::FieldValue(const QString& dataset, const QString& field) const {
    const TZpQuery* query = OpenDataset(dataset);
    return query ? query->Value(field) : QString();
}

QString TZpDataConnections::FieldNameAt(const QString& dataset, int index) const {
    const TZpQuery* query = OpenDataset(dataset);
    return query && index >= 0 && index < query->FieldCount() ? query->Field(index).Name : QString();
}

QStringList TZpDataConnections::FieldNames(const QString& dataset) const {
    QStringList names;
    if (const TZpQuery* query = OpenDataset(dataset)) {
        for (int i = 0; i < query->FieldCount(); ++i) {
            names.append(query->Field(i).Name);
        }
    }
    return names;
}

bool TZpDataConnections::Find(const QString& dataset, const QString& field, bool partial, bool caseSensitive,
                              const QString& value) {
    TZpWaitCursor wait;
    const Qt::CaseSensitivity cs = caseSensitive ? Qt::CaseSensitive : Qt::CaseInsensitive;
    First();
    while (!AtEnd()) {
        const QString text = FieldValue(dataset, field);
        if (partial ? text.contains(value, cs) : text.compare(value, cs) == 0) {
            return true;
        }
        Next();
    }
    if (OnBeep) {
        OnBeep();
    }
    return false;
}

void TZpDataConnections::GetLinkValue(const QString& name, QString& value) const {
    if (OnGetLinkValue) {
        OnGetLinkValue(name, value);
    }
}

void TZpDataConnections::GetLinkNames(QStringList& names) const {
    if (OnGetLinkNames) {
        OnGetLinkNames(names);
    }
}

} // namespace zp
