// SPDX-License-Identifier: MIT
#include "design/edit/ObjectProperties.h"

#include "design/edit/EditSession.h"
#include "platform/dialogs/DialogServices.h"

namespace zp {

bool EditObjectProperties(TZpEditSession& session) {
    session.EndInPlaceEdit();
    if (session.SelectedCount() != 1)
        return false;
    const TZpObjectPtr object = session.Selected(0);
    // The snapshot is taken before the dialog sees the object.
    auto item = std::make_unique<TZpUndoObjectItem>(object);
    if (!ZpDialogs().EditObjectProperties(*object))
        return false;
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::ObjectProperties));
    event->AddItem(std::move(item));
    session.PushEvent(std::move(event), TZpChange::ObjectsChanged, true);
    return true;
}

} // namespace zp
