// SPDX-License-Identifier: MIT
#include "model/objects/TextObject.h"

#include "base/LabelDpi.h"
#include "base/ValueStream.h"
#include "model/objects/StyleDrawing.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/store/SettingsStore.h"

#include <QLoggingCategory>
#include <QPainter>
#include <algorithm>
#include <cstdlib>

Q_LOGGING_CATEGORY(lcTextObject, "zentaprint.model.text")

namespace zp {

namespace {

TZpTextEditorFactory& EditorFactory() {
    static TZpTextEditorFactory factory;
    return factory;
}

} // namespace

void SetTextEditorFactory(TZpTextEditorFactory factory) {
    EditorFactory() = std::move(factory);
}

TZpTextObject::TZpTextObject() {
    FFillStyle.SetColor(clWhite);
    FFillStyle.SetStyle(bsClear);
    FFillStyle.SetTransparent(true);

    const QString section = QStringLiteral("Text Settings");
    const TZpSettingsStore& store = ZpStore();
    FData.SetText(store.ReadString(section, QStringLiteral("Default Text"), QStringLiteral("Sample Text")));
    FFont.SetName(store.ReadString(section, QStringLiteral("Font Name"), QStringLiteral("Arial")));
    FFont.SetBold(store.ReadBool(section, QStringLiteral("Font Bold"), false));
    FFont.SetItalic(store.ReadBool(section, QStringLiteral("Font Italic"), false));
    FFont.SetUnderline(store.ReadBool(section, QStringLiteral("Font Underline"), false));
    FFont.SetSize(store.ReadIntegerIn(section, QStringLiteral("Font Size"), 10, 1, 999));
    FFont.SetColor(TColor(store.ReadInteger(section, QStringLiteral("Font Color"), 0)));
    FFont.SetAlignment(taLeft);
    FRVData.SkipFirstLeading = store.ReadBool(section, QStringLiteral("Remove First Leading"), true);
    FRVData.CustomLeading = store.ReadBool(section, QStringLiteral("Use Custom Leading"), false);
    FRVData.CustomLeadingSize =
        store.ReadIntegerIn(section, QStringLiteral("Custom Leading Size"), 100, 1, 990);
    // Style 0 is the one text rebuilt from the data starts in: the object's font.
    FRVData.SetTextStyles({FontStyle()});
    Rebuild();
}

TZpTextObject::~TZpTextObject() {
    if (FEditor)
        FEditor->Close();
}

void* TZpTextObject::QueryInterface(const std::type_info& iid) {
    if (iid == typeid(IZpFont))
        return static_cast<IZpFont*>(&FFontIntf);
    if (iid == typeid(IZpData))
        return static_cast<IZpData*>(&FData);
    if (iid == typeid(IZpFillStyle))
        return static_cast<IZpFillStyle*>(&FFillStyle);
    if (iid == typeid(IZpScript))
        return static_cast<IZpScript*>(&FScript);
    if (iid == typeid(IZpRotation))
        return static_cast<IZpRotation*>(this);
    if (iid == typeid(IZpPaint))
        return static_cast<IZpPaint*>(this);
    if (iid == typeid(IZpDataCallback))
        return static_cast<IZpDataCallback*>(this);
    if (iid == typeid(IZpRVData))
        return static_cast<IZpRVData*>(this);
    if (iid == typeid(IZpTextShift))
        return static_cast<IZpTextShift*>(this);
    if (iid == typeid(IZpEditZoom))
        return static_cast<IZpEditZoom*>(this);
    if (iid == typeid(IZpEdit))
        return static_cast<IZpEdit*>(this);
    return TZpObject::QueryInterface(iid);
}

TZpTextStyle TZpTextObject::FontStyle() const {
    return TZpTextStyle{FFont.GetColor(), FFont.GetName(), FFont.GetSize(), 0,
                        uint8_t(FFont.GetStyle() & (fsBold | fsItalic | fsUnderline | fsStrikeOut))};
}

void TZpTextObject::LoadFromStream(TZpReader& reader) {
    TZpObject::LoadFromStream(reader);
    FData.LoadFromStream(reader, FVersion);
    FFont.LoadFromStream(reader);
    FFillStyle.LoadFromStream(reader);
    if (FVersion > 16)
        FScript.LoadFromStream(reader);
    FRebuiltRevision = ~uint64_t(0);
    if (FRVData.LoadSection(reader, FVersion, FRotation))
        return;
    qCWarning(lcTextObject).noquote()
        << "The text of the text object"
        << (FData.GetName().isEmpty() ? QStringLiteral("(unnamed)") : FData.GetName())
        << "could not be read; it is rebuilt from its data in text style 0";
    if (FRVData.TextStyles().empty())
        FRVData.SetTextStyles({FontStyle()});
    const int32_t alignment = FFont.GetAlignment();
    const int32_t para = alignment < int32_t(FRVData.ParaStyles().size()) ? alignment : 0;
    FRVData.AddText(FData.GetText(), 0, para);
}

void TZpTextObject::SaveToStream(TZpWriter& writer) {
    TZpObject::SaveToStream(writer);
    FData.SaveToStream(writer);
    FFont.SaveToStream(writer);
    FFillStyle.SaveToStream(writer);
    FScript.SaveToStream(writer);
    FRVData.SaveSection(writer, FRotation);
}

void TZpTextObject::SetRotation(int32_t degrees) {
    if (degrees != FRotation && TurnObject(*this, FFont.GetName(), FRotation, degrees))
        FRotation = degrees;
}

void TZpTextObject::DataChanged() {
    // Static text keeps its own formatting; only produced values are rebuilt.
    if (FData.GetKind() != dkStaticText)
        Rebuild();
}

void TZpTextObject::Rebuild() {
    const TZpTextStyle font = FontStyle();
    const QString text = FData.GetText();
    if (FRVData.Revision() == FRebuiltRevision && text == FRebuiltText && font == FRebuiltFont &&
        FFont.GetAlignment() == FRebuiltAlignment)
        return;
    if (FRVData.TextStyles().empty())
        FRVData.SetTextStyles({font});
    FRVData.Clear();
    FRVData.AddText(text, 0, 0);
    FRVData.ChangeAllRuns(TZpStyleChange::Font, font);
    FRVData.SetAllParaStyles(FFont.GetAlignment());
    FRebuiltText = text;
    FRebuiltFont = font;
    FRebuiltAlignment = FFont.GetAlignment();
    FRebuiltRevision = FRVData.Revision();
}

void TZpTextObject::SetShift(uint8_t kind) {
    const TZpStyleChange change = kind == 1   ? TZpStyleChange::ShiftUp
                                  : kind == 2 ? TZpStyleChange::ShiftDown
                                              : TZpStyleChange::ShiftNone;
    if (FEditor)
        ApplyToEditor([&](IZpTextEditor& editor) { editor.ChangeStyle(change, {}); });
    else
        FRVData.ChangeAllRuns(change, {});
}

bool TZpTextObject::GetShifted() const {
    if (!FEditor)
        return false;
    const int32_t shift = FEditor->CaretStyle().VShift;
    return shift == 50 || shift == -50;
}

void TZpTextObject::BeginEdit(QWidget* parent, const TRect& rect) {
    if (FEditor || !EditorFactory())
        return;
    FEditor = EditorFactory()(*this, parent, rect);
    if (FEditor)
        EditorCaretChanged();
}

void TZpTextObject::EndEdit() {
    if (!FEditor)
        return;
    std::unique_ptr<IZpTextEditor> editor = std::move(FEditor);
    editor->Close();
    FEditZoom = 100;
    TakeCaretFormat(*editor);
    editor->SaveTo(FRVData);
    FData.SetText(editor->PlainText());
}

void TZpTextObject::Cut() {
    if (FEditor)
        FEditor->Cut();
}

void TZpTextObject::Copy() {
    if (FEditor)
        FEditor->Copy();
}

void TZpTextObject::Paste() {
    if (FEditor)
        FEditor->Paste();
}

void TZpTextObject::EditorCaretChanged() {
    if (FEditor && !FApplying)
        TakeCaretFormat(*FEditor);
}

void TZpTextObject::TakeCaretFormat(const IZpTextEditor& editor) {
    const TZpTextStyle caret = editor.CaretStyle();
    // The face goes in as it is: the text already shows it, rotated or not.
    FFont.SetNameExact(caret.FontName);
    FFont.SetSize(caret.Size);
    FFont.SetColor(caret.Color);
    FFont.SetStyle(caret.Style);
    FFont.SetAlignment(uint8_t(editor.CaretParaStyle()));
}

void TZpTextObject::ApplyToEditor(const std::function<void(IZpTextEditor&)>& change) {
    if (!FEditor)
        return;
    const bool was = FApplying;
    FApplying = true;
    try {
        change(*FEditor);
    } catch (...) {
        FApplying = was;
        throw;
    }
    FApplying = was;
}

namespace {

// Text backgrounds have no outline.
const TZpLineStyle& NoOutline() {
    static const TZpLineStyle line = [] {
        TZpLineStyle l;
        l.SetStyle(psClear);
        l.SetWidth(0);
        return l;
    }();
    return line;
}

} // namespace

void TZpTextObject::Draw(QPainter& canvas) {
    // The editor shows the text while it is open.
    if (FEditor)
        return;
    const TRect b = FBounds;
    const int64_t width = int64_t(b.Right) - b.Left;
    const int64_t height = int64_t(b.Bottom) - b.Top;
    const bool sized = width > 0 && height > 0 && width <= INT32_MAX && height <= INT32_MAX;
    const int turn = ((FRotation % 360 + 360) % 360) / 90;
    const TZpTextLayout& layout = FRVData.Layout();
    if (sized) {
        const bool across = turn % 2 == 1;
        FRVData.Layout().Format(FRVData, int32_t(across ? height : width), int32_t(across ? width : height),
                                LabelDPI());
    }
    // The text sits 2 device pixels right of and below the bounds' corner,
    // its clip with it. Unturned text on a painter that only scales and
    // moves is placed by its position alone, and clipped only where its ink
    // comes within a device pixel of the clip (closer, the clip could shade
    // an edge pixel): a transform or clip of its own would be set and undone
    // in a PDF for every text.
    const QTransform combined = canvas.combinedTransform();
    const bool placed = sized && turn == 0 && combined.type() <= QTransform::TxScale && combined.m11() > 0 &&
                        combined.m22() > 0;
    // One device pixel in the painter's own coordinates.
    const QPointF device(1.0 / std::max(combined.m11(), 1e-9), 1.0 / std::max(combined.m22(), 1e-9));
    const QPointF corner = QPointF(b.Left, b.Top) + 2 * device;
    const QRectF box(corner, QSizeF(double(width), double(height)));
    const QRectF ink = layout.InkBounds().translated(corner);
    const bool fits =
        placed && !layout.Decorated() &&
        (ink.isEmpty() || box.marginsRemoved({device.x(), device.y(), device.x(), device.y()}).contains(ink));
    if (fits && FFillStyle.GetStyle() == bsClear) {
        // Nothing but the pen (and on a recorded page the font) changes.
        const QPen pen = canvas.pen();
        const bool recorded = canvas.device() && canvas.device()->devType() == QInternal::Picture;
        const QFont font = recorded ? canvas.font() : QFont();
        layout.Paint(canvas, corner);
        canvas.setPen(pen);
        if (recorded)
            canvas.setFont(font);
        return;
    }
    canvas.save();
    if (FFillStyle.GetStyle() != bsClear)
        DrawClosedShape(canvas, FFillStyle, NoOutline(), b, TZpShapeKind::Rectangle);
    if (sized) {
        if (placed) {
            if (!fits)
                canvas.setClipRect(box, Qt::IntersectClip);
            layout.Paint(canvas, corner);
        } else {
            const QTransform world = canvas.worldTransform();
            const QTransform view = world.inverted() * combined;
            canvas.setWorldTransform(combined * QTransform::fromTranslate(2, 2) * view.inverted());
            canvas.translate(b.Left, b.Top);
            canvas.setClipRect(QRectF(0, 0, double(width), double(height)), Qt::IntersectClip);
            static constexpr int kOriginX[] = {0, 0, 1, 1};
            static constexpr int kOriginY[] = {0, 1, 1, 0};
            canvas.translate(double(width) * kOriginX[turn], double(height) * kOriginY[turn]);
            canvas.rotate(-90.0 * turn);
            layout.Paint(canvas);
        }
    }
    canvas.restore();
}

bool TurnObject(TZpObject& obj, const QString& fontName, int32_t from, int32_t to) {
    if (to != 0 && !IsTrueTypeFont(fontName)) {
        ShowMessage(TZpMsgKind::Information, kOnlyTrueTypeRotatedMessage);
        return false;
    }
    if (std::abs(to - from) != 180) {
        const TRect b = obj.GetBounds();
        const TRect turned{b.Left, b.Top, b.Left + b.Height(), b.Top + b.Width()};
        obj.SetBoundsExact(turned);
        obj.SetAspectRect(turned);
    }
    return true;
}

} // namespace zp
