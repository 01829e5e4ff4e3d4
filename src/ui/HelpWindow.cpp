// SPDX-License-Identifier: MIT
#include "ui/HelpWindow.h"

#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>
#include <QProgressDialog>
#include <QSaveFile>
#include <QStandardPaths>
#include <QTextBrowser>
#include <QUrl>

namespace zp {

namespace {

QString UpdatedHelpFolder() {
    return QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) +
           QStringLiteral("/zentaprint/help");
}

} // namespace

QString HelpPageFor(int context) {
    const QString name =
        QStringLiteral("help-%1.html")
            .arg(QFile::exists(QStringLiteral(":/help/help-%1.html").arg(context)) ? context : 0);
    const QString updated = UpdatedHelpFolder() + QLatin1Char('/') + name;
    return QFile::exists(updated) ? updated : QStringLiteral(":/help/") + name;
}

int UpdateHelpPages(const QString& baseAddress, QWidget* owner) {
    const QStringList pages =
        QDir(QStringLiteral(":/help")).entryList({QStringLiteral("*.html")}, QDir::Files);
    QProgressDialog status(QString(), QString(), 0, int(pages.size()), owner);
    status.setWindowTitle(QStringLiteral("Updating Help File"));
    status.setAccessibleName(QStringLiteral("Updating Help File"));
    status.setMinimumDuration(0);
    QDir().mkpath(UpdatedHelpFolder());
    QNetworkAccessManager network;
    int arrived = 0;
    for (const QString& page : pages) {
        status.setLabelText(QStringLiteral("Downloading %1").arg(page));
        QString address = baseAddress;
        if (!address.endsWith(QLatin1Char('/')))
            address += QLatin1Char('/');
        QNetworkReply* reply = network.get(QNetworkRequest(QUrl(address + page)));
        QEventLoop loop;
        QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
        loop.exec();
        const bool ok = reply->error() == QNetworkReply::NoError;
        const QByteArray body = reply->readAll();
        reply->deleteLater();
        if (!ok)
            break; // the update ends quietly, as an unreachable server would end it anyway
        QSaveFile file(UpdatedHelpFolder() + QLatin1Char('/') + page);
        if (file.open(QIODevice::WriteOnly) && file.write(body) == body.size() && file.commit())
            ++arrived;
        status.setValue(status.value() + 1);
    }
    return arrived;
}

void ShowHelpTopic(int context, QWidget* owner) {
    static QPointer<QTextBrowser> window;
    if (!window) {
        window = new QTextBrowser(owner);
        window->setWindowFlag(Qt::Window);
        window->setAttribute(Qt::WA_DeleteOnClose);
        window->setObjectName(QStringLiteral("frmHelp"));
        window->setAccessibleName(QStringLiteral("Zentaprint Help"));
        window->setWindowTitle(QStringLiteral("Zentaprint Help"));
        window->setOpenExternalLinks(true);
        window->resize(720, 620);
    }
    const QString page = HelpPageFor(context);
    window->setSource(page.startsWith(QLatin1Char(':')) ? QUrl(QStringLiteral("qrc") + page)
                                                        : QUrl::fromLocalFile(page));
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace zp
