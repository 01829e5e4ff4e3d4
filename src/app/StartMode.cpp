// SPDX-License-Identifier: MIT
#include "app/StartMode.h"

#include <optional>

namespace zp {

namespace {
std::optional<TZpStartMode> SwitchMode(const QString& arg) {
    if (arg.size() < 2 || (arg[0] != QLatin1Char('-') && arg[0] != QLatin1Char('/')))
        return std::nullopt;
    const QString name = arg.mid(1).toUpper();
    if (name == QLatin1String("AUTOMATION") || name == QLatin1String("EMBEDDING"))
        return TZpStartMode::Automation;
    if (name == QLatin1String("REGSERVER"))
        return TZpStartMode::RegServer;
    if (name == QLatin1String("UNREGSERVER"))
        return TZpStartMode::UnregServer;
    return std::nullopt;
}
} // namespace

TZpStartMode ParseStartMode(const QStringList& arguments) {
    for (const QString& arg : arguments)
        if (auto mode = SwitchMode(arg))
            return *mode;
    return TZpStartMode::StandAlone;
}

} // namespace zp
