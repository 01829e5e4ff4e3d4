// SPDX-License-Identifier: MIT
#include "platform/printing/PdfJob.h"

#include <QDir>
#include <QFileInfo>

namespace zp {

QPageLayout PageLayoutFor(const TZpDeviceCaps& caps, const TZpDeviceSettings& settings) {
    const double dpiX = caps.DotsPerInch.X > 0 ? caps.DotsPerInch.X : 1;
    const double dpiY = caps.DotsPerInch.Y > 0 ? caps.DotsPerInch.Y : 1;
    const double left = caps.PhysicalOffset.X / dpiX;
    const double top = caps.PhysicalOffset.Y / dpiY;
    const double right = (caps.PhysicalPageSize.X - caps.PhysicalOffset.X - caps.Printable.X) / dpiX;
    const double bottom = (caps.PhysicalPageSize.Y - caps.PhysicalOffset.Y - caps.Printable.Y) / dpiY;
    const auto orientation = settings.IsLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait;
    // The paper of the settings when it agrees with the measured sheet, else
    // the measured sheet itself (a driver may report a custom size).
    QPageSize paper = settings.Paper;
    const QSizeF measured(caps.PhysicalPageSize.X / dpiX, caps.PhysicalPageSize.Y / dpiY);
    const QSizeF inches = paper.size(QPageSize::Inch);
    const QSizeF oriented = orientation == QPageLayout::Landscape ? inches.transposed() : inches;
    if (qAbs(oriented.width() - measured.width()) > 0.02 ||
        qAbs(oriented.height() - measured.height()) > 0.02) {
        const QSizeF portrait = orientation == QPageLayout::Landscape ? measured.transposed() : measured;
        paper = QPageSize(portrait, QPageSize::Inch, QString(), QPageSize::ExactMatch);
    }
    QPageLayout layout(paper, orientation,
                       QMarginsF(qMax(0.0, left), qMax(0.0, top), qMax(0.0, right), qMax(0.0, bottom)),
                       QPageLayout::Inch);
    return layout;
}

TZpPdfJob::TZpPdfJob(QString fileName, QPageLayout layout, int dotsPerInch)
    : FFileName(std::move(fileName)), FLayout(std::move(layout)), FDotsPerInch(dotsPerInch),
      FFile(FFileName) {}

TZpPdfJob::~TZpPdfJob() {
    FWriter.reset();
    if (FFile.isOpen())
        FFile.cancelWriting();
}

bool TZpPdfJob::Open(const QString& title) {
    const QFileInfo info(FFileName);
    if (FFileName.isEmpty()) {
        FError = QStringLiteral("No file was named for the PDF output");
        return false;
    }
    if (!info.absoluteDir().exists()) {
        FError = QStringLiteral("Cannot create the file \"%1\": the folder does not exist")
                     .arg(QDir::toNativeSeparators(FFileName));
        return false;
    }
    if (!FFile.open(QIODevice::WriteOnly)) {
        FError = QStringLiteral("Cannot create the file \"%1\": %2")
                     .arg(QDir::toNativeSeparators(FFileName), FFile.errorString());
        return false;
    }
    FWriter = std::make_unique<QPdfWriter>(&FFile);
    FWriter->setResolution(FDotsPerInch);
    FWriter->setPageLayout(FLayout);
    FWriter->setTitle(title);
    FWriter->setCreator(QStringLiteral("Zentaprint"));
    return true;
}

QPagedPaintDevice& TZpPdfJob::PaintDevice() {
    return *FWriter;
}

bool TZpPdfJob::Finish() {
    FWriter.reset();
    if (!FFile.commit()) {
        FError = QStringLiteral("Cannot write the file \"%1\": %2")
                     .arg(QDir::toNativeSeparators(FFileName), FFile.errorString());
        return false;
    }
    return true;
}

void TZpPdfJob::Abort() {
    FWriter.reset();
    if (FFile.isOpen())
        FFile.cancelWriting();
    FFile.commit(); // after cancelWriting this only discards the temporary file
}

} // namespace zp
