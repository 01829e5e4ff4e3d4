// SPDX-License-Identifier: MIT
// LabelEngine on a private session bus, with the program started by bus
// activation from the file that -regserver wrote.
#include "app/AppTestSupport.h"
#include "app/automation/LabelEngine.h"
#include "print/PdfInfo.h"

#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusVariant>
#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QThread>
#include <gtest/gtest.h>

namespace zp {
namespace {

const QString kService = QStringLiteral("Zentap3.LabelEngine");
const QString kPath = QStringLiteral("/LabelEngine");
const QString kInterface = QStringLiteral("Zentap3.ILabelEngine");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

class AutomationTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(FDir.isValid());
        FAddress = QStringLiteral("unix:path=%1").arg(FDir.filePath(QStringLiteral("bus")));
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QStringLiteral("XDG_DATA_HOME"), FDir.filePath(QStringLiteral("data")));
        env.insert(QStringLiteral("XDG_CONFIG_HOME"), FDir.filePath(QStringLiteral("config")));
        env.insert(QStringLiteral("DBUS_SESSION_BUS_ADDRESS"), FAddress);
        env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
        env.remove(QStringLiteral("DISPLAY"));
        env.remove(QStringLiteral("WAYLAND_DISPLAY"));

        QProcess reg;
        reg.setProcessEnvironment(env);
        reg.start(QStringLiteral(ZP_EXECUTABLE), {QStringLiteral("-regserver")});
        ASSERT_TRUE(reg.waitForFinished(30000));
        ASSERT_EQ(reg.exitCode(), 0) << reg.readAllStandardError().toStdString();
        ASSERT_TRUE(
            QFile::exists(FDir.filePath(QStringLiteral("data/dbus-1/services/Zentap3.LabelEngine.service"))));

        FDaemon.setProcessEnvironment(env);
        FDaemon.start(QStringLiteral("dbus-daemon"),
                      {QStringLiteral("--session"), QStringLiteral("--nofork"),
                       QStringLiteral("--address=") + FAddress, QStringLiteral("--print-address")});
        ASSERT_TRUE(FDaemon.waitForStarted(10000));
        ASSERT_TRUE(FDaemon.waitForReadyRead(10000)) << FDaemon.readAllStandardError().toStdString();
        FDaemon.readAllStandardOutput();

        FLabel = FDir.filePath(QStringLiteral("five.zp3"));
        test::SaveOneLabelSheet(FLabel);
    }

    void TearDown() override {
        for (const QString& name : FClients)
            QDBusConnection::disconnectFromBus(name);
        // The program ends with its last client; the bus goes after it.
        QDBusConnection watcher = QDBusConnection::connectToBus(FAddress, QStringLiteral("teardown"));
        QDeadlineTimer deadline(10000);
        while (watcher.isConnected() && watcher.interface()->isServiceRegistered(kService).value() &&
               !deadline.hasExpired())
            QThread::msleep(50);
        QDBusConnection::disconnectFromBus(QStringLiteral("teardown"));
        FDaemon.kill();
        FDaemon.waitForFinished(5000);
    }

    QDBusConnection Client(const QString& name) {
        FClients << name;
        return QDBusConnection::connectToBus(FAddress, name);
    }

    static QDBusMessage Call(QDBusConnection& bus, const QString& iface, const QString& member,
                             const QList<QVariant>& args = {}) {
        QDBusMessage m = QDBusMessage::createMethodCall(kService, kPath, iface, member);
        m.setArguments(args);
        return bus.call(m, QDBus::Block, 60000);
    }
    static QDBusMessage Set(QDBusConnection& bus, const QString& name, const QVariant& value) {
        return Call(bus, kProperties, QStringLiteral("Set"),
                    {kInterface, name, QVariant::fromValue(QDBusVariant(value))});
    }
    static QVariant Get(QDBusConnection& bus, const QString& name) {
        const QDBusMessage reply = Call(bus, kProperties, QStringLiteral("Get"), {kInterface, name});
        EXPECT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
        return reply.arguments().value(0).value<QDBusVariant>().variant();
    }

    QTemporaryDir FDir;
    QString FAddress;
    QString FLabel;
    QProcess FDaemon;
    QStringList FClients;
};

TEST_F(AutomationTest, PrintsFiveLabelsAndReadsItsProperties) {
    QDBusConnection bus = Client(QStringLiteral("client"));
    ASSERT_TRUE(bus.isConnected());
    ASSERT_EQ(Set(bus, QStringLiteral("Filename"), FLabel).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Get(bus, QStringLiteral("Filename")).toString(), FLabel);
    for (const auto& [name, value] : {std::pair{"StartLabel", 1}, {"Copies", 1}, {"TotalLabels", 5}})
        ASSERT_EQ(Set(bus, QLatin1String(name), value).type(), QDBusMessage::ReplyMessage) << name;
    EXPECT_EQ(Get(bus, QStringLiteral("TotalLabels")).toInt(), 5);

    const QDBusMessage printed = Call(bus, kInterface, QStringLiteral("PrintLabels"));
    ASSERT_EQ(printed.type(), QDBusMessage::ReplyMessage) << printed.errorMessage().toStdString();
    const test::TPdfInfo pdf = test::ReadPdfInfo(FDir.filePath(QStringLiteral("five.pdf")));
    EXPECT_EQ(pdf.Pages, 5) << pdf.Error.toStdString();

    // The automation boolean: -1 for true, 0 for false; any non-zero value is true.
    Set(bus, QStringLiteral("UpdateSerials"), QVariant::fromValue<short>(-1));
    EXPECT_EQ(Get(bus, QStringLiteral("UpdateSerials")).value<short>(), -1);
    Set(bus, QStringLiteral("UpdateSerials"), QVariant::fromValue<short>(0));
    EXPECT_EQ(Get(bus, QStringLiteral("UpdateSerials")).value<short>(), 0);
    Set(bus, QStringLiteral("UpdateSerials"), 5);
    EXPECT_EQ(Get(bus, QStringLiteral("UpdateSerials")).value<short>(), -1);
}

TEST_F(AutomationTest, VerifyLabelsReturnsTheScanReport) {
    QDBusConnection bus = Client(QStringLiteral("client"));
    const QString demo = QStringLiteral(ZP_SAMPLE_DIR "/product-label.zp3");
    ASSERT_EQ(Set(bus, QStringLiteral("Filename"), demo).type(), QDBusMessage::ReplyMessage);
    ASSERT_EQ(Set(bus, QStringLiteral("TotalLabels"), 2).type(), QDBusMessage::ReplyMessage);
    const QDBusMessage reply = Call(bus, kInterface, QStringLiteral("VerifyLabels"));
    ASSERT_EQ(reply.type(), QDBusMessage::ReplyMessage) << reply.errorMessage().toStdString();
    const QString report = reply.arguments().value(0).toString();
    EXPECT_TRUE(
        report.startsWith(QStringLiteral("Scan check of \"product-label.zp3\" at 600 dpi, 2 labels\n")))
        << report.toStdString();
    EXPECT_TRUE(report.endsWith(QStringLiteral("2 symbols: 2 ok, 0 FAILED, 0 not checked\n")))
        << report.toStdString();
}

TEST_F(AutomationTest, TwoClientsShareOneLabelAndErrorsComeBackAsErrors) {
    QDBusConnection first = Client(QStringLiteral("first"));
    QDBusConnection second = Client(QStringLiteral("second"));
    ASSERT_EQ(Set(first, QStringLiteral("Filename"), FLabel).type(), QDBusMessage::ReplyMessage);
    EXPECT_EQ(Get(second, QStringLiteral("Filename")).toString(), FLabel);

    const QString missing = FDir.filePath(QStringLiteral("missing.zp3"));
    const QDBusMessage failed = Set(second, QStringLiteral("Filename"), missing);
    ASSERT_EQ(failed.type(), QDBusMessage::ErrorMessage);
    EXPECT_EQ(failed.errorName(), QLatin1String(kLabelEngineError));
    EXPECT_EQ(failed.errorMessage(), QStringLiteral("File \"%1\" does not exist!").arg(missing));

    // Without a person the print dialog is cancelled: success, nothing printed.
    const QDBusMessage dialog = Call(first, kInterface, QStringLiteral("PrintDialog"));
    EXPECT_EQ(dialog.type(), QDBusMessage::ReplyMessage) << dialog.errorMessage().toStdString();
    EXPECT_FALSE(QFile::exists(FDir.filePath(QStringLiteral("five.pdf"))));
}

TEST_F(AutomationTest, TheProgramEndsWhenItsLastClientHasGone) {
    {
        QDBusConnection bus = Client(QStringLiteral("leaving"));
        ASSERT_EQ(Set(bus, QStringLiteral("Copies"), 2).type(), QDBusMessage::ReplyMessage);
    }
    QDBusConnection::disconnectFromBus(QStringLiteral("leaving"));
    QDBusConnection watcher = Client(QStringLiteral("watcher"));
    QDeadlineTimer deadline(20000);
    while (watcher.interface()->isServiceRegistered(kService).value() && !deadline.hasExpired())
        QThread::msleep(100);
    EXPECT_FALSE(watcher.interface()->isServiceRegistered(kService).value());
}

} // namespace
} // namespace zp
