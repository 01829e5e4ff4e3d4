// SPDX-License-Identifier: MIT
#pragma once

#include <QDialog>
#include <QList>
#include <QString>

class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QWidget;

namespace zp {

/// A modal wizard: a banner with the page's name and task, a stack of pages
/// and "< &Back", "&Next >" ("&Finish" on the last page) and "Cancel". Each
/// wizard decides which page follows which; closing before the last page
/// asks first.
class TZpWizard : public QDialog {
public:
    explicit TZpWizard(QWidget* parent, const QString& caption);

    /// Appends a page with its banner texts; returns its index.
    int AddPage(QWidget* page, const QString& title, const QString& task);
    void ShowPage(int index);
    [[nodiscard]] int CurrentPage() const;
    [[nodiscard]] int LastPage() const { return static_cast<int>(FTitles.size()) - 1; }

protected:
    /// The page after the current one, or -1 to stay; called for Next.
    virtual int NextPage(int page) = 0;
    /// The page before the current one; by default the one before it.
    virtual int PriorPage(int page) { return page - 1; }
    /// Finishing on the last page; false keeps the wizard open.
    virtual bool Finish() { return true; }
    void reject() override;
    void done(int result) override;

private:
    void Next();
    void Back();
    QLabel* FTitle;
    QLabel* FTask;
    QStackedWidget* FStack;
    QPushButton* FBack;
    QPushButton* FNext;
    QList<QString> FTitles;
    QList<QString> FTasks;
    bool FClosing = false;
};

/// A line box that refuses the given characters with a beep.
void RefuseCharacters(QLineEdit* edit, const QString& characters);

} // namespace zp
