// SPDX-License-Identifier: MIT
#pragma once

#include "base/Color.h"
#include "data/DataConnections.h"
#include "print/PrintInfo.h"

#include <QList>
#include <QString>
#include <cstdint>
#include <memory>

namespace zp {

enum TZpRulerUnits : uint8_t { ruInches = 0, ruDecimalInches = 1, ruCentimeters = 2, ruMillimeters = 3 };

extern const QString kPasswordsDoNotMatchMessage;

/// The editing environment saved with a label: rulers, zoom, guides,
/// snapping, the lock, the resolution of the label's coordinates; it owns the
/// label's data connections and print-job parameters.
class TZpIDEProperties {
public:
    TZpIDEProperties();
    ~TZpIDEProperties();
    TZpIDEProperties(const TZpIDEProperties&) = delete;
    TZpIDEProperties& operator=(const TZpIDEProperties&) = delete;

    [[nodiscard]] TZpRulerUnits RulerUnits() const { return FRulerUnits; }
    void SetRulerUnits(TZpRulerUnits units);
    int32_t RulerWidth = 0;
    TColor RulerColor = clWhite;
    QList<int32_t> FGuidesX;
    QList<int32_t> FGuidesY;
    bool SnapToGuides = true;
    bool SnapToRulers = false;
    bool ShowGuides = true;
    bool ShowRulers = true;
    bool ShowUnprintable = false;
    bool LockGuides = false;
    [[nodiscard]] int32_t RulerUnitPixels() const { return FRulerUnitPixels; }
    [[nodiscard]] int32_t RulerSubUnits() const { return FRulerSubUnits; }
    [[nodiscard]] int32_t Scale() const { return FScale; }
    /// Zoom in percent; below 25 becomes 25.
    void SetScale(int32_t percent);
    QString Description;
    /// Format version of the file the label came from; 0 for a new label.
    int32_t Version = 0;
    [[nodiscard]] int32_t DPI() const { return FDPI; }
    /// Re-expresses the guides and ruler width in another resolution.
    void SetDPI(int32_t value);
    /// Sets the resolution without converting anything (file loading).
    void SetDPIExact(int32_t value) { FDPI = value; }

    [[nodiscard]] TZpDataConnections& Connections() { return *FConnections; }
    [[nodiscard]] TZpPrintInfo& PrintInfo() { return FPrintInfo; }

    [[nodiscard]] bool IsLocked() const { return FLocked; }
    /// Locks or unlocks through the password dialogs; nothing when unchanged
    /// or cancelled.
    void SetLocked(bool wanted);
    /// Lock state as read from a file.
    void SetLockState(bool locked, const QString& password) {
        FLocked = locked;
        FLockPassword = password;
    }
    [[nodiscard]] const QString& LockPassword() const { return FLockPassword; }

    /// The environment of a new label.
    void Reset();

private:
    void UpdateRulerMetrics();
    TZpRulerUnits FRulerUnits = ruInches;
    int32_t FRulerUnitPixels = 0;
    int32_t FRulerSubUnits = 0;
    int32_t FScale = 100;
    int32_t FDPI;
    std::unique_ptr<TZpDataConnections> FConnections;
    TZpPrintInfo FPrintInfo;
    bool FLocked = false;
    QString FLockPassword;
};

} // namespace zp
