// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

class QIODevice;

namespace zp {

class TZpIDEProperties;
class TLabelProperties;
struct TZpLabelFileSettings;

/// Converts a 2.x label read from the device's start into today's objects,
/// editing environment and layout, in label pixels at 1440 per inch (the
/// environment's DPI; opening the label re-expresses it in LabelDPI). Only when
/// openConnections is true is the merge file connected and are the import's
/// warnings shown. Raises a read error, naming what was cut short, for a file
/// that ends inside a block or record, and an error for a record that cannot
/// be converted. The label's printer is recorded in settings, not selected.
void ImportLegacyLabel(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide, bool openConnections,
                       TLabelProperties& layout, TZpLabelFileSettings& settings);

/// Makes the native loader hand 2.x labels to ImportLegacyLabel.
void InstallLegacyImporter();

} // namespace zp
