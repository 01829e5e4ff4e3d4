// SPDX-License-Identifier: MIT
#pragma once

#include "model/layout/LabelRoutines.h"

class QIODevice;

namespace zp {

class TZpIDEProperties;
class TLabelProperties;

/// Converts a 2.x label read from the device's start into today's objects,
/// editing environment and layout, in label pixels at LabelDPI. Only when
/// openConnections is true is the merge file connected and are the import's
/// warnings shown. Raises a read error, naming what was cut short, for a file
/// that ends inside a block or record, and an error for a record that cannot
/// be converted.
void ImportLegacyLabel(QIODevice& device, TZpObjectList& objects, TZpIDEProperties& ide, bool openConnections,
                       TLabelProperties& layout);

/// Makes the native loader hand 2.x labels to ImportLegacyLabel.
void InstallLegacyImporter();

} // namespace zp
