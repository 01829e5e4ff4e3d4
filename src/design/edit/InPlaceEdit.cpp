// SPDX-License-Identifier: MIT
#include "design/edit/InPlaceEdit.h"

#include "model/data/ZpData.h"

#include <exception>

namespace zp {

namespace {

/// A value that cannot be produced (a missing field, a cancelled prompt)
/// leaves the object as it was; the edit itself stands.
void UpdateQuietly(IZpData* data) {
    try {
        data->Update();
    } catch (const std::exception&) {
    }
}

} // namespace

bool TZpInPlaceEdit::CanEdit(const TZpObjectPtr& object) {
    const auto* data = Supports<IZpData>(object);
    return object && (!data || data->GetKind() == dkStaticText);
}

std::unique_ptr<TZpInPlaceEdit> TZpInPlaceEdit::Begin(TZpEditSession& session, TZpObjectPtr object) {
    if (!CanEdit(object))
        return nullptr;
    auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::Editing));
    event->AddItem(std::make_unique<TZpUndoObjectItem>(object));
    session.PushEvent(event);
    return std::unique_ptr<TZpInPlaceEdit>(new TZpInPlaceEdit(session, std::move(object)));
}

void TZpInPlaceEdit::End() {
    // The edited text goes into the object before any value is refreshed,
    // so that the objects linked to it read the new text.
    std::exception_ptr error;
    if (auto* editor = Supports<IZpEdit>(FObject)) {
        try {
            editor->EndEdit();
        } catch (...) {
            error = std::current_exception();
        }
    }
    auto* data = Supports<IZpData>(FObject);
    if (data && data->GetKind() != dkPrompt)
        UpdateQuietly(data);
    const QString name = data ? data->GetName() : QString();
    for (const TZpObjectPtr& other : FSession.Objects()) {
        auto* otherData = Supports<IZpData>(other);
        if (!otherData || other == FObject)
            continue;
        const bool linked =
            otherData->GetKind() == dkLink && !name.isEmpty() && otherData->GetLinkName() == name;
        if (linked || otherData->GetKind() != dkPrompt)
            UpdateQuietly(otherData);
    }
    FSession.SetModified();
    FSession.Notify(TZpChanges(TZpChange::ObjectsChanged) | TZpChange::Selection);
    // What the editor could not store is reported once the label is consistent.
    if (error)
        std::rethrow_exception(error);
}

} // namespace zp
