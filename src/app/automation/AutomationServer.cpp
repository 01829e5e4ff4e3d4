// SPDX-License-Identifier: MIT
#include "app/automation/AutomationServer.h"

#include "platform/automation/Registration.h"

#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusServiceWatcher>
#include <QFile>
#include <QLoggingCategory>

namespace zp {

namespace {
// Developers turn it on with QT_LOGGING_RULES="zentaprint.automation.debug=true".
Q_LOGGING_CATEGORY(lcAutomation, "zentaprint.automation", QtWarningMsg)
} // namespace

TZpAutomationServer::TZpAutomationServer(TZpLabelEngineHost host, bool endWithLastClient, QObject* parent)
    : QObject(parent), FEngine(new TLabelEngine(std::move(host), this)),
      FWatcher(new QDBusServiceWatcher(this)), FEndWithLastClient(endWithLastClient) {
    FWatcher->setWatchMode(QDBusServiceWatcher::WatchForUnregistration);
    connect(FEngine, &TLabelEngine::ClientCalled, this, &TZpAutomationServer::OnClient);
    connect(FWatcher, &QDBusServiceWatcher::serviceUnregistered, this, &TZpAutomationServer::OnClientGone);
    FLinger.setSingleShot(true);
    FLinger.setInterval(kLingerSeconds * 1000);
    connect(&FLinger, &QTimer::timeout, this, [] {
        qCInfo(lcAutomation) << "the last automation client has gone; ending";
        QCoreApplication::quit();
    });
    FIdle.setSingleShot(true);
    FIdle.setInterval(kIdleSeconds * 1000);
    connect(&FIdle, &QTimer::timeout, this, [] {
        qCInfo(lcAutomation) << "no automation client for" << kIdleSeconds << "seconds; ending";
        QCoreApplication::quit();
    });
}

TZpAutomationServer::~TZpAutomationServer() {
    if (!FServing)
        return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.unregisterObject(QLatin1String(kLabelEnginePath));
    bus.unregisterService(QLatin1String(kAutomationServiceName));
}

bool TZpAutomationServer::Start() {
    // Without an address or the user's bus socket there is no session bus;
    // asking for one would only try to start one for an X display.
    if (qEnvironmentVariableIsEmpty("DBUS_SESSION_BUS_ADDRESS") &&
        !QFile::exists(qEnvironmentVariable("XDG_RUNTIME_DIR") + QStringLiteral("/bus"))) {
        qCDebug(lcAutomation) << "no session bus";
        return false;
    }
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.isConnected()) {
        qCDebug(lcAutomation) << "no session bus:" << bus.lastError().message();
        return false;
    }
    if (!bus.registerVirtualObject(QLatin1String(kLabelEnginePath), FEngine))
        return false;
    if (!bus.registerService(QLatin1String(kAutomationServiceName))) {
        // Another instance serves the label engine; this one runs without.
        bus.unregisterObject(QLatin1String(kLabelEnginePath));
        qCInfo(lcAutomation) << kAutomationServiceName << "is served by another program";
        return false;
    }
    FWatcher->setConnection(bus);
    FServing = true;
    // A bus that went away takes every client with it.
    connect(&FBusCheck, &QTimer::timeout, this, [] {
        if (!QDBusConnection::sessionBus().isConnected()) {
            qCInfo(lcAutomation) << "the session bus has gone; ending";
            QCoreApplication::quit();
        }
    });
    if (FEndWithLastClient)
        FBusCheck.start(2000);
    if (FEndWithLastClient)
        FIdle.start();
    return true;
}

void TZpAutomationServer::OnClient(const QString& client) {
    if (FClients.contains(client))
        return;
    FClients.insert(client);
    FWatcher->addWatchedService(client);
    FIdle.stop();
    FLinger.stop();
    // A client that left before the watch began is gone already.
    if (QDBusConnectionInterface* bus = FWatcher->connection().interface();
        bus && !bus->isServiceRegistered(client).value())
        QMetaObject::invokeMethod(
            this, [this, client] { OnClientGone(client); }, Qt::QueuedConnection);
}

void TZpAutomationServer::OnClientGone(const QString& client) {
    if (!FClients.remove(client))
        return;
    FWatcher->removeWatchedService(client);
    // A short wait lets a script's next call find the label as it left it.
    if (FEndWithLastClient && FClients.isEmpty())
        FLinger.start();
}

} // namespace zp
