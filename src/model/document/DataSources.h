// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <QString>
#include <QStringList>

namespace zp {

class TZpDataConnections;

/// Which data sources a pass over the label re-evaluates.
enum class TZpDataPass {
    All,            ///< every source; prompts that are due ask their question
    AllButPrompts,  ///< what a refresh, a preview and the bar code check update
    DatabaseFields, ///< database fields, then the links (after loading, Refresh)
};

/// Re-evaluates the sources of the pass in drawing order, except that links
/// come last and each after the link it names, so a link shows its target's
/// new text wherever the two objects stand in the list. Cancelling a prompt
/// raises EZpAbort.
void UpdateDataSources(const TZpObjectList& objects, TZpDataPass pass);

/// Serial numbering of every source: back to the start value, one step on,
/// one step back.
void ResetSerials(const TZpObjectList& objects);
void NextSerials(const TZpObjectList& objects);
void PreviousSerials(const TZpObjectList& objects);

/// After a run every prompt asks again: its text becomes "PROMPT", its count
/// 0, and its object is told that its data changed.
void ResetPrompts(const TZpObjectList& objects);

/// Gives every object that has a data source the label's connections.
void SetDataConnections(const TZpObjectList& objects, TZpDataConnections* connections);

/// The current text of the first object in drawing order whose source has
/// exactly this name; value is left alone and the result is false when no
/// object has it or the name is empty.
bool FindLinkValue(const TZpObjectList& objects, const QString& name, QString& value);
/// The names links may refer to: every named source, in drawing order.
[[nodiscard]] QStringList LinkTargetNames(const TZpObjectList& objects);

} // namespace zp
