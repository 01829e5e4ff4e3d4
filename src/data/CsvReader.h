// SPDX-License-Identifier: MIT
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <string>
#include <string_view>
#include <vector>

namespace zp {

/// Comma-separated text as RFC 4180 writes it, read leniently: records end
/// at CR LF, LF or CR; a field in double quotes may hold commas, line breaks
/// and doubled quotes; blanks around an unquoted field are dropped; empty
/// lines are skipped. An unclosed quote, text after a closing quote and a
/// NUL character raise EZpError naming the file and the line.
class TZpCsvReader {
public:
    /// data is UTF-8 and must outlive the reader; fileName is for messages.
    TZpCsvReader(std::string_view data, QString fileName);

    /// The next record's fields (valid until the next call); false at the end.
    bool Next(std::vector<std::string_view>& fields);
    /// The line the last record started on, from 1.
    [[nodiscard]] int Line() const { return FRecordLine; }

private:
    [[noreturn]] void Fail(const QString& what, int line) const;
    std::string_view FData;
    size_t FPos = 0;
    int FLine = 1;
    int FRecordLine = 0;
    QString FFileName;
    std::vector<std::string> FScratch; // unescaped quoted fields
};

/// The file's text as UTF-8: kept when the bytes are valid UTF-8 (a byte
/// order mark dropped), else read as Windows-1252.
[[nodiscard]] QByteArray CsvTextAsUtf8(QByteArray bytes, bool* wasUtf8 = nullptr);

/// Characters (code points) in UTF-8 text.
[[nodiscard]] int Utf8Length(std::string_view text);

/// One record as comma text: a value holding a blank, comma, quote or line
/// break goes in double quotes with inner quotes doubled; a record of one
/// empty value is written as two double quotes.
[[nodiscard]] QString CsvLine(const QStringList& values);

} // namespace zp
