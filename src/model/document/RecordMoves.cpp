// SPDX-License-Identifier: MIT
// Record moves and data refreshes of the label document.
#include "data/DataConnections.h"
#include "model/document/DataSources.h"
#include "model/document/LabelDocument.h"

namespace zp {

namespace {

bool AtLastRecord(const TZpDataConnections& c) {
    return c.RecordIndex() >= c.RecordCount() - 1;
}

// One record on; false when the record index could not move (fewer marks
// than records), so that no loop over the records can run forever.
bool StepOn(TZpDataConnections& c) {
    const int before = c.RecordIndex();
    c.Next();
    return c.RecordIndex() != before;
}

} // namespace

void TZpLabelDocument::RefreshDataValues() {
    UpdateDataSources(FObjects, TZpDataPass::AllButPrompts);
}

void TZpLabelDocument::DataFirst() {
    Connections().First();
    ResetSerials(FObjects);
    RefreshDataValues();
}

bool TZpLabelDocument::DataNext() {
    if (AtLastRecord(Connections()))
        return false;
    Connections().Next();
    NextSerials(FObjects);
    RefreshDataValues();
    return true;
}

bool TZpLabelDocument::DataPrior() {
    if (Connections().RecordIndex() <= 0)
        return false;
    Connections().Prior();
    PreviousSerials(FObjects);
    RefreshDataValues();
    return true;
}

void TZpLabelDocument::DataLast() {
    TZpDataConnections& connections = Connections();
    while (!AtLastRecord(connections)) {
        const bool moved = StepOn(connections);
        NextSerials(FObjects);
        if (!moved)
            break;
    }
    RefreshDataValues();
}

// Reopening starts at the first record; the datasets then walk back to the
// record that was shown, without touching the serial numbering.
void TZpLabelDocument::DataRefresh() {
    TZpDataConnections& connections = Connections();
    const int record = connections.RecordIndex();
    connections.Reopen();
    while (connections.RecordIndex() < record && !AtLastRecord(connections) && StepOn(connections)) {
    }
    UpdateDataSources(FObjects, TZpDataPass::DatabaseFields);
}

} // namespace zp
