// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"
#include "settings/AppOptions.h"

#include <QString>
#include <functional>
#include <optional>

class QIODevice;

namespace zp {

class TZpIDEProperties;
class TLabelProperties;
class TZpLabelDocument;
class TZpReader;
class TZpWriter;

/// The format version written; versions 3 up to it are read.
constexpr int32_t kLabelFileVersion = 22;
constexpr int32_t kOldestLabelFileVersion = 3;

/// What a label file asks of the process: its printer and its copy of the
/// application options. Reading a label only records them; applying them is
/// the after-load step of a label that is opened for editing or printing.
struct TZpLabelFileSettings {
    /// Selects the printer the label names and adjusts what depends on it;
    /// empty when the file names none.
    std::function<void(TZpIDEProperties&, TLabelProperties&)> SelectPrinter;
    /// The label's six option flags and its format version; absent in files
    /// too old to carry them.
    std::optional<TZpAppOptions> Options;
};

/// Reads a `.zp3` file into the label's object list, environment (with its
/// data connections) and layout, leaving the process as it was; the objects
/// stay in the resolution the file expresses them in (the environment's
/// DPI). Raises on failure: the object list is then empty and what was read
/// before the failure keeps its new value.
TZpLabelFileSettings LoadLabelFile(const QString& fileName, TZpObjectList& objects, TZpIDEProperties& ide,
                                   TLabelProperties& layout, bool openConnections);
/// Applies what the file asked: selects its printer, takes its options, turns
/// the printer to the layout and sets LabelDPI to the printer's resolution.
void ApplyLabelFileSettings(const TZpLabelFileSettings& settings, TZpIDEProperties& ide,
                            TLabelProperties& layout);
/// Reads a label only to show it (the open dialog's preview, templates):
/// nothing of the process changes, and the label is expressed in LabelDPI.
void LoadLabelForPreview(const QString& fileName, TZpObjectList& objects, TZpIDEProperties& ide,
                         TLabelProperties& layout);
/// Writes the label at version 22 with every optional item. The old file is
/// replaced only when the whole label was written.
void SaveLabelFile(const QString& fileName, const TZpObjectList& objects, TZpIDEProperties& ide,
                   const TLabelProperties& layout);

/// The loading steps after the file is open, on any device positioned at
/// the label's first byte (tests and the fuzzer use a buffer).
TZpLabelFileSettings LoadLabelFromDevice(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide,
                                         TLabelProperties& layout, bool openConnections);
/// The whole label as SaveLabelFile writes it.
void WriteLabel(QIODevice& device, const TZpObjectList& objects, TZpIDEProperties& ide,
                const TLabelProperties& layout);

/// Reads an object list at the device's position and appends its objects
/// (only when the whole list was read); returns how many were read.
int ReadObjectList(TZpObjectList& objects, QIODevice& device);
int ReadObjectList(TZpObjectList& objects, TZpReader& reader);
/// Writes the objects as an object list at the device's position.
void WriteObjectList(const TZpObjectList& objects, QIODevice& device);
void WriteObjectList(const TZpObjectList& objects, TZpWriter& writer);

/// Whether the device holds a 2.x label at its position (the position is
/// kept).
[[nodiscard]] bool IsLegacyLabelFile(QIODevice& device);

/// Converts a 2.x label read from the device into the label, recording in
/// settings what it asks of the process. Until one is installed, such files
/// are refused with a message.
using TZpLegacyImporter =
    std::function<void(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide,
                       TLabelProperties& layout, bool openConnections, TZpLabelFileSettings& settings)>;
void SetLegacyImporter(TZpLegacyImporter importer);

/// Loads a label file into the document and does the work that follows: the
/// file's printer and options are applied, the objects get the label's data
/// connections, the label is re-expressed in LabelDPI, the file name is
/// recorded and the modified flag cleared. The editing session, the command
/// line, automation and printing all open labels through this. A 2.x
/// label is given the same name with the extension ".zp3" instead and is
/// marked modified, so that saving it writes a native label beside the old.
void LoadLabelDocument(TZpLabelDocument& document, const QString& fileName, bool openConnections);
/// Saves the document under the name, records the name and clears the
/// modified flag.
void SaveLabelDocument(TZpLabelDocument& document, const QString& fileName);

} // namespace zp
