// SPDX-License-Identifier: MIT
#include "print/verify/ScanReport.h"

#include <QStringList>
#include <algorithm>
#include <string>

namespace zp {

namespace {

QString Dots(int dots) {
    return dots < 0 ? QStringLiteral("-") : QString::number(dots);
}
// A CSV number column stays empty when there is nothing to measure.
QString CsvDots(int dots) {
    return dots < 0 ? QString() : QString::number(dots);
}

// RFC 4180: a field with a comma, a quote or a line break is quoted, its
// quotes doubled.
QString CsvField(const QString& field) {
    if (!field.contains(QLatin1Char(',')) && !field.contains(QLatin1Char('"')) &&
        !field.contains(QLatin1Char('\n')) && !field.contains(QLatin1Char('\r')))
        return field;
    QString quoted = field;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

} // namespace

QString VerdictText(TZpScanVerdict verdict) {
    switch (verdict) {
    case TZpScanVerdict::Ok:
        return QStringLiteral("ok");
    case TZpScanVerdict::Failed:
        return QStringLiteral("FAILED");
    default:
        return QStringLiteral("not checked");
    }
}

QString ShownData(const std::string& data) {
    QString out;
    out.reserve(int(data.size()));
    for (const char ch : data) {
        const auto c = static_cast<unsigned char>(ch);
        if (c < 32 || c == 127)
            out += QStringLiteral("\\%1").arg(int(c), 3, 10, QLatin1Char('0'));
        else if (c == '\\')
            out += QLatin1String("\\\\");
        else
            out += QChar(c);
    }
    return out;
}

bool TZpScanReport::Failed() const {
    return std::any_of(Results.begin(), Results.end(),
                       [](const TZpScanResult& r) { return r.Verdict == TZpScanVerdict::Failed; });
}

QString TZpScanReport::Text() const {
    QString text = QStringLiteral("Scan check of %1 at %2 dpi, %3 labels\n")
                       .arg(LabelName.isEmpty() ? QStringLiteral("the label")
                                                : QLatin1Char('"') + LabelName + QLatin1Char('"'))
                       .arg(Dpi)
                       .arg(Labels);
    int ok = 0, failed = 0, unchecked = 0;
    for (const TZpScanResult& r : Results) {
        const QString where = r.Record > 0 ? QStringLiteral("record %1").arg(r.Record)
                                           : QStringLiteral("label %1").arg(r.Label);
        text +=
            QStringLiteral("%1, \"%2\" (%3): data \"%4\", read \"%5\", narrowest bar %6, space %7 dots: %8")
                .arg(where, r.Name, r.Symbology, r.Data, r.Decoded, Dots(r.NarrowestBar),
                     Dots(r.NarrowestSpace), VerdictText(r.Verdict));
        if (!r.Note.isEmpty())
            text += QStringLiteral(" (%1)").arg(r.Note);
        text += QLatin1Char('\n');
        switch (r.Verdict) {
        case TZpScanVerdict::Ok:
            ++ok;
            break;
        case TZpScanVerdict::Failed:
            ++failed;
            break;
        default:
            ++unchecked;
            break;
        }
    }
    text += QStringLiteral("%1 symbols: %2 ok, %3 FAILED, %4 not checked\n")
                .arg(Results.size())
                .arg(ok)
                .arg(failed)
                .arg(unchecked);
    return text;
}

QString TZpScanReport::Csv() const {
    QString csv = QStringLiteral("label,record,object,symbology,data,decoded,narrowest_bar_dots,"
                                 "narrowest_space_dots,dpi,verdict,note\r\n");
    for (const TZpScanResult& r : Results) {
        const QStringList fields = {QString::number(r.Label), QString::number(r.Record), CsvField(r.Name),
                                    CsvField(r.Symbology),    CsvField(r.Data),          CsvField(r.Decoded),
                                    CsvDots(r.NarrowestBar),  CsvDots(r.NarrowestSpace), QString::number(Dpi),
                                    VerdictText(r.Verdict),   CsvField(r.Note)};
        csv += fields.join(QLatin1Char(',')) + QStringLiteral("\r\n");
    }
    return csv;
}

} // namespace zp
