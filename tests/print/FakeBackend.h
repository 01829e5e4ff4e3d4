// SPDX-License-Identifier: MIT
#pragma once

#include "platform/printing/PdfJob.h"
#include "platform/printing/PrinterBackend.h"
#include "platform/printing/PrinterError.h"

#include <QDir>
#include <QStringList>
#include <functional>
#include <map>
#include <set>

namespace zp::test {

/// The printer error message a call raises, or "(no error)".
inline QString MessageOf(const std::function<void()>& call) {
    try {
        call();
    } catch (const EZpPrinterError& e) {
        return e.Message();
    }
    return QStringLiteral("(no error)");
}

/// A printer backend whose queues, default, driver settings and failures a
/// test sets up. Jobs write PDF files into Folder (one per queue name).
class TFakeBackend : public IZpPrinterBackend {
public:
    std::vector<TPrinterDevice> Queues;
    std::optional<TPrinterDevice> Default;
    /// Queues whose driver gives no settings block.
    std::set<QString> NoSettings;
    /// Queues that cannot be opened (gone since they were listed).
    std::set<QString> Gone;
    /// Queues measured at 300 dpi instead of 600.
    std::set<QString> LowResolution;
    /// Thrown by EnumPrinters when set.
    QString EnumError;
    QString Folder;
    int Enumerations = 0;

    /// Queues named like printers on a machine: display name = device name.
    static TFakeBackend WithQueues(const QStringList& names) {
        TFakeBackend b;
        for (const QString& n : names)
            b.Queues.push_back({n, n, QString(), QString()});
        if (!b.Queues.empty())
            b.Default = b.Queues.front();
        return b;
    }

    std::vector<TPrinterDevice> EnumPrinters() override {
        ++Enumerations;
        if (!EnumError.isEmpty())
            throw EZpPrinterError(EnumError);
        return Queues;
    }
    std::optional<TPrinterDevice> DefaultPrinter() override { return Default; }
    std::optional<TZpDeviceSettings> DefaultSettings(const TPrinterDevice& d) override {
        if (NoSettings.count(d.Device) || Gone.count(d.Device))
            return std::nullopt;
        TZpDeviceSettings s;
        s.Fields =
            TZpDeviceSettings::dmOrientation | TZpDeviceSettings::dmCopies | TZpDeviceSettings::dmPaperSize;
        s.Copies = 1;
        return s;
    }
    std::optional<TZpDeviceCaps> Measure(const TPrinterDevice& d, const TZpDeviceSettings* s) override {
        if (Gone.count(d.Device))
            return std::nullopt;
        const int dpi = LowResolution.count(d.Device) ? 300 : 600;
        TZpDeviceCaps caps;
        caps.DotsPerInch = {dpi, dpi};
        caps.PhysicalPageSize = {dpi * 17 / 2, dpi * 11};
        if (s && s->IsLandscape())
            caps.PhysicalPageSize = {dpi * 11, dpi * 17 / 2};
        caps.PhysicalOffset = {dpi / 4, dpi / 6};
        caps.Printable = {caps.PhysicalPageSize.X - dpi / 2, caps.PhysicalPageSize.Y - dpi / 3};
        return caps;
    }
    std::unique_ptr<IZpJobDevice> OpenJob(const TPrinterDevice& d, const TZpDeviceSettings* s,
                                          const TZpJobTarget&) override {
        const auto caps = Measure(d, s);
        if (!caps)
            return nullptr;
        return std::make_unique<TZpPdfJob>(QDir(Folder).filePath(d.Device + QStringLiteral(".pdf")),
                                           PageLayoutFor(*caps, s ? *s : TZpDeviceSettings()),
                                           caps->DotsPerInch.X);
    }
    bool WritesFile(const TPrinterDevice&) const override { return false; }
};

} // namespace zp::test
