// SPDX-License-Identifier: MIT
#include "model/stock/StockCatalogue.h"

#include "base/Errors.h"
#include "model/stock/StockFolders.h"
#include "model/stock/TemplateImport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zp {

void LoadInstalledCatalogue(TZpLabelCatalogue& manufacturers) {
    FreeLabelFormats(manufacturers);
    try {
        const QString custom = CustomLabelFormatFile();
        if (QFileInfo::exists(custom))
            LoadLabelFormatFile(custom, manufacturers);
        for (const QString& file : LabelFormatFiles())
            LoadLabelFormatFile(file, manufacturers);
    } catch (...) {
        FreeLabelFormats(manufacturers);
        throw;
    }
    AddImportedStocks(manufacturers, ImportedTemplateStocks());
}

void SaveToCustomList(const TLabelProperties& layout) {
    const QString path = CustomLabelFormatFile();
    TZpLabelCatalogue scratch;
    if (QFileInfo::exists(path))
        LoadLabelFormatFile(path, scratch);
    if (scratch.empty())
        scratch.push_back(TZpLabelManufacturer{QStringLiteral("Custom"), {}});
    TZpLabelManufacturer& custom = scratch.front();
    if (custom.Categories.empty())
        custom.Categories.push_back(TZpLabelCategory{QStringLiteral("Custom"), {}});
    custom.Categories.front().Add(layout);
    if (!QDir().mkpath(QFileInfo(path).absolutePath()))
        throw EZpFileError(
            QStringLiteral("Cannot create the folder \"%1\"").arg(QFileInfo(path).absolutePath()));
    SaveLabelFormatFile(path, custom.Categories);
}

void DeleteCustomFormat(TZpLabelCatalogue& manufacturers, int category, int format) {
    TZpLabelManufacturer& custom = manufacturers.at(0);
    std::vector<TZpLabelFormat>& formats = custom.Categories.at(size_t(category)).Formats;
    formats.erase(formats.begin() + format);
    if (formats.empty())
        custom.Categories.erase(custom.Categories.begin() + category);
    // Only an empty list removes the file: the user's formats of other
    // categories stay.
    const QString path = CustomLabelFormatFile();
    if (custom.Categories.empty()) {
        if (QFileInfo::exists(path) && !QFile::remove(path))
            throw EZpFileError(QStringLiteral("Cannot delete \"%1\"").arg(path));
    } else {
        SaveLabelFormatFile(path, custom.Categories);
    }
}

} // namespace zp
