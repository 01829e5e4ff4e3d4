// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

namespace zp {

/// Scanners and cameras through SANE's command-line front end `scanimage`,
/// which need not be installed: without it no device is available.
class TZpScanner {
public:
    /// program is the front end to run; tests hand in a stand-in.
    explicit TZpScanner(QString program = QStringLiteral("scanimage"));

    /// Whether the front end is installed.
    [[nodiscard]] bool IsInstalled() const;
    /// The names of the devices that answer; empty when none does or the
    /// front end is missing.
    [[nodiscard]] QStringList Devices() const;
    /// The device scans to use; empty for the first that answers.
    void SelectDevice(const QString& device) { FDevice = device; }
    [[nodiscard]] QString SelectedDevice() const { return FDevice; }
    /// Scans one image into a TIFF file. False when the device could not be
    /// opened or the scan failed; the file is then not written.
    [[nodiscard]] bool ScanToTiff(const QString& fileName) const;

private:
    QString FProgram;
    QString FDevice;
};

} // namespace zp
