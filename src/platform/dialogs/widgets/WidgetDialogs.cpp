// SPDX-License-Identifier: MIT
#include "platform/dialogs/widgets/WidgetDialogs.h"

#include "platform/dialogs/widgets/PasswordDialog.h"
#include "platform/dialogs/widgets/PromptDialog.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>
#include <QPushButton>

namespace zp {

namespace {

QMessageBox::StandardButton ToStandard(TZpAnswer a) {
    switch (a) {
    case TZpAnswer::Ok:
        return QMessageBox::Ok;
    case TZpAnswer::Cancel:
        return QMessageBox::Cancel;
    case TZpAnswer::Yes:
        return QMessageBox::Yes;
    case TZpAnswer::No:
        return QMessageBox::No;
    case TZpAnswer::Ignore:
        return QMessageBox::Ignore;
    }
    return QMessageBox::Ok;
}

TZpAnswer FromStandard(int b) {
    switch (b) {
    case QMessageBox::Cancel:
        return TZpAnswer::Cancel;
    case QMessageBox::Yes:
        return TZpAnswer::Yes;
    case QMessageBox::No:
        return TZpAnswer::No;
    case QMessageBox::Ignore:
        return TZpAnswer::Ignore;
    default:
        return TZpAnswer::Ok;
    }
}

QMessageBox::StandardButtons ButtonSet(TZpButtons b) {
    switch (b) {
    case TZpButtons::Ok:
        return QMessageBox::Ok;
    case TZpButtons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case TZpButtons::OkIgnore:
        return QMessageBox::Ok | QMessageBox::Ignore;
    case TZpButtons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case TZpButtons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    }
    return QMessageBox::Ok;
}

} // namespace

QWidget* TZpWidgetDialogs::Owner() {
    return QApplication::activeWindow();
}

TZpAnswer TZpWidgetDialogs::MessageBox(TZpMsgKind kind, const QString& text, TZpButtons buttons,
                                       TZpAnswer defaultAnswer) {
    QMessageBox::Icon icon = QMessageBox::Information;
    QString title = QStringLiteral("Information");
    switch (kind) {
    case TZpMsgKind::Warning:
        icon = QMessageBox::Warning;
        title = QStringLiteral("Warning");
        break;
    case TZpMsgKind::Confirmation:
        icon = QMessageBox::Question;
        title = QStringLiteral("Confirm");
        break;
    case TZpMsgKind::Information:
        break;
    case TZpMsgKind::Error:
        icon = QMessageBox::Critical;
        title = QStringLiteral("Error");
        break;
    }
    QMessageBox box(icon, title, text, ButtonSet(buttons), Owner());
    box.setDefaultButton(ToStandard(defaultAnswer));
    return FromStandard(box.exec());
}

bool TZpWidgetDialogs::Prompt(TPromptData& data) {
    TfrmPrompt dialog(Owner());
    dialog.SetData(data);
    if (dialog.exec() != QDialog::Accepted)
        return false;
    dialog.GetData(data);
    return true;
}

bool TZpWidgetDialogs::LockLabel(const std::function<bool(const TZpPasswordEntry&)>& check) {
    TfrmPassword dialog(
        TfrmPassword::TMode::Lock,
        [&](const QString& pw, const QString& confirm) {
            return check({pw, confirm});
        },
        Owner());
    return dialog.exec() == QDialog::Accepted;
}

bool TZpWidgetDialogs::UnlockLabel(const std::function<bool(const QString&)>& check) {
    TfrmPassword dialog(
        TfrmPassword::TMode::Unlock, [&](const QString& pw, const QString&) { return check(pw); }, Owner());
    return dialog.exec() == QDialog::Accepted;
}

std::optional<QString> TZpWidgetDialogs::SaveFileName(const QString& caption, const QString& suggested,
                                                      const QString& filter) {
    const QString name = QFileDialog::getSaveFileName(Owner(), caption, suggested, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

std::optional<QString> TZpWidgetDialogs::OpenFileName(const QString& caption, const QString& directory,
                                                      const QString& filter) {
    const QString name = QFileDialog::getOpenFileName(Owner(), caption, directory, filter);
    if (name.isEmpty())
        return std::nullopt;
    return name;
}

namespace {
TZpWidgetDialogs::TPropertiesEditor& PropertiesEditor() {
    static TZpWidgetDialogs::TPropertiesEditor editor;
    return editor;
}
} // namespace

void TZpWidgetDialogs::SetObjectPropertiesEditor(TPropertiesEditor editor) {
    PropertiesEditor() = std::move(editor);
}

bool TZpWidgetDialogs::EditObjectProperties(TZpObject& object) {
    return PropertiesEditor() && PropertiesEditor()(object);
}

namespace {
TZpWidgetDialogs::TProgressFactory& ProgressFactory() {
    static TZpWidgetDialogs::TProgressFactory factory;
    return factory;
}
} // namespace

void TZpWidgetDialogs::SetProgressFactory(TProgressFactory factory) {
    ProgressFactory() = std::move(factory);
}

std::unique_ptr<IZpProgress> TZpWidgetDialogs::CreateProgress(TZpProgressKind kind) {
    if (ProgressFactory())
        return ProgressFactory()(kind);
    return IZpDialogs::CreateProgress(kind);
}

} // namespace zp
