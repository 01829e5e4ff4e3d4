// SPDX-License-Identifier: MIT
#pragma once

#include <QLockFile>
#include <QObject>
#include <QString>
#include <QTimer>
#include <memory>
#include <vector>

namespace zp {

class TZpLabelDocument;

/// Keeps a copy of a modified label so that a crash or a killed process
/// loses at most the last interval's work. Each running program writes its
/// own copy (named after its process) into AutosaveFolder() and holds a lock
/// beside it; a copy whose lock is free at the next start was left behind.
class TZpAutosave : public QObject {
public:
    explicit TZpAutosave(TZpLabelDocument& document, QObject* parent = nullptr);
    ~TZpAutosave() override;

    /// "$XDG_STATE_HOME/zentaprint/autosave".
    [[nodiscard]] static QString AutosaveFolder();
    /// Stored option "Application Options" / "Autosave" (on by default).
    [[nodiscard]] static bool OptionEnabled();

    /// Starts the timer (milliseconds between copies).
    void Start(int intervalMs = 60 * 1000);
    void Stop() { FTimer.stop(); }
    /// Writes the copy now when the label is modified; answers whether one was written.
    bool SaveNow();
    /// Removes this program's copy (the label was saved or given up).
    void Discard();
    [[nodiscard]] QString CopyFileName() const { return FCopy; }
    /// The label to keep copies of from now on.
    void SetDocument(TZpLabelDocument& document) { FDocument = &document; }

    /// A copy another run left behind: the copy and the label file it was
    /// made from (empty for a label never saved).
    struct TLeftOver {
        QString Copy;
        QString Original;
    };
    [[nodiscard]] static std::vector<TLeftOver> FindLeftOvers();
    /// Loads a left-over copy into the document as the modified label it
    /// was, named after its original file; the copy is removed. Raises when
    /// the copy cannot be read (it is then kept).
    static void Restore(TZpLabelDocument& document, const TLeftOver& copy);
    /// Removes a left-over copy.
    static void Remove(const TLeftOver& copy);

private:
    TZpLabelDocument* FDocument;
    QTimer FTimer;
    QString FCopy;
    std::unique_ptr<QLockFile> FLock;
};

} // namespace zp
