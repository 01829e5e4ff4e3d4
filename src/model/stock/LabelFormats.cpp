// SPDX-License-Identifier: MIT
#include "model/stock/LabelFormats.h"

#include "base/Errors.h"
#include "base/ValueStream.h"

#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QSaveFile>
#include <algorithm>

namespace zp {

namespace {

bool LessNoCase(const QString& a, const QString& b) {
    return QString::compare(a, b, Qt::CaseInsensitive) < 0;
}

} // namespace

QString FormatInches(double value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    return locale.toString(value, 'f', 2);
}

QString LabelFormatDisplayText(const TLabelProperties& layout) {
    return QStringLiteral("%1 (%2 x %3)")
        .arg(layout.Product, FormatInches(layout.Width), FormatInches(layout.Height));
}

int TZpLabelCategory::Add(const TLabelProperties& layout) {
    TZpLabelFormat format{LabelFormatDisplayText(layout), layout};
    // After every equal text, so that a list read back from its own file
    // keeps its order and writing it again gives the same bytes.
    const auto at = std::upper_bound(
        Formats.begin(), Formats.end(), format.DisplayText,
        [](const QString& text, const TZpLabelFormat& f) { return LessNoCase(text, f.DisplayText); });
    return int(Formats.insert(at, std::move(format)) - Formats.begin());
}

TZpLabelCategory& TZpLabelManufacturer::CategoryFor(const QString& name) {
    const auto at = std::lower_bound(
        Categories.begin(), Categories.end(), name,
        [](const TZpLabelCategory& c, const QString& text) { return LessNoCase(c.Name, text); });
    if (at != Categories.end() && QString::compare(at->Name, name, Qt::CaseInsensitive) == 0)
        return *at;
    return *Categories.insert(at, TZpLabelCategory{name, {}});
}

int TZpLabelManufacturer::FormatCount() const {
    int count = 0;
    for (const TZpLabelCategory& category : Categories)
        count += int(category.Formats.size());
    return count;
}

void ReadLabelFormats(QIODevice& device, TZpLabelManufacturer& manufacturer) {
    TZpReader reader(device);
    reader.ReadListBegin();
    while (!reader.EndOfList()) {
        TLabelProperties layout;
        layout.ReadBlock(reader);
        manufacturer.Add(layout);
    }
    reader.ReadListEnd();
}

bool LoadLabelFormatFile(const QString& path, TZpLabelCatalogue& manufacturers) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw EZpFileError(QStringLiteral("Cannot open \"%1\": %2").arg(path, file.errorString()));
    TZpLabelManufacturer manufacturer{QFileInfo(path).completeBaseName(), {}};
    try {
        ReadLabelFormats(file, manufacturer);
    } catch (const EZpError& e) {
        throw EZpReadError(QStringLiteral("Error reading \"%1\": %2").arg(path, e.Message()));
    }
    manufacturers.push_back(std::move(manufacturer));
    return true;
}

void WriteLabelFormats(QIODevice& device, const std::vector<TZpLabelCategory>& categories) {
    TZpWriter writer(device);
    writer.WriteListBegin();
    for (const TZpLabelCategory& category : categories)
        for (const TZpLabelFormat& format : category.Formats)
            format.Layout.WriteBlock(writer);
    writer.WriteListEnd();
}

bool SaveLabelFormatFile(const QString& path, const std::vector<TZpLabelCategory>& categories) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw EZpFileError(QStringLiteral("Cannot save \"%1\": %2").arg(path, file.errorString()));
    WriteLabelFormats(file, categories);
    if (!file.commit())
        throw EZpFileError(QStringLiteral("Cannot save \"%1\": %2").arg(path, file.errorString()));
    return true;
}

void FreeLabelFormats(TZpLabelCatalogue& manufacturers) {
    manufacturers.clear();
}

} // namespace zp
