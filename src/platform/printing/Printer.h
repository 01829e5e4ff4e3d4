// SPDX-License-Identifier: MIT
#pragma once

#include "base/Rect.h"
#include "platform/printing/DeviceSettings.h"
#include "platform/printing/PrinterBackend.h"
#include "platform/printing/PrinterCanvas.h"
#include "platform/printing/PrinterError.h"

#include <QPainter>
#include <QStringList>
#include <memory>
#include <optional>
#include <vector>

namespace zp {

enum TPrinterOrientation { poPortrait = 0, poLandscape = 1 };

/// What the device settings let a job choose on this printer.
enum TPrinterCapability : uint8_t { pcCopies = 1, pcOrientation = 2, pcCollation = 4 };

/// Which kind of context is open on the printer.
enum class TPrinterState { None, Info, Device };

/// The current printer as the system dialogs exchange it.
struct TZpDeviceSelection {
    QString Device;
    QString Driver;
    QString Port;
    std::optional<TZpDeviceSettings> Settings;
};

/// The one printer object of the process: the printer list, the selected
/// printer with its device settings, the device measurements the label
/// geometry builds on, and the job bracket whose pages the print engine paints
/// on Canvas. Every failure is an EZpPrinterError.
class TZpPrinter {
public:
    /// A printer over the given backend (the built-in PDF device alone when none).
    explicit TZpPrinter(std::unique_ptr<IZpPrinterBackend> backend = nullptr);
    ~TZpPrinter();
    TZpPrinter(const TZpPrinter&) = delete;
    TZpPrinter& operator=(const TZpPrinter&) = delete;

    /// Replaces the platform's printing services (refused while printing):
    /// the list is enumerated again and the default selected on next use.
    void SetBackend(std::unique_ptr<IZpPrinterBackend> backend);

    /// The display names of the installed printers, enumerated on first use.
    [[nodiscard]] QStringList Printers();
    /// The selected printer; the system default is selected first when none is.
    [[nodiscard]] int PrinterIndex();
    /// Selects printer index, or the system default for -1.
    void SetPrinterIndex(int index);
    /// The index of the printer with this display name, or -1.
    [[nodiscard]] int IndexOfPrinter(const QString& displayName);
    /// The display name of the selected printer; empty when there is none.
    [[nodiscard]] QString PrinterName();

    void SetDevice(const QString& device, const QString& driver, const QString& port,
                   std::optional<TZpDeviceSettings> settings);
    [[nodiscard]] TZpDeviceSelection GetDevice();
    /// Forgets the printer list; the next use enumerates again.
    void Refresh();

    [[nodiscard]] TPrinterOrientation Orientation();
    void SetOrientation(TPrinterOrientation value);
    [[nodiscard]] int Copies();
    void SetCopies(int value);
    [[nodiscard]] uint8_t Capabilities() const { return FCapabilities; }

    /// Size of the printable area in dots.
    [[nodiscard]] int PrintableWidth();
    [[nodiscard]] int PrintableHeight();
    /// Logical dots per inch on each axis; the screen's with no printer at all.
    [[nodiscard]] TPoint DotsPerInch();
    /// From the sheet's corner to the printable area, in dots; (0, 0) with no printer.
    [[nodiscard]] TPoint PhysicalOffset();
    /// The whole sheet in dots; (0, 0) with no printer.
    [[nodiscard]] TPoint PhysicalPageSize();

    /// Opens a job named Title and starts its first page.
    void StartJob();
    /// Ends the page and starts the next.
    void NextPage();
    /// Ends the page and delivers the document (unless aborted).
    void EndJob();
    /// Throws the document away and ends the job.
    void AbortJob();

    [[nodiscard]] int PageNumber() const { return FPageNumber; }
    [[nodiscard]] const QString& Title() const { return FTitle; }
    void SetTitle(const QString& title) { FTitle = title; }
    [[nodiscard]] bool Printing() const { return FPrinting; }
    [[nodiscard]] bool Aborted() const { return FAborted; }
    [[nodiscard]] TPrinterState State() const { return FState; }
    [[nodiscard]] TZpPrinterCanvas& Canvas() { return FCanvas; }

    /// The output file of a device that writes files (the "PDF" device), as
    /// the caller names it; empty lets StartJob choose (see OutputFileFor).
    void SetOutputFileName(const QString& fileName) { FOutputFileName = fileName; }
    [[nodiscard]] const QString& OutputFileName() const { return FOutputFileName; }
    /// The label file being printed: its name with ".pdf" is the output file
    /// of a run that cannot ask.
    void SetDocumentFileName(const QString& fileName) { FDocumentFileName = fileName; }
    /// The output file a job would be offered: the caller's name, else the
    /// label file's name with ".pdf", else the title in the documents folder.
    [[nodiscard]] QString SuggestedOutputFile() const;
    /// The file the last job of a file-writing device wrote (or is writing).
    [[nodiscard]] const QString& JobFileName() const { return FJobFileName; }

private:
    friend class TZpPrinterCanvas;
    void CheckPrinting(bool printing) const;
    void EnsureList();
    void SelectDefault();
    [[nodiscard]] const TPrinterDevice& Current();
    void SetState(TPrinterState state);
    [[nodiscard]] const TZpDeviceCaps& Caps();
    [[nodiscard]] bool NoPrinters();
    [[nodiscard]] TZpDeviceSettings& SettingsOrFail();
    void TakeCapabilities();
    [[nodiscard]] QString ResolveOutputFile();
    void CloseJob();

    std::unique_ptr<IZpPrinterBackend> FBackend;
    std::optional<std::vector<TPrinterDevice>> FPrinters;
    int FPrinterIndex = -1;
    std::optional<TZpDeviceSettings> FSettings;
    uint8_t FCapabilities = 0;
    TPrinterState FState = TPrinterState::None;
    std::optional<TZpDeviceCaps> FCaps;
    std::unique_ptr<IZpJobDevice> FJob;
    QPainter FPainter;
    TZpPrinterCanvas FCanvas;
    QString FTitle;
    bool FPrinting = false;
    bool FAborted = false;
    int FPageNumber = 0;
    QString FOutputFileName;
    QString FDocumentFileName;
    QString FJobFileName;
};

/// The process-wide printer, created on first use.
[[nodiscard]] TZpPrinter& ZpPrinter();

} // namespace zp
