// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"

#include <QImage>
#include <QRect>
#include <vector>

class QPainter;

namespace zp {

/// The image cut into tiles once, for the piece-by-piece transfer that
/// printers take better for large images. The tiles are kept, so that every
/// label of a run draws the very same images (a PDF then holds them once).
class TZpImageTiles {
public:
    static constexpr int kTileSize = 512;
    struct TTile {
        QRect Source;
        QImage Image;
    };
    /// The tiles of image, cut on the first call for that image.
    [[nodiscard]] const std::vector<TTile>& For(const QImage& image);
    void Clear() {
        FTiles.clear();
        FKey = 0;
    }

private:
    std::vector<TTile> FTiles;
    qint64 FKey = 0;
};

/// How a picture is placed in its bounds.
struct TZpPicturePlacement {
    bool Stretch = true;          ///< the whole image fills the bounds
    bool Alternate = false;       ///< transfer in tiles, inside the painter's clip
    int ScreenPixelsPerInch = 96; ///< unstretched: one image pixel per screen pixel
    int LabelDpi = 96;
};

/// Draws image over bounds (label pixels) on a painter in the label mapping.
/// Unstretched, the image keeps one image pixel per screen pixel and is cut
/// off by the bounds. The image is drawn as it is (never a copy of part of
/// it), so a PDF embeds it once however often it is drawn.
void DrawPictureImage(QPainter& painter, const QImage& image, const TRect& bounds,
                      const TZpPicturePlacement& placement, TZpImageTiles& tiles);

/// The dashed outline of a picture without an image.
void DrawPictureOutline(QPainter& painter, const TRect& bounds);

/// Whether the painter draws onto paper (a printer or a PDF) rather than
/// the screen or a preview page.
[[nodiscard]] bool IsPrintCanvas(const QPainter& painter);

} // namespace zp
