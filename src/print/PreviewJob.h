// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <QPicture>
#include <QString>
#include <functional>
#include <vector>

namespace zp {

class TLabelProperties;
class TZpDataConnections;
struct TZpPrintInfo;

/// The pages of a preview run, in order: vector pictures in screen pixels,
/// never page bitmaps, so that thousands of labels stay small in memory.
using TZpPreviewPages = std::vector<QPicture>;

/// The preview run: the labels of the print run drawn onto page pictures,
/// each label outlined in its shape first, the printable area outlined in
/// red when the printer has margins. No scripts, no page range, prompts
/// keep their text and are not asked; serial start values and prompt answers
/// are left as they are.
[[nodiscard]] TZpPreviewPages BuildPreviewPages(const TZpObjectList& objects, const TLabelProperties& layout,
                                                TZpDataConnections& connections, const TZpPrintInfo& info);

/// What the preview window is given.
struct TZpPreviewRequest {
    const TZpObjectList& Objects;
    const TLabelProperties& Layout;
    TZpDataConnections& Connections;
    const QString& Title;
    TZpPrintInfo& Info;
    TZpPreviewPages& Pages;
};

/// The preview window: installed by the program; without one the pages are
/// built and dropped.
using TZpPreviewWindow = std::function<void(TZpPreviewRequest&)>;
void SetPreviewWindow(TZpPreviewWindow window);

/// Builds the pages and shows them in the preview window; the pages are
/// freed when it closes.
void BuildPreview(const TZpObjectList& objects, const TLabelProperties& layout,
                  TZpDataConnections& connections, const QString& title, TZpPrintInfo& info);

} // namespace zp
