// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace zp {

/// A connection string split into its properties: "Name=Value" pairs
/// separated by semicolons, values optionally in double or single quotes
/// (a doubled quote stands for one), names compared without case.
class TZpConnectionString {
public:
    TZpConnectionString() = default;
    explicit TZpConnectionString(const QString& text);

    /// The value of a property, empty when absent; the last one wins.
    [[nodiscard]] QString Value(const QString& name) const;
    [[nodiscard]] bool Has(const QString& name) const;
    [[nodiscard]] QString Provider() const { return Value(QStringLiteral("Provider")); }
    [[nodiscard]] const QList<QPair<QString, QString>>& Properties() const { return FProperties; }
    /// Replaces the value of a property (every occurrence), or adds it.
    void SetValue(const QString& name, const QString& value);

private:
    QList<QPair<QString, QString>> FProperties;
};

} // namespace zp
