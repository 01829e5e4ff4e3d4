// SPDX-License-Identifier: MIT
#include "app/CommandLine.h"

#include "base/Errors.h"
#include "print/PrintInfo.h"

#include <QFileInfo>

namespace zp {

namespace {

struct TJobFlags {
    bool Print = false;
    bool Preview = false;
    bool DialogFirst = false;
};

// A numeric switch's value: the whole rest after its letter, or nothing when
// it does not convert.
bool ToNumber(const QString& text, int32_t& value) {
    bool ok = false;
    const int n = text.toInt(&ok);
    if (ok)
        value = n;
    return ok;
}

TJobFlags ApplySwitches(const QStringList& switches, TZpPrintInfo& info) {
    TJobFlags flags;
    for (const QString& parameter : switches) {
        if (!parameter.startsWith(QLatin1Char('-')))
            continue;
        const QString s = parameter.toUpper().mid(1);
        if (s.isEmpty())
            continue;
        if (s == QLatin1String("U=1"))
            info.UpdateSerials = true;
        const QString rest = s.mid(1);
        switch (s.at(0).unicode()) {
        case 'A':
            info.AllRecords = true;
            break;
        case 'C':
            (void)ToNumber(rest, info.Copies);
            break;
        case 'D':
            flags.DialogFirst = true;
            break;
        case 'L':
            (void)ToNumber(rest, info.TotalLabels);
            break;
        case 'P':
            flags.Print = true;
            break;
        case 'S':
            (void)ToNumber(rest, info.StartLabel);
            break;
        case 'V':
            flags.Preview = true;
            break;
        default:
            break;
        }
    }
    return flags;
}

// The job switches alone, on a scratch record.
TJobFlags JobFlags(const QStringList& switches) {
    TZpPrintInfo scratch;
    return ApplySwitches(switches, scratch);
}

bool TakeValue(const QString& argument, QLatin1String prefix, QString& value) {
    if (!argument.startsWith(prefix, Qt::CaseInsensitive))
        return false;
    value = argument.mid(prefix.size());
    if (value.isEmpty())
        throw EZpError(QStringLiteral("The switch %1 needs a value.").arg(argument));
    return true;
}

} // namespace

TZpCommandLineOutcome ProcessCommandLine(const QStringList& parameters, IZpCommandLineHost& host) {
    TZpPrintInfo& info = host.PrintInfo();
    info.Copies = 1;
    info.StartLabel = 1;
    info.UpdateSerials = false;
    if (parameters.isEmpty())
        return TZpCommandLineOutcome::Interactive;
    if (!QFileInfo(parameters.first()).isFile()) {
        host.ShowHelp(kCommandLineHelpContext);
        return TZpCommandLineOutcome::Interactive;
    }
    host.OpenLabel(QFileInfo(parameters.first()).absoluteFilePath());
    const TJobFlags flags = ApplySwitches(parameters.mid(1), info);
    if (!flags.Print && !flags.Preview)
        return TZpCommandLineOutcome::Interactive;
    if (!flags.DialogFirst || host.PrintDialog()) {
        if (flags.Print)
            host.Print();
        else
            host.Preview();
    }
    return TZpCommandLineOutcome::JobDone;
}

TZpRunOptions ExtractRunOptions(const QStringList& arguments) {
    TZpRunOptions options;
    for (const QString& argument : arguments) {
        QString value;
        if (argument == QLatin1String("--help") || argument == QLatin1String("-h")) {
            options.Help = true;
        } else if (argument == QLatin1String("--version")) {
            options.Version = true;
        } else if (TakeValue(argument, QLatin1String("-O="), value)) {
            options.OutputFile = value;
        } else if (argument == QLatin1String("--verify")) {
            options.Verify = true;
        } else if (TakeValue(argument, QLatin1String("--verify-report="), value)) {
            options.Verify = true;
            options.VerifyReport = value;
        } else if (TakeValue(argument, QLatin1String("--verify-dpi="), value)) {
            bool ok = false;
            options.VerifyDpi = value.toInt(&ok);
            // Below 50 dpi no symbol survives; above 4800 a label's picture gets huge.
            if (!ok || options.VerifyDpi < 50 || options.VerifyDpi > 4800)
                throw EZpError(
                    QStringLiteral("The switch %1 needs a resolution from 50 to 4800 dpi.").arg(argument));
        } else if (TakeValue(argument, QLatin1String("--printer="), value)) {
            options.PrinterName = value;
        } else if (TakeValue(argument, QLatin1String("--answer="), value)) {
            const qsizetype equals = value.indexOf(QLatin1Char('='));
            if (equals <= 0)
                throw EZpError(
                    QStringLiteral("The switch %1 needs a prompt caption, \"=\" and a value.").arg(argument));
            options.Answers.append({value.left(equals), value.mid(equals + 1)});
        } else {
            options.Classic.append(argument);
        }
    }
    if (options.Verify && !options.Classic.isEmpty()) {
        const TJobFlags flags = JobFlags(options.Classic.mid(1));
        const bool job = flags.Print || flags.Preview;
        if (!job)
            options.Classic.append(QStringLiteral("-P"));
    }
    return options;
}

QString CommandLineUsage() {
    return QStringLiteral(
        "Usage: zentaprint [label file [switches]]\n"
        "\n"
        "Without switches the label opens in the main window. With P or V the label\n"
        "is printed or previewed and the program ends without showing its window.\n"
        "Switches (a \"-\" first, any letter case, the value right after the letter):\n"
        "  -A            print a label for every database record\n"
        "  -Cn           n copies of each label\n"
        "  -D            show the print dialog first (with -P or -V)\n"
        "  -Ln           print n labels\n"
        "  -P            print\n"
        "  -Sn           start at label position n on the first sheet\n"
        "  -U=1          advance the serial numbers and save them in the label file\n"
        "  -V            preview\n"
        "Additions:\n"
        "  -O=FILE       write the output of the \"PDF\" printer to FILE\n"
        "  --printer=NAME  print on this printer (a CUPS queue or \"PDF\") for this run only\n"
        "  --answer=CAPTION=VALUE  answer the prompt CAPTION with VALUE when nobody can\n"
        "                (repeatable)\n"
        "  --verify      print nothing: read every bar code of the run back from a\n"
        "                picture at the printer's resolution and write a report to\n"
        "                standard output; exit status 1 when a symbol fails\n"
        "  --verify-report=FILE.csv  --verify, and the report as CSV in FILE.csv\n"
        "  --verify-dpi=N  check at N dots per inch instead of the printer's\n"
        "  --help        this text\n"
        "  --version     the program's version\n"
        "\n"
        "Exit status: 0 when the job was done or the print dialog was cancelled,\n"
        "1 when it failed (the message is written to standard error) or, with\n"
        "--verify, when a bar code could not be read back.\n");
}

} // namespace zp
