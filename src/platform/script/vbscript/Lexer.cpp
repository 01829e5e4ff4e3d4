// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/Lexer.h"

#include <QDate>
#include <QHash>
#include <cmath>

namespace zp::vbs {

namespace {

const QHash<QString, TKw>& Keywords() {
    static const QHash<QString, TKw> table = {
        {"and", TKw::And},
        {"byref", TKw::ByRef},
        {"byval", TKw::ByVal},
        {"call", TKw::Call},
        {"case", TKw::Case},
        {"class", TKw::Class},
        {"const", TKw::Const},
        {"dim", TKw::Dim},
        {"do", TKw::Do},
        {"each", TKw::Each},
        {"else", TKw::Else},
        {"elseif", TKw::ElseIf},
        {"empty", TKw::Empty},
        {"end", TKw::End},
        {"eqv", TKw::Eqv},
        {"exit", TKw::Exit},
        {"false", TKw::False},
        {"for", TKw::For},
        {"function", TKw::Function},
        {"if", TKw::If},
        {"imp", TKw::Imp},
        {"is", TKw::Is},
        {"loop", TKw::Loop},
        {"mod", TKw::Mod},
        {"new", TKw::New},
        {"next", TKw::Next},
        {"not", TKw::Not},
        {"nothing", TKw::Nothing},
        {"null", TKw::Null},
        {"on", TKw::On},
        {"option", TKw::Option},
        {"or", TKw::Or},
        {"private", TKw::Private},
        {"property", TKw::Property},
        {"public", TKw::Public},
        {"redim", TKw::ReDim},
        {"select", TKw::Select},
        {"set", TKw::Set},
        {"stop", TKw::Stop},
        {"sub", TKw::Sub},
        {"then", TKw::Then},
        {"true", TKw::True},
        {"until", TKw::Until},
        {"wend", TKw::Wend},
        {"while", TKw::While},
        {"with", TKw::With},
        {"xor", TKw::Xor},
    };
    return table;
}

bool IsIdentStart(QChar c) {
    return c.isLetter();
}
bool IsIdentPart(QChar c) {
    return c.isLetterOrNumber() || c == u'_';
}
bool IsBlank(QChar c) {
    return c == u' ' || c == u'\t' || c == u'\f' || c == u'\v' || c == QChar(0xA0);
}

class TLexer {
public:
    explicit TLexer(const QString& source) : S(source), N(int(source.size())) {}

    std::vector<TToken> Run() {
        while (true) {
            SkipBlanks();
            if (P >= N)
                break;
            const QChar c = S[P];
            if (c == u'\r' || c == u'\n') {
                NewLine();
                continue;
            }
            if (c == u'\'') {
                SkipToEndOfLine();
                continue;
            }
            if (c == u'_' && (P + 1 >= N || !IsIdentPart(S[P + 1]))) {
                // A line continuation: only blanks may follow up to the line end.
                int q = P + 1;
                while (q < N && IsBlank(S[q]))
                    ++q;
                if (q < N && S[q] != u'\r' && S[q] != u'\n')
                    throw EVbsCompileError("Invalid character", Line);
                P = q;
                if (P < N) {
                    if (S[P] == u'\r' && P + 1 < N && S[P + 1] == u'\n')
                        ++P;
                    ++P;
                    ++Line;
                }
                continue;
            }
            if (IsIdentStart(c)) {
                Identifier();
                continue;
            }
            if (c.isDigit() || (c == u'.' && P + 1 < N && S[P + 1].isDigit() && !AfterOperand())) {
                Number();
                continue;
            }
            if (c == u'"') {
                String();
                continue;
            }
            if (c == u'#') {
                DateLiteral();
                continue;
            }
            if (c == u'[') {
                BracketIdentifier();
                continue;
            }
            if (c == u'&' && IsRadixNumber()) {
                RadixNumber();
                continue;
            }
            Operator(c);
        }
        Push(TTok::End);
        return std::move(Out);
    }

private:
    const QString& S;
    const int N;
    int P = 0;
    int Line = 1;
    std::vector<TToken> Out;

    TToken& Push(TTok kind) {
        TToken& t = Out.emplace_back();
        t.Kind = kind;
        t.Line = Line;
        return t;
    }

    bool AfterOperand() const {
        if (Out.empty())
            return false;
        const TToken& t = Out.back();
        return (t.Kind == TTok::Ident && t.Kw == TKw::None) || t.Kind == TTok::RParen;
    }

    bool AtStatementStart() const {
        return Out.empty() || Out.back().Kind == TTok::NewLine || Out.back().Kind == TTok::Colon;
    }

    void SkipBlanks() {
        while (P < N && IsBlank(S[P]))
            ++P;
    }

    void SkipToEndOfLine() {
        while (P < N && S[P] != u'\r' && S[P] != u'\n')
            ++P;
    }

    void NewLine() {
        if (S[P] == u'\r' && P + 1 < N && S[P + 1] == u'\n')
            ++P;
        ++P;
        // Runs of empty lines make one separator.
        if (!Out.empty() && Out.back().Kind != TTok::NewLine)
            Push(TTok::NewLine);
        ++Line;
    }

    void Identifier() {
        const int start = P;
        while (P < N && IsIdentPart(S[P]))
            ++P;
        QString text = S.mid(start, P - start);
        QString lower = text.toLower();
        if (lower == u"rem" && AtStatementStart()) {
            SkipToEndOfLine();
            return;
        }
        TToken& t = Push(TTok::Ident);
        t.Kw = Keywords().value(lower, TKw::None);
        t.Text = std::move(text);
        t.Lower = std::move(lower);
    }

    void BracketIdentifier() {
        const int start = ++P;
        while (P < N && S[P] != u']' && S[P] != u'\r' && S[P] != u'\n')
            ++P;
        if (P >= N || S[P] != u']')
            throw EVbsCompileError("Expected ']'", Line);
        TToken& t = Push(TTok::Ident);
        t.Text = S.mid(start, P - start);
        t.Lower = t.Text.toLower();
        ++P;
    }

    void Number() {
        const int start = P;
        bool real = false;
        while (P < N && S[P].isDigit())
            ++P;
        if (P < N && S[P] == u'.') {
            real = true;
            ++P;
            while (P < N && S[P].isDigit())
                ++P;
        }
        if (P < N && (S[P] == u'e' || S[P] == u'E')) {
            int q = P + 1;
            if (q < N && (S[q] == u'+' || S[q] == u'-'))
                ++q;
            if (q < N && S[q].isDigit()) {
                real = true;
                P = q;
                while (P < N && S[P].isDigit())
                    ++P;
            }
        }
        const QString text = S.mid(start, P - start);
        bool ok = false;
        if (!real) {
            const qlonglong v = text.toLongLong(&ok);
            if (ok && v <= 2147483647LL) {
                TToken& t = Push(TTok::Integer);
                t.Int = v;
                t.Long = v > 32767;
                return;
            }
        }
        const double d = text.toDouble(&ok);
        if (!ok || !std::isfinite(d))
            throw EVbsCompileError("Invalid number", Line);
        Push(TTok::Real).Real = d;
    }

    static int DigitValue(QChar c, bool hex) {
        const char16_t ch = c.unicode();
        int d = -1;
        if (ch >= u'0' && ch <= u'9')
            d = ch - u'0';
        else if (hex && ch >= u'a' && ch <= u'f')
            d = ch - u'a' + 10;
        else if (hex && ch >= u'A' && ch <= u'F')
            d = ch - u'A' + 10;
        return (d < 0 || (!hex && d > 7)) ? -1 : d;
    }

    // &H1F or &O17; "&hour" stays a concatenation with a name.
    bool IsRadixNumber() const {
        if (P + 2 >= N)
            return false;
        const QChar r = S[P + 1];
        const bool hex = r == u'h' || r == u'H';
        if (!hex && r != u'o' && r != u'O')
            return false;
        int q = P + 2;
        while (q < N && IsIdentPart(S[q])) {
            if (DigitValue(S[q], hex) < 0)
                return false;
            ++q;
        }
        return q > P + 2;
    }

    void RadixNumber() {
        const bool hex = S[P + 1] == u'h' || S[P + 1] == u'H';
        P += 2;
        const int start = P;
        uint64_t v = 0;
        while (P < N && IsIdentPart(S[P])) {
            const int d = DigitValue(S[P], hex);
            v = v * (hex ? 16 : 8) + uint64_t(d);
            if (d < 0 || v > 0xFFFFFFFFULL)
                throw EVbsCompileError("Invalid number", Line);
            ++P;
        }
        if (P == start)
            throw EVbsCompileError("Invalid number", Line);
        // A trailing & asks for a Long.
        bool forceLong = false;
        if (P < N && S[P] == u'&' && (P + 1 >= N || !(S[P + 1].isLetterOrNumber() || S[P + 1] == u'"'))) {
            forceLong = true;
            ++P;
        }
        TToken& t = Push(TTok::Integer);
        if (v <= 0xFFFF && !forceLong) {
            t.Int = int16_t(uint16_t(v));
        } else {
            t.Int = int32_t(uint32_t(v));
            t.Long = true;
        }
    }

    void String() {
        ++P;
        QString value;
        while (true) {
            if (P >= N || S[P] == u'\r' || S[P] == u'\n')
                throw EVbsCompileError("Unterminated string constant", Line);
            if (S[P] == u'"') {
                if (P + 1 < N && S[P + 1] == u'"') {
                    value += u'"';
                    P += 2;
                    continue;
                }
                ++P;
                break;
            }
            value += S[P++];
        }
        Push(TTok::String).Text = std::move(value);
    }

    void DateLiteral() {
        const int start = ++P;
        while (P < N && S[P] != u'#' && S[P] != u'\r' && S[P] != u'\n')
            ++P;
        if (P >= N || S[P] != u'#')
            throw EVbsCompileError("Syntax error", Line);
        double serial = 0;
        if (!ParseDateLiteral(S.mid(start, P - start), serial))
            throw EVbsCompileError("Syntax error", Line);
        ++P;
        Push(TTok::Date).Real = serial;
    }

    void Operator(QChar c) {
        const QChar next = P + 1 < N ? S[P + 1] : QChar();
        TTok kind;
        int len = 1;
        switch (c.unicode()) {
        case '+':
            kind = TTok::Plus;
            break;
        case '-':
            kind = TTok::Minus;
            break;
        case '*':
            kind = TTok::Star;
            break;
        case '/':
            kind = TTok::Slash;
            break;
        case '\\':
            kind = TTok::Backslash;
            break;
        case '^':
            kind = TTok::Caret;
            break;
        case '&':
            kind = TTok::Amp;
            break;
        case '=':
            kind = TTok::Eq;
            break;
        case '(':
            kind = TTok::LParen;
            break;
        case ')':
            kind = TTok::RParen;
            break;
        case ',':
            kind = TTok::Comma;
            break;
        case '.':
            kind = TTok::Dot;
            break;
        case ':':
            kind = TTok::Colon;
            break;
        case '<':
            if (next == u'>') {
                kind = TTok::Ne;
                len = 2;
            } else if (next == u'=') {
                kind = TTok::Le;
                len = 2;
            } else
                kind = TTok::Lt;
            break;
        case '>':
            if (next == u'=') {
                kind = TTok::Ge;
                len = 2;
            } else
                kind = TTok::Gt;
            break;
        default:
            throw EVbsCompileError("Invalid character", Line);
        }
        P += len;
        Push(kind);
    }
};

// Reads up to maxDigits digits at text[pos]; -1 when none.
int ReadInt(const QString& text, int& pos, int maxDigits) {
    int v = 0, digits = 0;
    while (pos < text.size() && text[pos].isDigit() && digits < maxDigits) {
        v = v * 10 + text[pos].digitValue();
        ++pos;
        ++digits;
    }
    return digits ? v : -1;
}

bool ParseTime(const QString& text, double& fraction) {
    int pos = 0;
    const int h = ReadInt(text, pos, 2);
    if (h < 0)
        return false;
    int m = 0, s = 0;
    if (pos < text.size() && text[pos] == u':') {
        ++pos;
        m = ReadInt(text, pos, 2);
        if (m < 0)
            return false;
        if (pos < text.size() && text[pos] == u':') {
            ++pos;
            s = ReadInt(text, pos, 2);
            if (s < 0)
                return false;
        }
    } else if (pos >= text.size()) {
        return false; // a bare number is no time
    }
    QString rest = text.mid(pos).trimmed().toLower();
    int hour = h;
    if (rest == u"am" || rest == u"a") {
        if (h < 1 || h > 12)
            return false;
        hour = h % 12;
    } else if (rest == u"pm" || rest == u"p") {
        if (h < 1 || h > 12)
            return false;
        hour = h % 12 + 12;
    } else if (!rest.isEmpty()) {
        return false;
    }
    if (hour > 23 || m > 59 || s > 59)
        return false;
    fraction = (hour * 3600 + m * 60 + s) / 86400.0;
    return true;
}

bool ParseDate(const QString& text, int& days) {
    int pos = 0;
    int a = ReadInt(text, pos, 4);
    const int aDigits = pos;
    if (a < 0 || pos >= text.size() || (text[pos] != u'/' && text[pos] != u'-'))
        return false;
    const QChar sep = text[pos++];
    const int b = ReadInt(text, pos, 2);
    if (b < 0 || pos >= text.size() || text[pos] != sep)
        return false;
    ++pos;
    const int yearStart = pos;
    int c = ReadInt(text, pos, 4);
    if (c < 0 || pos != text.size())
        return false;
    int y, m, d;
    if (aDigits == 4) {
        y = a;
        m = b;
        d = c; // yyyy-mm-dd
    } else {
        m = a;
        d = b;
        y = c; // US order
        if (pos - yearStart <= 2)
            y += y < 30 ? 2000 : 1900;
    }
    const QDate date(y, m, d);
    if (!date.isValid() || y < 100)
        return false;
    days = int(date.toJulianDay() - QDate(1899, 12, 30).toJulianDay());
    return true;
}

} // namespace

bool ParseDateLiteral(const QString& text, double& serial) {
    const QString t = text.simplified();
    if (t.isEmpty())
        return false;
    const int space = t.indexOf(u' ');
    const QString first = space < 0 ? t : t.left(space);
    const QString rest = space < 0 ? QString() : t.mid(space + 1);
    int days = 0;
    double fraction = 0;
    if (ParseDate(first, days)) {
        if (!rest.isEmpty() && !ParseTime(rest, fraction))
            return false;
    } else {
        days = 0;
        if (!ParseTime(t, fraction))
            return false;
    }
    // Before the epoch the time still counts forward from midnight.
    serial = days < 0 ? days - fraction : days + fraction;
    return true;
}

std::vector<TToken> Tokenize(const QString& source) {
    return TLexer(source).Run();
}

} // namespace zp::vbs
