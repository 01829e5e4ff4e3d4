// SPDX-License-Identifier: MIT
#include "design/view/InPlaceEditors.h"

#include "base/Color.h"
#include "base/LabelDpi.h"
#include "design/edit/Arrange.h"
#include "design/edit/TextEditModel.h"
#include "design/view/DesignArea.h"
#include "model/objects/PlainEditor.h"
#include "model/objects/TextObject.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPointer>
#include <QScrollBar>
#include <climits>

namespace zp {

namespace {

// The text sits this many device pixels right of and below the object's
// corner, as the object draws it.
constexpr double kTextInset = 2;
constexpr int kBlinkMs = 530;

/// Ends the area's edit once the event that asked for it is over: ending
/// frees the editor whose handler is still running.
void EndEditLater(QWidget* editor) {
    if (TZpDesignArea* area = DesignAreaOf(editor))
        QMetaObject::invokeMethod(
            area,
            [area = QPointer<TZpDesignArea>(area)] {
                if (area)
                    area->EndInPlaceEdit();
            },
            Qt::QueuedConnection);
}

/// Hands the caret's format to the object and the window's commands.
void CaretFormatChanged(TZpTextObject& object, QWidget* editor) {
    object.EditorCaretChanged();
    if (TZpDesignArea* area = DesignAreaOf(editor))
        area->Session().Notify(TZpChange::Selection);
}

/// The model as the object's editor; the window goes with it.
class TTextEditor final : public IZpTextEditor {
public:
    TTextEditor(TZpTextObject& object, QWidget* parent, const TRect& rect) : FModel(object) {
        TZpDesignArea* area = DesignAreaOf(parent);
        const double scale = area ? double(area->Mapping().ViewportExtent) / std::max(1, LabelDPI()) : 1.0;
        const TZpFillStyle& fill = object.FillStyle();
        const QColor background = fill.GetStyle() == bsSolid ? ToQColor(fill.GetColor()) : QColor(Qt::white);
        FWidget = new TZpTextEditorWidget(FModel, parent, rect, scale, background);
        FModel.OnCaretFormat = [&object, w = FWidget] { CaretFormatChanged(object, w); };
        FWidget->show();
        FWidget->setFocus();
    }
    ~TTextEditor() override { Close(); }

    void ChangeStyle(TZpStyleChange change, const TZpTextStyle& value) override {
        FModel.ChangeStyle(change, value);
    }
    void SetParaStyle(int32_t paraStyle) override { FModel.SetParaStyle(paraStyle); }
    [[nodiscard]] TZpTextStyle CaretStyle() const override { return FModel.CaretStyle(); }
    [[nodiscard]] int32_t CaretParaStyle() const override { return FModel.CaretParaStyle(); }
    void SaveTo(TZpRVData& doc) const override { FModel.SaveTo(doc); }
    [[nodiscard]] QString PlainText() const override { return FModel.PlainText(); }
    void Cut() override { FModel.Cut(); }
    void Copy() override { FModel.Copy(); }
    void Paste() override { FModel.Paste(); }
    void Close() override {
        FModel.Close();
        if (FWidget) {
            FWidget->Detach();
            FWidget->hide();
            FWidget->deleteLater();
        }
        FWidget = nullptr;
    }

private:
    TZpTextEditModel FModel;
    QPointer<TZpTextEditorWidget> FWidget;
};

class TPlainEditor final : public IZpPlainEditor {
public:
    TPlainEditor(QWidget* parent, const TRect& rect, const QString& text)
        : FWidget(new TZpPlainEditorWidget(parent, rect, text)) {}
    ~TPlainEditor() override { Close(); }
    [[nodiscard]] QString Text() const override { return FWidget ? FWidget->toPlainText() : FText; }
    void Cut() override {
        if (FWidget)
            FWidget->cut();
    }
    void Copy() override {
        if (FWidget)
            FWidget->copy();
    }
    void Paste() override {
        if (FWidget)
            FWidget->paste();
    }
    void Close() override {
        if (!FWidget)
            return;
        FText = FWidget->toPlainText();
        FWidget->hide();
        FWidget->deleteLater();
        FWidget = nullptr;
    }

private:
    QPointer<TZpPlainEditorWidget> FWidget;
    QString FText;
};

} // namespace

TZpDesignArea* DesignAreaOf(QWidget* widget) {
    for (QWidget* w = widget; w; w = w->parentWidget())
        if (auto* area = qobject_cast<TZpDesignArea*>(w))
            return area;
    return nullptr;
}

void InstallInPlaceEditors() {
    SetTextEditorFactory([](TZpTextObject& object, QWidget* parent, const TRect& rect) {
        return std::make_unique<TTextEditor>(object, parent, rect);
    });
    SetPlainEditorFactory([](QWidget* parent, const TRect& rect, const QString& text) {
        return std::make_unique<TPlainEditor>(parent, rect, text);
    });
}

// ----- the rich-text editor

TZpTextEditorWidget::TZpTextEditorWidget(TZpTextEditModel& model, QWidget* parent, const TRect& rect,
                                         double scale, QColor background)
    : QWidget(parent), FModel(&model), FScale(scale > 0 ? scale : 1.0), FBackground(background) {
    setObjectName(QStringLiteral("TextEditor"));
    setAccessibleName(QStringLiteral("Text"));
    setGeometry(rect.Left, rect.Top, std::max(1, rect.Width()), std::max(1, rect.Height()));
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled);
    setAutoFillBackground(false);
    FModel->OnChanged = [this] { Changed(); };
    FBlink.setInterval(kBlinkMs);
    connect(&FBlink, &QTimer::timeout, this, [this] {
        FCaretShown = !FCaretShown;
        update();
    });
}

void TZpTextEditorWidget::Detach() {
    FModel = nullptr;
    FBlink.stop();
}

void TZpTextEditorWidget::Changed() {
    FCaretShown = true;
    if (hasFocus())
        FBlink.start();
    update();
}

void TZpTextEditorWidget::Format() const {
    TZpRVData& doc = FModel->Document();
    doc.Layout().Format(doc, FModel->Width(), INT32_MAX, LabelDPI(), true);
}

QRectF TZpTextEditorWidget::CaretRectF(qsizetype index) const {
    Format();
    const TZpTextLayout& layout = FModel->Document().Layout();
    const TZpTextPosition p = FModel->PositionOf(index);
    const TZpTextLine* line = layout.LineOf(p.Paragraph, p.Offset);
    if (!line || line->CaretX.empty())
        return {};
    const size_t i =
        size_t(std::clamp<qsizetype>(p.Offset - line->From, 0, qsizetype(line->CaretX.size()) - 1));
    return QRectF(kTextInset + line->CaretX[i] * FScale, kTextInset + line->Top * FScale, 1,
                  std::max(1.0, line->Height * FScale));
}

QRect TZpTextEditorWidget::CaretRect() const {
    return FModel ? CaretRectF(FModel->Caret()).toAlignedRect() : QRect();
}

qsizetype TZpTextEditorWidget::IndexAt(QPoint point) const {
    if (!FModel)
        return 0;
    Format();
    const QPointF doc((point.x() - kTextInset) / FScale, (point.y() - kTextInset) / FScale);
    return FModel->IndexOf(FModel->Document().Layout().PositionAt(doc));
}

qsizetype TZpTextEditorWidget::LineStep(int direction) const {
    Format();
    const std::vector<TZpTextLine>& lines = FModel->Document().Layout().Lines();
    const TZpTextPosition p = FModel->PositionOf(FModel->Caret());
    const TZpTextLine* line = FModel->Document().Layout().LineOf(p.Paragraph, p.Offset);
    if (!line)
        return FModel->Caret();
    const ptrdiff_t at = line - lines.data() + direction;
    if (at < 0)
        return 0;
    if (at >= ptrdiff_t(lines.size()))
        return FModel->Length();
    const QRectF caret = CaretRectF(FModel->Caret());
    const TZpTextLine& target = lines[size_t(at)];
    const QPointF doc((caret.left() - kTextInset) / FScale, target.Top + target.Height / 2.0);
    return FModel->IndexOf(FModel->Document().Layout().PositionAt(doc));
}

void TZpTextEditorWidget::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), FBackground);
    if (!FModel)
        return;
    Format();
    const TZpTextLayout& layout = FModel->Document().Layout();
    // The selection, line by line, under the text.
    if (FModel->HasSelection()) {
        const qsizetype from = FModel->SelectionStart(), to = FModel->SelectionEnd();
        QColor highlight = palette().color(QPalette::Highlight);
        highlight.setAlpha(90);
        for (const TZpTextLine& line : layout.Lines()) {
            const qsizetype start = FModel->IndexOf({line.Paragraph, line.From});
            const qsizetype a = std::max(from, start), b = std::min(to, start + (line.To - line.From));
            if (a >= b)
                continue;
            const double x0 = line.CaretX[size_t(a - start)], x1 = line.CaretX[size_t(b - start)];
            painter.fillRect(QRectF(kTextInset + std::min(x0, x1) * FScale, kTextInset + line.Top * FScale,
                                    std::abs(x1 - x0) * FScale, line.Height * FScale),
                             highlight);
        }
    }
    painter.save();
    painter.translate(kTextInset, kTextInset);
    painter.scale(FScale, FScale);
    layout.Paint(painter);
    painter.restore();
    if (hasFocus() && FCaretShown && !FModel->HasSelection())
        painter.fillRect(CaretRectF(FModel->Caret()), palette().color(QPalette::Text));
}

bool TZpTextEditorWidget::event(QEvent* event) {
    // The editor's own keys win over the window's shortcuts for them
    // (Delete, the arrows, typing, select all, Ctrl+B, I and U); the
    // clipboard and undo stay the window's commands.
    if (event->type() == QEvent::ShortcutOverride && FModel) {
        auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers mods = key->modifiers() & ~(Qt::ShiftModifier | Qt::KeypadModifier);
        const int k = key->key();
        const bool navigation = k == Qt::Key_Left || k == Qt::Key_Right || k == Qt::Key_Up ||
                                k == Qt::Key_Down || k == Qt::Key_Home || k == Qt::Key_End ||
                                k == Qt::Key_Backspace || k == Qt::Key_Delete;
        const bool plain = mods == Qt::NoModifier &&
                           (navigation || k == Qt::Key_Return || k == Qt::Key_Enter || k == Qt::Key_Escape ||
                            (!key->text().isEmpty() && key->text().at(0).isPrint()));
        const bool style =
            mods == Qt::ControlModifier && (k == Qt::Key_B || k == Qt::Key_I || k == Qt::Key_U);
        if (plain || style || (mods == Qt::ControlModifier && navigation) ||
            key->matches(QKeySequence::SelectAll)) {
            event->accept();
            return true;
        }
    }
    return QWidget::event(event);
}

void TZpTextEditorWidget::keyPressEvent(QKeyEvent* event) {
    if (!FModel)
        return;
    TZpTextEditModel& m = *FModel;
    const bool shift = event->modifiers() & Qt::ShiftModifier;
    const bool ctrl = event->modifiers() & Qt::ControlModifier;
    const qsizetype caret = m.Caret();
    switch (event->key()) {
    case Qt::Key_Escape:
        EndEditLater(this);
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        m.Insert(QStringLiteral("\n"));
        return;
    case Qt::Key_Backspace:
        if (ctrl && !m.HasSelection())
            m.SetCaret(m.WordLeft(caret), true);
        m.DeleteBackward();
        return;
    case Qt::Key_Delete:
        if (ctrl && !m.HasSelection())
            m.SetCaret(m.WordRight(caret), true);
        m.DeleteForward();
        return;
    case Qt::Key_Left:
        if (!shift && m.HasSelection())
            m.SetCaret(m.SelectionStart());
        else
            m.SetCaret(ctrl ? m.WordLeft(caret) : caret - 1, shift);
        return;
    case Qt::Key_Right:
        if (!shift && m.HasSelection())
            m.SetCaret(m.SelectionEnd());
        else
            m.SetCaret(ctrl ? m.WordRight(caret) : caret + 1, shift);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        m.SetCaret(LineStep(event->key() == Qt::Key_Up ? -1 : 1), shift);
        return;
    case Qt::Key_Home:
    case Qt::Key_End: {
        const bool home = event->key() == Qt::Key_Home;
        if (ctrl) {
            m.SetCaret(home ? 0 : m.Length(), shift);
            return;
        }
        Format();
        const TZpTextPosition p = m.PositionOf(caret);
        const TZpTextLine* line = m.Document().Layout().LineOf(p.Paragraph, p.Offset);
        if (!line)
            return;
        const bool wrapped =
            line != &m.Document().Layout().Lines().back() && (line + 1)->Paragraph == line->Paragraph;
        // The end of a wrapped line stays before its break.
        const qsizetype end = wrapped ? std::max(line->From, line->To - 1) : line->To;
        m.SetCaret(m.IndexOf({p.Paragraph, home ? line->From : end}), shift);
        return;
    }
    default:
        break;
    }
    if (event->matches(QKeySequence::SelectAll)) {
        m.SelectAll();
        return;
    }
    if (event->modifiers() == Qt::ControlModifier && ToggleStyle(event->key()))
        return;
    if (event->matches(QKeySequence::Copy)) {
        copy();
        return;
    }
    if (event->matches(QKeySequence::Cut)) {
        cut();
        return;
    }
    if (event->matches(QKeySequence::Paste)) {
        paste();
        return;
    }
    const QString text = event->text();
    if (!text.isEmpty() && text.at(0).isPrint() && !(event->modifiers() & Qt::ControlModifier)) {
        m.Insert(text);
        return;
    }
    // Undo, redo and the rest are the window's.
    event->ignore();
}

bool TZpTextEditorWidget::ToggleStyle(int key) {
    const uint8_t bit = key == Qt::Key_B   ? fsBold
                        : key == Qt::Key_I ? fsItalic
                        : key == Qt::Key_U ? fsUnderline
                                           : 0;
    TZpDesignArea* area = DesignAreaOf(this);
    if (bit == 0 || !area)
        return false;
    // As the Font toolbar's buttons do, so that the toolbar follows.
    const bool on = !(FModel->CaretStyle().Style & bit);
    TZpEditSession& session = area->Session();
    if (bit == fsBold)
        SetFontBold(session, on, true);
    else if (bit == fsItalic)
        SetFontItalic(session, on, true);
    else
        SetFontUnderline(session, on, true);
    return true;
}

void TZpTextEditorWidget::inputMethodEvent(QInputMethodEvent* event) {
    if (FModel && !event->commitString().isEmpty())
        FModel->Insert(event->commitString());
    event->accept();
}

QVariant TZpTextEditorWidget::inputMethodQuery(Qt::InputMethodQuery query) const {
    if (query == Qt::ImCursorRectangle)
        return CaretRect();
    if (query == Qt::ImEnabled)
        return true;
    return QWidget::inputMethodQuery(query);
}

void TZpTextEditorWidget::mousePressEvent(QMouseEvent* event) {
    if (FModel && event->button() == Qt::LeftButton)
        FModel->SetCaret(IndexAt(event->position().toPoint()), event->modifiers() & Qt::ShiftModifier);
    event->accept();
}

void TZpTextEditorWidget::mouseMoveEvent(QMouseEvent* event) {
    if (FModel && (event->buttons() & Qt::LeftButton))
        FModel->SetCaret(IndexAt(event->position().toPoint()), true);
    event->accept();
}

void TZpTextEditorWidget::mouseDoubleClickEvent(QMouseEvent* event) {
    if (FModel && event->button() == Qt::LeftButton) {
        // The word whose characters the point is on, not the one after the caret.
        const qsizetype at = IndexAt(event->position().toPoint());
        FModel->SelectWordAt(at);
    }
    event->accept();
}

void TZpTextEditorWidget::focusInEvent(QFocusEvent* event) {
    Changed();
    QWidget::focusInEvent(event);
}

void TZpTextEditorWidget::focusOutEvent(QFocusEvent* event) {
    FBlink.stop();
    update();
    QWidget::focusOutEvent(event);
}

void TZpTextEditorWidget::cut() {
    if (FModel)
        FModel->Cut();
}

void TZpTextEditorWidget::copy() {
    if (FModel)
        FModel->Copy();
}

void TZpTextEditorWidget::paste() {
    if (FModel)
        FModel->Paste();
}

// ----- the bar code's data editor

TZpPlainEditorWidget::TZpPlainEditorWidget(QWidget* parent, const TRect& rect, const QString& text)
    : QPlainTextEdit(parent) {
    setObjectName(QStringLiteral("BarcodeEditor"));
    setAccessibleName(QStringLiteral("Bar code data"));
    hide();
    setGeometry(rect.Left, rect.Top, std::max(1, rect.Width()), std::max(1, rect.Height()));
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setFrameShape(QFrame::NoFrame);
    document()->setDocumentMargin(0);
    setPlainText(text);
    show();
    selectAll();
    setFocus();
}

void TZpPlainEditorWidget::keyPressEvent(QKeyEvent* event) {
    switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Escape:
        EndEditLater(this);
        return;
    default:
        QPlainTextEdit::keyPressEvent(event);
    }
}

} // namespace zp
