// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"
#include "design/edit/ViewGeometry.h"
#include "model/layout/LabelRoutines.h"

#include <QString>
#include <functional>
#include <memory>
#include <vector>

class QImage;
class QMimeData;

namespace zp {

class TZpEditSession;

/// The MIME type of label objects on the clipboard and in drags; its bytes
/// are an object list exactly as label files store their objects.
inline constexpr char kObjectsMimeType[] = "application/x-zentaprint-objects";

/// The kinds of paste, numbered as the Paste Special list numbers them.
enum class TZpPasteKind { Objects = 0, Text = 1, Barcode = 2, Picture = 3 };

struct TZpPasteChoice {
    TZpPasteKind Kind;
    QString Caption;
};

/// What the clipboard offers, by its MIME types.
[[nodiscard]] bool OffersObjects(const QMimeData& mime);
[[nodiscard]] bool OffersText(const QMimeData& mime);
/// A raster image Qt can decode.
[[nodiscard]] bool OffersBitmap(const QMimeData& mime);
/// A picture of any kind, metafile-like ones (which cannot be pasted) included.
[[nodiscard]] bool OffersPicture(const QMimeData& mime);
/// Whether Paste and Paste Special have anything to take.
[[nodiscard]] bool CanPasteFrom(const QMimeData& mime);

/// The Paste Special list in the order the clipboard offers its formats,
/// each entry once; preselected is the index of "Zentaprint Object" or -1.
[[nodiscard]] std::vector<TZpPasteChoice> PasteSpecialChoices(const QMimeData& mime,
                                                              int* preselected = nullptr);

/// The objects in drawing order as the private format, the picture of them
/// (PNG at screenPpi, SVG) and the texts of text and bar code objects.
[[nodiscard]] std::unique_ptr<QMimeData> ObjectsToMimeData(const TZpObjectList& objects, int screenPpi);

/// Where pasted objects must stay visible: the view's mapping and its client
/// rectangle in device pixels.
struct TZpPasteView {
    TZpViewMapping Mapping;
    TRect ClientRect;
    int ScreenPpi = 96;
};

/// Cut, copy and paste on an editing session. Pasting the private format
/// repeatedly moves each copy further down and to the right (PasteOffset).
class TZpClipboard {
public:
    explicit TZpClipboard(TZpEditSession& session) : FSession(session) {}

    [[nodiscard]] TPoint PasteOffset() const { return FPasteOffset; }

    /// The selection in drawing order, or null when nothing is selected.
    [[nodiscard]] std::unique_ptr<QMimeData> Copy(int screenPpi) const;
    /// Copy, then the selection deleted ("Delete Object"); the offset restarts.
    [[nodiscard]] std::unique_ptr<QMimeData> Cut(int screenPpi);

    /// The best format offered: objects, then a picture, then text; raises
    /// when there is none.
    void Paste(const QMimeData& mime, const TZpPasteView& view);
    void PasteAs(TZpPasteKind kind, const QMimeData& mime, const TZpPasteView& view);

    /// One "Paste" event; the objects lie on top, offset, selected and in one
    /// new group when they were grouped. A block that does not read leaves
    /// the label as it was.
    void PasteObjects(const QMimeData& mime, const TZpPasteView& view);
    void PastePicture(const QMimeData& mime, int screenPpi);
    void PasteAsText(const QMimeData& mime);
    void PasteAsBarcode(const QMimeData& mime);

    /// Pastes an object list (a drop) with its first object's top-left at
    /// labelPoint.
    void DropObjects(const QByteArray& block, TPoint labelPoint);

private:
    void PasteNewDataObject(const QString& className, const QMimeData& mime);
    TZpObjectList ReadBlock(const QByteArray& block);
    void AddPasted(const TZpObjectList& pasted, const std::function<TRect(TRect)>& place);

    TZpEditSession& FSession;
    TPoint FPasteOffset{0, 0};
};

/// The messages the paste operations raise.
[[nodiscard]] QString NoClipboardFormatMessage();
[[nodiscard]] QString InvalidClipboardBlockMessage();

} // namespace zp
