// SPDX-License-Identifier: MIT
#pragma once
// A private PostgreSQL cluster for tests and benchmarks: its own data folder
// and Unix socket in a temporary folder, run as an unprivileged user when the
// caller is root, stopped when the object goes.

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <grp.h>
#include <pwd.h>
#include <unistd.h>

namespace zp::test {

class TPrivatePgServer {
public:
    static constexpr const char* kUser = "zp";
    static constexpr const char* kPassword = "label-secret";

    TPrivatePgServer() { FStarted = Start(); }
    ~TPrivatePgServer() {
        if (FStarted) {
            Run({Bin(QStringLiteral("pg_ctl")), QStringLiteral("-D"), Data(), QStringLiteral("-m"),
                 QStringLiteral("immediate"), QStringLiteral("-w"), QStringLiteral("stop")});
        }
    }
    TPrivatePgServer(const TPrivatePgServer&) = delete;
    TPrivatePgServer& operator=(const TPrivatePgServer&) = delete;

    [[nodiscard]] bool Started() const { return FStarted; }
    /// Why the server is not running.
    [[nodiscard]] const QString& Why() const { return FWhy; }
    /// The socket folder, the host of the connection string.
    [[nodiscard]] QString Host() const { return FDir.path(); }
    /// A connection string to the given database.
    [[nodiscard]] QString ConnectionString(const QString& database = QStringLiteral("postgres"),
                                           const QString& password = QLatin1String(kPassword)) const {
        return QStringLiteral("Provider=PostgreSQL;Host=%1;Port=5432;Database=%2;User ID=%3;Password=%4")
            .arg(Host(), database, QLatin1String(kUser), password);
    }

    /// Shared by every test of the process; started on first use.
    static TPrivatePgServer& Instance() {
        static TPrivatePgServer server;
        return server;
    }

private:
    QString Data() const { return FDir.filePath(QStringLiteral("data")); }
    QString Bin(const QString& tool) const { return FBinDir + u'/' + tool; }

    bool Run(const QStringList& command) {
        QStringList args = command;
        QString program = args.takeFirst();
        if (geteuid() == 0) {
            args = QStringList{QStringLiteral("-u"), FRunAs, QStringLiteral("--"), program} + args;
            program = QStringLiteral("runuser");
        }
        QProcess process;
        process.setProcessChannelMode(QProcess::MergedChannels);
        process.start(program, args);
        if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
            process.exitCode() != 0) {
            FWhy = QStringLiteral("%1 failed: %2")
                       .arg(command.first(), QString::fromLocal8Bit(process.readAll()));
            return false;
        }
        return true;
    }

    bool Start() {
        const QStringList versions = QDir(QStringLiteral("/usr/lib/postgresql"))
                                         .entryList(QDir::Dirs | QDir::NoDotAndDotDot, QDir::Name);
        if (versions.isEmpty() || !FDir.isValid()) {
            FWhy = QStringLiteral("PostgreSQL is not installed (no /usr/lib/postgresql/<version>/bin)");
            return false;
        }
        FBinDir = QStringLiteral("/usr/lib/postgresql/%1/bin").arg(versions.last());
        if (geteuid() == 0) {
            // The server refuses to run as root.
            const passwd* user = getpwnam("postgres");
            if (!user) {
                user = getpwnam("nobody");
            }
            if (!user) {
                FWhy = QStringLiteral("no unprivileged user to run the server as");
                return false;
            }
            FRunAs = QString::fromLocal8Bit(user->pw_name);
            if (chown(QFile::encodeName(FDir.path()).constData(), user->pw_uid, user->pw_gid) != 0) {
                FWhy = QStringLiteral("cannot hand the temporary folder to %1").arg(FRunAs);
                return false;
            }
        }
        const QString pwfile = FDir.filePath(QStringLiteral("pw"));
        {
            QFile file(pwfile);
            if (!file.open(QIODevice::WriteOnly)) {
                return false;
            }
            file.write(kPassword);
        }
        if (geteuid() == 0) {
            const passwd* user = getpwnam(FRunAs.toLocal8Bit().constData());
            (void)chown(QFile::encodeName(pwfile).constData(), user->pw_uid, user->pw_gid);
        }
        return Run({Bin(QStringLiteral("initdb")), QStringLiteral("-D"), Data(), QStringLiteral("-U"),
                    QLatin1String(kUser), QStringLiteral("--pwfile=") + pwfile, QStringLiteral("-A"),
                    QStringLiteral("scram-sha-256"), QStringLiteral("-E"), QStringLiteral("UTF8"),
                    QStringLiteral("--locale=C"), QStringLiteral("--no-sync")}) &&
               Run({Bin(QStringLiteral("pg_ctl")), QStringLiteral("-D"), Data(), QStringLiteral("-l"),
                    FDir.filePath(QStringLiteral("log")), QStringLiteral("-o"),
                    QStringLiteral("-k %1 -c listen_addresses= -p 5432 -c fsync=off").arg(FDir.path()),
                    QStringLiteral("-w"), QStringLiteral("-t"), QStringLiteral("60"),
                    QStringLiteral("start")});
    }

    QTemporaryDir FDir{QDir::tempPath() + QStringLiteral("/zp-pg-XXXXXX")};
    QString FBinDir;
    QString FRunAs;
    QString FWhy;
    bool FStarted = false;
};

} // namespace zp::test
