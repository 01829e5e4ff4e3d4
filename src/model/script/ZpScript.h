// SPDX-License-Identifier: MIT
#pragma once

#include "base/Errors.h"
#include "model/objects/Styles.h"
#include "platform/script/ScriptEngine.h"

#include <QString>
#include <memory>
#include <optional>

namespace zp {

/// The script of text and bar code objects: language, source and whether
/// it runs.
class IZpScript : public virtual IZpUnknown {
public:
    [[nodiscard]] virtual bool GetEnabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    [[nodiscard]] virtual QString GetLanguage() const = 0;
    virtual void SetLanguage(const QString& language) = 0;
    [[nodiscard]] virtual QString GetScript() const = 0;
    virtual void SetScript(const QString& script) = 0;
    /// The engine's error (of the last compile or call); none while disabled.
    [[nodiscard]] virtual std::optional<TZpScriptError> GetError() const = 0;
    /// Whether the script is enabled but its code did not compile (or no
    /// engine speaks its language): every call then gives "SCRIPT ERROR".
    [[nodiscard]] virtual bool CompileFailed() const = 0;
    /// Calls the script function with one argument and returns its result as
    /// text, "SCRIPT ERROR" when the script fails; the argument unchanged
    /// while the script is disabled.
    [[nodiscard]] virtual QString Run(const QString& function, const QString& argument) = 0;
};

extern const QString kVBScriptLanguage;
extern const QString kJScriptLanguage;
/// The text a failed script call gives in place of its result.
extern const QString kScriptErrorText;
/// Raised when no engine speaks the script's language.
extern const QString kNoScriptEngineMessage;

/// A script that does not compile: the message is the engine's description,
/// line and line text as "%s in line %d: \"%s\"".
class EZpScriptError : public EZpError {
public:
    explicit EZpScriptError(TZpScriptError error);
    [[nodiscard]] const TZpScriptError& Error() const { return FError; }

private:
    TZpScriptError FError;
};

/// "%s in line %d: \"%s\"" filled with the error's description, line and text.
[[nodiscard]] QString ScriptErrorMessage(const TZpScriptError& error);
/// The script a language starts with: the three functions, each returning
/// its argument; empty for another language.
[[nodiscard]] const QString& DefaultScript(const QString& language);

/// The script an object owns; it answers interface queries through its
/// owner. An engine of the script host exists exactly while the script is
/// enabled and holds the current code, compiled anew on every change.
class TZpScript final : public IZpScript, public TZpOwnedPart {
public:
    explicit TZpScript(IZpUnknown* owner = nullptr);
    ~TZpScript();
    void* QueryInterface(const std::type_info& iid) override;

    [[nodiscard]] bool GetEnabled() const override { return FEnabled; }
    /// Enabling creates the engine and compiles: raises kNoScriptEngineMessage
    /// (and stays disabled) when no engine speaks the language, and
    /// EZpScriptError (and stays enabled) when the code does not compile.
    /// Disabling destroys the engine.
    void SetEnabled(bool enabled) override;
    [[nodiscard]] QString GetLanguage() const override { return FLanguage; }
    /// Recompiles when enabled; raises as SetEnabled does.
    void SetLanguage(const QString& language) override;
    [[nodiscard]] QString GetScript() const override { return FScript; }
    /// Recompiles when enabled; raises EZpScriptError on a syntax error.
    void SetScript(const QString& script) override;
    [[nodiscard]] std::optional<TZpScriptError> GetError() const override;
    [[nodiscard]] bool CompileFailed() const override;
    [[nodiscard]] QString Run(const QString& function, const QString& argument) override;

    /// The script block: S language, S text, B enabled. A default script is
    /// stored as an empty text and an empty text loads as the default. A
    /// script that does not compile loads enabled and fails every call, so
    /// that its label opens and can be repaired (the label loader names it).
    /// An enabled script compiles at its first use after loading.
    void LoadFromStream(TZpReader& reader);
    void SaveToStream(TZpWriter& writer) const;

private:
    // Resets the engine and adds the code; raises on a syntax error.
    void Compile();
    // A loaded script compiles when first used: loading, and every copy of
    // an object, stays cheap, and a label that is only read (a preview, a
    // damaged file) never makes an engine.
    void CompileLoaded() const;

    mutable std::unique_ptr<IZpScriptEngine> FEngine;
    bool FEnabled = false;
    mutable bool FCompiled = false;
    mutable bool FLoadedUncompiled = false;
    QString FLanguage;
    QString FScript;
};

} // namespace zp
