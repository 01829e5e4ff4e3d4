// SPDX-License-Identifier: MIT
#include "design/dialogs/ScriptHighlighter.h"

#include "model/script/ZpScript.h"

namespace zp {

namespace {

const char* const kVBKeywords =
    "and|byref|byval|call|case|class|const|dim|do|each|else|elseif|empty|end|eqv|erase|error|exit|"
    "explicit|false|for|function|get|goto|if|imp|in|is|let|loop|mod|new|next|not|nothing|null|on|"
    "option|or|preserve|private|property|public|randomize|redim|rem|resume|select|set|step|sub|then|"
    "to|true|until|wend|while|with|xor";
const char* const kJSKeywords =
    "break|case|catch|const|continue|default|delete|do|else|false|finally|for|function|if|in|"
    "instanceof|let|new|null|return|switch|this|throw|true|try|typeof|undefined|var|void|while|with";

const QRegularExpression& Numbers() {
    static const QRegularExpression re(
        QStringLiteral("\\b(?:0x[0-9a-fA-F]+|\\d+(?:\\.\\d+)?(?:[eE][+-]?\\d+)?)\\b"));
    return re;
}

enum TBlockState { bsNormal = -1, bsInComment = 1 };

} // namespace

TZpScriptHighlighter::TZpScriptHighlighter(QTextDocument* document) : QSyntaxHighlighter(document) {
    KeywordFormat.setForeground(QColor(0, 0, 160));
    KeywordFormat.setFontWeight(QFont::Bold);
    StringFormat.setForeground(QColor(160, 0, 0));
    NumberFormat.setForeground(QColor(0, 110, 110));
    CommentFormat.setForeground(QColor(0, 128, 0));
    CommentFormat.setFontItalic(true);
    SetLanguage(kVBScriptLanguage);
}

void TZpScriptHighlighter::SetLanguage(const QString& language) {
    FJScript = language.compare(kJScriptLanguage, Qt::CaseInsensitive) == 0;
    FKeywords = QRegularExpression(
        QStringLiteral("\\b(?:%1)\\b").arg(QLatin1String(FJScript ? kJSKeywords : kVBKeywords)),
        FJScript ? QRegularExpression::NoPatternOption : QRegularExpression::CaseInsensitiveOption);
    rehighlight();
}

void TZpScriptHighlighter::highlightBlock(const QString& text) {
    if (FJScript)
        HighlightJScript(text);
    else
        HighlightVBScript(text);
}

// Keywords and numbers first; strings and comments are found by one scan
// from the left, so a quote inside a comment (or an apostrophe inside a
// string) is read as what it is.
void TZpScriptHighlighter::HighlightWords(const QString& text) {
    for (auto it = FKeywords.globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        setFormat(int(m.capturedStart()), int(m.capturedLength()), KeywordFormat);
    }
    for (auto it = Numbers().globalMatch(text); it.hasNext();) {
        const auto m = it.next();
        setFormat(int(m.capturedStart()), int(m.capturedLength()), NumberFormat);
    }
}

void TZpScriptHighlighter::HighlightVBScript(const QString& text) {
    HighlightWords(text);
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"')) {
            int j = i + 1;
            while (j < text.size()) {
                if (text[j] == QLatin1Char('"')) {
                    if (j + 1 < text.size() && text[j + 1] == QLatin1Char('"')) {
                        j += 2;
                        continue;
                    }
                    break;
                }
                ++j;
            }
            setFormat(i, std::min<int>(j, int(text.size()) - 1) - i + 1, StringFormat);
            i = j;
        } else if (c == QLatin1Char('\'') ||
                   (text.mid(i, 3).compare(QLatin1String("rem"), Qt::CaseInsensitive) == 0 &&
                    (i == 0 || !text[i - 1].isLetterOrNumber()) &&
                    (i + 3 >= text.size() || text[i + 3].isSpace()))) {
            setFormat(i, int(text.size()) - i, CommentFormat);
            break;
        }
    }
}

void TZpScriptHighlighter::HighlightJScript(const QString& text) {
    HighlightWords(text);
    setCurrentBlockState(bsNormal);
    int i = 0;
    if (previousBlockState() == bsInComment) {
        const int end = int(text.indexOf(QLatin1String("*/")));
        if (end < 0) {
            setFormat(0, int(text.size()), CommentFormat);
            setCurrentBlockState(bsInComment);
            return;
        }
        setFormat(0, end + 2, CommentFormat);
        i = end + 2;
    }
    for (; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('"') || c == QLatin1Char('\'')) {
            int j = i + 1;
            while (j < text.size() && text[j] != c)
                j += text[j] == QLatin1Char('\\') ? 2 : 1;
            setFormat(i, std::min<int>(j, int(text.size()) - 1) - i + 1, StringFormat);
            i = j;
        } else if (text.mid(i, 2) == QLatin1String("//")) {
            setFormat(i, int(text.size()) - i, CommentFormat);
            return;
        } else if (text.mid(i, 2) == QLatin1String("/*")) {
            const int end = int(text.indexOf(QLatin1String("*/"), i + 2));
            if (end < 0) {
                setFormat(i, int(text.size()) - i, CommentFormat);
                setCurrentBlockState(bsInComment);
                return;
            }
            setFormat(i, end + 2 - i, CommentFormat);
            i = end + 1;
        }
    }
}

} // namespace zp
