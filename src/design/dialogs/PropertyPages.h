// SPDX-License-Identifier: MIT
#pragma once

#include "model/objects/ZpObject.h"

#include <QWidget>
#include <functional>

namespace zp {

/// What every page of "Object Properties" shares: the working copy it
/// edits, the subject (read only: its connections), whether loading has
/// finished, and the call that repaints the preview after a change.
struct TZpSheetContext {
    TZpObjectPtr Copy;
    TZpObject* Subject = nullptr;
    bool Loaded = false;
    std::function<void()> Repaint;
};

/// One page of the dialog. Pages write into the copy as the user changes a
/// control; Load fills the controls from the copy; Check runs before OK
/// closes the dialog and answers false (after saying why) to keep it open.
class TZpPropertyPage : public QWidget {
    Q_OBJECT
public:
    TZpPropertyPage(TZpSheetContext& context, const QString& title, QWidget* parent = nullptr);
    [[nodiscard]] const QString& Title() const { return FTitle; }
    virtual void Load() = 0;
    [[nodiscard]] virtual bool Check() { return true; }
    /// Called when the page is shown or left.
    virtual void Shown() {}
    virtual void Left() {}

protected:
    /// After a change of the copy: repaint the preview, once loading is done.
    void Changed();
    [[nodiscard]] bool Loaded() const { return FContext.Loaded; }
    TZpSheetContext& FContext;

private:
    QString FTitle;
};

// The pages; each is made only when the copy has what it edits.
[[nodiscard]] TZpPropertyPage* MakePropertiesPage(TZpSheetContext& context);
[[nodiscard]] TZpPropertyPage* MakeFontPage(TZpSheetContext& context);
[[nodiscard]] TZpPropertyPage* MakeBarcodePage(TZpSheetContext& context);
[[nodiscard]] TZpPropertyPage* MakeDataPage(TZpSheetContext& context);
[[nodiscard]] TZpPropertyPage* MakePicturePage(TZpSheetContext& context);
[[nodiscard]] TZpPropertyPage* MakeScriptPage(TZpSheetContext& context);
/// After loading, the bar code page is written into the copy once.
void StoreBarcodePageOnce(TZpPropertyPage* page);

} // namespace zp
