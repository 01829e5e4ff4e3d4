// SPDX-License-Identifier: MIT
#pragma once

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QString>
#include <deque>
#include <functional>

namespace zp {

class TZpLabelDocument;

/// The D-Bus interface of the automation object.
inline constexpr const char* kLabelEngineInterface = "Zentap3.ILabelEngine";
inline constexpr const char* kLabelEnginePath = "/LabelEngine";
/// The one error name every failed call returns; its text is the message.
inline constexpr const char* kLabelEngineError = "Zentap3.LabelEngine.Error";

/// What the automation object drives: the hidden main window's label and its
/// operations.
struct TZpLabelEngineHost {
    std::function<TZpLabelDocument&()> Document;
    /// The main window's label name, the title of the dialog methods' jobs.
    std::function<QString()> LabelName;
    /// "Print Labels" on the label; true when confirmed.
    std::function<bool()> PrintDialog;
    /// The label document's print and preview commands with a title.
    std::function<void(const QString& title)> Print;
    std::function<void(const QString& title)> Preview;
};

/// LabelEngine on the session bus: the properties Filename, StartLabel,
/// Copies, TotalLabels and UpdateSerials and the methods PrintPreview,
/// PrintLabels, PreviewDialog and PrintDialog, all acting on the one label,
/// and VerifyLabels, which reads the run's bar codes back without printing
/// and returns the report.
/// Calls are served one at a time in the order they arrive, also while a
/// dialog of an earlier call is open.
class TLabelEngine : public QDBusVirtualObject {
    Q_OBJECT
public:
    explicit TLabelEngine(TZpLabelEngineHost host, QObject* parent = nullptr);

    QString introspect(const QString& path) const override;
    bool handleMessage(const QDBusMessage& message, const QDBusConnection& connection) override;

Q_SIGNALS:
    /// A call arrived from this client (its unique bus name).
    void ClientCalled(const QString& client);

private:
    void Serve(const QDBusMessage& message, const QDBusConnection& connection);
    [[nodiscard]] QDBusMessage Answer(const QDBusMessage& message);
    [[nodiscard]] QVariant Property(const QString& name);
    void SetProperty(const QString& name, const QVariant& value);

    TZpLabelEngineHost FHost;
    bool FBusy = false;
    std::deque<std::pair<QDBusMessage, QDBusConnection>> FWaiting;
};

} // namespace zp
