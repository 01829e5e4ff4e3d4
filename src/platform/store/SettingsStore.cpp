// SPDX-License-Identifier: MIT
#include "platform/store/SettingsStore.h"

#include <QCoreApplication>
#include <QLocale>
#include <QSettings>
#include <QStandardPaths>

namespace zp {

namespace {
// A store whose file could not be read keeps its values for the session
// only: writing it would replace settings the user may still want back.
QSettings::Format SessionOnlyFormat() {
    static const QSettings::Format format = QSettings::registerFormat(
        QStringLiteral("ini"), [](QIODevice&, QSettings::SettingsMap&) { return true; },
        [](QIODevice&, const QSettings::SettingsMap&) { return false; });
    return format;
}
} // namespace

TZpSettingsStore::TZpSettingsStore()
    : TZpSettingsStore(std::make_unique<QSettings>(QSettings::IniFormat, QSettings::UserScope,
                                                   QStringLiteral("Orvelle"),
                                                   QStringLiteral("Zentaprint 3.0"))) {}

TZpSettingsStore::TZpSettingsStore(const QString& iniFile)
    : TZpSettingsStore(std::make_unique<QSettings>(iniFile, QSettings::IniFormat)) {}

TZpSettingsStore::TZpSettingsStore(std::unique_ptr<QSettings> settings)
    : FSettings(std::move(settings)), FLoadedCleanly(FSettings->status() == QSettings::NoError) {
    if (!FLoadedCleanly)
        FSettings = std::make_unique<QSettings>(FSettings->fileName(), SessionOnlyFormat());
}

TZpSettingsStore::~TZpSettingsStore() = default;

namespace {
// A value name is free text (a stored connection's name is the user's), but
// the backing store reads '/' and '\\' as group separators: those two and the
// escape character itself are kept as %2F, %5C and %25.
QString EscapeName(const QString& name) {
    QString escaped;
    escaped.reserve(name.size());
    for (const QChar c : name) {
        if (c == u'%')
            escaped += QLatin1String("%25");
        else if (c == u'/')
            escaped += QLatin1String("%2F");
        else if (c == u'\\')
            escaped += QLatin1String("%5C");
        else
            escaped += c;
    }
    return escaped;
}

QString UnescapeName(const QString& key) {
    QString name;
    name.reserve(key.size());
    for (qsizetype i = 0; i < key.size(); ++i) {
        const QStringView code = QStringView(key).mid(i, 3);
        if (code == QLatin1String("%25") || code == QLatin1String("%2F") || code == QLatin1String("%5C")) {
            name += code == QLatin1String("%25") ? u'%' : code == QLatin1String("%2F") ? u'/' : u'\\';
            i += 2;
        } else {
            name += key[i];
        }
    }
    return name;
}
} // namespace

QString TZpSettingsStore::Key(const QString& section, const QString& name) const {
    return section + QLatin1Char('/') + EscapeName(name);
}

QString TZpSettingsStore::ReadString(const QString& section, const QString& name, const QString& def) const {
    const QVariant v = FSettings->value(Key(section, name));
    return v.isValid() ? v.toString() : def;
}

namespace {
// Decimal text only, as the store's integer conversion accepts it: an
// optional sign and digits, nothing else (no hex, no spaces inside).
bool ParseDecimal(const QString& text, int& out) {
    const QString t = text.trimmed();
    if (t.isEmpty())
        return false;
    bool ok = false;
    const int value = t.toInt(&ok, 10);
    if (ok)
        out = value;
    return ok;
}
} // namespace

int TZpSettingsStore::ReadInteger(const QString& section, const QString& name, int def) const {
    const QVariant v = FSettings->value(Key(section, name));
    int value = def;
    if (v.isValid() && ParseDecimal(v.toString(), value))
        return value;
    return def;
}

int TZpSettingsStore::ReadIntegerIn(const QString& section, const QString& name, int def, int lo,
                                    int hi) const {
    const int value = ReadInteger(section, name, def);
    return value >= lo && value <= hi ? value : def;
}

bool TZpSettingsStore::ReadBool(const QString& section, const QString& name, bool def) const {
    return ReadInteger(section, name, def ? 1 : 0) != 0;
}

double TZpSettingsStore::ReadFloat(const QString& section, const QString& name, double def) const {
    const QVariant v = FSettings->value(Key(section, name));
    if (!v.isValid())
        return def;
    bool ok = false;
    const double value = QLocale().toDouble(v.toString().trimmed(), &ok);
    if (ok)
        return value;
    // A value written under another decimal separator is still a number.
    const double c = QLocale::c().toDouble(v.toString().trimmed(), &ok);
    return ok ? c : def;
}

void TZpSettingsStore::WriteString(const QString& section, const QString& name, const QString& value) {
    FSettings->setValue(Key(section, name), value);
}

void TZpSettingsStore::WriteInteger(const QString& section, const QString& name, int value) {
    FSettings->setValue(Key(section, name), QString::number(value));
}

void TZpSettingsStore::WriteBool(const QString& section, const QString& name, bool value) {
    FSettings->setValue(Key(section, name), value ? QStringLiteral("1") : QStringLiteral("0"));
}

void TZpSettingsStore::WriteFloat(const QString& section, const QString& name, float value) {
    QLocale locale;
    locale.setNumberOptions(QLocale::OmitGroupSeparator);
    FSettings->setValue(Key(section, name), locale.toString(double(value), 'g', 7));
}

QStringList TZpSettingsStore::ReadSection(const QString& section) const {
    QStringList names;
    FSettings->beginGroup(section);
    for (const QString& key : FSettings->childKeys())
        names << UnescapeName(key);
    FSettings->endGroup();
    return names;
}

QStringList TZpSettingsStore::ReadSectionValues(const QString& section) const {
    QStringList pairs;
    FSettings->beginGroup(section);
    for (const QString& key : FSettings->childKeys())
        pairs << UnescapeName(key) + QLatin1Char('=') + FSettings->value(key).toString();
    FSettings->endGroup();
    return pairs;
}

bool TZpSettingsStore::ValueExists(const QString& section, const QString& name) const {
    return FSettings->contains(Key(section, name));
}

void TZpSettingsStore::EraseSection(const QString& section) {
    FSettings->remove(section);
}

void TZpSettingsStore::DeleteValue(const QString& section, const QString& name) {
    FSettings->remove(Key(section, name));
}

bool TZpSettingsStore::Flush() {
    FSettings->sync();
    return FSettings->status() == QSettings::NoError;
}

QString TZpSettingsStore::FileName() const {
    return FSettings->fileName();
}

TZpSettingsStore& ZpStore() {
    static TZpSettingsStore store;
    return store;
}

QString PersonalFolder() {
    const QString docs = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return docs.isEmpty() ? QCoreApplication::applicationDirPath() : docs;
}

} // namespace zp
