// SPDX-License-Identifier: MIT
// Calls per second of a DataUpdated that upper-cases its text and appends a
// four-digit counter, in each language, through the script host as the
// object script calls it. Goal: at least 100,000 calls per second each.
// "Compile" measures making an engine and compiling the function, which
// every enable, recompile and object copy pays.
#include "platform/script/ScriptEngine.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

const QString kVBScript = QStringLiteral("Dim n\r\n"
                                         "Function DataUpdated(Data)\r\n"
                                         "  n = n + 1\r\n"
                                         "  DataUpdated = UCase(Data) & \"-\" & Right(\"0000\" & n, 4)\r\n"
                                         "End Function");

const QString kJScript = QStringLiteral("var n = 0;\r\n"
                                        "function DataUpdated(Data)\r\n"
                                        "{\r\n"
                                        "  n++;\r\n"
                                        "  return Data.toUpperCase() + \"-\" + (\"0000\" + n).slice(-4);\r\n"
                                        "}");

const QString& Source(const QString& language) {
    return language == QLatin1String("VBScript") ? kVBScript : kJScript;
}

void Calls(benchmark::State& state, const QString& language) {
    auto engine = zp::CreateScriptEngine(language);
    if (!engine) {
        state.SkipWithError("no engine for the language yet");
        return;
    }
    if (!engine->AddCode(Source(language))) {
        state.SkipWithError(engine->Error().Description.toStdString().c_str());
        return;
    }
    const QString function = QStringLiteral("DataUpdated");
    const QStringList arguments{QStringLiteral("item p-100")};
    QString result;
    for (auto _ : state) {
        if (!engine->Run(function, arguments, result)) {
            state.SkipWithError(engine->Error().Description.toStdString().c_str());
            return;
        }
        benchmark::DoNotOptimize(result);
    }
    state.counters["calls/s"] = benchmark::Counter(double(state.iterations()), benchmark::Counter::kIsRate);
}

void Compile(benchmark::State& state, const QString& language) {
    for (auto _ : state) {
        auto engine = zp::CreateScriptEngine(language);
        if (!engine || !engine->AddCode(Source(language))) {
            state.SkipWithError("no engine, or the script did not compile");
            return;
        }
    }
}

} // namespace

BENCHMARK_CAPTURE(Calls, VBScript, QStringLiteral("VBScript"));
BENCHMARK_CAPTURE(Calls, JScript, QStringLiteral("JScript"));
BENCHMARK_CAPTURE(Compile, VBScript, QStringLiteral("VBScript"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(Compile, JScript, QStringLiteral("JScript"))->Unit(benchmark::kMillisecond);

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
