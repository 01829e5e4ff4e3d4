// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/RVData.h"
#include "model/objects/ZpObject.h"

#include <functional>

namespace zp {

/// The formatting a text object keeps in its text: the style sheet, the
/// runs and paragraphs, and the leading that follows the size. The font
/// setters convert every run, which leaves the old styles in the sheet and
/// rounds the leading, so setting an old font value again does not give the
/// text back as it was; the font undo items keep this beside their value.
/// Objects without such text keep nothing.
class TZpTextFormatting {
public:
    explicit TZpTextFormatting(const TZpObjectPtr& object);
    /// Runs change (a font setter), then puts back the formatting recorded
    /// and records the one from before the change, so undo and redo are the
    /// same step.
    void Swap(const TZpObjectPtr& object, const std::function<void()>& change);

private:
    struct TState {
        std::vector<TZpTextStyle> Styles;
        std::vector<int32_t> ParaStyles;
        std::vector<TZpParagraph> Paragraphs;
        int32_t Leading = 0;
    };
    static TState Take(const TZpRVData& text);
    static void Put(TZpRVData& text, TState state);

    bool FHasText = false;
    TState FState;
};

} // namespace zp
