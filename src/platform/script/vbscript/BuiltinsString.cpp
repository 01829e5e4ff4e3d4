// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/BuiltinTable.h"
#include "platform/script/vbscript/VariantText.h"

#include <algorithm>
#include <array>

namespace zp::vbs {

namespace {

Qt::CaseSensitivity Sensitivity(bool text) {
    return text ? Qt::CaseInsensitive : Qt::CaseSensitive;
}

int32_t CountArg(const TVariant& v) {
    const int32_t n = LongArg(v);
    if (n < 0)
        Raise(kErrInvalidCall);
    return n;
}

TVariant Len(IVbsRuntime&, const TArgs& a) {
    if (a[0].IsNull())
        return TVariant::Null();
    return TVariant::FromLong(static_cast<int32_t>(ToString(a[0]).size()));
}

TVariant Left(IVbsRuntime&, const TArgs& a) {
    const int32_t n = CountArg(a[1]);
    if (a[0].IsNull())
        return TVariant::Null();
    return TVariant::FromString(ToString(a[0]).left(n));
}

TVariant Right(IVbsRuntime&, const TArgs& a) {
    const int32_t n = CountArg(a[1]);
    if (a[0].IsNull())
        return TVariant::Null();
    return TVariant::FromString(ToString(a[0]).right(n));
}

TVariant Mid(IVbsRuntime&, const TArgs& a) {
    const int32_t start = LongArg(a[1]);
    if (start < 1)
        Raise(kErrInvalidCall);
    const int32_t length = HasArg(a, 2) ? CountArg(a[2]) : -1;
    if (a[0].IsNull())
        return TVariant::Null();
    const QString s = ToString(a[0]);
    if (start > s.size())
        return TVariant::FromString(QString());
    return TVariant::FromString(s.mid(start - 1, length));
}

TVariant InStr(IVbsRuntime&, const TArgs& a) {
    // InStr([start,] string1, string2[, compare]): the start is there when
    // three or four arguments are.
    const bool withStart = a.size() >= 3;
    int32_t start = 1;
    if (withStart) {
        start = LongArg(a[0]);
        if (start < 1)
            Raise(kErrInvalidCall);
    }
    const TVariant& hay = a[withStart ? 1 : 0];
    const TVariant& needle = a[withStart ? 2 : 1];
    const bool text = TextCompareArg(a, 3);
    if (hay.IsNull() || needle.IsNull())
        return TVariant::Null();
    const QString h = ToString(hay), n = ToString(needle);
    if (h.isEmpty())
        return TVariant::FromLong(0);
    if (n.isEmpty())
        return TVariant::FromLong(start);
    if (start > h.size())
        return TVariant::FromLong(0);
    return TVariant::FromLong(static_cast<int32_t>(h.indexOf(n, start - 1, Sensitivity(text)) + 1));
}

TVariant InStrRev(IVbsRuntime&, const TArgs& a) {
    int32_t start = HasArg(a, 2) ? LongArg(a[2]) : -1;
    if (start == 0 || start < -1)
        Raise(kErrInvalidCall);
    const bool text = TextCompareArg(a, 3);
    if (a[0].IsNull() || a[1].IsNull())
        return TVariant::Null();
    const QString h = ToString(a[0]), n = ToString(a[1]);
    if (start == -1)
        start = static_cast<int32_t>(h.size());
    if (start > h.size())
        return TVariant::FromLong(0);
    if (n.isEmpty())
        return TVariant::FromLong(start);
    // The match must end at or before the start position.
    const qsizetype from = start - n.size();
    if (from < 0)
        return TVariant::FromLong(0);
    return TVariant::FromLong(static_cast<int32_t>(h.lastIndexOf(n, from, Sensitivity(text)) + 1));
}

TVariant Replace(IVbsRuntime&, const TArgs& a) {
    const QString s = TextArg(a[0]), find = TextArg(a[1]), with = TextArg(a[2]);
    const int32_t start = HasArg(a, 3) ? LongArg(a[3]) : 1;
    const int32_t count = HasArg(a, 4) ? LongArg(a[4]) : -1;
    if (start < 1 || count < -1)
        Raise(kErrInvalidCall);
    const Qt::CaseSensitivity cs = Sensitivity(TextCompareArg(a, 5));
    // The result begins at the start position: what lies before it is dropped.
    if (start > s.size())
        return TVariant::FromString(QString());
    const QString tail = s.mid(start - 1);
    if (find.isEmpty() || count == 0)
        return TVariant::FromString(tail);
    // Counted first, so that a result over the size limit fails before it is built.
    int64_t hits = 0;
    const int64_t growth = with.size() - find.size();
    for (qsizetype at = tail.indexOf(find, 0, cs); at >= 0 && (count == -1 || hits < count);
         at = tail.indexOf(find, at + find.size(), cs)) {
        ++hits;
        if (growth > 0)
            CheckResultSize(tail.size() + hits * growth);
    }
    QString out;
    out.reserve(tail.size() + hits * growth);
    qsizetype pos = 0;
    for (int64_t done = 0; done < hits; ++done) {
        const qsizetype hit = tail.indexOf(find, pos, cs);
        out += QStringView(tail).mid(pos, hit - pos);
        out += with;
        pos = hit + find.size();
    }
    out += QStringView(tail).mid(pos);
    return TVariant::FromString(out);
}

TVariant Case(const TArgs& a, bool upper) {
    if (a[0].IsNull())
        return TVariant::Null();
    const QString s = ToString(a[0]);
    return TVariant::FromString(upper ? s.toUpper() : s.toLower());
}

TVariant UCase(IVbsRuntime&, const TArgs& a) {
    return Case(a, true);
}
TVariant LCase(IVbsRuntime&, const TArgs& a) {
    return Case(a, false);
}

// The trims remove spaces only; tabs and line breaks stay.
TVariant TrimSides(const TArgs& a, bool left, bool right) {
    if (a[0].IsNull())
        return TVariant::Null();
    const QString s = ToString(a[0]);
    qsizetype b = 0, e = s.size();
    if (left)
        while (b < e && s[b] == u' ')
            ++b;
    if (right)
        while (e > b && s[e - 1] == u' ')
            --e;
    return TVariant::FromString(s.mid(b, e - b));
}

TVariant Trim(IVbsRuntime&, const TArgs& a) {
    return TrimSides(a, true, true);
}
TVariant LTrim(IVbsRuntime&, const TArgs& a) {
    return TrimSides(a, true, false);
}
TVariant RTrim(IVbsRuntime&, const TArgs& a) {
    return TrimSides(a, false, true);
}

TVariant Space(IVbsRuntime&, const TArgs& a) {
    const int32_t n = CountArg(a[0]);
    CheckResultSize(n);
    return TVariant::FromString(QString(n, u' '));
}

// Chr and Asc work in the Western (Windows-1252) single-byte set the
// language's scripts were written for: 128..159 hold the euro sign, the
// typographic quotes and dashes; the rest is Latin-1.
constexpr std::array<char16_t, 32> kHighChars = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

QChar CharOfCode(int32_t code) {
    if (code >= 128 && code < 160)
        return QChar(kHighChars[static_cast<size_t>(code - 128)]);
    return QChar(static_cast<char16_t>(code));
}

int32_t CodeOfChar(QChar c) {
    const char16_t u = c.unicode();
    if (u < 128 || (u >= 160 && u < 256))
        return u;
    for (size_t i = 0; i < kHighChars.size(); ++i)
        if (kHighChars[i] == u)
            return static_cast<int32_t>(128 + i);
    return '?'; // no single-byte code
}

TVariant StringFn(IVbsRuntime&, const TArgs& a) {
    const int32_t n = CountArg(a[0]);
    if (a[1].IsNull())
        return TVariant::Null();
    QChar c;
    if (a[1].Type() == TVarType::String) {
        if (a[1].Str().isEmpty())
            Raise(kErrInvalidCall);
        c = a[1].Str()[0];
    } else {
        const int32_t code = ToLong(a[1]);
        c = CharOfCode(((code % 256) + 256) % 256);
    }
    CheckResultSize(n);
    return TVariant::FromString(QString(n, c));
}

TVariant StrReverse(IVbsRuntime&, const TArgs& a) {
    QString s = TextArg(a[0]);
    std::reverse(s.begin(), s.end());
    return TVariant::FromString(s);
}

TVariant StrComp(IVbsRuntime&, const TArgs& a) {
    const bool text = TextCompareArg(a, 2);
    if (a[0].IsNull() || a[1].IsNull())
        return TVariant::Null();
    const int c = QString::compare(ToString(a[0]), ToString(a[1]), Sensitivity(text));
    return TVariant::FromInteger(static_cast<int16_t>(c < 0 ? -1 : c > 0 ? 1 : 0));
}

TVariant Split(IVbsRuntime&, const TArgs& a) {
    const QString s = TextArg(a[0]);
    const QString delimiter = HasArg(a, 1) ? TextArg(a[1]) : QStringLiteral(" ");
    const int32_t limit = HasArg(a, 2) ? LongArg(a[2]) : -1;
    if (limit < -1)
        Raise(kErrInvalidCall);
    const Qt::CaseSensitivity cs = Sensitivity(TextCompareArg(a, 3));
    auto array = std::make_shared<TVarArray>();
    if (!s.isEmpty() && limit != 0) {
        // The pieces are counted first, so that too many fail before any is made.
        int64_t cuts = 0;
        if (!delimiter.isEmpty()) {
            for (qsizetype at = s.indexOf(delimiter, 0, cs); at >= 0 && (limit == -1 || cuts < limit - 1);
                 at = s.indexOf(delimiter, at + delimiter.size(), cs))
                ++cuts;
        }
        CheckArraySize(cuts + 1);
        array->Items.reserve(static_cast<size_t>(cuts + 1));
        qsizetype pos = 0;
        for (int64_t i = 0; i < cuts; ++i) {
            const qsizetype hit = s.indexOf(delimiter, pos, cs);
            array->Items.push_back(TVariant::FromString(s.mid(pos, hit - pos)));
            pos = hit + delimiter.size();
        }
        array->Items.push_back(TVariant::FromString(s.mid(pos)));
    }
    array->Upper = {static_cast<int32_t>(array->Items.size()) - 1};
    return TVariant::FromArray(std::move(array));
}

TVariant Join(IVbsRuntime&, const TArgs& a) {
    if (!a[0].IsArray() || a[0].Arr()->Upper.size() != 1)
        Raise(kErrTypeMismatch);
    const QString delimiter = HasArg(a, 1) ? TextArg(a[1]) : QStringLiteral(" ");
    QString out;
    bool first = true;
    for (const TVariant& item : a[0].Arr()->Items) {
        const QString piece = ToString(item);
        CheckResultSize(int64_t{out.size()} + delimiter.size() + piece.size());
        if (!first)
            out += delimiter;
        out += piece;
        first = false;
    }
    return TVariant::FromString(out);
}

QChar FirstChar(const TVariant& v) {
    const QString s = TextArg(v);
    if (s.isEmpty())
        Raise(kErrInvalidCall);
    return s[0];
}

TVariant Asc(IVbsRuntime&, const TArgs& a) {
    return TVariant::FromInteger(static_cast<int16_t>(CodeOfChar(FirstChar(a[0]))));
}

TVariant AscW(IVbsRuntime&, const TArgs& a) {
    // An Integer: code units above 32767 come out negative.
    return TVariant::FromInteger(static_cast<int16_t>(FirstChar(a[0]).unicode()));
}

TVariant Chr(IVbsRuntime&, const TArgs& a) {
    const int32_t code = LongArg(a[0]);
    if (code < 0 || code > 255)
        Raise(kErrInvalidCall);
    return TVariant::FromString(QString(CharOfCode(code)));
}

TVariant ChrW(IVbsRuntime&, const TArgs& a) {
    const int32_t code = LongArg(a[0]);
    if (code < -32768 || code > 65535)
        Raise(kErrInvalidCall);
    return TVariant::FromString(QString(QChar(static_cast<char16_t>(code < 0 ? code + 65536 : code))));
}

constexpr TBuiltinEntry kEntries[] = {
    {"Len", {Len, 1, 1}},         {"Left", {Left, 2, 2}},       {"Right", {Right, 2, 2}},
    {"Mid", {Mid, 2, 3}},         {"InStr", {InStr, 2, 4}},     {"InStrRev", {InStrRev, 2, 4}},
    {"Replace", {Replace, 3, 6}}, {"UCase", {UCase, 1, 1}},     {"LCase", {LCase, 1, 1}},
    {"Trim", {Trim, 1, 1}},       {"LTrim", {LTrim, 1, 1}},     {"RTrim", {RTrim, 1, 1}},
    {"Space", {Space, 1, 1}},     {"String", {StringFn, 2, 2}}, {"StrReverse", {StrReverse, 1, 1}},
    {"StrComp", {StrComp, 2, 3}}, {"Split", {Split, 1, 4}},     {"Join", {Join, 1, 2}},
    {"Asc", {Asc, 1, 1}},         {"AscW", {AscW, 1, 1}},       {"Chr", {Chr, 1, 1}},
    {"ChrW", {ChrW, 1, 1}},
};

} // namespace

std::span<const TBuiltinEntry> StringBuiltins() {
    return kEntries;
}

} // namespace zp::vbs
