// SPDX-License-Identifier: MIT
#include "data/dialogs/WizardBase.h"

#include <QLineEdit>
#include <gtest/gtest.h>

namespace zp {
namespace {

struct TCase {
    const char* Refused; // as the connection name, table name and field name boxes refuse
    const char* Typed;
    const char* Kept;
};

class RefusedCharactersTest : public testing::TestWithParam<TCase> {};

TEST_P(RefusedCharactersTest, TypingARefusedCharacterLeavesTheTextAsItWas) {
    QLineEdit edit;
    RefuseCharacters(&edit, QString::fromUtf8(GetParam().Refused));
    edit.insert(QStringLiteral("Ab"));
    edit.insert(QString::fromUtf8(GetParam().Typed));
    EXPECT_EQ(edit.text(), QString::fromUtf8(GetParam().Kept));
}

INSTANTIATE_TEST_SUITE_P(Boxes, RefusedCharactersTest,
                         testing::Values(TCase{"\"*/:<>?\\|", ":", "Ab"},
                                         TCase{"\"*/:<>?\\|", "c d", "Abc d"}, TCase{" []", " ", "Ab"},
                                         TCase{" !#&*-./:[]", ".", "Ab"},
                                         TCase{" !#&*-./:[]", "_9", "Ab_9"}));

} // namespace
} // namespace zp
