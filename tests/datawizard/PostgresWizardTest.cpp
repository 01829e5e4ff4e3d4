// SPDX-License-Identifier: MIT
#include "base/Errors.h"
#include "data/DatabaseTypes.h"
#include "dataaccess/PrivatePgServer.h"
#include "platform/dataaccess/Connection.h"
#include "platform/dataaccess/Query.h"

#include <gtest/gtest.h>

namespace zp {
namespace {

TEST(PostgresWizardTest, TheComposedStringReachesTheServer) {
    test::TPrivatePgServer& server = test::TPrivatePgServer::Instance();
    if (!server.Started()) {
        GTEST_SKIP() << server.Why().toStdString();
    }
    TZpConnectionSettings s;
    s.Type = QStringLiteral("PostgreSQL");
    s.Server = server.Host();
    s.Database = QStringLiteral("postgres");
    s.Login = QLatin1String(test::TPrivatePgServer::kUser);
    s.Password = QLatin1String(test::TPrivatePgServer::kPassword);
    TZpConnection connection(ComposeConnectionString(s));
    connection.ReadOnly = true;
    connection.Open();
    TZpQuery query(&connection, QStringLiteral("SELECT 'label' AS [word]"));
    query.Open();
    EXPECT_EQ(query.Value(QStringLiteral("word")), QStringLiteral("label"));

    s.Password = QStringLiteral("wrong");
    TZpConnection refused(ComposeConnectionString(s));
    EXPECT_THROW(refused.Open(), EZpError);
}

} // namespace
} // namespace zp
