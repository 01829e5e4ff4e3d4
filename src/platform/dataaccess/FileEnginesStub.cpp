// SPDX-License-Identifier: MIT
#include "model/base/Errors.h"
#include "platform/dataaccess/FileEngines.h"

namespace zp {
namespace {
[[noreturn]] void Missing(const QString& what) {
    throw EZpError(QStringLiteral("The provider \"%1\" is not available on this system.").arg(what));
}
} // namespace
std::unique_ptr<TZpDbEngine> CreateTextEngine(const QString&, const QString&) { Missing(QStringLiteral("Text")); }
std::unique_ptr<TZpDbEngine> CreateDbfEngine(const QString&) { Missing(QStringLiteral("dBase")); }
std::unique_ptr<TZpDbEngine> CreateXlsEngine(const QString&, const QString&) { Missing(QStringLiteral("Excel")); }
std::unique_ptr<TZpDbEngine> CreateMdbEngine(const QString&) { Missing(QStringLiteral("Access")); }
} // namespace zp
