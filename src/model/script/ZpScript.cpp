// SPDX-License-Identifier: MIT
#include "model/script/ZpScript.h"

#include "files/ValueStream.h"

namespace zp {

const QString kVBScriptLanguage = QStringLiteral("VBScript");
const QString kJScriptLanguage = QStringLiteral("JScript");

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

TZpScript::TZpScript(IZpUnknown* owner)
    : TZpOwnedPart(owner), FLanguage(kVBScriptLanguage), FScript(kDefaultVBScript) {}

void* TZpScript::QueryInterface(const std::type_info& iid) {
    if (FOwner)
        return FOwner->QueryInterface(iid);
    if (iid == typeid(IZpScript) || iid == typeid(IZpUnknown))
        return static_cast<IZpScript*>(this);
    return nullptr;
}

QString TZpScript::Run(const QString&, const QString& argument) { return argument; }

void TZpScript::LoadFromStream(TZpReader& reader) {
    SetEnabled(false);
    FLanguage = reader.ReadString();
    FScript = reader.ReadString();
    if (FScript.isEmpty())
        FScript = DefaultScript(FLanguage);
    SetEnabled(reader.ReadBool());
}

void TZpScript::SaveToStream(TZpWriter& writer) const {
    writer.WriteString(FLanguage);
    const QString& def = DefaultScript(FLanguage);
    writer.WriteString(!def.isEmpty() && FScript == def ? QString() : FScript);
    writer.WriteBool(FEnabled);
}

} // namespace zp
