// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>
#include <memory>

class QSettings;

namespace zp {

/// The per-user settings store: sections of named values, every value held
/// as text (integers as decimal text, booleans "1"/"0", fractions in the
/// user's locale). Backed by one INI file under $XDG_CONFIG_HOME
/// ("Orvelle/Zentaprint 3.0.ini"), one group per section.
class TZpSettingsStore {
public:
    /// The user's store.
    TZpSettingsStore();
    /// A store in the given INI file (tests, tools).
    explicit TZpSettingsStore(const QString& iniFile);
    ~TZpSettingsStore();
    TZpSettingsStore(const TZpSettingsStore&) = delete;
    TZpSettingsStore& operator=(const TZpSettingsStore&) = delete;

    [[nodiscard]] QString ReadString(const QString& section, const QString& name, const QString& def) const;
    /// The default when missing or not a decimal integer.
    [[nodiscard]] int ReadInteger(const QString& section, const QString& name, int def) const;
    /// ReadInteger, with a value outside lo..hi read as the default too.
    [[nodiscard]] int ReadIntegerIn(const QString& section, const QString& name, int def, int lo,
                                    int hi) const;
    /// True for any non-zero integer; the default when missing or not a number.
    [[nodiscard]] bool ReadBool(const QString& section, const QString& name, bool def) const;
    /// A fraction in the locale's format; the default when missing or unreadable.
    [[nodiscard]] double ReadFloat(const QString& section, const QString& name, double def) const;

    void WriteString(const QString& section, const QString& name, const QString& value);
    void WriteInteger(const QString& section, const QString& name, int value);
    void WriteBool(const QString& section, const QString& name, bool value);
    /// Single-precision values are written with the digits they hold (0.156, not 0.15600000321).
    void WriteFloat(const QString& section, const QString& name, float value);

    /// All value names of a section, in stored order.
    [[nodiscard]] QStringList ReadSection(const QString& section) const;
    /// All "name=value" pairs of a section.
    [[nodiscard]] QStringList ReadSectionValues(const QString& section) const;
    [[nodiscard]] bool ValueExists(const QString& section, const QString& name) const;
    void EraseSection(const QString& section);
    void DeleteValue(const QString& section, const QString& name);

    /// Writes pending changes to disk; false when they could not be stored
    /// (a read-only folder). Unstored changes stay readable in this store
    /// for the rest of the session.
    bool Flush();
    /// False when the file existed but could not be read at start: the
    /// store then starts empty (every reader takes its default), keeps what
    /// is written for the session, and never overwrites the file.
    [[nodiscard]] bool LoadedCleanly() const { return FLoadedCleanly; }
    [[nodiscard]] QString FileName() const;

private:
    explicit TZpSettingsStore(std::unique_ptr<QSettings> settings);
    [[nodiscard]] QString Key(const QString& section, const QString& name) const;
    std::unique_ptr<QSettings> FSettings;
    bool FLoadedCleanly = true;
};

/// The process-wide store of the running user; created on first use.
[[nodiscard]] TZpSettingsStore& ZpStore();

/// The user's documents folder (the "Personal" shell folder).
[[nodiscard]] QString PersonalFolder();

} // namespace zp
