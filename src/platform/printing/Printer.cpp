// SPDX-License-Identifier: MIT
#include "platform/printing/Printer.h"

#include "base/LabelDpi.h"
#include "platform/dialogs/DialogServices.h"
#include "platform/printing/PrinterError.h"
#include "platform/printing/StandardBackend.h"
#include "platform/store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPagedPaintDevice>

namespace zp {

namespace m = printer_messages;

namespace {

[[noreturn]] void Fail(const char* message) {
    throw EZpPrinterError(QString::fromLatin1(message));
}

/// A file name made from a job title: characters that cannot stand in a
/// file name become underscores.
QString FileNameFromTitle(const QString& title) {
    QString name = title.trimmed();
    for (QChar& c : name) {
        if (c == QLatin1Char('/') || c == QLatin1Char('\\') || c == QLatin1Char(':') ||
            c.category() == QChar::Other_Control)
            c = QLatin1Char('_');
    }
    return name.isEmpty() ? QStringLiteral("Untitled") : name;
}

} // namespace

TZpPrinter::TZpPrinter(std::unique_ptr<IZpPrinterBackend> backend)
    : FBackend(backend ? std::move(backend) : std::make_unique<TZpStandardBackend>()), FCanvas(*this) {}

TZpPrinter::~TZpPrinter() {
    // A job still open here never finished its pages: it is thrown away
    // rather than delivered half done.
    if (FPrinting) {
        try {
            AbortJob();
        } catch (...) {
        }
    }
}

void TZpPrinter::SetBackend(std::unique_ptr<IZpPrinterBackend> backend) {
    CheckPrinting(false);
    SetState(TPrinterState::None);
    FBackend = backend ? std::move(backend) : std::make_unique<TZpStandardBackend>();
    FPrinters.reset();
    FPrinterIndex = -1;
    FSettings.reset();
    FCapabilities = 0;
}

void TZpPrinter::CheckPrinting(bool printing) const {
    if (printing && !FPrinting)
        Fail(m::kNotPrinting);
    if (!printing && FPrinting)
        Fail(m::kPrinting);
}

void TZpPrinter::EnsureList() {
    if (!FPrinters) {
        // An enumeration error leaves no partial list behind.
        auto list = FBackend->EnumPrinters();
        FPrinters = std::move(list);
    }
}

bool TZpPrinter::NoPrinters() {
    EnsureList();
    return FPrinters->empty();
}

QStringList TZpPrinter::Printers() {
    EnsureList();
    QStringList names;
    names.reserve(int(FPrinters->size()));
    for (const TPrinterDevice& d : *FPrinters)
        names << d.Name;
    return names;
}

int TZpPrinter::IndexOfPrinter(const QString& displayName) {
    EnsureList();
    for (size_t i = 0; i < FPrinters->size(); ++i) {
        if ((*FPrinters)[i].Name == displayName)
            return int(i);
    }
    return -1;
}

void TZpPrinter::SelectDefault() {
    EnsureList();
    const std::optional<TPrinterDevice> def = FBackend->DefaultPrinter();
    if (!def)
        Fail(m::kNoDefault);
    for (const TPrinterDevice& d : *FPrinters) {
        if (d.Device == def->Device && d.Driver == def->Driver) {
            const TPrinterDevice entry = d;
            SetDevice(entry.Device, entry.Driver, entry.Port, std::nullopt);
            return;
        }
    }
    Fail(m::kNoDefault);
}

const TPrinterDevice& TZpPrinter::Current() {
    EnsureList();
    // After Refresh the old index may point past a shorter list.
    if (FPrinterIndex < 0 || FPrinterIndex >= int(FPrinters->size()))
        SelectDefault();
    return (*FPrinters)[size_t(FPrinterIndex)];
}

int TZpPrinter::PrinterIndex() {
    (void)Current();
    return FPrinterIndex;
}

QString TZpPrinter::PrinterName() {
    if (NoPrinters())
        return {};
    return Current().Name;
}

void TZpPrinter::SetPrinterIndex(int index) {
    CheckPrinting(false);
    if (index != -1 && index == FPrinterIndex && FPrinters && index < int(FPrinters->size())) {
        SetState(TPrinterState::None);
        return;
    }
    EnsureList();
    // The index is checked before anything changes, so that a bad index
    // leaves the selection as it was.
    if (index != -1 && (index < 0 || index >= int(FPrinters->size())))
        Fail(m::kIndexError);
    // An explicit index needs no default printer first: a machine without a
    // default can still print to the printer the user picks.
    if (index == -1) {
        SelectDefault();
    } else {
        // The new printer starts from its driver's defaults, never from the
        // settings of the printer selected before.
        const TPrinterDevice entry = (*FPrinters)[size_t(index)];
        SetDevice(entry.Device, entry.Driver, entry.Port, std::nullopt);
        FPrinterIndex = index;
    }
    SetState(TPrinterState::None);
}

void TZpPrinter::SetDevice(const QString& device, const QString& driver, const QString& port,
                           std::optional<TZpDeviceSettings> settings) {
    CheckPrinting(false);
    if (settings) {
        FSettings = std::move(settings);
        TakeCapabilities();
    }
    SetState(TPrinterState::None);
    EnsureList();
    int found = -1;
    for (size_t i = 0; i < FPrinters->size(); ++i) {
        if ((*FPrinters)[i].IsSameDevice(device, driver, port)) {
            found = int(i);
            break;
        }
    }
    if (found >= 0) {
        (*FPrinters)[size_t(found)].Port = port;
    } else {
        const QString name = port.isEmpty() ? device : QStringLiteral("%1 on %2").arg(device, port);
        FPrinters->push_back({name, device, driver, port});
        found = int(FPrinters->size()) - 1;
    }
    FPrinterIndex = found;
    if (!settings) {
        FSettings = FBackend->DefaultSettings((*FPrinters)[size_t(found)]);
        TakeCapabilities();
    }
}

TZpDeviceSelection TZpPrinter::GetDevice() {
    const TPrinterDevice& d = Current();
    return {d.Device, d.Driver, d.Port, FSettings};
}

void TZpPrinter::Refresh() {
    if (!FPrinting)
        SetState(TPrinterState::None);
    FPrinters.reset();
}

void TZpPrinter::TakeCapabilities() {
    FCapabilities = 0;
    if (!FSettings)
        return;
    if (FSettings->Has(TZpDeviceSettings::dmOrientation))
        FCapabilities |= pcOrientation;
    if (FSettings->Has(TZpDeviceSettings::dmCopies))
        FCapabilities |= pcCopies;
    if (FSettings->Has(TZpDeviceSettings::dmCollate))
        FCapabilities |= pcCollation;
}

TZpDeviceSettings& TZpPrinter::SettingsOrFail() {
    (void)Current();
    if (!FSettings)
        Fail(m::kNotSupported);
    return *FSettings;
}

TPrinterOrientation TZpPrinter::Orientation() {
    return SettingsOrFail().Orientation == TZpDeviceSettings::dmPortrait ? poPortrait : poLandscape;
}

void TZpPrinter::SetOrientation(TPrinterOrientation value) {
    CheckPrinting(false);
    SetState(TPrinterState::None);
    TZpDeviceSettings& s = SettingsOrFail();
    s.Orientation = value == poPortrait ? TZpDeviceSettings::dmPortrait : TZpDeviceSettings::dmLandscape;
    s.Fields |= TZpDeviceSettings::dmOrientation;
}

int TZpPrinter::Copies() {
    return SettingsOrFail().Copies;
}

void TZpPrinter::SetCopies(int value) {
    CheckPrinting(false);
    SetState(TPrinterState::None);
    TZpDeviceSettings& s = SettingsOrFail();
    // No device prints fewer than one copy.
    s.Copies = qMax(1, value);
    s.Fields |= TZpDeviceSettings::dmCopies;
}

void TZpPrinter::SetState(TPrinterState state) {
    if (state == FState)
        return;
    if (state == TPrinterState::None) {
        CheckPrinting(false);
        FCaps.reset();
        FState = TPrinterState::None;
        return;
    }
    if (state == TPrinterState::Info && FState == TPrinterState::None) {
        const TPrinterDevice& entry = Current();
        std::optional<TZpDeviceCaps> caps = FBackend->Measure(entry, FSettings ? &*FSettings : nullptr);
        if (!caps && FSettings)
            caps = FBackend->Measure(entry, nullptr);
        if (!caps)
            Fail(m::kInvalid);
        FCaps = caps;
        FState = TPrinterState::Info;
    }
}

const TZpDeviceCaps& TZpPrinter::Caps() {
    if (FState == TPrinterState::None)
        SetState(TPrinterState::Info);
    return *FCaps;
}

int TZpPrinter::PrintableWidth() {
    return Caps().Printable.X;
}
int TZpPrinter::PrintableHeight() {
    return Caps().Printable.Y;
}

TPoint TZpPrinter::DotsPerInch() {
    if (FState != TPrinterState::Device && NoPrinters()) {
        const int screen = ScreenPixelsPerInch();
        return {screen, screen};
    }
    return Caps().DotsPerInch;
}

TPoint TZpPrinter::PhysicalOffset() {
    if (FState != TPrinterState::Device && NoPrinters())
        return {0, 0};
    return Caps().PhysicalOffset;
}

TPoint TZpPrinter::PhysicalPageSize() {
    if (FState != TPrinterState::Device && NoPrinters())
        return {0, 0};
    return Caps().PhysicalPageSize;
}

QString TZpPrinter::SuggestedOutputFile() const {
    if (!FOutputFileName.isEmpty())
        return FOutputFileName;
    if (!FDocumentFileName.isEmpty()) {
        const QFileInfo label(FDocumentFileName);
        return label.dir().filePath(label.completeBaseName() + QStringLiteral(".pdf"));
    }
    return QDir(PersonalFolder()).filePath(FileNameFromTitle(FTitle) + QStringLiteral(".pdf"));
}

QString TZpPrinter::ResolveOutputFile() {
    if (!FOutputFileName.isEmpty())
        return FOutputFileName;
    const QString suggested = SuggestedOutputFile();
    if (ZpDialogs().IsInteractive()) {
        const std::optional<QString> chosen = ZpDialogs().SaveFileName(
            QStringLiteral("Print to PDF"), suggested, QStringLiteral("PDF files (*.pdf)"));
        if (!chosen || chosen->isEmpty())
            throw EZpAbort();
        return *chosen;
    }
    // The documents folder of a fresh account may not exist yet.
    if (FDocumentFileName.isEmpty())
        QDir().mkpath(QFileInfo(suggested).path());
    return suggested;
}

void TZpPrinter::StartJob() {
    CheckPrinting(false);
    const TPrinterDevice entry = Current();
    TZpJobTarget target;
    if (FBackend->WritesFile(entry))
        target.OutputFile = ResolveOutputFile();

    // The device context replaces any information context.
    SetState(TPrinterState::None);
    const TZpDeviceSettings* settings = FSettings ? &*FSettings : nullptr;
    std::optional<TZpDeviceCaps> caps = FBackend->Measure(entry, settings);
    if (!caps && settings) {
        settings = nullptr;
        caps = FBackend->Measure(entry, nullptr);
    }
    if (!caps)
        Fail(m::kInvalid);
    std::unique_ptr<IZpJobDevice> job = FBackend->OpenJob(entry, settings, target);
    if (!job)
        Fail(m::kInvalid);
    if (!job->Open(FTitle))
        throw EZpPrinterError(job->LastError());
    if (!FPainter.begin(&job->PaintDevice())) {
        job->Abort();
        throw EZpPrinterError(QStringLiteral("The print job could not be started on \"%1\"").arg(entry.Name));
    }
    FJob = std::move(job);
    FCaps = caps;
    FState = TPrinterState::Device;
    FJobFileName = target.OutputFile;
    FPrinting = true;
    FAborted = false;
    FPageNumber = 1;
}

void TZpPrinter::NextPage() {
    CheckPrinting(true);
    if (!FJob->PaintDevice().newPage())
        throw EZpPrinterError(QStringLiteral("The printer could not start page %1").arg(FPageNumber + 1));
    ++FPageNumber;
    // Keeps the user interface answering (an abort button) while pages are made.
    if (QCoreApplication::instance())
        QCoreApplication::processEvents();
}

void TZpPrinter::CloseJob() {
    if (FPainter.isActive())
        FPainter.end();
    FJob.reset();
    FCaps.reset();
    FState = TPrinterState::None;
    FPrinting = false;
    FAborted = false;
    FPageNumber = 0;
}

void TZpPrinter::EndJob() {
    CheckPrinting(true);
    if (FPainter.isActive())
        FPainter.end();
    bool delivered = true;
    QString error;
    if (!FAborted) {
        delivered = FJob->Finish();
        error = FJob->LastError();
    }
    CloseJob();
    if (!delivered)
        throw EZpPrinterError(error);
}

void TZpPrinter::AbortJob() {
    CheckPrinting(true);
    if (FPainter.isActive())
        FPainter.end();
    FJob->Abort();
    FAborted = true;
    EndJob();
}

QPainter& TZpPrinterCanvas::Painter() {
    FPrinter.CheckPrinting(true);
    return FPrinter.FPainter;
}

bool TZpPrinterCanvas::HasHandle() const {
    return FPrinter.FPrinting;
}

TZpPrinter& ZpPrinter() {
    static TZpPrinter printer;
    return printer;
}

} // namespace zp
