// SPDX-License-Identifier: MIT
#include "platform/store/SettingsStore.h"
#include "settings/AppOptions.h"
#include "support/TestSupport.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

class SettingsStoreTest : public ::testing::Test {
protected:
    void SetUp() override { test::ClearStore(); }
    TZpSettingsStore& store = ZpStore();
};

TEST_F(SettingsStoreTest, LivesInTheTemporaryConfigFolder) {
    EXPECT_TRUE(store.FileName().startsWith(qEnvironmentVariable("XDG_CONFIG_HOME"))) << store.FileName().toStdString();
    EXPECT_TRUE(store.FileName().endsWith(QStringLiteral("Orvelle/Zentaprint 3.0.ini")));
}

} // namespace
} // namespace zp
