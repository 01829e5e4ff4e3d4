// SPDX-License-Identifier: MIT
// Printing a merge: a label of three text objects bound to fields (name,
// street, city) and a Code 128 bar code of a 12-digit field, on a 3 x 10
// US Letter sheet, printed from a CSV folder connection to the PDF device,
// for 1,000 to 1,000,000 records. Set beside it in the same run, the
// limit: the same labels drawn with plain QPainter calls straight into a
// QPdfWriter (fixed text, the same bars, no data, no engine), and the
// yardstick: address labels of the same make-up drawn the plainest way
// (absolute coordinates, no transform), timed as whole processes. And the
// preview of 10,000 labels beside the print of the same labels, and the
// scan check of those labels (each drawn at 600 dpi and its bar code read
// back) beside printing them.
//
// Each measurement runs in a child process of its own, so that its peak
// memory is its own. Labels runs the engine in count mode over a fixed
// 1,000-record source, so that its memory shows the engine alone. Goals: engine time at most 2 x the limit
// and the whole process at most 1.5 x the yardstick's,
// peak memory under 150 MiB and flat from 10,000 to 100,000 records, the preview in at most 2 x the print
// time, the scan check in at most 20 x the print time.
#include "barcode/Barcode.h"
#include "barcode/BarcodeObject.h"
#include "base/LabelDpi.h"
#include "base/LabelMapping.h"
#include "data/DataConnections.h"
#include "model/document/LabelDocument.h"
#include "model/objects/TextObject.h"
#include "platform/dialogs/NonInteractiveDialogs.h"
#include "platform/printing/Printer.h"
#include "print/PreviewJob.h"
#include "print/PrintInfo.h"
#include "print/PrintJob.h"
#include "print/verify/ScanRun.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGuiApplication>
#include <QPainter>
#include <QPdfWriter>
#include <QProcess>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <cstring>
#include <stdexcept>
#include <sys/resource.h>

namespace {

using namespace zp;

constexpr int kDpi = 600;
constexpr int kFontPoints = 8;
constexpr int kFontPixels = kFontPoints * kDpi / 72;
constexpr int kSmallSource = 1000; // records behind the count-mode run
const char* const kFixedCode = "123456789012";

// The label's objects, in label pixels at 600 dpi: three lines of text and
// the bar code under them, on a 2.625 x 1 inch label.
constexpr TRect kTextBounds[3] = {{60, 30, 1500, 130}, {60, 130, 1500, 230}, {60, 230, 1500, 330}};
constexpr TRect kBarcodeBounds{60, 360, 1500, 560};

void SheetLayout(TLabelProperties& l) {
    l.PageWidth = 8.5f;
    l.PageHeight = 11.0f;
    l.Columns = 3;
    l.Rows = 10;
    l.LeftMargin = 0.1875f;
    l.TopMargin = 0.5f;
    l.Width = 2.625f;
    l.Height = 1.0f;
    l.HorizontalPitch = 2.75f;
    l.VerticalPitch = 1.0f;
}

QString CsvFolder(const QString& root, int records) {
    const QString folder = QDir(root).filePath(QStringLiteral("csv%1").arg(records));
    if (QDir(folder).exists())
        return folder;
    QDir().mkpath(folder);
    QFile file(QDir(folder).filePath(QStringLiteral("people.csv")));
    file.open(QIODevice::WriteOnly);
    QByteArray text = "Name,Street,City,Code\r\n";
    for (int r = 0; r < records; ++r) {
        text += "\"Customer " + QByteArray::number(r) + "\",\"" + QByteArray::number(r % 997 + 1) +
                " Harbour Street\",\"Town " + QByteArray::number(r % 211) + "\"," +
                QByteArray::number(100000000000LL + r) + "\r\n";
    }
    file.write(text);
    return folder;
}

void BindField(TZpData& data, TZpDataConnections& connections, const char* field) {
    data.SetKind(dkDatabaseField);
    auto entry = std::make_unique<TZpFieldDef>();
    entry->Connection = QStringLiteral("Csv");
    entry->Dataset = QStringLiteral("People");
    entry->Field = QLatin1String(field);
    data.AddField(std::move(entry));
    data.SetConnections(&connections);
}

// The merge through the engine: the label, its CSV connection, the run.
void BuildLabel(TZpLabelDocument& doc, const QString& folder) {
    SheetLayout(doc.Layout());
    TZpDataConnections& data = doc.Environment().Connections();
    data.AddConnection(QStringLiteral("Csv"),
                       QStringLiteral("Provider=Microsoft.Jet.OLEDB.4.0;Data Source=%1;"
                                      "Extended Properties=\"Text;HDR=YES\"")
                           .arg(folder));
    data.AddDataset(QStringLiteral("Csv"), QStringLiteral("People"),
                    QStringLiteral("SELECT * FROM [people#csv]"));
    const char* fields[3] = {"Name", "Street", "City"};
    for (int i = 0; i < 3; ++i) {
        auto text = std::make_shared<TZpTextObject>();
        text->SetBoundsExact(kTextBounds[i]);
        text->Font().SetName(QStringLiteral("Arial"));
        text->Font().SetSize(kFontPoints);
        BindField(text->Data(), data, fields[i]);
        doc.Add(text);
    }
    auto code = std::make_shared<TZpBarcodeObject>();
    code->SetBoundsExact(kBarcodeBounds);
    code->Symbology = bcCode128;
    code->Density = 6;
    code->Height = 200;
    code->ShowHumanReadable = true;
    BindField(code->Data(), data, "Code");
    doc.Add(code);
}

enum class TEngineRun { Print, Preview, Verify };

// labels > 0: count mode, that many labels walking through the records (and
// staying on the last); otherwise one label per record.
double RunEngine(const QString& folder, const QString& out, TEngineRun run, int labels = 0) {
    SetLabelDPI(kDpi);
    TZpLabelDocument doc;
    BuildLabel(doc, folder);
    TZpPrinter& printer = ZpPrinter();
    printer.SetPrinterIndex(printer.IndexOfPrinter(QStringLiteral("PDF")));
    printer.SetOutputFileName(out);
    TZpPrintInfo info;
    info.StartLabel = 1;
    info.Copies = 1;
    info.AllRecords = labels <= 0;
    info.TotalLabels = labels;
    info.ToPage = std::numeric_limits<int32_t>::max();
    QElapsedTimer timer;
    timer.start();
    doc.Environment().Connections().Open();
    if (run == TEngineRun::Preview) {
        const TZpPreviewPages pages =
            BuildPreviewPages(doc.Objects(), doc.Layout(), doc.Environment().Connections(), info);
        benchmark::DoNotOptimize(pages.size());
    } else if (run == TEngineRun::Verify) {
        const TZpScanReport report =
            VerifyRun(doc.Objects(), doc.Layout(), doc.Environment().Connections(), info, kDpi);
        // Every label's symbol must have been read, or the time means nothing.
        if (report.Failed() || report.Results.size() != size_t(report.Labels))
            throw std::runtime_error("the scan check did not read every symbol");
    } else {
        RunPrintJob(doc.Objects(), doc.Layout(), doc.Environment().Connections(), QStringLiteral("Bench"),
                    info);
    }
    return timer.nsecsElapsed() / 1e9;
}

// The limit: the same page content with plain painter calls.
double RunLimit(int records, const QString& out) {
    SetLabelDPI(kDpi);
    TBarcodeOptions options;
    options.Symbology = bcCode128;
    options.Density = 6;
    const std::string pattern = EncodeBarcode(PrepareBarcodeData(kFixedCode, options), options);
    QElapsedTimer timer;
    timer.start();
    QPdfWriter writer(out);
    writer.setResolution(kDpi);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter painter(&writer);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(kFontPixels);
    font.setHintingPreference(QFont::PreferNoHinting);
    TLabelProperties layout;
    SheetLayout(layout);
    const QString lines[3] = {QStringLiteral("Customer 12345"), QStringLiteral("17 Harbour Street"),
                              QStringLiteral("Town 42")};
    for (int label = 0; label < records; ++label) {
        const int position = label % 30;
        if (label > 0 && position == 0)
            writer.newPage();
        const int column = position % 3 + 1;
        const int row = position / 3 + 1;
        ApplyLabelMapping(painter, QPointF(layout.LabelLeft(column) * kDpi, layout.LabelTop(row) * kDpi),
                          kDpi);
        painter.setFont(font);
        painter.setPen(Qt::black);
        for (int i = 0; i < 3; ++i)
            painter.drawText(QPointF(kTextBounds[i].Left, kTextBounds[i].Top + kFontPixels), lines[i]);
        int x = kBarcodeBounds.Left + 10 * options.Density;
        for (char module : pattern) {
            if (module == '1')
                painter.fillRect(QRect(x, kBarcodeBounds.Top, options.Density, 200), Qt::black);
            x += options.Density;
        }
    }
    painter.end();
    return timer.nsecsElapsed() / 1e9;
}

// The yardstick: N address labels (three 8-point lines and a 12-digit Code
// 128 drawn as one rectangle per bar, with its human-readable line), 3 x 10
// to a Letter page at 600 dpi, with absolute coordinates and no transform:
// what any program on this stack pays to put such labels into a PDF.
double RunYardstick(int labels, const QString& out) {
    QElapsedTimer timer;
    timer.start();
    QPdfWriter pdf(out);
    pdf.setResolution(600);
    pdf.setPageSize(QPageSize(QPageSize::Letter));
    pdf.setPageMargins(QMarginsF(0, 0, 0, 0));
    QPainter p(&pdf);
    QFont f(QStringLiteral("Liberation Sans"));
    f.setPixelSize(67); // 8 points at 600 dpi
    p.setFont(f);
    p.setPen(Qt::black);
    // The module widths of a 12-digit number in set C: 9 values of 11 modules
    // (start, data, check) and the stop's 13, about 30 bars.
    const int modules[] = {2, 1, 1, 2, 3, 2, 2, 2, 2, 1, 2, 2, 1, 2, 1, 2, 2, 3, 1, 3, 1,
                           2, 2, 2, 2, 2, 3, 2, 1, 1, 2, 3, 1, 1, 2, 2, 1, 1, 3, 2, 2, 2,
                           3, 1, 2, 1, 3, 1, 2, 1, 2, 2, 2, 2, 2, 3, 3, 1, 1, 1, 2};
    const int x0 = 112, y0 = 300, pitchX = 1650, pitchY = 600, perPage = 30;
    for (int i = 0; i < labels; ++i) {
        if (i > 0 && i % perPage == 0)
            pdf.newPage();
        const int pos = i % perPage, col = pos % 3, row = pos / 3;
        const int ox = x0 + col * pitchX, oy = y0 + row * pitchY;
        p.drawText(ox + 75, oy + 90, QStringLiteral("Name %1").arg(i));
        p.drawText(ox + 75, oy + 170, QStringLiteral("%1 Main Street").arg(i % 977));
        p.drawText(ox + 75, oy + 250, QStringLiteral("City %1 %2").arg(i % 91).arg(10000 + i % 89999));
        int x = ox + 75;
        bool bar = true;
        for (int m : modules) {
            if (bar)
                p.fillRect(x, oy + 290, m * 4, 250, Qt::black);
            x += m * 4;
            bar = !bar;
        }
        p.drawText(ox + 120, oy + 600 - 8, QStringLiteral("%1").arg(100000000000LL + i * 7919LL));
    }
    p.end();
    return timer.nsecsElapsed() / 1e9;
}

long PeakKiB() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss;
}

// The child: prints "<seconds> <peak KiB>".
int RunChild(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    SetZpDialogs(std::make_unique<TZpNonInteractiveDialogs>(nullptr)); // no progress lines
    const QString mode = QString::fromLocal8Bit(argv[2]);
    const int records = std::atoi(argv[3]);
    const QString root = QString::fromLocal8Bit(argv[4]);
    const QString out = QDir(root).filePath(mode + QStringLiteral(".pdf"));
    double seconds = 0;
    try {
        if (mode == QLatin1String("limit"))
            seconds = RunLimit(records, out);
        else if (mode == QLatin1String("yardstick"))
            seconds = RunYardstick(records, out);
        else if (mode == QLatin1String("count"))
            seconds = RunEngine(CsvFolder(root, kSmallSource), out, TEngineRun::Print, records);
        else
            seconds = RunEngine(CsvFolder(root, records), out,
                                mode == QLatin1String("preview")  ? TEngineRun::Preview
                                : mode == QLatin1String("verify") ? TEngineRun::Verify
                                                                  : TEngineRun::Print);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    } catch (...) {
        std::fprintf(stderr, "the run failed\n");
        return 1;
    }
    if (qEnvironmentVariableIsEmpty("ZP_BENCH_KEEP"))
        QFile::remove(out);
    std::printf("%.6f %ld\n", seconds, PeakKiB());
    return 0;
}

struct TChildResult {
    double Seconds = 0; ///< the run as the child timed it
    double PeakMiB = 0;
    double ProcessSeconds = 0; ///< the whole child process, start-up included
};

QString& Self() {
    static QString self;
    return self;
}

QTemporaryDir& WorkDir() {
    static QTemporaryDir dir;
    return dir;
}

TChildResult Child(const char* mode, int records) {
    // made outside every measurement
    CsvFolder(WorkDir().path(), std::strcmp(mode, "count") == 0 ? kSmallSource : records);
    QProcess p;
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    QElapsedTimer timer;
    timer.start();
    p.start(Self(),
            {QStringLiteral("--child"), QLatin1String(mode), QString::number(records), WorkDir().path()});
    p.waitForFinished(-1);
    const double process = timer.nsecsElapsed() / 1e9;
    const QList<QByteArray> parts = p.readAllStandardOutput().trimmed().split(' ');
    if (p.exitCode() != 0 || parts.size() != 2)
        return {};
    return {parts[0].toDouble(), parts[1].toDouble() / 1024.0, process};
}

void Merge(benchmark::State& state) {
    const int records = int(state.range(0));
    TChildResult engine, limit, yardstick;
    for (auto _ : state) {
        yardstick = Child("yardstick", records);
        limit = Child("limit", records);
        engine = Child("print", records);
        if (engine.Seconds <= 0) {
            state.SkipWithError("the engine run failed");
            return;
        }
        state.SetIterationTime(engine.Seconds);
    }
    state.counters["labels_per_s"] = records / engine.Seconds;
    state.counters["peak_MiB"] = engine.PeakMiB;
    state.counters["limit_s"] = limit.Seconds;
    state.counters["limit_peak_MiB"] = limit.PeakMiB;
    state.counters["x_limit"] = limit.Seconds > 0 ? engine.Seconds / limit.Seconds : 0;
    // Whole processes, as a user times them from outside.
    state.counters["process_s"] = engine.ProcessSeconds;
    state.counters["yardstick_process_s"] = yardstick.ProcessSeconds;
    state.counters["x_yardstick"] =
        yardstick.ProcessSeconds > 0 ? engine.ProcessSeconds / yardstick.ProcessSeconds : 0;
}
BENCHMARK(Merge)->Arg(1000)->Arg(10000)->Arg(100000)->Arg(1000000)->UseManualTime()->Iterations(1)->Unit(
    benchmark::kMillisecond);

// The same labels in count mode from a source of 1,000 records: with the
// data held fixed, peak memory shows what the engine keeps per label.
void Labels(benchmark::State& state) {
    const int labels = int(state.range(0));
    TChildResult engine;
    for (auto _ : state) {
        engine = Child("count", labels);
        if (engine.Seconds <= 0) {
            state.SkipWithError("the engine run failed");
            return;
        }
        state.SetIterationTime(engine.Seconds);
    }
    state.counters["labels_per_s"] = labels / engine.Seconds;
    state.counters["peak_MiB"] = engine.PeakMiB;
}
BENCHMARK(Labels)->Arg(10000)->Arg(100000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void Preview(benchmark::State& state) {
    const int records = int(state.range(0));
    TChildResult preview, print;
    for (auto _ : state) {
        print = Child("print", records);
        preview = Child("preview", records);
        if (preview.Seconds <= 0) {
            state.SkipWithError("the preview run failed");
            return;
        }
        state.SetIterationTime(preview.Seconds);
    }
    state.counters["peak_MiB"] = preview.PeakMiB;
    state.counters["print_s"] = print.Seconds;
    state.counters["x_print"] = print.Seconds > 0 ? preview.Seconds / print.Seconds : 0;
}
BENCHMARK(Preview)->Arg(10000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

void Verify(benchmark::State& state) {
    const int records = int(state.range(0));
    TChildResult verify, print;
    for (auto _ : state) {
        print = Child("print", records);
        verify = Child("verify", records);
        if (verify.Seconds <= 0) {
            state.SkipWithError("the scan check failed");
            return;
        }
        state.SetIterationTime(verify.Seconds);
    }
    state.counters["labels_per_s"] = records / verify.Seconds;
    state.counters["peak_MiB"] = verify.PeakMiB;
    state.counters["print_s"] = print.Seconds;
    state.counters["x_print"] = print.Seconds > 0 ? verify.Seconds / print.Seconds : 0;
}
BENCHMARK(Verify)->Arg(10000)->UseManualTime()->Iterations(1)->Unit(benchmark::kMillisecond);

} // namespace

int main(int argc, char** argv) {
    if (argc >= 5 && std::strcmp(argv[1], "--child") == 0)
        return RunChild(argc, argv);
    Self() = QString::fromLocal8Bit(argv[0]);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
