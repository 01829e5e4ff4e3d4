// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/RecordSet.h"

#include <QString>
#include <memory>

namespace zp {

class TZpConnection;

/// A query over one connection: a SELECT text or a table name in brackets.
/// Opening reads every record, so the record count is known and the cursor
/// moves both ways. A closed query is at its beginning and at its end.
class TZpQuery {
public:
    explicit TZpQuery(TZpConnection* connection = nullptr, const QString& sql = {});
    ~TZpQuery();
    TZpQuery(const TZpQuery&) = delete;
    TZpQuery& operator=(const TZpQuery&) = delete;

    [[nodiscard]] TZpConnection* Connection() const { return FConnection; }
    void SetConnection(TZpConnection* connection);
    [[nodiscard]] const QString& SQL() const { return FSQL; }
    /// Takes effect at the next Open; an open query is closed first.
    void SetSQL(const QString& sql);

    /// Raises EZpError with the engine's message; the query stays closed then.
    void Open();
    void Close();
    [[nodiscard]] bool Active() const { return FRecords != nullptr; }

    void First();
    /// Past the last record the query is at its end and stays there.
    void Next();
    void Prior();
    /// True after First or after moving back from the first record, and with no records.
    [[nodiscard]] bool Bof() const;
    /// True after moving past the last record, or with no records.
    [[nodiscard]] bool Eof() const;
    [[nodiscard]] int RecordCount() const;
    /// The current record, 0 = first (meaningless at either end of an empty set).
    [[nodiscard]] int RecNo() const { return FPosition; }

    [[nodiscard]] int FieldCount() const;
    /// Field info by position; raises for a position out of range.
    [[nodiscard]] const TZpFieldInfo& Field(int index) const;
    /// Position of a field by name (case-insensitive), -1 when absent.
    [[nodiscard]] int FieldIndex(const QString& name) const;
    /// The current record's value as text; empty for null, out of range or
    /// when at either end with no current record.
    [[nodiscard]] QString Value(int index) const;
    [[nodiscard]] QString Value(const QString& name) const { return Value(FieldIndex(name)); }

private:
    TZpConnection* FConnection;
    QString FSQL;
    std::unique_ptr<TZpRecordSet> FRecords;
    int FPosition = 0;
    bool FBof = true;
    bool FEof = true;
};

} // namespace zp
