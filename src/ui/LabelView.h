// SPDX-License-Identifier: MIT
#pragma once

#include <QWidget>

namespace zp {

class TZpLabelDocument;

/// Shows one label at screen resolution on a grey desk.
class TZpLabelView : public QWidget {
    Q_OBJECT
public:
    explicit TZpLabelView(TZpLabelDocument& document, QWidget* parent = nullptr);
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    TZpLabelDocument& FDocument;
};

} // namespace zp
