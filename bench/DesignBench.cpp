// SPDX-License-Identifier: MIT
// The design area over a label of 500 objects (text, bar codes, shapes and
// pictures), each ratio measured against its reference in the same run:
//  - a full repaint of the area at 100 % and 400 % beside the same objects
//    drawn straight into a picture of the same size by the same drawing code;
//  - a drag frame (one object's outline moving over the cached label) beside
//    a full repaint;
//  - undoing and then redoing 1,000 single-object moves;
//  - a hit test at a pointer position and a rubber band over everything on a
//    label of 10,000 objects (goals: under 1 ms and under 20 ms).
// Goals: full repaint at most 1.5 x, a drag frame at most 0.1 x a full
// repaint, the undos and redos under 0.2 s, and 1,000 "Move" events adding
// under 5 MiB (reported on standard error);
//  - aligning and nudging 10,000 selected objects, undo included: each
//    under 50 ms.
#include "base/LabelDpi.h"
#include "design/edit/Arrange.h"
#include "design/tools/Tool.h"
#include "design/view/DesignArea.h"
#include "model/data/ZpData.h"
#include "model/objects/ObjectClasses.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <algorithm>
#include <cstdio>
#include <malloc.h>

namespace {

using namespace zp;

/// 10,000 objects in a 100 x 100 grid on a 10 x 10 inch label.
void HitTestAndRubberBand() {
    TZpEditSession session(100);
    session.Document().Layout().Width = 10.0f;
    session.Document().Layout().Height = 10.0f;
    const char* const classes[] = {"TZpRectangleObject", "TZpLineObject", "TZpCircleObject", "TZpTextObject"};
    for (int i = 0; i < 10000; ++i) {
        TZpObjectPtr o = zp::CreateObject(QString::fromLatin1(classes[i % 4]));
        const int x = (i % 100) * 30;
        const int y = (i / 100) * 30;
        o->SetBounds({x, y, x + 25, y + 25});
        session.Document().Objects().push_back(o);
    }
    const TZpViewMapping mapping{300, 96, 0, 0};
    QElapsedTimer timer;
    timer.start();
    int found = 0;
    constexpr int kTests = 200;
    for (int i = 0; i < kTests; ++i)
        found += session.HitTest({(i * 37) % 900, (i * 53) % 900}, mapping) ? 1 : 0;
    std::printf("design: hit test 10000 objects: %.3f ms\n", timer.nsecsElapsed() / 1e6 / kTests);
    timer.restart();
    session.SelectInRect({0, 0, 3000, 3000});
    const double band = timer.nsecsElapsed() / 1e6;
    std::printf("design: rubber band 10000 objects: %.1f ms\n", band);
    if (session.SelectedCount() != 10000 || found == 0)
        std::fprintf(stderr, "design: rubber band selected %d objects\n", session.SelectedCount());
}

constexpr int kDpi = 300;
constexpr int kObjects = 500;
const QSize kViewport(1200, 900);

void FillLabel(TZpEditSession& session) {
    session.Document().Layout().Width = 8.0f;
    session.Document().Layout().Height = 6.0f;
    const char* const classes[] = {"TZpTextObject",      "TZpBarcodeObject", "TZpRectangleObject",
                                   "TZpRoundRectObject", "TZpCircleObject",  "TZpLineObject",
                                   "TZpTextObject",      "TZpPictureObject"};
    QImage picture(64, 48, QImage::Format_RGB32);
    picture.fill(QColor(40, 120, 200));
    for (int i = 0; i < kObjects; ++i) {
        TZpObjectPtr object = CreateObject(QString::fromLatin1(classes[i % 8]));
        const int x = (i % 20) * 115;
        const int y = (i / 20) * 70;
        object->SetBounds({x, y, x + 110, y + 60});
        if (auto* data = Supports<IZpData>(object))
            data->SetText(QStringLiteral("%1").arg(100000 + i));
        if (auto* graphic = Supports<IZpGraphic>(object))
            graphic->AssignBitmap(picture);
        session.AddObject(object);
    }
}

// Seconds per call of fn, best of a few rounds (the machine is shared).
template <class F> double Seconds(F fn, int reps) {
    double best = 1e9;
    for (int round = 0; round < 5; ++round) {
        QElapsedTimer timer;
        timer.start();
        for (int i = 0; i < reps; ++i)
            fn();
        best = std::min(best, timer.nsecsElapsed() / 1e9 / reps);
    }
    return best;
}

double FullRepaint(TZpDesignArea& area) {
    QImage image(area.viewport()->size(), QImage::Format_RGB32);
    return Seconds(
        [&] {
            QPainter painter(&image);
            area.PaintArea(painter, area.viewport()->rect(), false);
        },
        3);
}

// The same objects into a picture of the same size, by the same drawing code.
double BarePainter(TZpDesignArea& area) {
    QImage image(area.viewport()->size(), QImage::Format_RGB32);
    const QTransform transform = LabelTransform(area.Mapping());
    return Seconds(
        [&] {
            QPainter painter(&image);
            image.fill(Qt::white);
            for (const TZpObjectPtr& object : area.Session().Objects()) {
                painter.setWorldTransform(transform);
                Supports<IZpPaint>(object)->Draw(painter);
            }
        },
        3);
}

// What a moving tool draws: the outline of one object at its drag position.
class TOutlineTool : public TZpTool {
public:
    TRect Outline;
    void PaintOverlay(QPainter& painter) override {
        const TRect d = FArea->Mapping().LabelToDeviceRect(Outline);
        painter.setPen(QPen(Qt::black, 0, Qt::DotLine));
        painter.drawRect(QRect(QPoint(d.Left, d.Top), QPoint(d.Right, d.Bottom)));
    }
};

size_t HeapBytes() {
    const struct mallinfo2 info = mallinfo2();
    return info.uordblks + info.hblkhd;
}

} // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    SetLabelDPI(kDpi);
    TZpEditSession session(999);
    FillLabel(session);
    TZpDesignArea area(session);
    area.SetScreenPixelsPerInch(96);
    area.resize(kViewport);
    area.show();

    const double full100 = FullRepaint(area);
    std::printf("design: full repaint 100%%: %.2fx bare QPainter\n", full100 / BarePainter(area));
    area.SetZoom(400);
    std::printf("design: full repaint 400%%: %.2fx bare QPainter\n", FullRepaint(area) / BarePainter(area));
    area.SetZoom(100);

    TOutlineTool tool;
    area.SetTool(&tool);
    const TZpObjectPtr moved = session.Objects()[250];
    QImage frame(area.viewport()->size(), QImage::Format_RGB32);
    {
        QPainter warm(&frame);
        area.PaintArea(warm, area.viewport()->rect(), true);
    }
    int step = 0;
    const double drag = Seconds(
        [&] {
            const TRect b = moved->GetBounds();
            tool.Outline = {b.Left + step, b.Top + step, b.Right + step, b.Bottom + step};
            ++step;
            QPainter painter(&frame);
            area.PaintArea(painter, area.viewport()->rect(), true);
        },
        20);
    std::printf("design: drag frame: %.2fx full repaint\n", drag / full100);
    area.SetTool(nullptr);

    const size_t heapBefore = HeapBytes();
    for (int i = 0; i < 1000; ++i) {
        const TZpObjectPtr& object = session.Objects()[size_t(i % kObjects)];
        auto event = std::make_shared<TZpUndoEvent>(QString::fromLatin1(UndoCaption::Move));
        event->AddItem(std::make_unique<TZpUndoRectEventItem>(object));
        TRect b = object->GetBounds();
        b.Left += 3;
        b.Right += 3;
        object->SetBounds(b);
        session.PushEvent(event, TZpChange::ObjectsChanged, true);
    }
    const double heapMiB = double(HeapBytes() - heapBefore) / (1024.0 * 1024.0);
    QElapsedTimer timer;
    timer.start();
    while (session.CanUndo())
        session.Undo();
    while (session.CanRedo())
        session.Redo();
    std::printf("design: undo+redo 1000 moves: %.3f s\n", timer.nsecsElapsed() / 1e9);
    std::fprintf(stderr, "design: 1000 Move events: %.2f MiB\n", heapMiB);
    HitTestAndRubberBand();

    // Aligning and nudging a selection of 10,000 objects, each with its undo.
    TZpEditSession many(100);
    const char* const shapes[] = {"TZpTextObject", "TZpRectangleObject", "TZpCircleObject", "TZpLineObject"};
    for (int i = 0; i < 10000; ++i) {
        TZpObjectPtr object = CreateObject(QString::fromLatin1(shapes[i % 4]));
        const int x = 100 + (i % 100) * 30;
        const int y = 100 + (i / 100) * 30;
        object->SetBounds({x, y, x + 25, y + 20});
        many.Document().Objects().push_back(object);
    }
    many.SelectAll();
    const double align = Seconds(
        [&] {
            AlignObjects(many, TZpAlign::Left);
            many.Undo();
        },
        1);
    std::printf("design: align 10000 objects: %.0f ms\n", align * 1000);
    const double nudge = Seconds(
        [&] {
            Nudge(many, 1, 0, 96);
            many.Undo();
        },
        1);
    std::printf("design: nudge 10000 objects: %.0f ms\n", nudge * 1000);
    return 0;
}
