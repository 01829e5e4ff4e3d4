// SPDX-License-Identifier: MIT
#include "design/edit/TextEditModel.h"

#include "model/objects/TextObject.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

namespace zp {

namespace {

qsizetype ParagraphLength(const TZpParagraph& paragraph) {
    qsizetype n = 0;
    for (const TZpRun& run : paragraph.Runs)
        n += run.Text.size();
    return n;
}

// The word delimiters of line breaking, and line breaks.
bool IsWordDelimiter(QChar c) {
    return c.isSpace() || QStringLiteral(".;,:(){}\"/\\").contains(c);
}

} // namespace

void MergeRuns(std::vector<TZpRun>& runs) {
    std::vector<TZpRun> merged;
    for (TZpRun& run : runs) {
        if (run.Text.isEmpty())
            continue;
        if (!merged.empty() && merged.back().Style == run.Style)
            merged.back().Text += run.Text;
        else
            merged.push_back(std::move(run));
    }
    runs = std::move(merged);
}

TZpTextEditModel::TZpTextEditModel(TZpTextObject& object) : FObject(object) {
    const TZpRVData& source = object.RVData();
    FDoc.SkipFirstLeading = source.SkipFirstLeading;
    FDoc.CustomLeading = source.CustomLeading;
    FDoc.CustomLeadingSize = source.CustomLeadingSize;
    FDoc.SetTextStyles(source.TextStyles());
    FDoc.SetParaStyles(source.ParaStyles());
    std::vector<TZpParagraph> paragraphs = source.Paragraphs();
    // The caret needs a paragraph to stand in.
    if (paragraphs.empty())
        paragraphs.push_back(TZpParagraph{object.Font().GetAlignment(), {}});
    for (TZpParagraph& p : paragraphs)
        MergeRuns(p.Runs);
    FDoc.SetParagraphs(std::move(paragraphs));
    FWidth = std::max(1, object.GetBounds().Width());
    // The caret starts at the end of the text, as after typing it.
    FCaret = FAnchor = Length();
    FLastCaretStyle = CaretStyle();
    FLastCaretPara = CaretParaStyle();
}

qsizetype TZpTextEditModel::Length() const {
    qsizetype n = 0;
    for (const TZpParagraph& p : FDoc.Paragraphs())
        n += ParagraphLength(p) + 1;
    return std::max<qsizetype>(0, n - 1);
}

TZpTextPosition TZpTextEditModel::PositionOf(qsizetype index) const {
    const auto& paragraphs = FDoc.Paragraphs();
    for (size_t p = 0; p < paragraphs.size(); ++p) {
        const qsizetype len = ParagraphLength(paragraphs[p]);
        if (index <= len || p + 1 == paragraphs.size())
            return {int32_t(p), std::clamp<qsizetype>(index, 0, len)};
        index -= len + 1;
    }
    return {};
}

qsizetype TZpTextEditModel::IndexOf(TZpTextPosition position) const {
    const auto& paragraphs = FDoc.Paragraphs();
    qsizetype index = 0;
    for (size_t p = 0; p < paragraphs.size() && int32_t(p) < position.Paragraph; ++p)
        index += ParagraphLength(paragraphs[p]) + 1;
    return index + position.Offset;
}

void TZpTextEditModel::SetCaret(qsizetype index, bool keepAnchor) {
    FCaret = std::clamp<qsizetype>(index, 0, Length());
    if (!keepAnchor)
        FAnchor = FCaret;
    FTypingStyle = -1;
    Moved();
}

void TZpTextEditModel::SelectAll() {
    FAnchor = 0;
    FCaret = Length();
    FTypingStyle = -1;
    Moved();
}

void TZpTextEditModel::SelectWordAt(qsizetype index) {
    const QString text = FDoc.PlainText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    index = std::clamp<qsizetype>(index, 0, text.size());
    qsizetype from = index, to = index;
    while (from > 0 && !IsWordDelimiter(text[from - 1]))
        --from;
    while (to < text.size() && !IsWordDelimiter(text[to]))
        ++to;
    FAnchor = from;
    FCaret = to;
    FTypingStyle = -1;
    Moved();
}

qsizetype TZpTextEditModel::WordLeft(qsizetype index) const {
    const QString text = FDoc.PlainText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    index = std::clamp<qsizetype>(index, 0, text.size());
    while (index > 0 && IsWordDelimiter(text[index - 1]))
        --index;
    while (index > 0 && !IsWordDelimiter(text[index - 1]))
        --index;
    return index;
}

qsizetype TZpTextEditModel::WordRight(qsizetype index) const {
    const QString text = FDoc.PlainText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    index = std::clamp<qsizetype>(index, 0, text.size());
    while (index < text.size() && !IsWordDelimiter(text[index]))
        ++index;
    while (index < text.size() && IsWordDelimiter(text[index]))
        ++index;
    return index;
}

QString TZpTextEditModel::SelectedText() const {
    const QString text = FDoc.PlainText().replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    return text.mid(SelectionStart(), SelectionEnd() - SelectionStart());
}

size_t TZpTextEditModel::SplitAt(std::vector<TZpRun>& runs, qsizetype offset) const {
    qsizetype at = 0;
    for (size_t i = 0; i < runs.size(); ++i) {
        const qsizetype len = runs[i].Text.size();
        if (offset == at)
            return i;
        if (offset < at + len) {
            TZpRun tail{runs[i].Text.mid(offset - at), runs[i].Style};
            runs[i].Text.truncate(offset - at);
            runs.insert(runs.begin() + qsizetype(i) + 1, std::move(tail));
            return i + 1;
        }
        at += len;
    }
    return runs.size();
}

void TZpTextEditModel::RemoveRange(qsizetype from, qsizetype to,
                                   std::vector<TZpParagraph>& paragraphs) const {
    if (from >= to)
        return;
    const TZpTextPosition a = PositionOf(from);
    const TZpTextPosition b = PositionOf(to);
    TZpParagraph& first = paragraphs[size_t(a.Paragraph)];
    TZpParagraph& last = paragraphs[size_t(b.Paragraph)];
    // The tail of the last paragraph joins the head of the first.
    // Each cut is made before iterators into the runs are taken: it may
    // insert a run.
    std::vector<TZpRun> tail = last.Runs;
    const auto tailFrom = qsizetype(SplitAt(tail, b.Offset));
    tail.erase(tail.begin(), tail.begin() + tailFrom);
    const auto headEnd = qsizetype(SplitAt(first.Runs, a.Offset));
    first.Runs.erase(first.Runs.begin() + headEnd, first.Runs.end());
    first.Runs.insert(first.Runs.end(), tail.begin(), tail.end());
    MergeRuns(first.Runs);
    paragraphs.erase(paragraphs.begin() + a.Paragraph + 1, paragraphs.begin() + b.Paragraph + 1);
}

void TZpTextEditModel::Commit(std::vector<TZpParagraph> paragraphs) {
    if (paragraphs.empty())
        paragraphs.push_back(TZpParagraph{CaretParaStyle(), {}});
    FDoc.SetParagraphs(std::move(paragraphs));
}

void TZpTextEditModel::Insert(const QString& text) {
    const int32_t style = CaretStyleIndex();
    std::vector<TZpParagraph> paragraphs = FDoc.Paragraphs();
    const qsizetype start = SelectionStart();
    RemoveRange(start, SelectionEnd(), paragraphs);
    // Positions are read from the document as it is; take the removal in first.
    Commit(std::move(paragraphs));
    paragraphs = FDoc.Paragraphs();
    const TZpTextPosition at = PositionOf(start);

    QString clean = text;
    clean.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    clean.replace(u'\r', u'\n');
    clean.replace(QChar::ParagraphSeparator, u'\n');
    clean.replace(QChar::LineSeparator, u'\n');
    const QStringList lines = clean.split(u'\n');

    TZpParagraph& host = paragraphs[size_t(at.Paragraph)];
    const size_t cut = SplitAt(host.Runs, at.Offset);
    std::vector<TZpRun> tail(host.Runs.begin() + qsizetype(cut), host.Runs.end());
    host.Runs.erase(host.Runs.begin() + qsizetype(cut), host.Runs.end());
    host.Runs.push_back(TZpRun{lines.front(), style});
    std::vector<TZpParagraph> added;
    for (qsizetype i = 1; i < lines.size(); ++i)
        added.push_back(TZpParagraph{host.ParaStyle, {TZpRun{lines[i], style}}});
    TZpParagraph& end = added.empty() ? host : added.back();
    end.Runs.insert(end.Runs.end(), tail.begin(), tail.end());
    MergeRuns(host.Runs);
    for (TZpParagraph& p : added)
        MergeRuns(p.Runs);
    paragraphs.insert(paragraphs.begin() + at.Paragraph + 1, added.begin(), added.end());
    Commit(std::move(paragraphs));

    FCaret = FAnchor = start + clean.size();
    // The typing style holds for the whole typed word: the runs carry it now.
    FTypingStyle = -1;
    Moved();
}

void TZpTextEditModel::DeleteBackward() {
    if (!HasSelection()) {
        if (FCaret == 0)
            return;
        FAnchor = FCaret - 1;
    }
    Insert(QString());
}

void TZpTextEditModel::DeleteForward() {
    if (!HasSelection()) {
        if (FCaret >= Length())
            return;
        FAnchor = FCaret + 1;
    }
    Insert(QString());
}

int32_t TZpTextEditModel::StyleBefore(TZpTextPosition p) const {
    const auto& paragraphs = FDoc.Paragraphs();
    // The character before the caret in its paragraph, else the first after
    // it, else the nearest before it in the paragraphs above.
    const auto& runs = paragraphs[size_t(p.Paragraph)].Runs;
    qsizetype at = 0;
    for (const TZpRun& run : runs) {
        if (p.Offset > at && p.Offset <= at + run.Text.size())
            return run.Style;
        at += run.Text.size();
    }
    if (!runs.empty())
        return runs.front().Style;
    for (int32_t i = p.Paragraph - 1; i >= 0; --i)
        if (!paragraphs[size_t(i)].Runs.empty())
            return paragraphs[size_t(i)].Runs.back().Style;
    for (const TZpParagraph& paragraph : paragraphs)
        if (!paragraph.Runs.empty())
            return paragraph.Runs.front().Style;
    return 0;
}

int32_t TZpTextEditModel::CaretStyleIndex() const {
    if (FTypingStyle >= 0)
        return FTypingStyle;
    // With a selection, the style of its first character.
    const qsizetype index = HasSelection() ? SelectionStart() + 1 : FCaret;
    TZpTextPosition p = PositionOf(index);
    if (HasSelection() && PositionOf(SelectionStart()).Paragraph != p.Paragraph)
        p = PositionOf(SelectionStart());
    return StyleBefore(p);
}

TZpTextStyle TZpTextEditModel::CaretStyle() const {
    const int32_t index = CaretStyleIndex();
    const auto& styles = FDoc.TextStyles();
    if (index >= 0 && size_t(index) < styles.size())
        return styles[size_t(index)];
    return styles.empty() ? FObject.FontStyle() : styles.front();
}

int32_t TZpTextEditModel::CaretParaStyle() const {
    return FDoc.Paragraphs()[size_t(PositionOf(FCaret).Paragraph)].ParaStyle;
}

void TZpTextEditModel::ChangeStyle(TZpStyleChange change, const TZpTextStyle& value) {
    if (!HasSelection()) {
        FTypingStyle = FDoc.FindOrAddTextStyle(ChangedTextStyle(CaretStyle(), change, value));
        Moved();
        return;
    }
    const TZpTextPosition a = PositionOf(SelectionStart());
    const TZpTextPosition b = PositionOf(SelectionEnd());
    std::vector<TZpParagraph> paragraphs = FDoc.Paragraphs();
    for (int32_t p = a.Paragraph; p <= b.Paragraph; ++p) {
        std::vector<TZpRun>& runs = paragraphs[size_t(p)].Runs;
        // The start is cut first: cutting at the end then leaves it in place.
        const size_t first = p == a.Paragraph ? SplitAt(runs, a.Offset) : 0;
        const size_t last = p == b.Paragraph ? SplitAt(runs, b.Offset) : runs.size();
        for (size_t i = first; i < last; ++i) {
            const auto& styles = FDoc.TextStyles();
            const TZpTextStyle from =
                size_t(runs[i].Style) < styles.size() ? styles[size_t(runs[i].Style)] : FObject.FontStyle();
            runs[i].Style = FDoc.FindOrAddTextStyle(ChangedTextStyle(from, change, value));
        }
        MergeRuns(runs);
    }
    Commit(std::move(paragraphs));
    Moved();
}

void TZpTextEditModel::SetParaStyle(int32_t paraStyle) {
    if (paraStyle < 0 || size_t(paraStyle) >= FDoc.ParaStyles().size())
        paraStyle = 0;
    const int32_t a = PositionOf(SelectionStart()).Paragraph;
    const int32_t b = PositionOf(SelectionEnd()).Paragraph;
    std::vector<TZpParagraph> paragraphs = FDoc.Paragraphs();
    for (int32_t p = a; p <= b; ++p)
        paragraphs[size_t(p)].ParaStyle = paraStyle;
    Commit(std::move(paragraphs));
    Moved();
}

void TZpTextEditModel::SaveTo(TZpRVData& doc) const {
    doc.SetTextStyles(FDoc.TextStyles());
    doc.SetParaStyles(FDoc.ParaStyles());
    std::vector<TZpParagraph> paragraphs = FDoc.Paragraphs();
    // An emptied text is no paragraph at all, as a rebuild from no text is.
    if (paragraphs.size() == 1 && paragraphs.front().Runs.empty())
        paragraphs.clear();
    doc.SetParagraphs(std::move(paragraphs));
}

void TZpTextEditModel::Cut() {
    if (!HasSelection())
        return;
    Copy();
    Insert(QString());
}

void TZpTextEditModel::Copy() {
    if (HasSelection())
        QGuiApplication::clipboard()->setText(SelectedText());
}

void TZpTextEditModel::Paste() {
    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    if (mime && mime->hasText())
        Insert(mime->text());
}

void TZpTextEditModel::Close() {
    if (OnClose)
        OnClose();
    OnClose = nullptr;
    OnChanged = nullptr;
    OnCaretFormat = nullptr;
}

void TZpTextEditModel::Moved() {
    if (OnChanged)
        OnChanged();
    const TZpTextStyle style = CaretStyle();
    const int32_t para = CaretParaStyle();
    if (style == FLastCaretStyle && para == FLastCaretPara)
        return;
    FLastCaretStyle = style;
    FLastCaretPara = para;
    if (OnCaretFormat)
        OnCaretFormat();
}

} // namespace zp
