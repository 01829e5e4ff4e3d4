// SPDX-License-Identifier: MIT
#pragma once

#include <cstdint>

namespace zp {

class TZpSettingsStore;
class TZpReader;
class TZpWriter;

/// Which printer is selected at start-up.
enum TZpPrinterMode : uint8_t { pmLastPrinter = 0, pmWindowsDefault = 1, pmSelectedPrinter = 2 };

/// The process-wide application options. Nine are kept in the store's
/// "Application Options" section; six of them also travel in every label file.
class TZpAppOptions {
public:
    bool AllowBarcodeResizing = true;
    bool CheckBarCodes = false;
    bool Import2xTextClear = false;
    bool ExportPrinterDPI = true;
    bool ImportITF14 = false;
    bool OldStyleEditing = false;
    TZpPrinterMode PrinterMode = pmLastPrinter;
    bool LastLabelFormat = true;
    /// Format version of the label file whose options were read last; not stored.
    int Version = 0;
    bool SmoothRedraws = true;
    /// The bar code dry run also reads every symbol back from a picture of
    /// the label at the printer's resolution. Kept in the store's "Scan Check"
    /// section, not in label files.
    bool ReadBackBarCodes = false;

    void LoadFromRegistry(const TZpSettingsStore& store);
    void SaveToRegistry(TZpSettingsStore& store) const;
    /// Copies the six label-file options, Version and SmoothRedraws.
    void AssignTo(TZpAppOptions& dest) const;
    /// The application options block of a label file; Version must be set to
    /// the file's format version first. Options the version lacks keep their values.
    void LoadFromStream(TZpReader& reader);
    void SaveToStream(TZpWriter& writer) const;
};

/// The caption of ReadBackBarCodes in the options.
inline constexpr const char* kReadBackBarCodesCaption = "Verify bar codes by reading them back";

/// "Application Options"/"Undo Levels": the depth of an undo stack, read
/// when the stack is created. The options dialog offers 1 to 999; a missing,
/// unreadable or out-of-range value reads as 100.
inline constexpr int kDefaultUndoLevels = 100;
inline constexpr int kMinUndoLevels = 1;
inline constexpr int kMaxUndoLevels = 999;
[[nodiscard]] int ReadUndoLevels(const TZpSettingsStore& store);
void WriteUndoLevels(TZpSettingsStore& store, int levels);

/// The process-wide options, created with their defaults on first use.
[[nodiscard]] TZpAppOptions& AppOptions();

} // namespace zp
