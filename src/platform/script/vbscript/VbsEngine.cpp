// SPDX-License-Identifier: MIT
#include "platform/script/vbscript/VbsEngine.h"

#include "platform/script/vbscript/Interpreter.h"

namespace zp {

namespace {

class TVbsEngine final : public IZpScriptEngine {
public:
    [[nodiscard]] QString Language() const override { return QStringLiteral("VBScript"); }
    void Reset() override { FInterpreter.Reset(); }
    bool AddCode(const QString& source) override { return FInterpreter.AddCode(source, FError); }
    bool Run(const QString& function, const QStringList& arguments, QString& result) override {
        return FInterpreter.Run(function, arguments, result, FError);
    }
    [[nodiscard]] const TZpScriptError& Error() const override { return FError; }
    void SetTimeLimit(std::chrono::milliseconds limit) override { FInterpreter.SetTimeLimit(limit); }

private:
    vbs::TInterpreter FInterpreter;
    TZpScriptError FError;
};

} // namespace

std::unique_ptr<IZpScriptEngine> CreateVBScriptEngine() {
    return std::make_unique<TVbsEngine>();
}

} // namespace zp
