// SPDX-License-Identifier: MIT
#include "model/stock/StockFolders.h"

#include "platform/install/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <QStandardPaths>

namespace zp {

namespace {

const QString kCustomFile = QStringLiteral("Custom.ldb");
const QString kTemplates = QStringLiteral("Templates");

QStringList& ShippedOverride() {
    static QStringList folders;
    return folders;
}

QString WithSeparator(const QString& folder) {
    return folder.endsWith(QLatin1Char('/')) ? folder : folder + QLatin1Char('/');
}

QStringList Entries(const QString& folder, const QString& pattern) {
    return QDir(folder).entryList({pattern}, QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase);
}

/// Every folder to read, the user's first, without repeats.
QStringList ReadFolders() {
    QStringList folders{UserStockFolder()};
    for (const QString& folder : ShippedStockFolders())
        if (!folders.contains(folder))
            folders << folder;
    return folders;
}

} // namespace

QString UserStockFolder() {
    return WithSeparator(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
                         QStringLiteral("/zentaprint"));
}

QStringList ShippedStockFolders() {
    if (!ShippedOverride().isEmpty())
        return ShippedOverride();
    // bin/../share/zentaprint both installed and in the build tree, where the
    // program and the test programs sit one folder below the build folder;
    // else the system's data folders.
    return {WithSeparator(SharedDataFolder())};
}

void SetShippedStockFolders(const QStringList& folders) {
    ShippedOverride().clear();
    for (const QString& folder : folders)
        ShippedOverride() << WithSeparator(folder);
}

QString CustomLabelFormatFile() {
    const QString folder = UserStockFolder();
    if (QFileInfo::exists(folder + kCustomFile))
        return folder + kCustomFile;
    for (const QString& name : Entries(folder, QStringLiteral("*")))
        if (name.compare(kCustomFile, Qt::CaseInsensitive) == 0)
            return folder + name;
    return folder + kCustomFile;
}

QStringList LabelFormatFiles() {
    QStringList files;
    QSet<QString> seen;
    for (const QString& folder : ReadFolders()) {
        for (const QString& name :
             QDir(folder).entryList(QDir::Files | QDir::Readable, QDir::Name | QDir::IgnoreCase)) {
            if (!name.endsWith(QStringLiteral(".ldb"), Qt::CaseInsensitive) ||
                name.compare(kCustomFile, Qt::CaseInsensitive) == 0)
                continue;
            const QString key = name.toLower();
            if (seen.contains(key))
                continue;
            seen.insert(key);
            files << folder + name;
        }
    }
    return files;
}

QStringList TemplateNames() {
    QStringList names;
    QSet<QString> seen;
    for (const QString& folder : ReadFolders()) {
        for (const QString& file : Entries(folder + kTemplates, QStringLiteral("*.zp3"))) {
            const QString name = QFileInfo(file).completeBaseName();
            if (!seen.contains(name.toLower())) {
                seen.insert(name.toLower());
                names << name;
            }
        }
    }
    names.sort(Qt::CaseInsensitive);
    return names;
}

QString TemplateFile(const QString& name) {
    for (const QString& folder : ReadFolders()) {
        const QString path = folder + kTemplates + QLatin1Char('/') + name + QStringLiteral(".zp3");
        if (QFileInfo::exists(path))
            return path;
    }
    return UserTemplateFile(name);
}

QString UserTemplateFile(const QString& name) {
    return UserStockFolder() + kTemplates + QLatin1Char('/') + name + QStringLiteral(".zp3");
}

} // namespace zp
