// SPDX-License-Identifier: MIT
#pragma once

#include "model/stock/LabelFormats.h"

#include <QString>
#include <QStringList>

class QIODevice;

namespace zp {

/// Stock read from the template files of another label program (XML, one
/// manufacturer per brand): rectangular, rounded, round and elliptical
/// labels laid out in one grid; other shapes are skipped.
struct TZpTemplateStocks {
    TZpLabelCatalogue Brands; ///< sorted by brand, without regard to case
    QStringList Notes;        ///< files and templates skipped, and why
    int Count() const;
};

/// The folders searched: the installed templates of libglabels 3
/// (/usr/share/libglabels-3.0/templates) and the user's own
/// (~/.config/libglabels/templates).
[[nodiscard]] QStringList TemplateImportFolders();
/// For tests: other folders (an empty list restores the default).
void SetTemplateImportFolders(const QStringList& folders);

/// Reads every "*.xml" template file of the folders (the folder's
/// "paper-sizes.xml" names the page sizes). A file that is not well-formed
/// is skipped with a logged note, and so is a template whose labels leave
/// its page.
[[nodiscard]] TZpTemplateStocks ReadTemplateFolders(const QStringList& folders);

/// The stocks of TemplateImportFolders(), read once and read again only
/// when a file there changed.
[[nodiscard]] const TZpTemplateStocks& ImportedTemplateStocks();

/// Adds the imported brands to the catalogue: a brand that is already a
/// manufacturer there gets the products it lacks; the others follow as
/// further manufacturers. A brand named like the custom list is left out.
void AddImportedStocks(TZpLabelCatalogue& catalogue, const TZpTemplateStocks& stocks);

} // namespace zp
