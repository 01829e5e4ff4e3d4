// SPDX-License-Identifier: MIT
#pragma once

#include "platform/dataaccess/RecordSet.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace zp {

class TZpConnectionString;

/// What a connection asks of the engine behind it. Every failure raises
/// EZpError with a message that names what failed and where.
class TZpDbEngine {
public:
    virtual ~TZpDbEngine() = default;
    virtual void Open() = 0;
    virtual void Close() = 0;
    [[nodiscard]] virtual bool Connected() const = 0;
    [[nodiscard]] virtual QStringList TableNames(bool systemTables) = 0;
    virtual void Execute(const QString& sql) = 0;
    [[nodiscard]] virtual std::unique_ptr<TZpRecordSet> Select(const QString& sql) = 0;
};

/// The engine for a parsed connection string; raises for a provider that no
/// engine here serves, naming it.
[[nodiscard]] std::unique_ptr<TZpDbEngine> CreateDbEngine(const TZpConnectionString& parsed, bool readOnly);

/// "SELECT * FROM [name]" for a bare bracketed table name, else the text as given.
[[nodiscard]] QString ExpandTableName(const QString& sql);

/// Replaces every [identifier] outside string literals with quote(identifier).
[[nodiscard]] QString TranslateBrackets(const QString& sql,
                                        const std::function<QString(const QString&)>& quote);

} // namespace zp
