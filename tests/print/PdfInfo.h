// SPDX-License-Identifier: MIT
#pragma once

#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QString>
#include <QTemporaryDir>

namespace zp::test {

/// What poppler's pdfinfo reads from a PDF file: page count and the size of
/// the first page in points; Pages is -1 when the file is not a readable PDF.
struct TPdfInfo {
    int Pages = -1;
    double Width = 0;
    double Height = 0;
    QString Error;
};

inline TPdfInfo ReadPdfInfo(const QString& file) {
    TPdfInfo info;
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {file});
    if (!p.waitForFinished(30000) || p.exitCode() != 0) {
        info.Error = QStringLiteral("pdfinfo failed: ") + p.errorString() +
                     QString::fromLocal8Bit(p.readAllStandardError());
        return info;
    }
    const QString out = QString::fromLocal8Bit(p.readAllStandardOutput());
    const auto pages =
        QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"), QRegularExpression::MultilineOption)
            .match(out);
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption)
                          .match(out);
    if (pages.hasMatch())
        info.Pages = pages.captured(1).toInt();
    if (size.hasMatch()) {
        info.Width = size.captured(1).toDouble();
        info.Height = size.captured(2).toDouble();
    }
    return info;
}

/// One page of a PDF rasterised by poppler's pdftoppm at the given
/// resolution; a null image when that fails.
inline QImage RasterisePdfPage(const QString& file, int page, int dotsPerInch) {
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    QProcess p;
    p.start(QStringLiteral("pdftoppm"),
            {QStringLiteral("-png"), QStringLiteral("-r"), QString::number(dotsPerInch), QStringLiteral("-f"),
             QString::number(page), QStringLiteral("-l"), QString::number(page),
             QStringLiteral("-singlefile"), file, stem});
    if (!p.waitForFinished(60000) || p.exitCode() != 0)
        return {};
    return QImage(stem + QStringLiteral(".png"));
}

} // namespace zp::test
