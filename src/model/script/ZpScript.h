// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/Styles.h"

#include <QString>

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
    /// Calls the script function with one argument and returns its result as
    /// text, "SCRIPT ERROR" when the script fails; the argument unchanged
    /// while the script is disabled.
    [[nodiscard]] virtual QString Run(const QString& function, const QString& argument) = 0;
};

extern const QString kVBScriptLanguage;
extern const QString kJScriptLanguage;
/// The script a language starts with: the three functions, each returning
/// its argument; empty for another language.
[[nodiscard]] const QString& DefaultScript(const QString& language);

/// The script an object owns; it answers interface queries through its
/// owner. Until a script host runs the code, enabling only sets the flag.
class TZpScript final : public IZpScript, public TZpOwnedPart {
public:
    explicit TZpScript(IZpUnknown* owner = nullptr);
    void* QueryInterface(const std::type_info& iid) override;

    [[nodiscard]] bool GetEnabled() const override { return FEnabled; }
    void SetEnabled(bool enabled) override { FEnabled = enabled; }
    [[nodiscard]] QString GetLanguage() const override { return FLanguage; }
    void SetLanguage(const QString& language) override { FLanguage = language; }
    [[nodiscard]] QString GetScript() const override { return FScript; }
    void SetScript(const QString& script) override { FScript = script; }
    /// Without a script host the argument comes back unchanged.
    [[nodiscard]] QString Run(const QString& function, const QString& argument) override;

    /// The script block: S language, S text, B enabled. A default script is
    /// stored as an empty text and an empty text loads as the default.
    void LoadFromStream(TZpReader& reader);
    void SaveToStream(TZpWriter& writer) const;

private:
    bool FEnabled = false;
    QString FLanguage;
    QString FScript;
};

} // namespace zp
