// SPDX-License-Identifier: MIT
// Runs every script of tests/data/scripts through the engine of its language.
// A file's leading comment lines ("'" for VBScript, "//" for JScript) hold
// its expectations: "Rule:" (the language rule they rest on), "Call:" (the
// function, DataUpdated by default) and "Case: "<input>" => "<expected>"" or
// "=> ERROR"; the whole file is the script.
#include "platform/script/ScriptEngine.h"
#include "support/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <cctype>
#include <gtest/gtest.h>
#include <optional>

using namespace zp;

namespace {

struct CorpusCase {
    int Line = 0;
    QString Input;
    std::optional<QString> Expected; // none: the call must fail
};

struct CorpusFile {
    QString Path;
    QString Language;
    QString Source;
    QString Function = QStringLiteral("DataUpdated");
    QStringList Rules;
    std::vector<CorpusCase> Cases;
    QString Problem; // a malformed expectation line
};

// A quoted text with \r, \n, \t, \" and \\ escapes, from pos (at the opening
// quote); pos ends after the closing quote. None when it is malformed.
std::optional<QString> Quoted(const QString& line, qsizetype& pos) {
    if (pos >= line.size() || line[pos] != QLatin1Char('"'))
        return std::nullopt;
    QString text;
    for (++pos; pos < line.size(); ++pos) {
        const QChar c = line[pos];
        if (c == QLatin1Char('"')) {
            ++pos;
            return text;
        }
        if (c != QLatin1Char('\\')) {
            text += c;
            continue;
        }
        if (++pos >= line.size())
            return std::nullopt;
        switch (line[pos].unicode()) {
        case 'r':
            text += QLatin1Char('\r');
            break;
        case 'n':
            text += QLatin1Char('\n');
            break;
        case 't':
            text += QLatin1Char('\t');
            break;
        case '"':
            text += QLatin1Char('"');
            break;
        case '\\':
            text += QLatin1Char('\\');
            break;
        default:
            return std::nullopt;
        }
    }
    return std::nullopt;
}

std::optional<CorpusCase> ParseCase(const QString& spec) {
    CorpusCase c;
    qsizetype pos = 0;
    const std::optional<QString> input = Quoted(spec, pos);
    if (!input)
        return std::nullopt;
    c.Input = *input;
    const QString rest = spec.mid(pos).trimmed();
    if (!rest.startsWith(QLatin1String("=>")))
        return std::nullopt;
    const QString expected = rest.mid(2).trimmed();
    if (expected == QLatin1String("ERROR"))
        return c;
    pos = 0;
    c.Expected = Quoted(expected, pos);
    if (!c.Expected || pos != expected.size())
        return std::nullopt;
    return c;
}

CorpusFile ReadCorpusFile(const QString& path) {
    CorpusFile file;
    file.Path = path;
    const bool vbs = path.endsWith(QLatin1String(".vbs"), Qt::CaseInsensitive);
    file.Language = vbs ? QStringLiteral("VBScript") : QStringLiteral("JScript");
    const QString marker = vbs ? QStringLiteral("'") : QStringLiteral("//");
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly)) {
        file.Problem = QStringLiteral("cannot be read");
        return file;
    }
    file.Source = QString::fromUtf8(f.readAll());
    const QStringList lines = file.Source.split(QLatin1Char('\n'));
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i].trimmed();
        if (!line.startsWith(marker))
            break;
        const QString body = line.mid(marker.size()).trimmed();
        if (body.startsWith(QLatin1String("Rule:"))) {
            file.Rules << body.mid(5).trimmed();
        } else if (body.startsWith(QLatin1String("Call:"))) {
            file.Function = body.mid(5).trimmed();
        } else if (body.startsWith(QLatin1String("Case:"))) {
            std::optional<CorpusCase> c = ParseCase(body.mid(5).trimmed());
            if (!c) {
                file.Problem = QStringLiteral("line %1: malformed case").arg(i + 1);
                return file;
            }
            c->Line = i + 1;
            file.Cases.push_back(*c);
        }
    }
    return file;
}

std::vector<QString> CorpusPaths() {
    std::vector<QString> paths;
    const QDir dir(test::TestDataPath(QStringLiteral("scripts")));
    for (const QFileInfo& info :
         dir.entryInfoList({QStringLiteral("*.vbs"), QStringLiteral("*.js")}, QDir::Files, QDir::Name))
        paths.push_back(info.absoluteFilePath());
    return paths;
}

QString Shown(const QString& text) {
    QString s = text;
    s.replace(QLatin1Char('\r'), QLatin1String("\\r")).replace(QLatin1Char('\n'), QLatin1String("\\n"));
    return QLatin1Char('"') + s + QLatin1Char('"');
}

class ScriptCorpusTest : public ::testing::TestWithParam<QString> {};

} // namespace

TEST_P(ScriptCorpusTest, GivesTheExpectedText) {
    const CorpusFile file = ReadCorpusFile(GetParam());
    const std::string name = QFileInfo(file.Path).fileName().toStdString();
    ASSERT_TRUE(file.Problem.isEmpty()) << name << ": " << file.Problem.toStdString();
    ASSERT_FALSE(file.Rules.isEmpty()) << name << ": no Rule line cites what the cases rest on";
    ASSERT_FALSE(file.Cases.empty()) << name << ": no Case line";
    auto engine = CreateScriptEngine(file.Language);
    ASSERT_NE(engine, nullptr) << name << ": no engine for " << file.Language.toStdString();
    ASSERT_TRUE(engine->AddCode(file.Source))
        << name << ": " << engine->Error().Description.toStdString() << " in line " << engine->Error().Line
        << ": " << engine->Error().Text.toStdString();
    for (const CorpusCase& c : file.Cases) {
        QString got;
        const bool ok = engine->Run(file.Function, {c.Input}, got);
        const QString shownGot =
            ok ? Shown(got) : QStringLiteral("ERROR (") + engine->Error().Description + QLatin1Char(')');
        const QString shownExpected = c.Expected ? Shown(*c.Expected) : QStringLiteral("ERROR");
        EXPECT_TRUE(c.Expected ? ok && got == *c.Expected : !ok)
            << name << " line " << c.Line << ": " << file.Function.toStdString() << "("
            << Shown(c.Input).toStdString() << ")\n  expected " << shownExpected.toStdString()
            << "\n  got      " << shownGot.toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Corpus, ScriptCorpusTest, ::testing::ValuesIn(CorpusPaths()),
                         [](const ::testing::TestParamInfo<QString>& info) {
                             std::string name = QFileInfo(info.param).fileName().toStdString();
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });
