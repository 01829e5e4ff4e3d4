// SPDX-License-Identifier: MIT
// Whole processes, measured side by side in one run:
//   startup: the program until its main window is painted, against a bare Qt
//            Widgets program that paints a main window with a menu bar
//            (goal: at most 2x);
//   open:    the program opening a 10,000-object label until it is painted,
//            against a process that only reads the label (goal: at most 1.5x).
// Needs an X display; without DISPLAY one is started with Xvfb.
#include "files/LabelFile.h"
#include "model/document/LabelDocument.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "model/objects/Interfaces.h"
#include "model/objects/ObjectClasses.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <cstdio>
#include <unistd.h>

namespace {

QString gSelf;
QTemporaryDir* gHome = nullptr;
QString gBigLabel;

// Each process writes "painted <ns>" (the monotonic clock) when it is done:
// the program after its first paint, the bare window likewise, the reader
// after reading. What comes after, the ending of the process, is not timed.
void ReportDone() {
    std::printf("painted %lld\n", static_cast<long long>(QDeadlineTimer::current().deadlineNSecs()));
    std::fflush(stdout);
}

// The bare program: a main window with a menu bar, ended after its first paint.
class TBareWindow : public QMainWindow {
protected:
    void paintEvent(QPaintEvent* event) override {
        QMainWindow::paintEvent(event);
        QTimer::singleShot(0, qApp, [] {
            ReportDone();
            QCoreApplication::quit();
        });
    }
};

int RunBare(int argc, char** argv) {
    QApplication app(argc, argv);
    TBareWindow window;
    for (const char* menu : {"&File", "&Edit", "&View", "&Tools", "&Data", "&Help"})
        window.menuBar()->addMenu(QString::fromLatin1(menu))->addAction(QStringLiteral("Item"));
    window.resize(640, 480);
    window.show();
    return QApplication::exec();
}

int RunRead(int argc, char** argv, const QString& file) {
    QApplication app(argc, argv);
    zp::TZpObjectList objects;
    zp::TZpIDEProperties ide;
    zp::TLabelProperties layout;
    zp::LoadLabelFile(file, objects, ide, layout, false);
    ReportDone();
    return objects.size() == 10000 ? 0 : 1;
}

QProcessEnvironment ChildEnvironment() {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), gHome->path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), gHome->path() + QStringLiteral("/config"));
    env.insert(QStringLiteral("XDG_DATA_HOME"), gHome->path() + QStringLiteral("/data"));
    env.insert(QStringLiteral("XDG_STATE_HOME"), gHome->path() + QStringLiteral("/state"));
    env.insert(QStringLiteral("ZENTAPRINT_QUIT_AFTER_PAINT"), QStringLiteral("1"));
    env.remove(QStringLiteral("QT_QPA_PLATFORM"));
    return env;
}

double RunSeconds(const QString& program, const QStringList& args) {
    QProcess p;
    p.setProcessEnvironment(ChildEnvironment());
    p.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    const qint64 start = QDeadlineTimer::current().deadlineNSecs();
    p.start(program, args);
    if (!p.waitForFinished(120000) || p.exitCode() != 0)
        return -1;
    for (const QByteArray& line : p.readAllStandardOutput().split('\n'))
        if (line.startsWith("painted "))
            return double(line.mid(8).toLongLong() - start) / 1e9;
    return -1;
}

void Compare(benchmark::State& state, const QString& program, const QStringList& args,
             const QString& baseline, const QStringList& baselineArgs) {
    double mine = 0, base = 0;
    for (auto _ : state) {
        const double b = RunSeconds(baseline, baselineArgs);
        const double m = RunSeconds(program, args);
        if (b < 0 || m < 0) {
            state.SkipWithError("a process failed");
            return;
        }
        base += b;
        mine += m;
        state.SetIterationTime(m);
    }
    state.counters["baseline_s"] = base / double(state.iterations());
    state.counters["ratio"] = mine / base;
}

void BM_StartupVsBareWindow(benchmark::State& state) {
    Compare(state, QStringLiteral(ZP_EXECUTABLE), {}, gSelf, {QStringLiteral("--bare-window")});
}
BENCHMARK(BM_StartupVsBareWindow)->UseManualTime()->Iterations(5)->Unit(benchmark::kMillisecond);

void BM_OpenVsRead10000Objects(benchmark::State& state) {
    Compare(state, QStringLiteral(ZP_EXECUTABLE), {gBigLabel}, gSelf, {QStringLiteral("--read"), gBigLabel});
}
BENCHMARK(BM_OpenVsRead10000Objects)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void WriteBigLabel() {
    zp::TZpLabelDocument doc;
    const QStringList classes = {QStringLiteral("TZpRectangleObject"), QStringLiteral("TZpCircleObject"),
                                 QStringLiteral("TZpLineObject"), QStringLiteral("TZpTextObject")};
    for (int i = 0; i < 10000; ++i) {
        zp::TZpObjectPtr o = zp::CreateObject(classes[i % classes.size()]);
        const int x = (i % 100) * 12, y = (i / 100) * 6;
        o->SetBoundsExact(zp::TRect{x, y, x + 10, y + 5});
        doc.Add(std::move(o));
    }
    gBigLabel = gHome->filePath(QStringLiteral("big.zp3"));
    zp::SaveLabelDocument(doc, gBigLabel);
}

} // namespace

int main(int argc, char** argv) {
    if (argc >= 2 && QByteArray(argv[1]) == "--bare-window")
        return RunBare(argc, argv);
    if (argc >= 3 && QByteArray(argv[1]) == "--read")
        return RunRead(argc, argv, QString::fromLocal8Bit(argv[2]));

    QProcess xvfb;
    if (qEnvironmentVariableIsEmpty("DISPLAY")) {
        int fds[2];
        if (pipe(fds) != 0)
            return 1;
        xvfb.setChildProcessModifier([fds] { close(fds[0]); });
        xvfb.start(QStringLiteral("Xvfb"), {QStringLiteral("-displayfd"), QString::number(fds[1]),
                                            QStringLiteral("-nolisten"), QStringLiteral("tcp")});
        close(fds[1]);
        char buffer[16] = {};
        const ssize_t n = read(fds[0], buffer, sizeof buffer - 1);
        close(fds[0]);
        if (!xvfb.waitForStarted() || n <= 0) {
            std::fprintf(stderr, "bench_MainWindowBench: needs DISPLAY or Xvfb\n");
            return 0;
        }
        qputenv("DISPLAY", QByteArray(":") + QByteArray(buffer).trimmed());
    }
    QTemporaryDir home;
    gHome = &home;
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QApplication app(argc, argv);
        gSelf = QCoreApplication::applicationFilePath();
        WriteBigLabel();
    }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    return 0;
}
