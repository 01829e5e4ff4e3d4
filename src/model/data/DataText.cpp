// SPDX-License-Identifier: MIT
#include "model/data/DataText.h"

#include <algorithm>

namespace zp {

QString ExpandBarcodeEscapes(const QString& text) {
    if (!text.contains(QLatin1Char('\\')))
        return text;
    QString out;
    out.reserve(text.size());
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n) {
        const QChar c = text.at(i);
        if (c != QLatin1Char('\\') || i + 1 >= n) {
            out += c;
            ++i;
            continue;
        }
        const QChar next = text.at(i + 1);
        if (next == QLatin1Char('\\')) {
            out += QLatin1Char('\\');
            i += 2;
            continue;
        }
        if (next == QLatin1Char('F')) {
            // \F1..\F4 are Code 128 function escapes, resolved by the encoder.
            out += QLatin1String("\\F");
            i += 2;
            continue;
        }
        const qsizetype len = std::min<qsizetype>(3, n - i - 1);
        int value = 0;
        bool isNumber = true;
        for (qsizetype k = 0; k < len; ++k) {
            const char16_t d = text.at(i + 1 + k).unicode();
            if (d < u'0' || d > u'9') {
                isNumber = false;
                break;
            }
            value = value * 10 + (d - u'0');
        }
        if (isNumber && value <= 128)
            out += QChar(char16_t(value));
        else
            out += QStringView(text).mid(i, 1 + len); // not an escape: kept as written
        i += 1 + len;
    }
    return out;
}

QString StripFieldValue(const QString& value, const TZpFieldDef& entry) {
    const auto leadingRun = [&](QChar c) {
        qsizetype k = 0;
        while (k < value.size() && value.at(k) == c)
            ++k;
        return k;
    };
    const auto trailingRun = [&](qsizetype from) {
        qsizetype k = value.size();
        while (k > from && value.at(k - 1) == QLatin1Char(' '))
            --k;
        return k;
    };
    switch (entry.StripMethod) {
    case smLeadingSpaces:
        return value.mid(leadingRun(QLatin1Char(' ')));
    case smTrailingSpaces:
        return value.left(trailingRun(0));
    case smLeadingAndTrailingSpaces: {
        const qsizetype start = leadingRun(QLatin1Char(' '));
        return value.mid(start, trailingRun(start) - start);
    }
    case smCharacters: {
        // Counts from a file may be negative or larger than the value.
        const qsizetype lead = std::clamp<qsizetype>(entry.StripLeading, 0, value.size());
        const qsizetype rest = value.size() - lead;
        const qsizetype trail = std::clamp<qsizetype>(entry.StripTrailing, 0, rest);
        return value.mid(lead, rest - trail);
    }
    case smLeadingZeros:
        return value.mid(leadingRun(QLatin1Char('0')));
    default:
        return value;
    }
}

QString PaddedSerial(int32_t value, const QString& pad, int32_t width) {
    QString digits = QString::number(value);
    const qsizetype missing = std::min(width, kMaxPadWidth) - digits.size();
    if (pad.isEmpty() || missing <= 0)
        return digits;
    QString out;
    out.reserve(missing * pad.size() + digits.size());
    for (qsizetype k = 0; k < missing; ++k)
        out += pad;
    out += digits;
    return out;
}

} // namespace zp
