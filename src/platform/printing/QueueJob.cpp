// SPDX-License-Identifier: MIT
#include "platform/printing/QueueJob.h"

#include <QProcess>

namespace zp {

TZpQueueJob::TZpQueueJob(QString queue, QPageLayout layout, int dotsPerInch, int copies, bool collate)
    : FQueue(std::move(queue)), FCopies(qMax(1, copies)), FCollate(collate) {
    FPdf = std::make_unique<TZpPdfJob>(FDir.isValid() ? FDir.filePath(QStringLiteral("job.pdf")) : QString(),
                                       std::move(layout), dotsPerInch);
}

TZpQueueJob::~TZpQueueJob() = default;

bool TZpQueueJob::Open(const QString& title) {
    FTitle = title;
    if (!FDir.isValid()) {
        FError =
            QStringLiteral("Cannot create a temporary folder for the print job: %1").arg(FDir.errorString());
        return false;
    }
    if (!FPdf->Open(title)) {
        FError = FPdf->LastError();
        return false;
    }
    return true;
}

QPagedPaintDevice& TZpQueueJob::PaintDevice() {
    return FPdf->PaintDevice();
}

bool TZpQueueJob::Finish() {
    if (!FPdf->Finish()) {
        FError = FPdf->LastError();
        return false;
    }
    QStringList args{
        QStringLiteral("-d"), FQueue,
        QStringLiteral("-n"), QString::number(FCopies),
        QStringLiteral("-o"), FCollate ? QStringLiteral("collate=true") : QStringLiteral("collate=false")};
    if (!FTitle.isEmpty())
        args << QStringLiteral("-t") << FTitle;
    args << QStringLiteral("--") << FPdf->FileName();
    QProcess lp;
    lp.start(QStringLiteral("lp"), args);
    const bool ran = lp.waitForStarted(10000) && lp.waitForFinished(120000);
    if (!ran || lp.exitStatus() != QProcess::NormalExit || lp.exitCode() != 0) {
        QString reason = QString::fromLocal8Bit(lp.readAllStandardError()).trimmed();
        if (reason.isEmpty())
            reason = lp.errorString();
        FError = QStringLiteral("The job could not be sent to the printer \"%1\": %2").arg(FQueue, reason);
        return false;
    }
    return true;
}

void TZpQueueJob::Abort() {
    FPdf->Abort();
}

} // namespace zp
