// SPDX-License-Identifier: MIT
#include "platform/automation/Registration.h"

#include "base/Errors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QStandardPaths>

namespace zp {

QString ActivationFilePath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/dbus-1/services/") + QLatin1String(kAutomationServiceName) +
           QStringLiteral(".service");
}

void RegisterAutomationServer(const QString& executable) {
    const QString path = ActivationFilePath();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        QString text = QStringLiteral("[D-BUS Service]\nName=%1\nExec=\"%2\" -automation\n")
                           .arg(QLatin1String(kAutomationServiceName), executable);
        file.write(text.toUtf8());
        if (file.commit())
            return;
    }
    throw EZpFileError(QStringLiteral("Cannot write \"%1\": %2").arg(path, file.errorString()));
}

void UnregisterAutomationServer() {
    const QString path = ActivationFilePath();
    if (QFile::exists(path) && !QFile::remove(path))
        throw EZpFileError(QStringLiteral("Cannot remove \"%1\"").arg(path));
}

} // namespace zp
