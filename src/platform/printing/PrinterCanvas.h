// SPDX-License-Identifier: MIT
#pragma once

class QPainter;

namespace zp {

class TZpPrinter;

/// The drawing surface of the printer's open job: a painter on the job's
/// device, one unit per dot, origin at the printable area's corner. Fonts are
/// not rescaled to the printer: whoever draws sizes them in its own units.
class TZpPrinterCanvas {
public:
    explicit TZpPrinterCanvas(TZpPrinter& printer) : FPrinter(printer) {}

    /// The painter of the open job; "Printer is not currently printing"
    /// outside a job, so nothing is drawn on a device that is not there.
    [[nodiscard]] QPainter& Painter();
    /// Whether the canvas is bound to an open job.
    [[nodiscard]] bool HasHandle() const;

private:
    TZpPrinter& FPrinter;
};

} // namespace zp
