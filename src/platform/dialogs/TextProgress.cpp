// SPDX-License-Identifier: MIT
#include "platform/dialogs/TextProgress.h"

#include <algorithm>

namespace zp {

namespace {
constexpr int kBarWidth = 30;

const char* Caption(TZpProgressKind kind) {
    return kind == TZpProgressKind::GeneratingLabels ? progress_texts::kGeneratingCaption
                                                     : progress_texts::kCheckingCaption;
}
} // namespace

TZpTextProgress::TZpTextProgress(FILE* out, TZpProgressKind kind, bool terminal)
    : FOut(out), FKind(kind), FTerminal(terminal) {}

TZpTextProgress::~TZpTextProgress() {
    if (FOut && FTerminal && FDrawn) {
        std::fputc('\n', FOut);
        std::fflush(FOut);
    }
}

void TZpTextProgress::Update(const QString&, const QString& line2) {
    if (line2 == FLine)
        return;
    FLine = line2;
    if (!FOut)
        return;
    if (FTerminal) {
        DrawBar();
        return;
    }
    std::fprintf(FOut, "zentaprint: %s: %s\n", Caption(FKind), line2.toUtf8().constData());
    std::fflush(FOut);
}

void TZpTextProgress::SetPosition(int position, int total, const QString&) {
    FPosition = position;
    FTotal = total;
    if (!FOut || !FTerminal)
        return;
    // Redraw only when the bar moves by a tenth of a percent: a run of many
    // labels calls this once per label.
    const int permille = total > 0 ? int(std::clamp<qint64>(qint64(position) * 1000 / total, 0, 1000)) : -1;
    if (permille != FDrawnPermille)
        DrawBar();
}

void TZpTextProgress::DrawBar() {
    const int permille =
        FTotal > 0 ? int(std::clamp<qint64>(qint64(FPosition) * 1000 / FTotal, 0, 1000)) : -1;
    FDrawnPermille = permille;
    FDrawn = true;
    char bar[kBarWidth + 1];
    const int filled = permille < 0 ? 0 : permille * kBarWidth / 1000;
    for (int i = 0; i < kBarWidth; ++i)
        bar[i] = i < filled ? '#' : '-';
    bar[kBarWidth] = '\0';
    if (permille >= 0)
        std::fprintf(FOut, "\r%s [%s] %3d%% %s\x1b[K", Caption(FKind), bar, permille / 10,
                     FLine.toUtf8().constData());
    else
        std::fprintf(FOut, "\r%s %s\x1b[K", Caption(FKind), FLine.toUtf8().constData());
    std::fflush(FOut);
}

} // namespace zp
