// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/EditSession.h"

namespace zp {

/// Editing one object in place, without the editor's window: Begin records
/// "Editing" with a snapshot of the object before anything changes; End
/// closes the object's editor (which stores what was edited), then
/// refreshes the object's value (unless it prompts), the objects linked to
/// it and every other value, and marks the label modified. The session
/// keeps the edit that is open (TZpEditSession::BeginInPlaceEdit).
class TZpInPlaceEdit {
public:
    /// False, recording nothing, when the object's data source is not
    /// static text: such objects are not edited in place.
    [[nodiscard]] static bool CanEdit(const TZpObjectPtr& object);

    /// Null when CanEdit says no.
    [[nodiscard]] static std::unique_ptr<TZpInPlaceEdit> Begin(TZpEditSession& session, TZpObjectPtr object);
    void End();
    [[nodiscard]] const TZpObjectPtr& Object() const { return FObject; }

private:
    TZpInPlaceEdit(TZpEditSession& session, TZpObjectPtr object)
        : FSession(session), FObject(std::move(object)) {}

    TZpEditSession& FSession;
    TZpObjectPtr FObject;
};

} // namespace zp
