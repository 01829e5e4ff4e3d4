// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPair>
#include <QString>

namespace zp {

/// A text source's "SCHEMA.INI": sections named after the table files, with
/// "Format", "ColNameHeader", "MaxScanRows" and "Col<n>" entries. Sections
/// and keys are found without case; the file keeps its order and its
/// comments when rewritten.
class TZpSchemaFile {
public:
    /// Reads the file; a missing file gives an empty schema.
    static TZpSchemaFile Read(const QString& path);
    /// Writes the file; false when it cannot be written.
    [[nodiscard]] bool Write(const QString& path) const;

    [[nodiscard]] bool HasSection(const QString& section) const { return IndexOf(section) >= 0; }
    [[nodiscard]] QString Value(const QString& section, const QString& key) const;
    /// Gives a section exactly these entries, in order; a new section goes last.
    void SetSection(const QString& section, QList<QPair<QString, QString>> values);
    void EraseSection(const QString& section);

    /// The column definitions of a table, "Col1", "Col2"... in order, until the first gap.
    [[nodiscard]] QList<QString> Columns(const QString& section) const;

private:
    struct TSection {
        QString Name;
        QList<QPair<QString, QString>> Values;
    };
    [[nodiscard]] int IndexOf(const QString& section) const;
    QList<TSection> FSections;
};

} // namespace zp
