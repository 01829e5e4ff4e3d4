// SPDX-License-Identifier: MIT
#pragma once

namespace zp {

class TZpEditSession;

/// "Object Properties" on the one selected object: the dialog service edits
/// it, and on OK one "Object Properties" event records the object's state
/// from before, so undo puts every property back at once. Nothing happens
/// with no or several objects selected; Cancel records nothing. True on OK.
bool EditObjectProperties(TZpEditSession& session);

} // namespace zp
