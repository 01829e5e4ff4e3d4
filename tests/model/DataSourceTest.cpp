// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "data/DataConnections.h"
#include "model/ModelTestSupport.h"
#include "model/data/DataText.h"
#include "model/data/ZpData.h"
#include "model/script/ZpScript.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <limits>

namespace zp {
namespace {

constexpr int32_t kMax = std::numeric_limits<int32_t>::max();
constexpr int32_t kMin = std::numeric_limits<int32_t>::min();

// An owner with a script and a data callback, recording what the source asks
// of them; its script upper-cases the text, or fails.
class TRecordingOwner : public IZpDataCallback, public IZpScript {
public:
    TZpData Data{this};
    bool Enabled = true;
    bool Fails = false;
    QStringList Calls;
    QStringList Changes; // the text at each DataChanged

    void* QueryInterface(const std::type_info& iid) override {
        if (iid == typeid(IZpData))
            return static_cast<IZpData*>(&Data);
        if (iid == typeid(IZpDataCallback))
            return static_cast<IZpDataCallback*>(this);
        if (iid == typeid(IZpScript))
            return static_cast<IZpScript*>(this);
        return nullptr;
    }
    void DataChanged() override { Changes << Data.GetText(); }
    bool GetEnabled() const override { return Enabled; }
    void SetEnabled(bool on) override { Enabled = on; }
    QString GetLanguage() const override { return kJScriptLanguage; }
    void SetLanguage(const QString&) override {}
    QString GetScript() const override { return {}; }
    void SetScript(const QString&) override {}
    std::optional<TZpScriptError> GetError() const override { return std::nullopt; }
    bool CompileFailed() const override { return false; }
    QString Run(const QString& function, const QString& argument) override {
        Calls << function;
        return Fails ? QStringLiteral("SCRIPT ERROR") : argument.toUpper();
    }
};

TEST(DataSourceTest, ScriptTransformsTheTextBeforeTheOwnerHearsOfIt) {
    TRecordingOwner owner;
    owner.Data.SetText(QStringLiteral("abc"));
    owner.Data.Update();
    EXPECT_EQ(owner.Calls, QStringList{QStringLiteral("DataUpdated")});
    EXPECT_EQ(owner.Changes, QStringList{QStringLiteral("ABC")});

    owner.Fails = true;
    owner.Data.Update();
    EXPECT_EQ(owner.Data.GetText(), QStringLiteral("SCRIPT ERROR"));

    owner.Enabled = false;
    owner.Data.SetText(QStringLiteral("kept"));
    owner.Data.Update();
    EXPECT_EQ(owner.Calls.size(), 2);
    EXPECT_EQ(owner.Changes.last(), QStringLiteral("kept"));
}

// ---- Serial numbers ----

struct TSerialCase {
    int32_t Value;
    QString Pad;
    int32_t Width;
    QString Expected;
};

class SerialTextTest : public ::testing::TestWithParam<TSerialCase> {};

TEST_P(SerialTextTest, Pads) {
    const TSerialCase& c = GetParam();
    EXPECT_EQ(PaddedSerial(c.Value, c.Pad, c.Width), c.Expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SerialTextTest,
    ::testing::Values(TSerialCase{7, "0", 4, "0007"},
                      TSerialCase{-5, "0", 4, "00-5"},     // the sign counts; padding goes before it
                      TSerialCase{12345, "0", 3, "12345"}, // never truncated
                      TSerialCase{7, "", 4, "7"},          // no pad character, no padding
                      TSerialCase{7, "*", -3, "7"}, TSerialCase{kMin, "0", 12, "0-2147483648"},
                      TSerialCase{5, QString::fromUtf8("\xF0\x9F\x98\x80"), 3, // one character, two units
                                  QString::fromUtf8("\xF0\x9F\x98\x80\xF0\x9F\x98\x80") + "5"}));

TEST(SerialTest, HugePadWidthsStopAtTheDialogLimit) {
    EXPECT_EQ(PaddedSerial(1, QStringLiteral("#"), 999999).size(), 999999);
    EXPECT_EQ(PaddedSerial(1, QStringLiteral("#"), kMax).size(), kMaxPadWidth);
}

TEST(SerialTest, UpdateFramesTheNumber) {
    TZpData data;
    data.SetKind(dkSerialNumber);
    data.SetSerialValue(7);
    data.SetPadChar(QStringLiteral("0"));
    data.SetPadWidth(4);
    data.SetSerialPrefix(QStringLiteral("A-"));
    data.SetSerialSuffix(QStringLiteral("/X"));
    data.Update();
    EXPECT_EQ(data.GetText(), QStringLiteral("A-0007/X"));
}

// The value after reset and after each step.
QList<int32_t> Steps(TZpData& data, const QString& moves) {
    QList<int32_t> values;
    for (const QChar m : moves) {
        if (m == QLatin1Char('r'))
            data.ResetSerial();
        else if (m == QLatin1Char('n'))
            data.NextSerial();
        else
            data.PreviousSerial();
        values << data.GetSerialValue();
    }
    return values;
}

TEST(SerialTest, RepeatCountsHoldANumberForThatManyLabels) {
    TZpData data;
    data.SetSerialStart(100);
    data.SetRepeatCount(2);
    EXPECT_EQ(Steps(data, "rnnnppp"), (QList<int32_t>{100, 100, 101, 101, 101, 100, 100}));
    data.SetRepeatCount(3);
    EXPECT_EQ(Steps(data, "rnnnnnn"), (QList<int32_t>{100, 100, 100, 101, 101, 101, 102}));
    data.SetRepeatCount(0); // behaves as 1
    EXPECT_EQ(Steps(data, "rnnp"), (QList<int32_t>{100, 101, 102, 101}));
}

// Every step back undoes one step on, whatever the repeat count, including
// across the 32-bit wrap.
TEST(SerialTest, PreviousExactlyReversesNext) {
    for (int32_t repeat : {-4, 0, 1, 2, 3}) {
        for (auto [start, step] : {std::pair{100, 5}, {kMax, 1}, {kMin, -1}, {0, kMin}}) {
            TZpData data;
            data.SetSerialStart(start);
            data.SetSerialIncrement(step);
            data.SetRepeatCount(repeat);
            data.ResetSerial();
            for (int n = 1; n <= 7; ++n) {
                const int32_t value = data.GetSerialValue();
                const int32_t counter = data.GetRepeatCounter();
                data.NextSerial();
                data.PreviousSerial();
                EXPECT_EQ(data.GetSerialValue(), value) << repeat << " " << start << " " << step;
                EXPECT_EQ(data.GetRepeatCounter(), counter) << repeat << " " << start << " " << step;
                data.NextSerial();
            }
        }
    }
}

TEST(SerialTest, ArithmeticWrapsAround) {
    TZpData data;
    data.SetSerialStart(kMax);
    data.SetSerialIncrement(kMax);
    EXPECT_EQ(Steps(data, "rnp"), (QList<int32_t>{kMax, -2, kMax}));
}

// ---- Database fields ----

class DatabaseFieldTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        const QString connection = test::MakeDatabase(
            FDir.filePath(QStringLiteral("fields.db")),
            {QStringLiteral("CREATE TABLE T (Name TEXT, Empty TEXT, Spaces TEXT, Zeros TEXT, Letters TEXT, "
                            "Escaped TEXT)"),
             QStringLiteral(
                 "INSERT INTO T VALUES ('Smith', '', '  42 ', '00120', 'ABCDEFG', 'x\\065\\\\\\\\065')")});
        FConnections.AddConnection(QStringLiteral("Db"), connection);
        FConnections.AddDataset(QStringLiteral("Db"), QStringLiteral("T"),
                                QStringLiteral("SELECT * FROM [T]"));
        FConnections.Open();
    }
    QTemporaryDir FDir;
    TZpDataConnections FConnections;
};

struct TEntry {
    const char* Field;
    uint8_t Method = smNone;
    const char* Prefix = "";
    const char* Suffix = "";
    int32_t Leading = 0;
    int32_t Trailing = 0;
    bool LineBreak = false;
    const char* Dataset = "T";
};

struct TFieldCase {
    const char* Name;
    std::vector<TEntry> Entries;
    const char* Expected;
};

const TFieldCase kFieldCases[] = {
    // The empty entry adds nothing, not even its prefix.
    {"EmptySkipsItsPrefix", {{"Name", smNone, "", " "}, {"Empty", smNone, "x"}}, "Smith "},
    {"BothSides", {{"Spaces", smLeadingAndTrailingSpaces}}, "42"},
    {"LeadingSpaces", {{"Spaces", smLeadingSpaces}}, "42 "},
    {"TrailingSpaces", {{"Spaces", smTrailingSpaces}}, "  42"},
    {"LeadingZeros", {{"Zeros", smLeadingZeros}}, "120"},
    {"Characters", {{"Letters", smCharacters, "", "", 2, 3}}, "CD"},
    // Emptiness is tested before stripping, so the frame stays.
    {"StrippedAway", {{"Letters", smCharacters, "<", ">", 5, 5}}, "<>"},
    {"NegativeCounts", {{"Letters", smCharacters, "", "", -3, 1}}, "ABCDEF"},
    {"UnknownMethod", {{"Spaces", 9}}, "  42 "},
    {"LineBreaks", {{"Name", smNone, "", "", 0, 0, true}, {"Zeros", smLeadingZeros, "#"}}, "Smith\r\n#120"},
    {"UnknownFieldAndDataset", {{"Nope", smNone, "a"}, {"Name", smNone, "b", "", 0, 0, false, "Gone"}}, ""},
    // x\065\\\\065: \065 is A and each \\ one backslash; the next entry
    // expands the whole text again, so the two left over become one.
    {"EscapesOnTheWholeTextEachTime", {{"Escaped"}}, "xA\\\\065"},
    {"EscapesAgainWithTheNextEntry", {{"Escaped"}, {"Name"}}, "xA\\065Smith"},
};

class DatabaseFieldCases : public DatabaseFieldTest, public ::testing::WithParamInterface<TFieldCase> {};

TEST_P(DatabaseFieldCases, Produce) {
    TZpData data;
    data.SetKind(dkDatabaseField);
    data.SetConnections(&FConnections);
    data.SetText(QStringLiteral("old"));
    for (const TEntry& e : GetParam().Entries) {
        auto entry = std::make_unique<TZpFieldDef>();
        entry->Connection = QStringLiteral("Db");
        entry->Dataset = QString::fromUtf8(e.Dataset);
        entry->Field = QString::fromUtf8(e.Field);
        entry->Prefix = QString::fromUtf8(e.Prefix);
        entry->Suffix = QString::fromUtf8(e.Suffix);
        entry->StripMethod = e.Method;
        entry->StripLeading = e.Leading;
        entry->StripTrailing = e.Trailing;
        entry->AddLineBreak = e.LineBreak;
        data.AddField(std::move(entry));
    }
    data.Update();
    EXPECT_EQ(data.GetText(), QString::fromUtf8(GetParam().Expected));
}

INSTANTIATE_TEST_SUITE_P(Cases, DatabaseFieldCases, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.Name); });

TEST_F(DatabaseFieldTest, ClosedConnectionsOrNoneGiveEmptyText) {
    TZpData data;
    data.SetKind(dkDatabaseField);
    auto entry = std::make_unique<TZpFieldDef>();
    entry->Dataset = QStringLiteral("T");
    entry->Field = QStringLiteral("Name");
    data.AddField(std::move(entry));
    data.SetText(QStringLiteral("old"));
    data.Update();
    EXPECT_EQ(data.GetText(), QString());
    data.SetConnections(&FConnections);
    data.Update();
    EXPECT_EQ(data.GetText(), QStringLiteral("Smith"));
    FConnections.Close();
    data.Update();
    EXPECT_EQ(data.GetText(), QString());
}

TEST(EscapeTest, KeepsWhatIsNoEscapeAndCharactersBeyondLatin1) {
    EXPECT_EQ(ExpandBarcodeEscapes(QStringLiteral("\\065\\\\")), QStringLiteral("A\\"));
    // A window of three characters that is no number stays as written, whole.
    EXPECT_EQ(ExpandBarcodeEscapes(QStringLiteral("\\F1\\129\\x12\\12")),
              QStringLiteral("\\F1\\129\\x12\x0C"));
    EXPECT_EQ(ExpandBarcodeEscapes(QStringLiteral("\u00e9\u20ac\\")), QStringLiteral("\u00e9\u20ac\\"));
}

// ---- Prompts ----

// The label numbers before which the prompt asked, over a run of `labels`.
QList<int> AskedBefore(TZpData& data, TZpScriptedDialogs& dialogs, int labels) {
    QList<int> asked;
    for (int label = 1; label <= labels; ++label) {
        const size_t before = dialogs.Questions().size();
        data.Update();
        if (dialogs.Questions().size() > before)
            asked << label;
    }
    return asked;
}

TEST(PromptTest, ACountOfNServesNLabels) {
    TZpScriptedDialogsGuard dialogs;
    TZpData data;
    data.SetKind(dkPrompt);
    data.SetPromptCaption(QStringLiteral("Lot?"));
    for (const char* value : {"L1", "L2", "L3"})
        dialogs->Queue(TPromptData{{}, QString::fromUtf8(value), 3});
    EXPECT_EQ(AskedBefore(data, *dialogs, 7), (QList<int>{1, 4, 7}));
    EXPECT_EQ(data.GetText(), QStringLiteral("L3"));
    EXPECT_EQ(dialogs->Questions().front().Text, QStringLiteral("Lot?"));
}

TEST(PromptTest, AllLabelsAsksOnceAndCancelAbortsSilently) {
    TZpScriptedDialogsGuard dialogs;
    TZpData data;
    data.SetKind(dkPrompt);
    dialogs->Queue(TPromptData{{}, QStringLiteral("all"), -1});
    EXPECT_EQ(AskedBefore(data, *dialogs, 5), (QList<int>{1}));
    EXPECT_EQ(data.GetText(), QStringLiteral("all"));

    data.SetPromptRemaining(0);
    dialogs->Queue(TZpScriptedDialogs::TCancel{});
    EXPECT_THROW(data.Update(), EZpAbort);
    EXPECT_EQ(data.GetText(), QStringLiteral("all"));
    EXPECT_EQ(data.GetPromptRemaining(), 0); // asks again next time

    data.SetPromptRemaining(kMin); // from a long run: stays negative
    data.Update();
    EXPECT_EQ(data.GetPromptRemaining(), kMin);
}

} // namespace
} // namespace zp
