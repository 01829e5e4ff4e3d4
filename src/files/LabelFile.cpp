// SPDX-License-Identifier: MIT
#include "files/LabelFile.h"

#include "base/Errors.h"
#include "base/LabelDpi.h"
#include "base/ValueStream.h"
#include "files/AtomicSave.h"
#include "files/LabelPrinterSteps.h"
#include "model/data/ZpData.h"
#include "model/document/LabelDocument.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/DialogServices.h"
#include "settings/AppOptions.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zp {

namespace {

TZpLegacyImporter& LegacyImporter() {
    static TZpLegacyImporter importer;
    return importer;
}

[[noreturn]] void InvalidValue() {
    throw EZpReadError(QStringLiteral("Invalid property value"));
}

void ReadGuides(TZpReader& r, QList<int32_t>& guides) {
    guides.clear();
    r.ReadListBegin();
    while (!r.EndOfList())
        guides.append(r.ReadInteger());
    r.ReadListEnd();
}

void WriteGuides(TZpWriter& w, const QList<int32_t>& guides) {
    w.WriteListBegin();
    for (int32_t g : guides)
        w.WriteInteger(g);
    w.WriteListEnd();
}

// The editing-environment block of a file of version v, with the data
// connections, the label's printer and the application options in it.
void ReadEnvironment(TZpReader& r, TZpIDEProperties& ide, int32_t v, TZpLabelFileSettings& settings) {
    ide.Description = r.ReadString();
    ide.SetScale(r.ReadInteger());
    const int32_t units = r.ReadInteger();
    if (units < ruInches || units > ruMillimeters)
        InvalidValue();
    ide.SetRulerUnits(TZpRulerUnits(units));
    ide.SnapToRulers = r.ReadBool();
    ide.ShowRulers = r.ReadBool();
    ide.ShowGuides = r.ReadBool();
    ide.SnapToGuides = r.ReadBool();
    ide.LockGuides = r.ReadBool();
    const bool locked = r.ReadBool();
    ide.SetLockState(locked, r.ReadString());
    ReadGuides(r, ide.FGuidesX);
    ReadGuides(r, ide.FGuidesY);
    ide.Connections().Version = v;
    ide.Connections().Load(r);
    if (v > 3) {
        const QString printer = r.ReadString();
        // The ruler width is still in the resolution of the label before.
        const int32_t rulerDpi = ide.DPI();
        settings.SelectPrinter = [printer, rulerDpi](TZpIDEProperties& ide, TLabelProperties&) {
            SelectLabelPrinter(printer, ide, rulerDpi);
        };
    }
    if (v > 7)
        ide.ShowUnprintable = r.ReadBool();
    int32_t dpi = 1440; // what files before version 9 were expressed in
    if (v >= 9) {
        dpi = r.ReadInteger();
        // Every rescale divides by it.
        if (dpi <= 0)
            InvalidValue();
    }
    ide.SetDPIExact(dpi);
    if (v > 9) {
        // Flags the version lacks keep the process's values.
        TZpAppOptions options = AppOptions();
        options.Version = v;
        options.LoadFromStream(r);
        settings.Options = options;
    }
}

void WriteEnvironment(TZpWriter& w, TZpIDEProperties& ide) {
    w.WriteString(ide.Description);
    w.WriteInteger(ide.Scale());
    w.WriteInteger(ide.RulerUnits());
    w.WriteBool(ide.SnapToRulers);
    w.WriteBool(ide.ShowRulers);
    w.WriteBool(ide.ShowGuides);
    w.WriteBool(ide.SnapToGuides);
    w.WriteBool(ide.LockGuides);
    w.WriteBool(ide.IsLocked());
    w.WriteString(ide.LockPassword());
    WriteGuides(w, ide.FGuidesX);
    WriteGuides(w, ide.FGuidesY);
    ide.Connections().Save(w);
    w.WriteString(SelectedLabelPrinterName());
    w.WriteBool(ide.ShowUnprintable);
    w.WriteInteger(ide.DPI());
    AppOptions().SaveToStream(w);
}

// Objects whose enabled script does not compile still load (they show
// "SCRIPT ERROR"); the user is told which ones and why.
void ReportBrokenScripts(const TZpObjectList& objects) {
    QStringList lines;
    for (size_t i = 0; i < objects.size(); ++i) {
        auto* script = Supports<IZpScript>(objects[i]);
        if (!script || !script->CompileFailed())
            continue;
        const QString className = objects[i]->GetClassName();
        const QString kind = className == QLatin1String("TZpTextObject") ? QStringLiteral("text object")
                             : className == QLatin1String("TZpBarcodeObject")
                                 ? QStringLiteral("bar code object")
                                 : className;
        auto* data = Supports<IZpData>(objects[i]);
        const QString name =
            data && !data->GetName().isEmpty() ? data->GetName() : QStringLiteral("(unnamed)");
        const std::optional<TZpScriptError> error = script->GetError();
        lines.append(QStringLiteral("The %1 %2 (object %3): %4")
                         .arg(kind, name)
                         .arg(i + 1)
                         .arg(!error            ? QString()
                              : error->Line > 0 ? ScriptErrorMessage(*error)
                                                : error->Description));
    }
    if (lines.isEmpty())
        return;
    ZpDialogs().MessageBox(TZpMsgKind::Warning,
                           QStringLiteral("The script of these objects does not compile; they show \"%1\" "
                                          "until their script is repaired.\n\n%2")
                               .arg(kScriptErrorText, lines.join(QLatin1Char('\n'))),
                           TZpButtons::Ok, TZpAnswer::Ok);
}

} // namespace

void SetLegacyImporter(TZpLegacyImporter importer) {
    LegacyImporter() = std::move(importer);
}

TZpLabelFileSettings LoadLabelFromDevice(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide,
                                         TLabelProperties& layout, bool openConnections) {
    objects.clear();
    TZpLabelFileSettings settings;
    if (IsLegacyLabelFile(device)) {
        if (!LegacyImporter())
            throw EZpError(
                QStringLiteral("This label was made with Zentaprint 2.x; such labels cannot be opened yet."));
        LegacyImporter()(device, objects, ide, layout, openConnections, settings);
        return settings;
    }
    TZpReader r(device);
    const int32_t v = r.ReadInteger();
    if (v < kOldestLabelFileVersion || v > kLabelFileVersion)
        throw EZpReadError(kIncompatibleVersionMessage);
    ide.Version = v;
    ReadEnvironment(r, ide, v, settings);
    if (openConnections) {
        try {
            ide.Connections().Open();
        } catch (const EZpError&) {
            // A label opens even when its data does not.
        }
    }
    if (v >= 9)
        layout.ReservedFlag = r.ReadBool();
    layout.ReadBlock(r);
    ReadObjectList(objects, r);
    if (openConnections)
        ReportBrokenScripts(objects);
    return settings;
}

void ApplyLabelFileSettings(const TZpLabelFileSettings& settings, TZpIDEProperties& ide,
                            TLabelProperties& layout) {
    if (settings.SelectPrinter)
        settings.SelectPrinter(ide, layout);
    if (settings.Options) {
        TZpAppOptions& options = AppOptions();
        options.AllowBarcodeResizing = settings.Options->AllowBarcodeResizing;
        options.CheckBarCodes = settings.Options->CheckBarCodes;
        options.Import2xTextClear = settings.Options->Import2xTextClear;
        options.ExportPrinterDPI = settings.Options->ExportPrinterDPI;
        options.ImportITF14 = settings.Options->ImportITF14;
        options.OldStyleEditing = settings.Options->OldStyleEditing;
        options.Version = settings.Options->Version;
    }
    MatchPrinterToLayout(layout);
}

void LoadLabelForPreview(const QString& fileName, TZpObjectList& objects, TZpIDEProperties& ide,
                         TLabelProperties& layout) {
    (void)LoadLabelFile(fileName, objects, ide, layout, false);
    // LabelDPI stays: the label comes to it rather than it to the label.
    RescaleLabel(LabelDPI(), ide, objects);
}

TZpLabelFileSettings LoadLabelFile(const QString& fileName, TZpObjectList& objects, TZpIDEProperties& ide,
                                   TLabelProperties& layout, bool openConnections) {
    if (!QFileInfo(fileName).isFile())
        throw EZpFileError(QStringLiteral("File \"%1\" does not exist!").arg(fileName));
    objects.clear();
    QFile file(fileName);
    if (!file.open(QIODevice::ReadOnly))
        throw EZpFileError(QStringLiteral("Cannot open \"%1\": %2").arg(fileName, file.errorString()));
    // Labels are small: reading them whole makes every look-ahead cheap.
    QByteArray bytes = file.readAll();
    file.close();
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    // A label keeps its data beside it: relative sources are the label's folder's.
    ide.Connections().SetBaseFolder(QFileInfo(fileName).absolutePath());
    return LoadLabelFromDevice(buffer, objects, ide, layout, openConnections);
}

void WriteLabel(QIODevice& device, const TZpObjectList& objects, TZpIDEProperties& ide,
                const TLabelProperties& layout) {
    TZpWriter w(device);
    w.WriteInteger(kLabelFileVersion);
    WriteEnvironment(w, ide);
    w.WriteBool(layout.ReservedFlag);
    layout.WriteBlock(w);
    WriteObjectList(objects, w);
}

void SaveLabelFile(const QString& fileName, const TZpObjectList& objects, TZpIDEProperties& ide,
                   const TLabelProperties& layout) {
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    WriteLabel(buffer, objects, ide, layout);
    SaveFileAtomically(fileName, bytes);
}

void LoadLabelDocument(TZpLabelDocument& document, const QString& fileName, bool openConnections) {
    const TZpLabelFileSettings settings = LoadLabelFile(fileName, document.Objects(), document.Environment(),
                                                        document.Layout(), openConnections);
    ApplyLabelFileSettings(settings, document.Environment(), document.Layout());
    for (const TZpObjectPtr& obj : document.Objects())
        if (auto* data = Supports<IZpData>(obj))
            data->SetConnections(&document.Environment().Connections());
    document.AfterLoad(fileName);
    // A 2.x label is never written over in the new format: the document
    // takes the native name beside it, so the next save makes a new file.
    QFile file(fileName);
    if (file.open(QIODevice::ReadOnly) && IsLegacyLabelFile(file)) {
        const QFileInfo info(fileName);
        document.SetFileName(info.dir().filePath(info.completeBaseName() + QStringLiteral(".zp3")));
        document.SetModified(true);
    }
}

void SaveLabelDocument(TZpLabelDocument& document, const QString& fileName) {
    SaveLabelFile(fileName, document.Objects(), document.Environment(), document.Layout());
    document.SetFileName(fileName);
    document.SetModified(false);
}

} // namespace zp
