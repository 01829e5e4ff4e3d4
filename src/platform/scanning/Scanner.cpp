// SPDX-License-Identifier: MIT
#include "platform/scanning/Scanner.h"

#include <QFile>
#include <QLoggingCategory>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>

namespace zp {

namespace {

Q_LOGGING_CATEGORY(lcScan, "zentaprint.scanning")

// Listing asks every backend, network ones included; scanning a page at
// high resolution takes minutes on slow devices.
constexpr int kListTimeoutMs = 30'000;
constexpr int kScanTimeoutMs = 10 * 60'000;

} // namespace

TZpScanner::TZpScanner(QString program) : FProgram(std::move(program)) {}

bool TZpScanner::IsInstalled() const {
    return FProgram.contains(QLatin1Char('/')) ? QFile::exists(FProgram)
                                               : !QStandardPaths::findExecutable(FProgram).isEmpty();
}

QStringList TZpScanner::Devices() const {
    if (!IsInstalled())
        return {};
    QProcess process;
    // One device name a line, nothing else.
    process.start(FProgram, {QStringLiteral("--formatted-device-list=%d%n")});
    if (!process.waitForFinished(kListTimeoutMs) || process.exitStatus() != QProcess::NormalExit) {
        process.kill();
        process.waitForFinished();
        qCWarning(lcScan) << "listing devices failed:" << process.errorString();
        return {};
    }
    QStringList devices;
    for (const QString& line :
         QString::fromLocal8Bit(process.readAllStandardOutput()).split(QLatin1Char('\n')))
        if (!line.trimmed().isEmpty())
            devices << line.trimmed();
    return devices;
}

bool TZpScanner::ScanToTiff(const QString& fileName) const {
    if (!IsInstalled())
        return false;
    QStringList args{QStringLiteral("--format=tiff")};
    if (!FDevice.isEmpty())
        args << QStringLiteral("--device-name=%1").arg(FDevice);
    QProcess process;
    process.setStandardOutputFile(fileName, QIODevice::Truncate);
    process.start(FProgram, args);
    const bool finished = process.waitForFinished(kScanTimeoutMs);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    if (!finished || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0) {
        qCWarning(lcScan) << "scan failed:" << process.readAllStandardError();
        QFile::remove(fileName);
        return false;
    }
    return QFile(fileName).size() > 0;
}

} // namespace zp
