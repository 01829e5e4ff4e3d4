// SPDX-License-Identifier: MIT
#pragma once

#include "platform/printing/PdfJob.h"

#include <QTemporaryDir>
#include <memory>

namespace zp {

/// A job for a print queue: the pages are drawn into a PDF in a temporary
/// folder (what the queue's filters take in), and only a finished job is
/// handed to the queue, so an aborted one never reaches the printer.
class TZpQueueJob : public IZpJobDevice {
public:
    TZpQueueJob(QString queue, QPageLayout layout, int dotsPerInch, int copies, bool collate);
    ~TZpQueueJob() override;

    [[nodiscard]] bool Open(const QString& title) override;
    [[nodiscard]] QPagedPaintDevice& PaintDevice() override;
    [[nodiscard]] bool Finish() override;
    void Abort() override;
    [[nodiscard]] QString LastError() const override { return FError; }

private:
    QString FQueue;
    QString FTitle;
    int FCopies;
    bool FCollate;
    QTemporaryDir FDir;
    std::unique_ptr<TZpPdfJob> FPdf;
    QString FError;
};

} // namespace zp
