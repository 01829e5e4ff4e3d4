// SPDX-License-Identifier: MIT
#pragma once

#include "platform/printing/PrinterBackend.h"

class QPrinter;

namespace zp {

/// The system's print queues (CUPS) as Qt's print support sees them. It
/// lives with the dialogs because Qt's print support is a widgets module.
/// Measurements come from the queue's driver; a job is drawn into a PDF and
/// handed to the queue when it finishes.
class TZpCupsBackend : public IZpPrinterBackend {
public:
    [[nodiscard]] std::vector<TPrinterDevice> EnumPrinters() override;
    [[nodiscard]] std::optional<TPrinterDevice> DefaultPrinter() override;
    [[nodiscard]] std::optional<TZpDeviceSettings> DefaultSettings(const TPrinterDevice& device) override;
    [[nodiscard]] std::optional<TZpDeviceCaps> Measure(const TPrinterDevice& device,
                                                       const TZpDeviceSettings* settings) override;
    [[nodiscard]] std::unique_ptr<IZpJobDevice> OpenJob(const TPrinterDevice& device,
                                                        const TZpDeviceSettings* settings,
                                                        const TZpJobTarget& target) override;
    [[nodiscard]] bool WritesFile(const TPrinterDevice&) const override { return false; }

    /// The list entry of a queue: its name is the display name, except for a
    /// queue named like the built-in "PDF" device, which shows as "PDF on CUPS".
    [[nodiscard]] static TPrinterDevice EntryFor(const QString& queue);
    /// Points a printer at a queue with the given settings, margins at the
    /// device's unprintable area; false when the queue is not there.
    static bool Configure(QPrinter& printer, const QString& queue, const TZpDeviceSettings* settings);
    /// Gives a printer the values that the settings hold.
    static void ApplySettings(QPrinter& printer, const TZpDeviceSettings& settings);
    /// The settings a configured printer holds.
    [[nodiscard]] static TZpDeviceSettings SettingsOf(const QPrinter& printer);
};

/// The program's printers: the CUPS queues, then the built-in "PDF" device.
[[nodiscard]] std::unique_ptr<IZpPrinterBackend> MakeSystemPrinterBackend();

} // namespace zp
