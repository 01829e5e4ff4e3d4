// SPDX-License-Identifier: MIT
#pragma once

#include "platform/printing/PrinterBackend.h"

#include <QPageLayout>
#include <QPdfWriter>
#include <QSaveFile>
#include <memory>

namespace zp {

/// The page layout that a device's measurements and settings describe: the
/// paper and orientation of the settings, margins of the unprintable area.
[[nodiscard]] QPageLayout PageLayoutFor(const TZpDeviceCaps& caps, const TZpDeviceSettings& settings);

/// A job that writes one PDF file in vector form: one page per started page,
/// of the layout's paper. The file appears under its name only when the job
/// finishes; a failed or aborted job leaves the old file (or none) in place.
class TZpPdfJob : public IZpJobDevice {
public:
    TZpPdfJob(QString fileName, QPageLayout layout, int dotsPerInch);
    ~TZpPdfJob() override;

    [[nodiscard]] bool Open(const QString& title) override;
    [[nodiscard]] QPagedPaintDevice& PaintDevice() override;
    [[nodiscard]] bool Finish() override;
    void Abort() override;
    [[nodiscard]] QString LastError() const override { return FError; }

    [[nodiscard]] const QString& FileName() const { return FFileName; }

private:
    QString FFileName;
    QPageLayout FLayout;
    int FDotsPerInch;
    QSaveFile FFile;
    std::unique_ptr<QPdfWriter> FWriter;
    QString FError;
};

} // namespace zp
