// SPDX-License-Identifier: MIT
#pragma once

#include <QList>
#include <QPair>
#include <QString>
#include <QStringList>

namespace zp {

struct TZpPrintInfo;

/// What the command-line processor asks of the program: the main window's
/// operations on its label.
class IZpCommandLineHost {
public:
    virtual ~IZpCommandLineHost() = default;
    /// The label's print-job parameters.
    [[nodiscard]] virtual TZpPrintInfo& PrintInfo() = 0;
    /// Loads the label file; errors travel on.
    virtual void OpenLabel(const QString& fileName) = 0;
    /// The print dialog; true when the user confirmed it.
    [[nodiscard]] virtual bool PrintDialog() = 0;
    virtual void Print() = 0;
    virtual void Preview() = 0;
    /// The help viewer at a context number.
    virtual void ShowHelp(int context) = 0;
};

/// The help context of the command line's usage.
inline constexpr int kCommandLineHelpContext = 29;

/// How the command line left the program.
enum class TZpCommandLineOutcome {
    Interactive, ///< no job: the program goes on with the label (if any)
    JobDone,     ///< a print or preview switch was given: the process ends
};

/// The classic command line: a label file, then switches A, Cn, D, Ln, P,
/// Sn, U=1 and V (case-insensitive, "-" first). Resets Copies, StartLabel
/// and UpdateSerials, opens the label, sets the job parameters and prints
/// or previews, with the print dialog first for D.
TZpCommandLineOutcome ProcessCommandLine(const QStringList& parameters, IZpCommandLineHost& host);

/// The switches this program adds for batch printing on Linux, taken out of
/// the arguments before the classic processing sees them.
struct TZpRunOptions {
    QString OutputFile;                     ///< -O=<file>: the "PDF" device's output
    QString PrinterName;                    ///< --printer=<name>: for this run only
    QList<QPair<QString, QString>> Answers; ///< --answer=<caption>=<value>
    /// --verify: the run's bar codes are read back instead of printed (a
    /// print switch is implied when neither -P nor -V is given).
    bool Verify = false;
    QString VerifyReport; ///< --verify-report=<file.csv> (implies --verify)
    int VerifyDpi = 0;    ///< --verify-dpi=<n>: else the printer's resolution
    bool Help = false;    ///< --help
    bool Version = false; ///< --version
    QStringList Classic;  ///< everything else, in order
};

/// Splits the arguments (without the program name); a malformed addition
/// (an --answer without "=", an empty -O= or --printer=, a --verify-dpi that
/// is not a whole number from 50 to 4800) throws EZpError.
[[nodiscard]] TZpRunOptions ExtractRunOptions(const QStringList& arguments);

/// The text of --help.
[[nodiscard]] QString CommandLineUsage();

} // namespace zp
