// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

#include <QString>
#include <functional>

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

/// Loads a `.zp3` file into the label's object list, environment (with its
/// data connections) and layout, selects the label's printer and sets
/// LabelDPI from it. Raises on failure: the object list is then empty and
/// what was read before the failure keeps its new value.
bool LoadLabelFile(const QString& fileName, TZpObjectList& objects, TZpIDEProperties& ide,
                   TLabelProperties& layout, bool openConnections);
/// Writes the label at version 22 with every optional item. The old file is
/// replaced only when the whole label was written.
void SaveLabelFile(const QString& fileName, const TZpObjectList& objects, TZpIDEProperties& ide,
                   const TLabelProperties& layout);

/// The loading steps after the file is open, on any device positioned at
/// the label's first byte (tests and the fuzzer use a buffer).
void LoadLabelFromDevice(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide,
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

/// Converts a 2.x label read from the device into the label. Until one is
/// installed, such files are refused with a message.
using TZpLegacyImporter = std::function<void(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide,
                                             TLabelProperties& layout, bool openConnections)>;
void SetLegacyImporter(TZpLegacyImporter importer);

/// Loads a label file into the document and does the work that follows: the
/// objects get the label's data connections, the label is re-expressed in
/// LabelDPI, the file name is recorded and the modified flag cleared. A 2.x
/// label is given the same name with the extension ".zp3" instead and is
/// marked modified, so that saving it writes a native label beside the old.
void LoadLabelDocument(TZpLabelDocument& document, const QString& fileName, bool openConnections);
/// Saves the document under the name, records the name and clears the
/// modified flag.
void SaveLabelDocument(TZpLabelDocument& document, const QString& fileName);

} // namespace zp
