// SPDX-License-Identifier: MIT
#pragma once

#include "model/stock/LabelFormats.h"

namespace zp {

/// The installed catalogue: the custom list first when it exists, then every
/// other label format file (StockFolders.h), then the stock of the imported
/// templates (TemplateImport.h). The first file that cannot be read stops it
/// with its error, and the catalogue is then empty.
void LoadInstalledCatalogue(TZpLabelCatalogue& manufacturers);

/// Adds the layout to the custom list as the "Save" of "Label Properties"
/// does: into the first category of the list's first manufacturer (made
/// "Custom" and "Custom" when the list is new), then the list is written.
void SaveToCustomList(const TLabelProperties& layout);

/// Removes one format of the custom list (the catalogue's first manufacturer)
/// and writes what is left; the file is deleted when the category it was in
/// became empty.
void DeleteCustomFormat(TZpLabelCatalogue& manufacturers, int category, int format);

} // namespace zp
