// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"
#include "platform/printing/DeviceSettings.h"

#include <QString>
#include <memory>
#include <optional>
#include <vector>

class QPagedPaintDevice;

namespace zp {

/// One entry of the printer list. Two entries are the same device when their
/// Device and Driver are equal and the stored Port is empty or equal to the
/// other's port.
struct TPrinterDevice {
    QString Name; ///< display name
    QString Device;
    QString Driver;
    QString Port;

    [[nodiscard]] bool IsSameDevice(const QString& device, const QString& driver, const QString& port) const {
        return Device == device && Driver == driver && (Port.isEmpty() || Port == port);
    }
};

/// What an information context tells about a device with given settings.
struct TZpDeviceCaps {
    TPoint DotsPerInch;      ///< logical pixels per inch on each axis
    TPoint PhysicalPageSize; ///< the whole sheet, in dots
    TPoint PhysicalOffset;   ///< from the sheet's corner to the printable area, in dots
    TPoint Printable;        ///< size of the printable area, in dots
};

/// The device context of one job. Painting starts at the printable area's
/// corner, one unit per dot. The printer begins a painter on PaintDevice
/// after Open, starts pages through it and ends the painter before Finish.
class IZpJobDevice {
public:
    virtual ~IZpJobDevice() = default;
    /// Starts the document named title; false (and LastError) on failure.
    [[nodiscard]] virtual bool Open(const QString& title) = 0;
    [[nodiscard]] virtual QPagedPaintDevice& PaintDevice() = 0;
    /// Delivers the document after the painter ended; false on failure.
    [[nodiscard]] virtual bool Finish() = 0;
    /// Throws the document away: nothing is delivered, no file is left.
    virtual void Abort() = 0;
    [[nodiscard]] virtual QString LastError() const = 0;
};

/// Where the output of a job goes, for devices that write files.
struct TZpJobTarget {
    QString OutputFile;
};

/// The printing services of the platform that the printer object needs.
class IZpPrinterBackend {
public:
    virtual ~IZpPrinterBackend() = default;
    /// The installed printers in listing order; a failure throws
    /// EZpPrinterError with the platform's text.
    [[nodiscard]] virtual std::vector<TPrinterDevice> EnumPrinters() = 0;
    /// The system default printer; none when there is no default.
    [[nodiscard]] virtual std::optional<TPrinterDevice> DefaultPrinter() = 0;
    /// The driver's default settings for a device; none when the driver fails.
    [[nodiscard]] virtual std::optional<TZpDeviceSettings> DefaultSettings(const TPrinterDevice& device) = 0;
    /// An information context: the device's measurements with the given
    /// settings (or its own without); none when the device cannot be opened.
    [[nodiscard]] virtual std::optional<TZpDeviceCaps> Measure(const TPrinterDevice& device,
                                                               const TZpDeviceSettings* settings) = 0;
    /// A device context for one job; null when the device cannot be opened.
    [[nodiscard]] virtual std::unique_ptr<IZpJobDevice>
    OpenJob(const TPrinterDevice& device, const TZpDeviceSettings* settings, const TZpJobTarget& target) = 0;
    /// Whether jobs of this device write a file that the caller names.
    [[nodiscard]] virtual bool WritesFile(const TPrinterDevice& device) const = 0;
};

} // namespace zp
