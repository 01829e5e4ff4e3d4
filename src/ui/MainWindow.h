// SPDX-License-Identifier: MIT
#pragma once

#include "model/document/LabelDocument.h"

#include <QMainWindow>
#include <memory>

namespace zp {

/// The main window. For now it shows the label it owns; the design area,
/// menus and commands join it later. It exists (hidden) in every run so the
/// command line and automation reach the same label.
class TfrmMain : public QMainWindow {
    Q_OBJECT
public:
    explicit TfrmMain(QWidget* parent = nullptr);
    ~TfrmMain() override;

    [[nodiscard]] TZpLabelDocument& Document() { return *FDocument; }
    /// The label's name in the caption and as the title of print jobs:
    /// "New Label", or the opened file's name without folder and extension.
    [[nodiscard]] const QString& LabelName() const { return FLabelName; }
    /// The open command: loads the label file with its connections and
    /// names the label after the file.
    void OpenFile(const QString& fileName);
    /// "Print Labels" on the label; false when cancelled, and at once when
    /// nobody could answer it (no display).
    [[nodiscard]] bool PrintDialog();
    /// The label document's print and preview commands under a job title.
    void Print(const QString& title);
    void Preview(const QString& title);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RestorePosition();
    void StorePosition();
    std::unique_ptr<TZpLabelDocument> FDocument;
    QString FLabelName = QStringLiteral("New Label");
};

} // namespace zp
