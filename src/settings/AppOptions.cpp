// SPDX-License-Identifier: MIT
#include "settings/AppOptions.h"

#include "base/ValueStream.h"
#include "platform/store/SettingsStore.h"

namespace zp {

namespace {
const QString kSection = QStringLiteral("Application Options");
// An addition of this program, kept apart from the classic options.
const QString kScanSection = QStringLiteral("Scan Check");
const QString kReadBackKey = QStringLiteral("Verify Bar Codes By Reading Back");
} // namespace

void TZpAppOptions::LoadFromRegistry(const TZpSettingsStore& store) {
    AllowBarcodeResizing = store.ReadBool(kSection, QStringLiteral("Allow Bar Code Resize"), true);
    CheckBarCodes = store.ReadBool(kSection, QStringLiteral("Check Bar Codes Before Printing"), false);
    Import2xTextClear = store.ReadBool(kSection, QStringLiteral("Import 2x Text Clear"), false);
    ExportPrinterDPI = store.ReadBool(kSection, QStringLiteral("Export Objects at Printer DPI"), true);
    ImportITF14 = store.ReadBool(kSection, QStringLiteral("Import Int 2 of 5 as ITF14"), false);
    OldStyleEditing = store.ReadBool(kSection, QStringLiteral("Edit Objects Using Selected Tool"), false);
    const int mode = store.ReadInteger(kSection, QStringLiteral("Last Printer"), pmLastPrinter);
    PrinterMode = (mode >= pmLastPrinter && mode <= pmSelectedPrinter) ? TZpPrinterMode(mode) : pmLastPrinter;
    LastLabelFormat = store.ReadBool(kSection, QStringLiteral("Last Label Format"), true);
    SmoothRedraws = store.ReadBool(kSection, QStringLiteral("Double Buffer Screen Painting"), true);
    ReadBackBarCodes = store.ReadBool(kScanSection, kReadBackKey, false);
}

void TZpAppOptions::SaveToRegistry(TZpSettingsStore& store) const {
    store.WriteBool(kSection, QStringLiteral("Allow Bar Code Resize"), AllowBarcodeResizing);
    store.WriteBool(kSection, QStringLiteral("Check Bar Codes Before Printing"), CheckBarCodes);
    store.WriteBool(kSection, QStringLiteral("Import 2x Text Clear"), Import2xTextClear);
    store.WriteBool(kSection, QStringLiteral("Export Objects at Printer DPI"), ExportPrinterDPI);
    store.WriteBool(kSection, QStringLiteral("Import Int 2 of 5 as ITF14"), ImportITF14);
    store.WriteBool(kSection, QStringLiteral("Edit Objects Using Selected Tool"), OldStyleEditing);
    store.WriteInteger(kSection, QStringLiteral("Last Printer"), PrinterMode);
    store.WriteBool(kSection, QStringLiteral("Last Label Format"), LastLabelFormat);
    store.WriteBool(kSection, QStringLiteral("Double Buffer Screen Painting"), SmoothRedraws);
    store.WriteBool(kScanSection, kReadBackKey, ReadBackBarCodes);
}

void TZpAppOptions::AssignTo(TZpAppOptions& dest) const {
    dest.AllowBarcodeResizing = AllowBarcodeResizing;
    dest.CheckBarCodes = CheckBarCodes;
    dest.Import2xTextClear = Import2xTextClear;
    dest.ExportPrinterDPI = ExportPrinterDPI;
    dest.ImportITF14 = ImportITF14;
    dest.OldStyleEditing = OldStyleEditing;
    dest.Version = Version;
    dest.SmoothRedraws = SmoothRedraws;
}

void TZpAppOptions::LoadFromStream(TZpReader& reader) {
    AllowBarcodeResizing = reader.ReadBool();
    CheckBarCodes = reader.ReadBool();
    Import2xTextClear = reader.ReadBool();
    if (Version > 13)
        ExportPrinterDPI = reader.ReadBool();
    if (Version > 17)
        ImportITF14 = reader.ReadBool();
    if (Version >= 20)
        OldStyleEditing = reader.ReadBool();
}

void TZpAppOptions::SaveToStream(TZpWriter& writer) const {
    writer.WriteBool(AllowBarcodeResizing);
    writer.WriteBool(CheckBarCodes);
    writer.WriteBool(Import2xTextClear);
    writer.WriteBool(ExportPrinterDPI);
    writer.WriteBool(ImportITF14);
    writer.WriteBool(OldStyleEditing);
}

int ReadUndoLevels(const TZpSettingsStore& store) {
    const int levels = store.ReadInteger(kSection, QStringLiteral("Undo Levels"), kDefaultUndoLevels);
    return levels >= kMinUndoLevels && levels <= kMaxUndoLevels ? levels : kDefaultUndoLevels;
}

void WriteUndoLevels(TZpSettingsStore& store, int levels) {
    store.WriteInteger(kSection, QStringLiteral("Undo Levels"), levels);
}

TZpAppOptions& AppOptions() {
    static TZpAppOptions options;
    return options;
}

} // namespace zp
