// SPDX-License-Identifier: MIT
#include "model/layout/IDEProperties.h"

#include "base/LabelDpi.h"
#include "base/Rounding.h"
#include "platform/dialogs/DialogServices.h"

namespace zp {

const QString kPasswordsDoNotMatchMessage = QStringLiteral("The passwords do not match!");

TZpIDEProperties::TZpIDEProperties()
    : FDPI(LabelDPI()), FConnections(std::make_unique<TZpDataConnections>()) {
    Reset();
}

TZpIDEProperties::~TZpIDEProperties() = default;

void TZpIDEProperties::Reset() {
    FLocked = false;
    FLockPassword.clear();
    ShowGuides = true;
    SnapToGuides = true;
    LockGuides = false;
    FRulerUnits = ruInches;
    RulerWidth = LabelDPI() / 4;
    RulerColor = clWhite;
    ShowRulers = true;
    SnapToRulers = false;
    FGuidesX.clear();
    FGuidesY.clear();
    UpdateRulerMetrics();
}

void TZpIDEProperties::SetRulerUnits(TZpRulerUnits units) {
    FRulerUnits = units;
    UpdateRulerMetrics();
}

void TZpIDEProperties::SetScale(int32_t percent) {
    FScale = percent < 25 ? 25 : percent;
    UpdateRulerMetrics();
}

void TZpIDEProperties::UpdateRulerMetrics() {
    const double s = ScreenPixelsPerInch();
    switch (FRulerUnits) {
    case ruInches:
        FRulerUnitPixels = Round(s * FScale / 100.0);
        FRulerSubUnits = 32;
        break;
    case ruDecimalInches:
        FRulerUnitPixels = Round(s * FScale / 100.0);
        FRulerSubUnits = 20;
        break;
    case ruCentimeters:
    case ruMillimeters:
        FRulerUnitPixels = Round(s * FScale / 100.0 / 2.54);
        FRulerSubUnits = 10;
        break;
    }
    // A subdivision is always more than two screen pixels wide.
    while (FRulerSubUnits > 0 && FRulerUnitPixels / FRulerSubUnits <= 2)
        FRulerSubUnits /= 2;
}

void TZpIDEProperties::SetDPI(int32_t value) {
    if (value == FDPI || value == 0)
        return;
    const float r = float(FDPI) / float(value);
    RulerWidth = value / 4;
    for (int32_t& g : FGuidesX)
        g = Round(g / r);
    for (int32_t& g : FGuidesY)
        g = Round(g / r);
    FDPI = value;
}

void TZpIDEProperties::SetLocked(bool wanted) {
    if (wanted == FLocked)
        return;
    IZpDialogs& dialogs = ZpDialogs();
    if (wanted) {
        QString password;
        const bool ok = dialogs.LockLabel([&](const TZpPasswordEntry& entry) {
            if (entry.Password != entry.Confirm) {
                ShowMessage(TZpMsgKind::Information, kPasswordsDoNotMatchMessage);
                return false;
            }
            password = entry.Password;
            return true;
        });
        if (ok) {
            FLockPassword = password;
            FLocked = true;
        }
    } else {
        const bool ok = dialogs.UnlockLabel([&](const QString& entry) {
            if (entry != FLockPassword) {
                ShowMessage(TZpMsgKind::Information, kPasswordsDoNotMatchMessage);
                return false;
            }
            return true;
        });
        if (ok)
            FLocked = false;
    }
}

} // namespace zp
