// SPDX-License-Identifier: MIT
#pragma once

#include "design/edit/EditSession.h"

#include <QDialog>

class QCheckBox;
class QDoubleSpinBox;
class QSpinBox;

namespace zp {

/// "Place Guides": how many horizontal and vertical guides to add, where
/// the first goes and how far apart they are (always inches), and whether
/// the guides there are cleared first.
class TfrmDialogPlaceGuides : public QDialog {
    Q_OBJECT
public:
    explicit TfrmDialogPlaceGuides(QWidget* parent = nullptr);
    [[nodiscard]] TZpGuidePlacement Placement() const;

    QSpinBox* spnHorizontalCount;
    QDoubleSpinBox* spnHorizontalStart;
    QDoubleSpinBox* spnHorizontalSpace;
    QSpinBox* spnVerticalCount;
    QDoubleSpinBox* spnVerticalStart;
    QDoubleSpinBox* spnVerticalSpace;
    QCheckBox* chkClearGuides;
};

/// Runs the dialog; on OK places the guides on the session's label (its
/// own undo events, the label marked modified). False when cancelled.
bool PlaceGuides(TZpEditSession& session, QWidget* parent);

} // namespace zp
