// SPDX-License-Identifier: MIT
#include "model/objects/ObjectCursors.h"

#include <QMap>
#include <QPixmap>
#include <array>

// The resource initialiser must be declared at global scope.
static void InitResources() {
    Q_INIT_RESOURCE(resources);
}

namespace zp {

namespace {

constexpr int kFirstCursor = 2000;
constexpr std::array<const char*, 9> kCursorResources = {
    "CRS_TEXT", "CRS_RICHTEXT",        "CRS_RECT",    "CRS_ROUNDRECT", "CRS_CIRCLE",
    "CRS_LINE", "CRS_CONSTRAINEDLINE", "CRS_BARCODE", "CRS_PICTURE"};

QMap<int, QCursor>& Registered() {
    static QMap<int, QCursor> cursors;
    return cursors;
}

} // namespace

const char* ObjectCursorResource(int id) {
    const int index = id - kFirstCursor;
    return index >= 0 && index < int(kCursorResources.size()) ? kCursorResources[index] : "";
}

void RegisterObjectCursors() {
    InitResources();
    for (int i = 0; i < int(kCursorResources.size()); ++i) {
        const QPixmap image(QStringLiteral(":/cursors/") + QLatin1String(kCursorResources[i]), "XPM");
        // The hot spot is the centre of the crosshair drawn in each image.
        Registered().insert(kFirstCursor + i,
                            image.isNull() ? QCursor(Qt::CrossCursor) : QCursor(image, 8, 8));
    }
}

QCursor ObjectCursor(int id) {
    const auto it = Registered().constFind(id);
    return it != Registered().constEnd() ? *it : QCursor(Qt::DragMoveCursor);
}

} // namespace zp
