// SPDX-License-Identifier: MIT
#include "model/script/ZpScript.h"

#include "base/ValueStream.h"

namespace zp {

const QString kVBScriptLanguage = QStringLiteral("VBScript");
const QString kJScriptLanguage = QStringLiteral("JScript");
const QString kScriptErrorText = QStringLiteral("SCRIPT ERROR");
const QString kNoScriptEngineMessage =
    QStringLiteral("Microsoft Script Engine is not installed...scripting is not available.");

namespace {

const QString kDefaultVBScript =
    QStringLiteral("Function DataUpdated(Data)\r\n\r\n"
                   "'This function is called whenever\r\n"
                   "'the data is updated.\r\n"
                   "'This includes inside Zentaprint,\r\n"
                   "'print preview, etc.\r\n"
                   "'It can be modified to do post \r\n"
                   "'processing or formatting on the data.\r\n\r\n"
                   "  DataUpdated=Data\r\n"
                   "End Function\r\n\r\n"
                   "Function BeforePrintData(Data)\r\n\r\n"
                   "'This function is called immediately before printing.\r\n"
                   "'It is only fired when data is being printed, and is not called during preview.\r\n\r\n"
                   "  BeforePrintData=Data\r\n"
                   "End Function\r\n\r\n"
                   "Function AfterPrintData(Data)\r\n\r\n"
                   "'This function is called immediately after printing.\r\n"
                   "'It is only fired when data is being printed, and is not called during preview.\r\n\r\n"
                   "  AfterPrintData=Data\r\n"
                   "End Function");

const QString kDefaultJScript =
    QStringLiteral("function DataUpdated(Data)\r\n{\r\n\r\n"
                   "// This function is called whenever\r\n"
                   "// the data is updated.\r\n"
                   "// This includes inside Zentaprint,\r\n"
                   "// print preview, etc.\r\n"
                   "// It can be modified to do post \r\n"
                   "// processing or formatting on the data.\r\n\r\n"
                   "  return Data;\r\n}\r\n\r\n"
                   "function BeforePrintData(Data)\r\n{\r\n\r\n"
                   "// This function is called immediately before printing.\r\n"
                   "// It is only fired when data is being printed, and is not called during preview.\r\n\r\n"
                   "  return Data;\r\n}\r\n\r\n"
                   "function AfterPrintData(Data)\r\n{\r\n\r\n"
                   "// This function is called immediately after printing.\r\n"
                   "// It is only fired when data is being printed, and is not called during preview.\r\n\r\n"
                   "  return Data;\r\n}");

} // namespace

const QString& DefaultScript(const QString& language) {
    static const QString none;
    if (language == kVBScriptLanguage)
        return kDefaultVBScript;
    if (language == kJScriptLanguage)
        return kDefaultJScript;
    return none;
}

QString ScriptErrorMessage(const TZpScriptError& error) {
    return QStringLiteral("%1 in line %2: \"%3\"").arg(error.Description).arg(error.Line).arg(error.Text);
}

EZpScriptError::EZpScriptError(TZpScriptError error)
    : EZpError(ScriptErrorMessage(error)), FError(std::move(error)) {}

TZpScript::TZpScript(IZpUnknown* owner)
    : TZpOwnedPart(owner), FLanguage(kVBScriptLanguage), FScript(kDefaultVBScript) {}

TZpScript::~TZpScript() = default;

void* TZpScript::QueryInterface(const std::type_info& iid) {
    if (FOwner)
        return FOwner->QueryInterface(iid);
    if (iid == typeid(IZpScript) || iid == typeid(IZpUnknown))
        return static_cast<IZpScript*>(this);
    return nullptr;
}

void TZpScript::Compile() {
    FCompiled = false;
    FEngine->Reset();
    if (!FEngine->AddCode(FScript))
        throw EZpScriptError(FEngine->Error());
    FCompiled = true;
}

void TZpScript::CompileLoaded() const {
    if (!FLoadedUncompiled)
        return;
    FLoadedUncompiled = false;
    FEngine = CreateScriptEngine(FLanguage);
    if (!FEngine)
        return;
    FEngine->Reset();
    FCompiled = FEngine->AddCode(FScript);
}

bool TZpScript::CompileFailed() const {
    CompileLoaded();
    return FEnabled && !FCompiled;
}

void TZpScript::SetEnabled(bool enabled) {
    if (enabled == FEnabled)
        return;
    FLoadedUncompiled = false;
    FEnabled = enabled;
    FCompiled = false;
    if (!enabled) {
        FEngine.reset();
        return;
    }
    FEngine = CreateScriptEngine(FLanguage);
    if (!FEngine) {
        FEnabled = false;
        throw EZpError(kNoScriptEngineMessage);
    }
    Compile();
}

void TZpScript::SetLanguage(const QString& language) {
    if (language == FLanguage)
        return;
    FLoadedUncompiled = false;
    FLanguage = language;
    if (!FEnabled)
        return;
    FCompiled = false;
    FEngine = CreateScriptEngine(FLanguage);
    // Still enabled without an engine: every call fails until a language
    // with an engine is chosen.
    if (!FEngine)
        throw EZpError(kNoScriptEngineMessage);
    Compile();
}

void TZpScript::SetScript(const QString& script) {
    if (script == FScript)
        return;
    FScript = script;
    if (FLoadedUncompiled) {
        FLoadedUncompiled = false;
        FEngine = CreateScriptEngine(FLanguage);
    }
    if (FEnabled && FEngine)
        Compile();
}

std::optional<TZpScriptError> TZpScript::GetError() const {
    CompileLoaded();
    if (!FEnabled)
        return std::nullopt;
    if (!FEngine)
        return TZpScriptError{kNoScriptEngineMessage, 0, QString()};
    return FEngine->Error();
}

QString TZpScript::Run(const QString& function, const QString& argument) {
    if (!FEnabled)
        return argument;
    CompileLoaded();
    QString result;
    if (!FCompiled || !FEngine->Run(function, {argument}, result))
        return kScriptErrorText;
    return result;
}

void TZpScript::LoadFromStream(TZpReader& reader) {
    SetEnabled(false);
    FLanguage = reader.ReadString();
    FScript = reader.ReadString();
    if (FScript.isEmpty())
        FScript = DefaultScript(FLanguage);
    // A script that does not compile still loads: its object shows "SCRIPT
    // ERROR" until the script is repaired, so nothing wrong prints unnoticed.
    FEnabled = reader.ReadBool();
    FLoadedUncompiled = FEnabled;
}

void TZpScript::SaveToStream(TZpWriter& writer) const {
    writer.WriteString(FLanguage);
    const QString& def = DefaultScript(FLanguage);
    writer.WriteString(!def.isEmpty() && FScript == def ? QString() : FScript);
    writer.WriteBool(FEnabled);
}

} // namespace zp
