// SPDX-License-Identifier: MIT
#include "ui/Autosave.h"

#include "files/AtomicSave.h"
#include "files/LabelFile.h"
#include "model/document/LabelDocument.h"
#include "platform/store/SettingsStore.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace zp {

namespace {

QString InfoFileFor(const QString& copy) {
    return copy + QStringLiteral(".source");
}

QString LockFileFor(const QString& copy) {
    return copy + QStringLiteral(".lock");
}

} // namespace

TZpAutosave::TZpAutosave(TZpLabelDocument& document, QObject* parent)
    : QObject(parent), FDocument(&document) {
    FCopy = QStringLiteral("%1/label-%2.zp3").arg(AutosaveFolder()).arg(QCoreApplication::applicationPid());
    connect(&FTimer, &QTimer::timeout, this, [this] {
        try {
            SaveNow();
        } catch (const std::exception&) {
            // A failed copy must not interrupt the user; the next tick tries again.
        }
    });
}

TZpAutosave::~TZpAutosave() = default;

QString TZpAutosave::AutosaveFolder() {
    QString state = qEnvironmentVariable("XDG_STATE_HOME");
    if (state.isEmpty())
        state = QDir::homePath() + QStringLiteral("/.local/state");
    return state + QStringLiteral("/zentaprint/autosave");
}

bool TZpAutosave::OptionEnabled() {
    return ZpStore().ReadBool(QStringLiteral("Application Options"), QStringLiteral("Autosave"), true);
}

void TZpAutosave::Start(int intervalMs) {
    FTimer.start(intervalMs);
}

bool TZpAutosave::SaveNow() {
    if (!FDocument->Modified())
        return false;
    QDir().mkpath(AutosaveFolder());
    if (!FLock) {
        FLock = std::make_unique<QLockFile>(LockFileFor(FCopy));
        FLock->setStaleLockTime(0);
        if (!FLock->tryLock(0))
            FLock.reset();
    }
    SaveLabelFile(FCopy, FDocument->Objects(), FDocument->Environment(), FDocument->Layout());
    SaveFileAtomically(InfoFileFor(FCopy), FDocument->FileName().toUtf8());
    return true;
}

void TZpAutosave::Discard() {
    QFile::remove(FCopy);
    QFile::remove(InfoFileFor(FCopy));
    if (FLock) {
        FLock->unlock();
        FLock.reset();
    }
}

std::vector<TZpAutosave::TLeftOver> TZpAutosave::FindLeftOvers() {
    std::vector<TLeftOver> found;
    const QDir folder(AutosaveFolder());
    const QString own = QStringLiteral("label-%1.zp3").arg(QCoreApplication::applicationPid());
    for (const QFileInfo& info :
         folder.entryInfoList({QStringLiteral("label-*.zp3")}, QDir::Files, QDir::Time)) {
        if (info.fileName() == own)
            continue;
        // A copy whose lock is still held belongs to a program that runs.
        QLockFile lock(LockFileFor(info.filePath()));
        lock.setStaleLockTime(0);
        if (!lock.tryLock(0))
            continue;
        lock.unlock();
        QFile source(InfoFileFor(info.filePath()));
        QString original;
        if (source.open(QIODevice::ReadOnly))
            original = QString::fromUtf8(source.readAll());
        found.push_back({info.filePath(), original});
    }
    return found;
}

void TZpAutosave::Restore(TZpLabelDocument& document, const TLeftOver& copy) {
    LoadLabelDocument(document, copy.Copy, false);
    document.SetFileName(copy.Original);
    document.SetModified(true);
    // Data sources named relative to the label are found beside the original.
    if (!copy.Original.isEmpty()) {
        document.Connections().SetBaseFolder(QFileInfo(copy.Original).absolutePath());
        try {
            document.Connections().Open();
            document.RefreshDataValues();
        } catch (const std::exception&) {
            // The label is back; its data connects again with Refresh once reachable.
        }
    }
    Remove(copy);
}

void TZpAutosave::Remove(const TLeftOver& copy) {
    QFile::remove(copy.Copy);
    QFile::remove(InfoFileFor(copy.Copy));
}

} // namespace zp
