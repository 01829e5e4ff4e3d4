// SPDX-License-Identifier: MIT
#include "ui/RecentFiles.h"

#include "platform/store/SettingsStore.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetrics>
#include <QSaveFile>
#include <QStandardPaths>
#include <QUrl>
#include <QXmlStreamReader>
#include <QXmlStreamWriter>

namespace zp {

namespace {
const QString kSection = QStringLiteral("MRU Items");
}

void TZpRecentFiles::Add(const QString& fileName) {
    Remove(fileName);
    FFiles.prepend(fileName);
    while (FFiles.size() > kMaxFiles)
        FFiles.removeLast();
}

void TZpRecentFiles::Remove(const QString& fileName) {
    for (qsizetype i = FFiles.size() - 1; i >= 0; --i)
        if (FFiles[i].compare(fileName, Qt::CaseInsensitive) == 0)
            FFiles.removeAt(i);
}

void TZpRecentFiles::Load(const TZpSettingsStore& store) {
    FFiles.clear();
    for (int i = 0; i < kMaxFiles; ++i) {
        const QString name = store.ReadString(kSection, QStringLiteral("F%1").arg(i), QString());
        if (!name.isEmpty() && FFiles.size() < kMaxFiles)
            FFiles.append(name);
    }
}

void TZpRecentFiles::Save(TZpSettingsStore& store) const {
    store.EraseSection(kSection);
    for (qsizetype i = 0; i < FFiles.size(); ++i)
        store.WriteString(kSection, QStringLiteral("F%1").arg(i), FFiles[i]);
}

QString RecentFileCaption(int index, const QString& fileName, const QFontMetrics& metrics, int maxWidth) {
    const QString shown = metrics.elidedText(QDir::toNativeSeparators(fileName), Qt::ElideMiddle, maxWidth);
    // A '&' in the path would otherwise become an accelerator.
    return QStringLiteral("&%1 %2").arg(index + 1).arg(
        QString(shown).replace(QLatin1Char('&'), QLatin1String("&&")));
}

QString DesktopRecentFilesPath() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/recently-used.xbel");
}

void AddToDesktopRecentFiles(const QString& fileName, const QString& mimeType, const QString& xbelFile) {
    const QString path = xbelFile.isEmpty() ? DesktopRecentFilesPath() : xbelFile;
    const QString href =
        QString::fromUtf8(QUrl::fromLocalFile(QFileInfo(fileName).absoluteFilePath()).toEncoded());
    const QString now = QDateTime::currentDateTimeUtc().toString(Qt::ISODateWithMs);
    QByteArray old;
    {
        QFile in(path);
        if (in.open(QIODevice::ReadOnly))
            old = in.readAll();
    }
    auto writeEntry = [&](QXmlStreamWriter& writer) {
        writer.writeStartElement(QStringLiteral("bookmark"));
        writer.writeAttribute(QStringLiteral("href"), href);
        writer.writeAttribute(QStringLiteral("added"), now);
        writer.writeAttribute(QStringLiteral("modified"), now);
        writer.writeAttribute(QStringLiteral("visited"), now);
        writer.writeStartElement(QStringLiteral("info"));
        writer.writeStartElement(QStringLiteral("metadata"));
        writer.writeAttribute(QStringLiteral("owner"), QStringLiteral("http://freedesktop.org"));
        writer.writeEmptyElement(QStringLiteral("mime:mime-type"));
        writer.writeAttribute(QStringLiteral("type"), mimeType);
        writer.writeStartElement(QStringLiteral("bookmark:applications"));
        writer.writeEmptyElement(QStringLiteral("bookmark:application"));
        writer.writeAttribute(QStringLiteral("name"), QStringLiteral("Zentaprint"));
        writer.writeAttribute(QStringLiteral("exec"), QStringLiteral("'zentaprint %u'"));
        writer.writeAttribute(QStringLiteral("modified"), now);
        writer.writeAttribute(QStringLiteral("count"), QStringLiteral("1"));
        writer.writeEndElement();
        writer.writeEndElement();
        writer.writeEndElement();
        writer.writeEndElement();
    };

    QByteArray out;
    bool copied = false;
    if (!old.isEmpty()) {
        // Copy the list as it stands, leaving out an older entry of this file
        // and adding the new one before the end.
        QXmlStreamWriter writer(&out);
        writer.setAutoFormatting(true);
        QXmlStreamReader reader(old);
        reader.setNamespaceProcessing(false);
        int skipDepth = 0;
        while (!reader.atEnd()) {
            reader.readNext();
            if (skipDepth > 0) {
                if (reader.isStartElement())
                    ++skipDepth;
                else if (reader.isEndElement())
                    --skipDepth;
                continue;
            }
            if (reader.isStartElement() && reader.qualifiedName() == QLatin1String("bookmark") &&
                reader.attributes().value(QLatin1String("href")) == href) {
                skipDepth = 1;
                continue;
            }
            if (reader.isEndElement() && reader.qualifiedName() == QLatin1String("xbel")) {
                writeEntry(writer);
                copied = true;
            }
            if (reader.isWhitespace())
                continue;
            writer.writeCurrentToken(reader);
        }
        copied = copied && !reader.hasError();
    }
    if (!old.isEmpty() && !copied)
        return; // another program's list we cannot read: leave it as it is
    if (!copied) {
        QXmlStreamWriter writer(&out);
        writer.setAutoFormatting(true);
        writer.writeStartDocument();
        writer.writeStartElement(QStringLiteral("xbel"));
        writer.writeAttribute(QStringLiteral("version"), QStringLiteral("1.0"));
        writer.writeAttribute(QStringLiteral("xmlns:bookmark"),
                              QStringLiteral("http://www.freedesktop.org/standards/desktop-bookmarks"));
        writer.writeAttribute(QStringLiteral("xmlns:mime"),
                              QStringLiteral("http://www.freedesktop.org/standards/shared-mime-info"));
        writeEntry(writer);
        writer.writeEndElement();
        writer.writeEndDocument();
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (file.open(QIODevice::WriteOnly)) {
        file.write(out);
        (void)file.commit();
    }
}

} // namespace zp
