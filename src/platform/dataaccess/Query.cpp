// SPDX-License-Identifier: MIT
#include "platform/dataaccess/Query.h"

#include "base/Errors.h"
#include "platform/dataaccess/Connection.h"

namespace zp {

TZpQuery::TZpQuery(TZpConnection* connection, const QString& sql) : FConnection(connection), FSQL(sql) {}

TZpQuery::~TZpQuery() = default;

void TZpQuery::SetConnection(TZpConnection* connection) {
    Close();
    FConnection = connection;
}

void TZpQuery::SetSQL(const QString& sql) {
    Close();
    FSQL = sql;
}

void TZpQuery::Open() {
    Close();
    if (FConnection == nullptr) {
        throw EZpError(QStringLiteral("The query has no connection."));
    }
    if (!FConnection->Connected()) {
        FConnection->Open();
    }
    FRecords = FConnection->Select(FSQL);
    First();
}

void TZpQuery::Close() {
    FRecords.reset();
    FPosition = 0;
    FBof = true;
    FEof = true;
}

void TZpQuery::First() {
    FPosition = 0;
    FBof = true;
    FEof = RecordCount() == 0;
}

// A move in either direction leaves the other end, even when the cursor cannot
// move (a single record): a step forward from the only record is no longer at
// the beginning, so that the way back is open.
void TZpQuery::Next() {
    if (!FRecords || FEof) {
        return;
    }
    FBof = false;
    if (FPosition + 1 < RecordCount()) {
        ++FPosition;
    } else {
        FEof = true;
    }
}

void TZpQuery::Prior() {
    if (!FRecords || FBof) {
        return;
    }
    FEof = false;
    if (FPosition > 0) {
        --FPosition;
    } else {
        FBof = true;
    }
}

bool TZpQuery::Bof() const {
    return FBof;
}

bool TZpQuery::Eof() const {
    return FEof;
}

int TZpQuery::RecordCount() const {
    return FRecords ? FRecords->Count() : 0;
}

int TZpQuery::FieldCount() const {
    return FRecords ? static_cast<int>(FRecords->Fields.size()) : 0;
}

const TZpFieldInfo& TZpQuery::Field(int index) const {
    if (index < 0 || index >= FieldCount()) {
        throw EZpError(QStringLiteral("List index out of bounds (%1)").arg(index));
    }
    return FRecords->Fields[index];
}

int TZpQuery::FieldIndex(const QString& name) const {
    for (int i = 0; i < FieldCount(); ++i) {
        if (FRecords->Fields[i].Name.compare(name, Qt::CaseInsensitive) == 0) {
            return i;
        }
    }
    return -1;
}

QString TZpQuery::Value(int index) const {
    if (!FRecords || FPosition >= RecordCount() || index < 0) {
        return {};
    }
    const QStringList row = FRecords->Row(FPosition);
    return index < row.size() ? row[index] : QString();
}

} // namespace zp
