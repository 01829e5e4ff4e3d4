// SPDX-License-Identifier: MIT
#include "platform/install/DataFolders.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

namespace zp {

namespace {
const QString kDataName = QStringLiteral("zentaprint");
}

QStringList SharedDataCandidates() {
    QStringList folders{
        QDir::cleanPath(QCoreApplication::applicationDirPath() + QStringLiteral("/../share/") + kDataName)};
    // The user's own data folder holds what the user writes, not what ships.
    const QString user =
        QDir::cleanPath(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation));
    for (const QString& dir : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        const QString clean = QDir::cleanPath(dir);
        const QString folder = clean + QLatin1Char('/') + kDataName;
        if (clean != user && !folders.contains(folder))
            folders << folder;
    }
    return folders;
}

QString SharedDataFolder() {
    const QStringList candidates = SharedDataCandidates();
    for (const QString& folder : candidates)
        if (QFileInfo(folder).isDir())
            return folder;
    return candidates.first();
}

QString SharedDataFile(const QString& relative) {
    const QString path = SharedDataFolder() + QLatin1Char('/') + relative;
    return QFileInfo::exists(path) ? path : QString();
}

} // namespace zp
