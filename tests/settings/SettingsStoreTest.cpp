// SPDX-License-Identifier: MIT
#include "platform/store/SettingsStore.h"

#include "support/TestSupport.h"

#include <QFile>
#include <QLocale>
#include <gtest/gtest.h>

namespace zp {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { test::ClearStore(); }
    void TearDown() override { test::ClearStore(); }
    TZpSettingsStore& store = ZpStore();
    const QString section = QStringLiteral("Settings");
};

TEST_F(SettingsStoreTest, LivesInTheTemporaryConfigFolder) {
    EXPECT_TRUE(store.FileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME")))
        << store.FileName().toStdString();
    EXPECT_TRUE(store.FileName().endsWith(QStringLiteral("Orvelle/Zentaprint 3.0.ini")));
}

TEST_F(SettingsStoreTest, ValuesAreStoredAsText) {
    store.WriteInteger(section, QStringLiteral("Zoom"), -150);
    store.WriteBool(section, QStringLiteral("View Guides"), true);
    store.WriteBool(section, QStringLiteral("View Rulers"), false);
    store.WriteFloat(section, QStringLiteral("Width"), 0.156f);
    EXPECT_EQ(store.ReadString(section, QStringLiteral("Zoom"), {}), QStringLiteral("-150"));
    EXPECT_EQ(store.ReadString(section, QStringLiteral("View Guides"), {}), QStringLiteral("1"));
    EXPECT_EQ(store.ReadString(section, QStringLiteral("View Rulers"), {}), QStringLiteral("0"));
    EXPECT_EQ(store.ReadString(section, QStringLiteral("Width"), {}), QLocale().toString(0.156, 'g', 7));
    EXPECT_FLOAT_EQ(float(store.ReadFloat(section, QStringLiteral("Width"), 0)), 0.156f);
    store.Flush();
    QFile ini(store.FileName());
    ASSERT_TRUE(ini.open(QIODevice::ReadOnly));
    EXPECT_TRUE(ini.readAll().contains("Zoom=-150"));
}

struct ReadCase {
    const char* name;
    const char* stored; // nullptr: missing
    int asInteger;      // default 7
    bool asBool;        // default true
};

// Integers and booleans that are missing or not decimal text take the default.
const ReadCase kReadCases[] = {
    {"Missing", nullptr, 7, true}, {"Zero", "0", 0, false},
    {"One", "1", 1, true},         {"AnyNonZeroIsTrue", "2", 2, true},
    {"Negative", "-5", -5, true},  {"NotANumber", "abc", 7, true},
    {"Empty", "", 7, true},        {"Hex", "0x10", 7, true},
    {"Fraction", "1.5", 7, true},  {"Overflow", "99999999999", 7, true},
};

class StoreReadTest : public SettingsStoreTest, public ::testing::WithParamInterface<ReadCase> {};

TEST_P(StoreReadTest, IntegerAndBoolean) {
    if (GetParam().stored)
        store.WriteString(section, QStringLiteral("Value"), QLatin1String(GetParam().stored));
    EXPECT_EQ(store.ReadInteger(section, QStringLiteral("Value"), 7), GetParam().asInteger);
    EXPECT_EQ(store.ReadBool(section, QStringLiteral("Value"), true), GetParam().asBool);
}

INSTANTIATE_TEST_SUITE_P(Encoding, StoreReadTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(SettingsStoreTest, FractionsFallBackToTheDefault) {
    EXPECT_EQ(store.ReadFloat(section, QStringLiteral("Missing"), 8.5), 8.5);
    store.WriteString(section, QStringLiteral("Bad"), QStringLiteral("wide"));
    EXPECT_EQ(store.ReadFloat(section, QStringLiteral("Bad"), 11.0), 11.0);
}

TEST_F(SettingsStoreTest, SectionsListEraseAndDelete) {
    const QString mru = QStringLiteral("MRU Items");
    store.WriteString(mru, QStringLiteral("F0"), QStringLiteral("/a.zp3"));
    store.WriteString(mru, QStringLiteral("F1"), QStringLiteral("/b.zp3"));
    store.WriteString(section, QStringLiteral("Zoom"), QStringLiteral("100"));
    EXPECT_EQ(store.ReadSection(mru), (QStringList{"F0", "F1"}));
    EXPECT_EQ(store.ReadSectionValues(mru), (QStringList{"F0=/a.zp3", "F1=/b.zp3"}));
    store.DeleteValue(mru, QStringLiteral("F0"));
    EXPECT_EQ(store.ReadSection(mru), QStringList{"F1"});
    store.EraseSection(mru);
    EXPECT_TRUE(store.ReadSection(mru).isEmpty());
    EXPECT_EQ(store.ReadString(section, QStringLiteral("Zoom"), {}), QStringLiteral("100"));
    EXPECT_TRUE(store.ReadSection(QStringLiteral("Never Written")).isEmpty());
}

TEST_F(SettingsStoreTest, NamesWithSpacesAndOddCharacters) {
    const QString s = QStringLiteral("Database Connection Strings");
    const QString value = QStringLiteral(
        "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=/tmp/a b;Extended Properties=\"Text;HDR=NO;\"");
    store.WriteString(s, QStringLiteral("My data = 1; #2"), value);
    EXPECT_EQ(store.ReadString(s, QStringLiteral("My data = 1; #2"), {}), value);
    EXPECT_EQ(store.ReadSection(s), QStringList{QStringLiteral("My data = 1; #2")});
}

// Value names are free text: separators of the backing store and the escape
// character come back as they were written.
TEST_F(SettingsStoreTest, NamesWithSlashesBackslashesAndPercentSigns) {
    const QString s = QStringLiteral("Database Connection Strings");
    const QStringList names = {QStringLiteral("Orders/Invoices"), QStringLiteral("C:\\Data"),
                               QStringLiteral("100% %2F")};
    for (const QString& name : names)
        store.WriteString(s, name, name + QStringLiteral(" value"));
    for (const QString& name : names)
        EXPECT_EQ(store.ReadString(s, name, {}), name + QStringLiteral(" value")) << name.toStdString();
    QStringList listed = store.ReadSection(s);
    listed.sort();
    QStringList sorted = names;
    sorted.sort();
    EXPECT_EQ(listed, sorted);
    EXPECT_TRUE(store.ReadSectionValues(s).contains(QStringLiteral("Orders/Invoices=Orders/Invoices value")));
    store.DeleteValue(s, names[0]);
    EXPECT_FALSE(store.ReadSection(s).contains(names[0]));
    EXPECT_EQ(store.ReadSection(s).size(), 2);
}

} // namespace
} // namespace zp
