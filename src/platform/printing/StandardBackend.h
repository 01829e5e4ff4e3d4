// SPDX-License-Identifier: MIT
#pragma once

#include "platform/printing/PrinterBackend.h"

namespace zp {

/// The built-in print-to-file device: its display and device name, and the
/// driver name that tells it from a system queue of the same name.
inline const char* const kPdfDeviceName = "PDF";
inline const char* const kPdfDriverName = "Zentaprint PDF";
/// Its resolution and paper unless its settings say otherwise.
inline constexpr int kPdfDotsPerInch = 600;

/// The program's printers: the system's queues (when a source of them is
/// given), then always the built-in "PDF" device, which writes one PDF file
/// per job. The system default is the system's, or the PDF device when the
/// system has none.
class TZpStandardBackend : public IZpPrinterBackend {
public:
    explicit TZpStandardBackend(std::unique_ptr<IZpPrinterBackend> system = nullptr);

    [[nodiscard]] std::vector<TPrinterDevice> EnumPrinters() override;
    [[nodiscard]] std::optional<TPrinterDevice> DefaultPrinter() override;
    [[nodiscard]] std::optional<TZpDeviceSettings> DefaultSettings(const TPrinterDevice& device) override;
    [[nodiscard]] std::optional<TZpDeviceCaps> Measure(const TPrinterDevice& device,
                                                       const TZpDeviceSettings* settings) override;
    [[nodiscard]] std::unique_ptr<IZpJobDevice> OpenJob(const TPrinterDevice& device,
                                                        const TZpDeviceSettings* settings,
                                                        const TZpJobTarget& target) override;
    [[nodiscard]] bool WritesFile(const TPrinterDevice& device) const override;

    /// The list entry of the built-in PDF device.
    [[nodiscard]] static TPrinterDevice PdfDevice();
    [[nodiscard]] static bool IsPdfDevice(const TPrinterDevice& device);

private:
    std::unique_ptr<IZpPrinterBackend> FSystem;
};

/// A backend with no printers at all (a machine without any printer).
class TZpNoPrinterBackend : public IZpPrinterBackend {
public:
    [[nodiscard]] std::vector<TPrinterDevice> EnumPrinters() override { return {}; }
    [[nodiscard]] std::optional<TPrinterDevice> DefaultPrinter() override { return std::nullopt; }
    [[nodiscard]] std::optional<TZpDeviceSettings> DefaultSettings(const TPrinterDevice&) override {
        return std::nullopt;
    }
    [[nodiscard]] std::optional<TZpDeviceCaps> Measure(const TPrinterDevice&,
                                                       const TZpDeviceSettings*) override {
        return std::nullopt;
    }
    [[nodiscard]] std::unique_ptr<IZpJobDevice> OpenJob(const TPrinterDevice&, const TZpDeviceSettings*,
                                                        const TZpJobTarget&) override {
        return nullptr;
    }
    [[nodiscard]] bool WritesFile(const TPrinterDevice&) const override { return false; }
};

} // namespace zp
