// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <vector>

namespace zp {

class TZpObject;

enum class TZpScanVerdict {
    Ok,         ///< read back as encoded
    Failed,     ///< not read, or read as something else
    NotChecked, ///< no reader for the symbology
};

/// One bar code object on one label of a run.
struct TZpScanResult {
    int Label = 0;  ///< 1-based position in the run
    int Record = 0; ///< 1-based record of the label's data; 0 without data
    TZpObject* Object = nullptr;
    QString Name;
    QString Symbology;
    /// What the symbol carries as a scanner transmits it (the text as
    /// given when it is not valid for the symbology).
    QString Data;
    QString Decoded;
    int NarrowestBar = -1; ///< printer dots; -1 when nothing was drawn
    int NarrowestSpace = -1;
    TZpScanVerdict Verdict = TZpScanVerdict::NotChecked;
    /// False when the data does not suit the symbology (the placeholder printed).
    bool ValidData = true;
    /// Why a symbol failed, for people: "invalid data", "not read", ...
    QString Note;
};

/// The outcome of a scan check over a run.
struct TZpScanReport {
    QString LabelName;
    int Dpi = 0;
    int Labels = 0;
    std::vector<TZpScanResult> Results;

    [[nodiscard]] bool Failed() const;
    /// One line per result and a closing count, for a terminal.
    [[nodiscard]] QString Text() const;
    /// A header line, then one line per result.
    [[nodiscard]] QString Csv() const;
};

[[nodiscard]] QString VerdictText(TZpScanVerdict verdict);

/// 8-bit data as readable text: characters below 32 and 127 as "\nnn"
/// (three decimal digits, the program's bar code escape), a backslash as
/// "\\", the rest as Latin-1.
[[nodiscard]] QString ShownData(const std::string& data);

} // namespace zp
