// SPDX-License-Identifier: MIT
#pragma once

#include <QFileDialog>
#include <QImage>
#include <QWidget>
#include <optional>

class QLabel;
class QPushButton;

namespace zp {

/// A label drawn small: the label outline and its objects at the screen's
/// resolution, and its size as `2.00" x 1.00"`.
struct TZpLabelPreview {
    QImage Picture;
    QString Description;
};
/// Reads the file into private objects without connecting its data and
/// draws it. Nothing of the program changes (printer, resolution, options).
/// None when the file cannot be read.
[[nodiscard]] std::optional<TZpLabelPreview> MakeLabelPreview(const QString& fileName);

/// The preview box: "(None)" when empty, the picture centred when it fits,
/// else scaled down keeping its proportions.
class TZpPreviewBox : public QWidget {
public:
    explicit TZpPreviewBox(QWidget* parent = nullptr);
    void SetPicture(const QImage& picture);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage FPicture;
};

/// The open dialog of labels with the preview panel at its right.
class TOpenLabelDialog : public QFileDialog {
    Q_OBJECT
public:
    TOpenLabelDialog(QWidget* parent, const QString& directory);
    /// Shows the file in the preview panel (called when the selection changes).
    void ShowPreview(const QString& fileName);

    QLabel* lblCaption;
    TZpPreviewBox* pbPreview;
    QPushButton* btnPreview;

private:
    void ShowLarge();
    TZpLabelPreview FPreview;
};

/// The label filter of the open dialog.
extern const QString kOpenLabelFilter;

} // namespace zp
