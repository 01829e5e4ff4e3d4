// SPDX-License-Identifier: MIT
#pragma once

#include <QString>
#include <QStringList>

class QFontMetrics;

namespace zp {

class TZpSettingsStore;

/// The recent-files list of the File menu: at most five, the most recent
/// first, names compared without regard to letter case.
class TZpRecentFiles {
public:
    static constexpr int kMaxFiles = 5;

    /// Puts the file first; a file already listed moves up, a sixth drops the oldest.
    void Add(const QString& fileName);
    void Remove(const QString& fileName);
    [[nodiscard]] const QStringList& Files() const { return FFiles; }

    /// Section "MRU Items", values "F0", "F1", ...
    void Load(const TZpSettingsStore& store);
    /// Erases the section and writes the list again.
    void Save(TZpSettingsStore& store) const;

private:
    QStringList FFiles;
};

/// "&1 /path/shortened..." for recent file index (from 0), the path elided
/// in the middle to at most maxWidth pixels of menu text.
[[nodiscard]] QString RecentFileCaption(int index, const QString& fileName, const QFontMetrics& metrics,
                                        int maxWidth = 200);

/// Adds the file to the desktop's list of recently used documents
/// (recently-used.xbel in the user's data folder), replacing an older entry
/// of the same file. Failures are ignored: the list is a convenience.
void AddToDesktopRecentFiles(const QString& fileName, const QString& mimeType, const QString& xbelFile = {});
/// Where the desktop keeps that list.
[[nodiscard]] QString DesktopRecentFilesPath();

} // namespace zp
