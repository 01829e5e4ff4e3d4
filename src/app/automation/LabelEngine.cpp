// SPDX-License-Identifier: MIT
#include "app/automation/LabelEngine.h"

#include "base/Errors.h"
#include "files/LabelFile.h"
#include "model/document/LabelDocument.h"
#include "print/PrintInfo.h"
#include "print/verify/ScanRun.h"

#include <QDBusArgument>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>
#include <QFileInfo>

namespace zp {

namespace {

const QString kPropertiesInterface = QStringLiteral("org.freedesktop.DBus.Properties");
const QStringList kProperties = {QStringLiteral("Filename"), QStringLiteral("StartLabel"),
                                 QStringLiteral("Copies"), QStringLiteral("TotalLabels"),
                                 QStringLiteral("UpdateSerials")};

// A refused argument, told back in D-Bus's own words.
class TInvalidArgs : public EZpError {
public:
    using EZpError::EZpError;
};

int32_t ToInt32(const QVariant& value, const QString& name) {
    bool ok = false;
    const qlonglong n = value.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<int32_t>::min() || n > std::numeric_limits<int32_t>::max())
        throw TInvalidArgs(QStringLiteral("%1 takes a 32-bit integer.").arg(name));
    return int32_t(n);
}

} // namespace

TLabelEngine::TLabelEngine(TZpLabelEngineHost host, QObject* parent)
    : QDBusVirtualObject(parent), FHost(std::move(host)) {}

QString TLabelEngine::introspect(const QString&) const {
    return QStringLiteral("  <interface name=\"Zentap3.ILabelEngine\">\n"
                          "    <property name=\"Filename\" type=\"s\" access=\"readwrite\"/>\n"
                          "    <property name=\"StartLabel\" type=\"i\" access=\"readwrite\"/>\n"
                          "    <property name=\"Copies\" type=\"i\" access=\"readwrite\"/>\n"
                          "    <property name=\"TotalLabels\" type=\"i\" access=\"readwrite\"/>\n"
                          "    <property name=\"UpdateSerials\" type=\"n\" access=\"readwrite\"/>\n"
                          "    <method name=\"PrintPreview\"/>\n"
                          "    <method name=\"PrintLabels\"/>\n"
                          "    <method name=\"PreviewDialog\"/>\n"
                          "    <method name=\"PrintDialog\"/>\n"
                          "    <method name=\"VerifyLabels\">\n"
                          "      <arg name=\"report\" type=\"s\" direction=\"out\"/>\n"
                          "    </method>\n"
                          "  </interface>\n"
                          "  <interface name=\"org.freedesktop.DBus.Properties\">\n"
                          "    <method name=\"Get\">\n"
                          "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
                          "      <arg name=\"property_name\" type=\"s\" direction=\"in\"/>\n"
                          "      <arg name=\"value\" type=\"v\" direction=\"out\"/>\n"
                          "    </method>\n"
                          "    <method name=\"Set\">\n"
                          "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
                          "      <arg name=\"property_name\" type=\"s\" direction=\"in\"/>\n"
                          "      <arg name=\"value\" type=\"v\" direction=\"in\"/>\n"
                          "    </method>\n"
                          "    <method name=\"GetAll\">\n"
                          "      <arg name=\"interface_name\" type=\"s\" direction=\"in\"/>\n"
                          "      <arg name=\"values\" type=\"a{sv}\" direction=\"out\"/>\n"
                          "    </method>\n"
                          "  </interface>\n");
}

bool TLabelEngine::handleMessage(const QDBusMessage& message, const QDBusConnection& connection) {
    if (message.type() != QDBusMessage::MethodCallMessage)
        return false;
    if (!message.service().isEmpty())
        Q_EMIT ClientCalled(message.service());
    // A call that comes while a dialog of an earlier one is open waits its turn.
    FWaiting.emplace_back(message, connection);
    if (FBusy)
        return true;
    FBusy = true;
    while (!FWaiting.empty()) {
        auto [next, bus] = FWaiting.front();
        FWaiting.pop_front();
        Serve(next, bus);
    }
    FBusy = false;
    return true;
}

void TLabelEngine::Serve(const QDBusMessage& message, const QDBusConnection& connection) {
    QDBusMessage reply;
    try {
        reply = Answer(message);
    } catch (const TInvalidArgs& e) {
        reply = message.createErrorReply(QDBusError::InvalidArgs, e.Message());
    } catch (const EZpError& e) {
        reply = message.createErrorReply(QLatin1String(kLabelEngineError), e.Message());
    } catch (const EZpAbort&) {
        reply = message.createErrorReply(QLatin1String(kLabelEngineError),
                                         QStringLiteral("The operation was cancelled."));
    } catch (const std::exception& e) {
        reply = message.createErrorReply(QLatin1String(kLabelEngineError), QString::fromUtf8(e.what()));
    }
    if (!message.isReplyRequired() && reply.type() != QDBusMessage::ErrorMessage)
        return;
    connection.send(reply);
}

QDBusMessage TLabelEngine::Answer(const QDBusMessage& message) {
    const QString member = message.member();
    const QList<QVariant> args = message.arguments();
    if (message.interface() == QLatin1String("org.freedesktop.DBus.Introspectable") &&
        member == QLatin1String("Introspect")) {
        return message.createReply(
            QStringLiteral(
                "<!DOCTYPE node PUBLIC \"-//freedesktop//DTD D-BUS Object Introspection 1.0//EN\"\n"
                " \"http://www.freedesktop.org/standards/dbus/1.0/introspect.dtd\">\n<node>\n") +
            introspect(message.path()) +
            QStringLiteral("  <interface name=\"org.freedesktop.DBus.Introspectable\">\n"
                           "    <method name=\"Introspect\">\n"
                           "      <arg name=\"xml_data\" type=\"s\" direction=\"out\"/>\n"
                           "    </method>\n"
                           "  </interface>\n</node>\n"));
    }
    if (message.interface() == kPropertiesInterface) {
        const QString iface = args.value(0).toString();
        if (!iface.isEmpty() && iface != QLatin1String(kLabelEngineInterface))
            throw TInvalidArgs(QStringLiteral("No such interface \"%1\".").arg(iface));
        if (member == QLatin1String("Get") && args.size() == 2)
            return message.createReply(QVariant::fromValue(QDBusVariant(Property(args[1].toString()))));
        if (member == QLatin1String("Set") && args.size() == 3) {
            SetProperty(args[1].toString(), args[2].value<QDBusVariant>().variant());
            return message.createReply();
        }
        if (member == QLatin1String("GetAll") && args.size() == 1) {
            QVariantMap all;
            for (const QString& name : kProperties)
                all.insert(name, Property(name));
            return message.createReply(QVariant::fromValue(all));
        }
        throw TInvalidArgs(QStringLiteral("Unknown call %1 with %2 arguments.").arg(member).arg(args.size()));
    }
    if (!message.interface().isEmpty() && message.interface() != QLatin1String(kLabelEngineInterface))
        return message.createErrorReply(QDBusError::UnknownInterface,
                                        QStringLiteral("No such interface \"%1\".").arg(message.interface()));
    if (!args.isEmpty())
        throw TInvalidArgs(QStringLiteral("%1 takes no arguments.").arg(member));
    TZpLabelDocument& document = FHost.Document();
    if (member == QLatin1String("PrintPreview")) {
        FHost.Preview(document.FileName());
    } else if (member == QLatin1String("PrintLabels")) {
        FHost.Print(document.FileName());
    } else if (member == QLatin1String("PreviewDialog")) {
        if (FHost.PrintDialog())
            FHost.Preview(FHost.LabelName());
    } else if (member == QLatin1String("VerifyLabels")) {
        return message.createReply(VerifyDocument(document).Text());
    } else if (member == QLatin1String("PrintDialog")) {
        if (FHost.PrintDialog())
            FHost.Print(FHost.LabelName());
    } else {
        return message.createErrorReply(QDBusError::UnknownMethod,
                                        QStringLiteral("No such method \"%1\".").arg(member));
    }
    return message.createReply();
}

QVariant TLabelEngine::Property(const QString& name) {
    TZpLabelDocument& document = FHost.Document();
    const TZpPrintInfo& info = document.PrintInfo();
    if (name == QLatin1String("Filename"))
        return document.FileName();
    if (name == QLatin1String("StartLabel"))
        return info.StartLabel;
    if (name == QLatin1String("Copies"))
        return info.Copies;
    if (name == QLatin1String("TotalLabels"))
        return info.TotalLabels;
    if (name == QLatin1String("UpdateSerials"))
        return QVariant::fromValue<short>(info.UpdateSerials ? -1 : 0);
    throw TInvalidArgs(QStringLiteral("No such property \"%1\".").arg(name));
}

void TLabelEngine::SetProperty(const QString& name, const QVariant& value) {
    TZpLabelDocument& document = FHost.Document();
    TZpPrintInfo& info = document.PrintInfo();
    if (name == QLatin1String("Filename")) {
        if (value.metaType().id() != QMetaType::QString)
            throw TInvalidArgs(QStringLiteral("Filename takes a string."));
        LoadLabelDocument(document, value.toString(), true);
    } else if (name == QLatin1String("StartLabel")) {
        info.StartLabel = ToInt32(value, name);
    } else if (name == QLatin1String("Copies")) {
        info.Copies = ToInt32(value, name);
    } else if (name == QLatin1String("TotalLabels")) {
        info.TotalLabels = ToInt32(value, name);
    } else if (name == QLatin1String("UpdateSerials")) {
        // The automation boolean: any value but 0 is true.
        if (value.metaType().id() == QMetaType::Bool)
            info.UpdateSerials = value.toBool();
        else
            info.UpdateSerials = ToInt32(value, name) != 0;
    } else {
        throw TInvalidArgs(QStringLiteral("No such property \"%1\".").arg(name));
    }
}

} // namespace zp
