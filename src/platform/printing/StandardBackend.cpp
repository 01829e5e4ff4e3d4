// SPDX-License-Identifier: MIT
#include "platform/printing/StandardBackend.h"

#include "platform/printing/PdfJob.h"

namespace zp {

namespace {

TZpDeviceSettings PdfDefaults() {
    TZpDeviceSettings s;
    s.Fields = TZpDeviceSettings::dmOrientation | TZpDeviceSettings::dmPaperSize |
               TZpDeviceSettings::dmCopies | TZpDeviceSettings::dmResolution | TZpDeviceSettings::dmCollate;
    s.Orientation = TZpDeviceSettings::dmPortrait;
    s.Copies = 1;
    s.Collate = false;
    s.Paper = QPageSize(QPageSize::Letter);
    s.Resolution = kPdfDotsPerInch;
    return s;
}

QSizeF PaperInches(const QPageSize& paper) {
    const QSizeF size = paper.definitionSize();
    switch (paper.definitionUnits()) {
    case QPageSize::Millimeter:
        return size / 25.4;
    case QPageSize::Inch:
        return size;
    default:
        return paper.size(QPageSize::Inch);
    }
}

TZpDeviceCaps PdfCaps(const TZpDeviceSettings* settings) {
    const TZpDeviceSettings defaults = PdfDefaults();
    const TZpDeviceSettings& s = settings ? *settings : defaults;
    const int dpi =
        s.Has(TZpDeviceSettings::dmResolution) && s.Resolution > 0 ? s.Resolution : kPdfDotsPerInch;
    const QPageSize paper =
        s.Has(TZpDeviceSettings::dmPaperSize) && s.Paper.isValid() ? s.Paper : defaults.Paper;
    // Dots from the size the paper is defined in (Letter in inches, A4 in
    // millimetres): Qt's point sizes are rounded to whole points.
    const QSizeF inches = PaperInches(paper);
    int width = qRound(inches.width() * dpi);
    int height = qRound(inches.height() * dpi);
    if (s.IsLandscape())
        std::swap(width, height);
    TZpDeviceCaps caps;
    caps.DotsPerInch = {dpi, dpi};
    caps.PhysicalPageSize = {width, height};
    caps.PhysicalOffset = {0, 0};
    caps.Printable = {width, height};
    return caps;
}

} // namespace

TZpStandardBackend::TZpStandardBackend(std::unique_ptr<IZpPrinterBackend> system)
    : FSystem(std::move(system)) {}

TPrinterDevice TZpStandardBackend::PdfDevice() {
    return {QString::fromLatin1(kPdfDeviceName), QString::fromLatin1(kPdfDeviceName),
            QString::fromLatin1(kPdfDriverName), QString()};
}

bool TZpStandardBackend::IsPdfDevice(const TPrinterDevice& device) {
    return device.Device == QLatin1String(kPdfDeviceName) && device.Driver == QLatin1String(kPdfDriverName);
}

std::vector<TPrinterDevice> TZpStandardBackend::EnumPrinters() {
    std::vector<TPrinterDevice> list;
    if (FSystem)
        list = FSystem->EnumPrinters();
    list.push_back(PdfDevice());
    return list;
}

std::optional<TPrinterDevice> TZpStandardBackend::DefaultPrinter() {
    if (FSystem) {
        if (auto system = FSystem->DefaultPrinter())
            return system;
    }
    return PdfDevice();
}

std::optional<TZpDeviceSettings> TZpStandardBackend::DefaultSettings(const TPrinterDevice& device) {
    if (IsPdfDevice(device))
        return PdfDefaults();
    return FSystem ? FSystem->DefaultSettings(device) : std::nullopt;
}

std::optional<TZpDeviceCaps> TZpStandardBackend::Measure(const TPrinterDevice& device,
                                                         const TZpDeviceSettings* settings) {
    if (IsPdfDevice(device))
        return PdfCaps(settings);
    return FSystem ? FSystem->Measure(device, settings) : std::nullopt;
}

std::unique_ptr<IZpJobDevice> TZpStandardBackend::OpenJob(const TPrinterDevice& device,
                                                          const TZpDeviceSettings* settings,
                                                          const TZpJobTarget& target) {
    if (IsPdfDevice(device)) {
        const TZpDeviceCaps caps = PdfCaps(settings);
        const TZpDeviceSettings s = settings ? *settings : PdfDefaults();
        return std::make_unique<TZpPdfJob>(target.OutputFile, PageLayoutFor(caps, s), caps.DotsPerInch.X);
    }
    return FSystem ? FSystem->OpenJob(device, settings, target) : nullptr;
}

bool TZpStandardBackend::WritesFile(const TPrinterDevice& device) const {
    if (IsPdfDevice(device))
        return true;
    return FSystem && FSystem->WritesFile(device);
}

} // namespace zp
