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

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void RestorePosition();
    void StorePosition();
    std::unique_ptr<TZpLabelDocument> FDocument;
};

} // namespace zp
