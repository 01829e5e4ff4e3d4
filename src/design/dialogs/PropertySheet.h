// SPDX-License-Identifier: MIT
#pragma once

#include "design/dialogs/PropertyPages.h"

#include <QDialog>
#include <vector>

class QLabel;
class QPushButton;
class QTabWidget;

namespace zp {

class TZpObjectPreview;

/// The frame of the property dialogs: a page control whose first page is
/// "Properties", "OK" (default) and "Cancel", a fixed border.
class TfrmBasePropertySheet : public QDialog {
    Q_OBJECT
public:
    explicit TfrmBasePropertySheet(QWidget* parent = nullptr);
    [[nodiscard]] QTabWidget* Pages() const { return FPages; }
    [[nodiscard]] QPushButton* OkButton() const { return FOk; }
    [[nodiscard]] QPushButton* CancelButton() const { return FCancel; }

protected:
    QTabWidget* FPages;
    QLabel* FStatus;
    QPushButton* FOk;
    QPushButton* FCancel;
};

/// "Object Properties" for one object. It edits a copy of the subject (made
/// when it loads), shows the copy in the preview, and only OK, after its
/// checks, copies the copy back into the subject; Cancel leaves the subject
/// as it was.
class TfrmPropertyObject : public TfrmBasePropertySheet {
    Q_OBJECT
public:
    explicit TfrmPropertyObject(QWidget* parent = nullptr);
    ~TfrmPropertyObject() override;
    /// Makes the copy, shows the pages its capabilities call for and fills them.
    void LoadFromObjects(TZpObject& subject);
    /// The check step; when it passes the copy is assigned to the subject.
    void accept() override;

    [[nodiscard]] const TZpObjectPtr& Copy() const { return FContext.Copy; }
    [[nodiscard]] TZpObjectPreview* Preview() const { return FPreview; }
    /// The page with this title, or null when it is not shown.
    [[nodiscard]] TZpPropertyPage* Page(const QString& title) const;

private:
    void PageChanged(int index);
    void ShowProblems();

    TZpSheetContext FContext;
    TZpObjectPreview* FPreview;
    std::vector<TZpPropertyPage*> FShown;
    int FCurrent = -1;
};

/// Runs "Object Properties" on subject, owned by parent; true when the user
/// confirmed it (the subject then holds the new settings).
bool RunPropertySheet(TZpObject& subject, QWidget* parent = nullptr);

/// Installs the dialog as the dialog services' "Object Properties", so
/// core code opens it without knowing it.
void InstallPropertyDialogs();

/// The question asked on OK when the script does not compile (%1 the error).
extern const QString kKeepBrokenScriptQuestion;

} // namespace zp
