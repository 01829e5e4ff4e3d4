// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace zp {

/// The borderless window shown while an interactive start brings itself up:
/// the product picture, the version line and the vendor's line.
class TfrmSplash : public QWidget {
    Q_OBJECT
public:
    explicit TfrmSplash(QWidget* parent = nullptr);
    [[nodiscard]] const QString& VersionLine() const { return FVersionLine; }
    [[nodiscard]] const QString& VendorLine() const { return FVendorLine; }
    /// Centres the window, shows it and paints it before returning.
    void ShowNow();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString FVersionLine;
    QString FVendorLine;
};

} // namespace zp
