// SPDX-License-Identifier: MIT
#pragma once

#include "app/automation/LabelEngine.h"

#include <QObject>
#include <QSet>
#include <QTimer>
#include <memory>

class QDBusServiceWatcher;

namespace zp {

/// Serves LabelEngine on the user's session bus (never the system bus) while
/// the name is free. A program started for automation ends kLingerSeconds
/// after the last client that called it has left the bus (unless another
/// calls), or after kIdleSeconds without any client.
class TZpAutomationServer : public QObject {
    Q_OBJECT
public:
    /// Seconds a program started for automation waits for a client.
    static constexpr int kIdleSeconds = 60;
    /// Seconds it stays after its last client, for a script's next call.
    static constexpr int kLingerSeconds = 5;

    TZpAutomationServer(TZpLabelEngineHost host, bool endWithLastClient, QObject* parent = nullptr);
    ~TZpAutomationServer() override;

    /// Registers the object and takes the name; false when there is no
    /// session bus or another program holds the name.
    bool Start();
    [[nodiscard]] bool Serving() const { return FServing; }

private:
    void OnClient(const QString& client);
    void OnClientGone(const QString& client);

    TLabelEngine* FEngine;
    QDBusServiceWatcher* FWatcher;
    QSet<QString> FClients;
    QTimer FIdle;
    QTimer FLinger;
    QTimer FBusCheck;
    bool FEndWithLastClient;
    bool FServing = false;
};

} // namespace zp
