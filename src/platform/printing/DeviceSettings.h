// SPDX-License-Identifier: MIT
#pragma once

#include <QPageSize>
#include <cstdint>

namespace zp {

/// The device-settings block of one printer: what a driver lets a job
/// choose. Fields names which members hold a value; a member whose bit is
/// clear is left to the device.
struct TZpDeviceSettings {
    enum TField : uint32_t {
        dmOrientation = 0x0001,
        dmPaperSize = 0x0002,
        dmCopies = 0x0100,
        dmResolution = 0x0400,
        dmCollate = 0x8000,
    };
    /// The values of Orientation, as the device settings hold them.
    enum : int16_t { dmPortrait = 1, dmLandscape = 2 };

    uint32_t Fields = 0;
    int16_t Orientation = dmPortrait;
    int32_t Copies = 1;
    bool Collate = false;
    QPageSize Paper = QPageSize(QPageSize::Letter);
    /// Dots per inch; 0 leaves it to the device.
    int32_t Resolution = 0;

    [[nodiscard]] bool Has(TField field) const { return (Fields & field) != 0; }
    [[nodiscard]] bool IsLandscape() const { return Has(dmOrientation) && Orientation != dmPortrait; }
    friend bool operator==(const TZpDeviceSettings&, const TZpDeviceSettings&) = default;
};

} // namespace zp
