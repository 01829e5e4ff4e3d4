// SPDX-License-Identifier: MIT
#include "ui/Version.h"

#include "platform/store/SettingsStore.h"

namespace zp {

QString ProgramVersionLine() {
    return QString::asprintf("Version %d.%d%d (Build %d)", ZP_VERSION_MAJOR, ZP_VERSION_MINOR,
                             ZP_VERSION_RELEASE, ZP_VERSION_BUILD);
}

QString VendorAboutMessage() {
    return ZpStore().ReadString(QStringLiteral("Vendor Specific"), QStringLiteral("About Message"),
                                QString());
}

} // namespace zp
