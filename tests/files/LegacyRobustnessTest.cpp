// SPDX-License-Identifier: MIT
// A 2.x label cut at every byte or damaged at random ends in a clear message
// or a label, never a crash or a read past the end (the sanitizer build and
// the fuzz target check the last).
#include "base/Errors.h"
#include "files/LabelFile.h"
#include "files/LegacyBuilder.h"
#include "legacy/LegacyImport.h"
#include "model/ModelTestSupport.h"
#include "model/layout/IDEProperties.h"
#include "model/layout/LabelProperties.h"
#include "platform/dialogs/ScriptedDialogs.h"

#include <QBuffer>
#include <gtest/gtest.h>
#include <limits>
#include <random>

namespace zp {
namespace {

class LegacyRobustnessTest : public ::testing::Test {
protected:
    void SetUp() override { InstallLegacyImporter(); }
    void TearDown() override { SetLegacyImporter(nullptr); }

    // The error message, or empty when the bytes loaded.
    static QString Import(const QByteArray& bytes, size_t* objectCount = nullptr) {
        QByteArray data = bytes;
        QBuffer buffer(&data);
        buffer.open(QIODevice::ReadOnly);
        TZpObjectList objects;
        TZpIDEProperties ide;
        TLabelProperties layout;
        try {
            LoadLabelFromDevice(buffer, objects, ide, layout, false);
        } catch (const EZpError& e) {
            return e.Message();
        }
        if (objectCount)
            *objectCount = objects.size();
        return {};
    }

    test::TLabelDpiGuard FDpi{300};
    TZpScriptedDialogsGuard FDialogs;
};

TEST_F(LegacyRobustnessTest, EveryTruncationEndsInAMessageOrTheRecordsBeforeIt) {
    const QByteArray whole = test::EveryKindLabel(QStringLiteral("/nowhere/STOCK.DBF"));
    size_t all = 0;
    ASSERT_EQ(Import(whole, &all), QString());
    ASSERT_EQ(all, 18u);
    int cutBetweenRecords = 0;
    // From 89 bytes on the signature is whole and the importer is asked.
    for (qsizetype n = 89; n < whole.size(); ++n) {
        size_t objects = 0;
        const QString message = Import(whole.left(n), &objects);
        if (message.isEmpty()) {
            // Only a cut between two records leaves a label: the records before it.
            EXPECT_LT(objects, all) << n;
            ++cutBetweenRecords;
        } else {
            EXPECT_TRUE(
                message.startsWith(QStringLiteral("The 2.x label is incomplete: it ends inside the ")))
                << n << ": " << message.toStdString();
        }
    }
    EXPECT_GE(cutBetweenRecords, 18);
}

// Found by the fuzz target: a left edge near the smallest int32 overflowed
// when the object moved itself onto the label.
TEST_F(LegacyRobustnessTest, FarAwayRectanglesAreHeldWithoutOverflow) {
    using B = test::TLegacyBuilder;
    const int32_t lowest = std::numeric_limits<int32_t>::min(), highest = std::numeric_limits<int32_t>::max();
    const TRect rects[] = {
        {lowest + 720, 0, 1080, 100}, {0, lowest, 100, highest}, {highest, highest, lowest, lowest}};
    for (const TRect& r : rects) {
        QByteArray records;
        for (const auto& [size, type] : {std::pair{54, 2}, {54, 6}, {253, 1}, {329, 8}, {127, 9}}) {
            QByteArray record = test::Record(size, uint8_t(type), 1, r);
            if (type == 9)
                B::Put(record, 33, B::B(1)); // a link, so that no bitmap follows
            if (type == 1)
                B::Put(record, 250, B::B(1)); // no formatted text follows
            records += record + test::Trailer();
        }
        test::TLegacyBuilder f;
        f.Records = records;
        size_t objects = 0;
        EXPECT_EQ(Import(f.Bytes(), &objects), QString()) << r.Left;
        EXPECT_EQ(objects, 5u);
    }
}

TEST_F(LegacyRobustnessTest, RandomDamageEndsInAMessageOrALabel) {
    const QByteArray whole = test::EveryKindLabel(QStringLiteral("/nowhere/STOCK.DBF"));
    std::mt19937 random(18);
    int failed = 0;
    for (int round = 0; round < 400; ++round) {
        QByteArray damaged = whole;
        const int hits = 1 + int(random() % 16);
        for (int i = 0; i < hits; ++i)
            damaged[40 + qsizetype(random() % uint32_t(whole.size() - 40))] = char(random());
        const QString message = Import(damaged);
        if (!message.isEmpty())
            ++failed;
    }
    // Damage mostly hits values, which import; some of it must hit sizes and types.
    EXPECT_GT(failed, 0);
}

} // namespace
} // namespace zp
