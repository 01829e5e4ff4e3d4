// SPDX-License-Identifier: MIT
#include "design/edit/TextFormatting.h"

#include "model/objects/TextInterfaces.h"

namespace zp {

TZpTextFormatting::TZpTextFormatting(const TZpObjectPtr& object) {
    if (auto* rv = Supports<IZpRVData>(object)) {
        FHasText = true;
        FState = Take(rv->GetRVData());
    }
}

void TZpTextFormatting::Swap(const TZpObjectPtr& object, const std::function<void()>& change) {
    auto* rv = FHasText ? Supports<IZpRVData>(object) : nullptr;
    if (!rv) {
        change();
        return;
    }
    TState before = Take(rv->GetRVData());
    change();
    Put(rv->GetRVData(), std::move(FState));
    FState = std::move(before);
}

TZpTextFormatting::TState TZpTextFormatting::Take(const TZpRVData& text) {
    return {text.TextStyles(), text.ParaStyles(), text.Paragraphs(), text.CustomLeadingSize};
}

// Through the setters, so the text counts as changed and is laid out again.
void TZpTextFormatting::Put(TZpRVData& text, TState state) {
    text.SetTextStyles(std::move(state.Styles));
    text.SetParaStyles(std::move(state.ParaStyles));
    text.SetParagraphs(std::move(state.Paragraphs));
    text.CustomLeadingSize = state.Leading;
}

} // namespace zp
