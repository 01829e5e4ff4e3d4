// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/TextInterfaces.h"

#include <functional>

namespace zp {

/// The rich-text editing of a text object without its window: a copy of the
/// object's document, a caret and a selection, typing, deleting, the style
/// changes of the font setters and the clipboard. Positions count the
/// characters of the whole text with one more between paragraphs.
class TZpTextEditModel final : public IZpTextEditor {
public:
    explicit TZpTextEditModel(TZpTextObject& object);

    [[nodiscard]] TZpRVData& Document() { return FDoc; }
    [[nodiscard]] const TZpRVData& Document() const { return FDoc; }
    /// The layout width in label pixels: the object's width.
    [[nodiscard]] int32_t Width() const { return FWidth; }

    [[nodiscard]] qsizetype Length() const;
    [[nodiscard]] qsizetype Caret() const { return FCaret; }
    [[nodiscard]] qsizetype Anchor() const { return FAnchor; }
    [[nodiscard]] qsizetype SelectionStart() const { return std::min(FCaret, FAnchor); }
    [[nodiscard]] qsizetype SelectionEnd() const { return std::max(FCaret, FAnchor); }
    [[nodiscard]] bool HasSelection() const { return FCaret != FAnchor; }
    [[nodiscard]] TZpTextPosition PositionOf(qsizetype index) const;
    [[nodiscard]] qsizetype IndexOf(TZpTextPosition position) const;

    /// Moves the caret; keepAnchor extends the selection.
    void SetCaret(qsizetype index, bool keepAnchor = false);
    void SelectAll();
    /// Selects the word at index (the characters between delimiters).
    void SelectWordAt(qsizetype index);
    /// The start of the word before index, or of the one after.
    [[nodiscard]] qsizetype WordLeft(qsizetype index) const;
    [[nodiscard]] qsizetype WordRight(qsizetype index) const;
    /// The selected text, paragraphs separated by line feeds.
    [[nodiscard]] QString SelectedText() const;

    /// Replaces the selection with text in the caret's text style; line
    /// breaks start new paragraphs.
    void Insert(const QString& text);
    /// The selection, else the character before (after) the caret; at a
    /// paragraph's start (end) the two paragraphs join.
    void DeleteBackward();
    void DeleteForward();

    void ChangeStyle(TZpStyleChange change, const TZpTextStyle& value) override;
    void SetParaStyle(int32_t paraStyle) override;
    [[nodiscard]] TZpTextStyle CaretStyle() const override;
    [[nodiscard]] int32_t CaretParaStyle() const override;
    void SaveTo(TZpRVData& doc) const override;
    [[nodiscard]] QString PlainText() const override { return FDoc.PlainText(); }
    void Cut() override;
    void Copy() override;
    void Paste() override;
    void Close() override;

    /// The text or the selection changed (repaint).
    std::function<void()> OnChanged;
    /// The caret came to another text or paragraph style.
    std::function<void()> OnCaretFormat;
    /// Close was called: the window goes.
    std::function<void()> OnClose;

private:
    [[nodiscard]] int32_t CaretStyleIndex() const;
    [[nodiscard]] int32_t StyleBefore(TZpTextPosition p) const;
    /// Cuts the runs of paragraph p so that a run starts at offset; returns its index.
    size_t SplitAt(std::vector<TZpRun>& runs, qsizetype offset) const;
    void RemoveRange(qsizetype from, qsizetype to, std::vector<TZpParagraph>& paragraphs) const;
    void Commit(std::vector<TZpParagraph> paragraphs);
    /// Tells the window and, when the caret's format changed, the object.
    void Moved();

    TZpTextObject& FObject;
    TZpRVData FDoc;
    int32_t FWidth = 0;
    qsizetype FCaret = 0;
    qsizetype FAnchor = 0;
    /// The style typed text takes after a change without selection.
    int32_t FTypingStyle = -1;
    TZpTextStyle FLastCaretStyle;
    int32_t FLastCaretPara = -1;
};

/// Runs of one style next to each other become one; empty runs go.
void MergeRuns(std::vector<TZpRun>& runs);

} // namespace zp
