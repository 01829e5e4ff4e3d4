// SPDX-License-Identifier: MIT
#include "platform/script/ScriptEngine.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <gtest/gtest.h>
#include <random>

using namespace zp;
using namespace std::chrono_literals;

namespace {

std::unique_ptr<IZpScriptEngine> JScript(const QString& code) {
    auto engine = CreateScriptEngine(QStringLiteral("JScript"));
    EXPECT_NE(engine, nullptr);
    EXPECT_TRUE(engine->AddCode(code)) << engine->Error().Description.toStdString();
    return engine;
}

// The text a call gives, or "ERROR: <description>".
QString Call(IZpScriptEngine& engine, const QString& function, const QString& argument = QString()) {
    QString result;
    if (!engine.Run(function, {argument}, result))
        return QStringLiteral("ERROR: ") + engine.Error().Description;
    return result;
}

} // namespace

TEST(JScriptEngineTest, FactoryKnowsTheLanguageInAnyCase) {
    auto engine = CreateScriptEngine(QStringLiteral("jscript"));
    ASSERT_NE(engine, nullptr);
    EXPECT_EQ(engine->Language(), QStringLiteral("JScript"));
    EXPECT_EQ(CreateScriptEngine(QStringLiteral("PerlScript")), nullptr);
}

// Scripts reach the language's built-ins and nothing of the host.
TEST(JScriptEngineTest, GlobalObjectHoldsOnlyEcmaScript) {
    auto engine = JScript(QStringLiteral(R"(
        function Kinds() {
            return [typeof Qt, typeof console, typeof print, typeof gc, typeof qsTr, typeof XMLHttpRequest,
                    typeof require, typeof URL, typeof fetch, typeof setTimeout, typeof Proxy].join(",");
        }
        function Builtins() { return [typeof Math.max, typeof JSON.stringify, typeof Date, typeof RegExp].join(","); })"));
    EXPECT_EQ(
        Call(*engine, QStringLiteral("Kinds")),
        QStringLiteral("undefined,undefined,undefined,undefined,undefined,undefined,undefined,undefined,"
                       "undefined,undefined,undefined"));
    EXPECT_EQ(Call(*engine, QStringLiteral("Builtins")),
              QStringLiteral("function,function,function,function"));
    // Module loading is not part of a script: import() does not even compile.
    EXPECT_FALSE(engine->AddCode(QStringLiteral("function F() { return import('/etc/passwd'); }")));
}

TEST(JScriptEngineTest, ValuesBecomeTextAsJScriptConvertsThem) {
    auto engine = JScript(QStringLiteral(R"(
        function NoReturn(d) { }
        function Null(d) { return null; }
        function Number(d) { return 42; }
        function Fraction(d) { return 1 / 4; }
        function Bool(d) { return d == "x"; }
        function List(d) { return [1, "b", 3]; }
        function Returned(d) { return new Error("kept"); }
        function Sym(d) { return Symbol("s"); }
        function BadText(d) { return { toString: function () { throw new Error("no text"); } }; })"));
    struct Case {
        const char* function;
        const char* expected;
    };
    // A function without return gives an empty text, as a call that yields
    // no value did in the old script host.
    const Case cases[] = {
        {"NoReturn", ""},
        {"Null", ""},
        {"Number", "42"},
        {"Fraction", "0.25"},
        {"Bool", "true"},
        {"List", "1,b,3"},
        {"Returned", "Error: kept"},
        {"Sym", "Symbol(s)"},
        {"BadText", "ERROR: no text"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(Call(*engine, QString::fromLatin1(c.function), QStringLiteral("x")),
                  QString::fromUtf8(c.expected))
            << c.function;
}

TEST(JScriptEngineTest, SyntaxErrorCarriesLineAndText) {
    auto engine = CreateScriptEngine(QStringLiteral("JScript"));
    EXPECT_FALSE(engine->AddCode(QStringLiteral("function DataUpdated(Data)\r\n{\r\n  return Data +;\r\n}")));
    EXPECT_FALSE(engine->Error().Description.isEmpty());
    EXPECT_EQ(engine->Error().Line, 3);
    EXPECT_EQ(engine->Error().Text, QStringLiteral("  return Data +;"));
    // Nothing of the failed code was added.
    EXPECT_TRUE(Call(*engine, QStringLiteral("DataUpdated")).startsWith(QStringLiteral("ERROR: ")));
}

TEST(JScriptEngineTest, RunTimeErrorsCarryDescriptionLineAndText) {
    auto engine = JScript(QStringLiteral("var n = 0;\nfunction Bad(d) {\n  return d.no.such;\n}\n"
                                         "function Thrown(d) { throw 'plain text'; }"));
    QString result = QStringLiteral("untouched");
    EXPECT_FALSE(engine->Run(QStringLiteral("Bad"), {QStringLiteral("x")}, result));
    EXPECT_EQ(result, QStringLiteral("untouched"));
    EXPECT_TRUE(engine->Error().Description.contains(QStringLiteral("such")))
        << engine->Error().Description.toStdString();
    EXPECT_EQ(engine->Error().Line, 3);
    EXPECT_EQ(engine->Error().Text, QStringLiteral("  return d.no.such;"));
    // A thrown value that is no Error object fails the call all the same.
    EXPECT_EQ(Call(*engine, QStringLiteral("Thrown")), QStringLiteral("ERROR: plain text"));
    // Function names are case-sensitive in JScript.
    EXPECT_EQ(Call(*engine, QStringLiteral("bad")),
              QStringLiteral("ERROR: The script has no function 'bad'"));
    // Top-level code that throws fails AddCode with its line.
    EXPECT_FALSE(engine->AddCode(QStringLiteral("var a = 1;\nthrow 5;")));
    EXPECT_EQ(engine->Error().Description, QStringLiteral("5"));
    EXPECT_EQ(engine->Error().Line, 2);
    EXPECT_EQ(engine->Error().Text, QStringLiteral("throw 5;"));
}

TEST(JScriptEngineTest, GlobalsLiveUntilReset) {
    auto engine = JScript(QStringLiteral("var n = 0; function Next(d) { n++; return d + n; }"));
    EXPECT_EQ(Call(*engine, QStringLiteral("Next"), QStringLiteral("a")), QStringLiteral("a1"));
    EXPECT_EQ(Call(*engine, QStringLiteral("Next"), QStringLiteral("a")), QStringLiteral("a2"));
    // Replacing the built-ins the host itself relies on changes nothing for it.
    ASSERT_TRUE(
        engine->AddCode(QStringLiteral("Reflect.apply = null; String = null; function F(d) { return 7; }")));
    EXPECT_EQ(Call(*engine, QStringLiteral("F")), QStringLiteral("7"));
    engine->Reset();
    EXPECT_TRUE(Call(*engine, QStringLiteral("Next")).startsWith(QStringLiteral("ERROR: ")));
    ASSERT_TRUE(engine->AddCode(QStringLiteral("var n = 10; function Next(d) { n++; return d + n; }")));
    EXPECT_EQ(Call(*engine, QStringLiteral("Next"), QStringLiteral("b")), QStringLiteral("b11"));
}

// Runaway code ends at the time limit, in calls and in top-level code, even
// when it catches errors; the engine works again afterwards.
TEST(JScriptEngineTest, TimeLimitEndsRunawayCode) {
    auto engine = JScript(QStringLiteral(R"(
        function Loop(d) { while (true) {} }
        function Stubborn(d) { for (;;) { try { while (true) {} } catch (e) {} } }
        function Fine(d) { return "fine " + d; })"));
    engine->SetTimeLimit(200ms);
    for (const char* function : {"Loop", "Stubborn"}) {
        const QString got = Call(*engine, QString::fromLatin1(function));
        EXPECT_TRUE(got.startsWith(QStringLiteral("ERROR: The script ran longer than 0.2 seconds")))
            << got.toStdString();
        EXPECT_EQ(Call(*engine, QStringLiteral("Fine"), QStringLiteral("x")), QStringLiteral("fine x"))
            << function;
    }
    EXPECT_FALSE(engine->AddCode(QStringLiteral("var i = 0;\nwhile (true) { i++; }")));
    EXPECT_TRUE(engine->Error().Description.startsWith(QStringLiteral("The script ran longer")));
    EXPECT_EQ(Call(*engine, QStringLiteral("Fine"), QStringLiteral("y")), QStringLiteral("fine y"));
}

// Code that takes memory without end is stopped like code that takes time
// without end, and the engine gives the memory back and works on.
TEST(JScriptEngineTest, MemoryLimitEndsRunawayCode) {
    auto engine = JScript(QStringLiteral(R"(
        function Hoard(d) { var a = []; while (true) a.push("xy".repeat(1 << 22)); }
        function Fine(d) { return "fine " + d; })"));
    // Time enough for any machine to reach the memory limit first.
    engine->SetTimeLimit(120s);
    EXPECT_EQ(Call(*engine, QStringLiteral("Hoard")), QStringLiteral("ERROR: Out of memory"));
    EXPECT_EQ(Call(*engine, QStringLiteral("Fine"), QStringLiteral("x")), QStringLiteral("fine x"));
}

// Each recipe once crashed the engine through native recursion; now each
// ends in an error and the engine works on.
TEST(JScriptEngineTest, DeepRecursionEndsInAnError) {
    auto engine = JScript(QStringLiteral("function Fine(d) { return d; }"));
    const QString recipes[] = {
        QStringLiteral("function Deep(d) { return Deep(d) + 1; } Deep(1);"),
        QStringLiteral("var a = []; a[0] = a; String(a);"),
        QStringLiteral("var a = []; for (var i = 0; i < 100000; i++) a = [a]; String(a);"),
        QStringLiteral("Array.prototype.join = Array.prototype.toString; String([1]);"),
        QStringLiteral("var o = {}; o.toString = String.prototype.concat; String(o);"),
        QStringLiteral("var e = new Error(); e.message = e; String(e);"),
        QStringLiteral("Object.prototype.toString = Object.prototype.toLocaleString; String({});"),
        QStringLiteral("var o = {}; for (var i = 0; i < 100000; i++) o = {a: o}; JSON.stringify(o);"),
        QStringLiteral("new RegExp(Array(100001).join('(') + Array(100001).join(')'));"),
        QStringLiteral("'x'.match(Array(100001).join('(?:') + 'x' + Array(100001).join(')'));"),
        QStringLiteral("var x = /") + QString(5000, QLatin1Char('(')) + QStringLiteral("a") +
            QString(5000, QLatin1Char(')')) + QStringLiteral("/;"),
        QStringLiteral("var p = '/' + Array(100001).join('(') + Array(100001).join(')') + '/'; eval(p);"),
        QStringLiteral("var p = '/' + Array(100001).join('(') + Array(100001).join(')') + '/'; "
                       "Function('return ' + p);"),
        QStringLiteral("var p = '/' + Array(100001).join('(') + Array(100001).join(')') + '/';"
                       "(function () {}).constructor('return ' + p);"),
        QStringLiteral("var p = '/' + Array(100001).join('(') + Array(100001).join(')') + '/';"
                       "(function* () {}).constructor('return ' + p);"),
    };
    for (const QString& recipe : recipes) {
        const std::string shown = recipe.left(70).toStdString();
        EXPECT_FALSE(engine->AddCode(recipe)) << shown;
        EXPECT_FALSE(engine->Error().Description.isEmpty()) << shown;
        EXPECT_EQ(Call(*engine, QStringLiteral("Fine"), QStringLiteral("ok")), QStringLiteral("ok")) << shown;
        engine->Reset();
        ASSERT_TRUE(engine->AddCode(QStringLiteral("function Fine(d) { return d; }")));
    }
    // Deeply nested source does not crash the compiler.
    QString source = QStringLiteral("var x = ");
    source += QString(100000, QLatin1Char('[')) + QStringLiteral("1") + QString(100000, QLatin1Char(']')) +
              QStringLiteral(";");
    EXPECT_FALSE(engine->AddCode(source));
}

// Built-ins that would loop over or fill gigabytes natively, deaf to the
// time limit, refuse work beyond the size a label could need.
TEST(JScriptEngineTest, HugeBuiltinWorkIsRefused) {
    auto engine = JScript(QStringLiteral("function Fine(d) { return d; }"));
    const char* const recipes[] = {
        "'x'.repeat(1 << 29);",
        "'ab'.padStart(1e9);",
        "new Array(1e9).fill(0);",
        "var a = []; a.length = 4e9; a.join('x');",
        "Array.from({length: 1e9});",
        "new ArrayBuffer(4e9);",
        "new Float64Array(1e9);",
        "Uint8Array.from({length: 1e9});",
        "var s = 'ab'; for (var i = 0; i < 13; i++) s = s + s; s.replace(/a/g, s);",
        "var s = 'ab'; for (var i = 0; i < 24; i++) s = s + s; s.toUpperCase();",
        "var s = 'ab'; for (var i = 0; i < 24; i++) s = s + s; /b/.exec(s);",
    };
    for (const char* recipe : recipes) {
        EXPECT_FALSE(engine->AddCode(QString::fromLatin1(recipe))) << recipe;
        EXPECT_EQ(engine->Error().Description, QStringLiteral("Too large for a label script")) << recipe;
    }
    EXPECT_EQ(Call(*engine, QStringLiteral("Fine"), QStringLiteral("ok")), QStringLiteral("ok"));
    // Nor does the host take such a text as a result.
    ASSERT_TRUE(engine->AddCode(
        QStringLiteral("function Huge(d) { for (var i = 0; i < 24; i++) d = d + d; return d; }")));
    EXPECT_EQ(Call(*engine, QStringLiteral("Huge"), QStringLiteral("ab")),
              QStringLiteral("ERROR: Too large for a label script"));
}

// The lock-down keeps the built-ins working as the language defines them.
TEST(JScriptEngineTest, BuiltinsBehaveAfterTheLockDown) {
    auto engine = JScript(QStringLiteral(R"js(
        function Patterns(d) {
            var r = new RegExp("(\\d+)-(\\d+)");
            var m = r.exec(d);
            return [m[2], m[1], /x/ instanceof RegExp, r.constructor === RegExp, d.match(/\d/g).length,
                    d.search("-"), d.replace(/\d/g, "#")].join("|");
        }
        function Methods(d) {
            String.prototype.trimAll = function () { return this.replace(/\s/g, ""); };
            var list = [3, 1, 2].sort(function (a, b) { return a - b; });
            return [list.join(), " a b ".trimAll(), Math.max(1, 5, 3), JSON.stringify({k: [1, "2"]}),
                    Object.keys({p: 1, q: 2}).join(), [1, 2].map(String).join("+"), "ab".toUpperCase.name,
                    Object.getOwnPropertySymbols(String.prototype.slice).length + Object.getOwnPropertySymbols([].join).length,
                    typeof Array.prototype.push, eval("1 + 2"), new Uint8Array([1, 2]).length,
                    new Uint8Array(2) instanceof Uint8Array, Uint8Array.BYTES_PER_ELEMENT, "ab".repeat(2)].join("|");
        })js"));
    EXPECT_EQ(Call(*engine, QStringLiteral("Patterns"), QStringLiteral("12-345")),
              QStringLiteral("345|12|true|true|5|2|##-###"));
    EXPECT_EQ(Call(*engine, QStringLiteral("Methods")),
              QStringLiteral("1,2,3|ab|5|{\"k\":[1,\"2\"]}|p,q|1+2|toUpperCase|0|function|3|2|true|1|abab"));
}

// Damaged label scripts (pieces cut, repeated or swapped) compile or fail
// with a description; none crashes or hangs the engine.
TEST(JScriptEngineTest, DamagedScriptsFailCleanly) {
    auto engine = CreateScriptEngine(QStringLiteral("JScript"));
    engine->SetTimeLimit(100ms);
    const QDir dir(test::TestDataPath(QStringLiteral("scripts")));
    const QFileInfoList files = dir.entryInfoList({QStringLiteral("*.js")}, QDir::Files, QDir::Name);
    ASSERT_FALSE(files.isEmpty());
    std::mt19937 random(20261211);
    for (const QFileInfo& info : files) {
        QFile file(info.absoluteFilePath());
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const QString original = QString::fromUtf8(file.readAll());
        for (int round = 0; round < 30; ++round) {
            QString damaged = original;
            const auto at = [&] { return qsizetype(random() % quint32(damaged.size() + 1)); };
            const qsizetype from = at();
            const qsizetype length = qsizetype(random() % 40);
            switch (random() % 3) {
            case 0:
                damaged.remove(from, length);
                break;
            case 1:
                damaged.insert(at(), damaged.mid(from, length));
                break;
            default:
                damaged.insert(at(), damaged.mid(from, length).repeated(int(random() % 50)));
                break;
            }
            if (!engine->AddCode(damaged)) {
                EXPECT_FALSE(engine->Error().Description.isEmpty()) << info.fileName().toStdString();
                continue;
            }
            QString result;
            if (!engine->Run(QStringLiteral("DataUpdated"), {QStringLiteral("12-34")}, result))
                EXPECT_FALSE(engine->Error().Description.isEmpty()) << info.fileName().toStdString();
        }
    }
}
