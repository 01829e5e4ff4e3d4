// SPDX-License-Identifier: MIT
#include "print/dialogs/CupsBackend.h"

#include "platform/printing/PdfJob.h"
#include "platform/printing/QueueJob.h"
#include "platform/printing/StandardBackend.h"

#include <QPrinter>
#include <QPrinterInfo>

namespace zp {

TPrinterDevice TZpCupsBackend::EntryFor(const QString& queue) {
    const QString name =
        queue == QLatin1String(kPdfDeviceName) ? QStringLiteral("%1 on CUPS").arg(queue) : queue;
    return {name, queue, QString(), QString()};
}

std::vector<TPrinterDevice> TZpCupsBackend::EnumPrinters() {
    std::vector<TPrinterDevice> list;
    for (const QString& queue : QPrinterInfo::availablePrinterNames())
        list.push_back(EntryFor(queue));
    return list;
}

std::optional<TPrinterDevice> TZpCupsBackend::DefaultPrinter() {
    const QString queue = QPrinterInfo::defaultPrinterName();
    if (queue.isEmpty())
        return std::nullopt;
    return EntryFor(queue);
}

bool TZpCupsBackend::Configure(QPrinter& printer, const QString& queue, const TZpDeviceSettings* settings) {
    printer.setPrinterName(queue);
    if (!printer.isValid() || printer.printerName() != queue)
        return false;
    if (settings)
        ApplySettings(printer, *settings);
    // Painting starts at the corner of what the device can print, as on
    // every printer the label geometry was made for.
    QPageLayout layout = printer.pageLayout();
    layout.setMargins(layout.minimumMargins());
    printer.setPageLayout(layout);
    return true;
}

void TZpCupsBackend::ApplySettings(QPrinter& printer, const TZpDeviceSettings& settings) {
    if (settings.Has(TZpDeviceSettings::dmPaperSize) && settings.Paper.isValid())
        printer.setPageSize(settings.Paper);
    if (settings.Has(TZpDeviceSettings::dmOrientation))
        printer.setPageOrientation(settings.IsLandscape() ? QPageLayout::Landscape : QPageLayout::Portrait);
    if (settings.Has(TZpDeviceSettings::dmResolution) && settings.Resolution > 0)
        printer.setResolution(settings.Resolution);
    if (settings.Has(TZpDeviceSettings::dmCopies))
        printer.setCopyCount(qMax(1, settings.Copies));
    if (settings.Has(TZpDeviceSettings::dmCollate))
        printer.setCollateCopies(settings.Collate);
}

TZpDeviceSettings TZpCupsBackend::SettingsOf(const QPrinter& printer) {
    TZpDeviceSettings s;
    s.Fields = TZpDeviceSettings::dmOrientation | TZpDeviceSettings::dmPaperSize |
               TZpDeviceSettings::dmCopies | TZpDeviceSettings::dmResolution | TZpDeviceSettings::dmCollate;
    s.Orientation = printer.pageLayout().orientation() == QPageLayout::Landscape
                        ? TZpDeviceSettings::dmLandscape
                        : TZpDeviceSettings::dmPortrait;
    s.Copies = qMax(1, printer.copyCount());
    s.Collate = printer.collateCopies();
    s.Paper = printer.pageLayout().pageSize();
    s.Resolution = printer.resolution();
    return s;
}

std::optional<TZpDeviceSettings> TZpCupsBackend::DefaultSettings(const TPrinterDevice& device) {
    QPrinter printer(QPrinter::HighResolution);
    if (!Configure(printer, device.Device, nullptr))
        return std::nullopt;
    TZpDeviceSettings s = SettingsOf(printer);
    s.Orientation = TZpDeviceSettings::dmPortrait;
    s.Copies = 1;
    s.Collate = false;
    return s;
}

namespace {

std::optional<TZpDeviceCaps> CapsOf(QPrinter& printer) {
    const QRectF paper = printer.paperRect(QPrinter::DevicePixel);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    if (paper.isEmpty() || page.isEmpty())
        return std::nullopt;
    TZpDeviceCaps caps;
    caps.DotsPerInch = {printer.logicalDpiX(), printer.logicalDpiY()};
    caps.PhysicalPageSize = {qRound(paper.width()), qRound(paper.height())};
    caps.PhysicalOffset = {qRound(page.left() - paper.left()), qRound(page.top() - paper.top())};
    caps.Printable = {qRound(page.width()), qRound(page.height())};
    return caps;
}

} // namespace

std::optional<TZpDeviceCaps> TZpCupsBackend::Measure(const TPrinterDevice& device,
                                                     const TZpDeviceSettings* settings) {
    QPrinter printer(QPrinter::HighResolution);
    if (!Configure(printer, device.Device, settings))
        return std::nullopt;
    return CapsOf(printer);
}

std::unique_ptr<IZpJobDevice> TZpCupsBackend::OpenJob(const TPrinterDevice& device,
                                                      const TZpDeviceSettings* settings,
                                                      const TZpJobTarget&) {
    QPrinter printer(QPrinter::HighResolution);
    if (!Configure(printer, device.Device, settings))
        return nullptr;
    const std::optional<TZpDeviceCaps> caps = CapsOf(printer);
    if (!caps)
        return nullptr;
    const TZpDeviceSettings held = SettingsOf(printer);
    return std::make_unique<TZpQueueJob>(
        device.Device, PageLayoutFor(*caps, held), caps->DotsPerInch.X,
        settings && settings->Has(TZpDeviceSettings::dmCopies) ? settings->Copies : 1,
        settings && settings->Has(TZpDeviceSettings::dmCollate) && settings->Collate);
}

std::unique_ptr<IZpPrinterBackend> MakeSystemPrinterBackend() {
    return std::make_unique<TZpStandardBackend>(std::make_unique<TZpCupsBackend>());
}

} // namespace zp
