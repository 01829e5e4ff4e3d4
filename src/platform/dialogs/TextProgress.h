// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dialogs/Progress.h"

#include <cstdio>

namespace zp {

/// The progress of a run without a display. On a terminal it redraws one
/// line with a bar (when the total is known) and the page; otherwise it
/// writes one line per page, so that logs stay short and readable.
class TZpTextProgress : public IZpProgress {
public:
    TZpTextProgress(FILE* out, TZpProgressKind kind, bool terminal);
    ~TZpTextProgress() override;
    TZpTextProgress(const TZpTextProgress&) = delete;
    TZpTextProgress& operator=(const TZpTextProgress&) = delete;

    void Update(const QString& line1, const QString& line2) override;
    void SetPosition(int position, int total, const QString& caption) override;
    [[nodiscard]] bool Cancelled() const override { return false; }
    void ClearCancel() override {}

private:
    void DrawBar();
    FILE* FOut;
    TZpProgressKind FKind;
    bool FTerminal;
    QString FLine;
    int FPosition = 0;
    int FTotal = 0;
    int FDrawnPermille = -1;
    bool FDrawn = false;
};

} // namespace zp
