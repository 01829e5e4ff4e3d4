// SPDX-License-Identifier: MIT
#pragma once

#include <QRegularExpression>
#include <QSyntaxHighlighter>
#include <QTextCharFormat>

namespace zp {

/// Colours keywords, strings, numbers and comments of the two script
/// languages in the script editor.
class TZpScriptHighlighter : public QSyntaxHighlighter {
    Q_OBJECT
public:
    explicit TZpScriptHighlighter(QTextDocument* document);
    /// "VBScript" or "JScript"; rehighlights the document.
    void SetLanguage(const QString& language);

    // The formats, so that tests can tell what a piece of text was taken for.
    QTextCharFormat KeywordFormat;
    QTextCharFormat StringFormat;
    QTextCharFormat NumberFormat;
    QTextCharFormat CommentFormat;

protected:
    void highlightBlock(const QString& text) override;

private:
    void HighlightWords(const QString& text);
    void HighlightVBScript(const QString& text);
    void HighlightJScript(const QString& text);

    bool FJScript = false;
    QRegularExpression FKeywords;
};

} // namespace zp
