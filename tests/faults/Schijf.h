// Folders whose writes fail for real: a tmpfs mounted over a temporary
// folder, later made read-only or filled to the last page. Only root can
// mount; elsewhere Beschikbaar() says why not and the tests skip.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QString>
#include <QTemporaryDir>

class Schijf
{
public:
    // A tmpfs of the given size over a fresh temporary folder.
    explicit Schijf(const QString& grootte)
    {
        if (!basis.isValid()) {
            reden = QStringLiteral("no temporary folder");
            return;
        }
        QString uitvoer;
        if (!Mount({QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                    QStringLiteral("size=") + grootte, QStringLiteral("tmpfs"), basis.path()},
                   &uitvoer)) {
            reden = QStringLiteral("cannot mount a tmpfs here (needs root and mount rights): ") + uitvoer.trimmed();
            return;
        }
        gekoppeld = true;
    }

    ~Schijf()
    {
        if (gekoppeld)
            QProcess::execute(QStringLiteral("umount"), {QStringLiteral("-l"), basis.path()});
    }

    Schijf(const Schijf&) = delete;
    Schijf& operator=(const Schijf&) = delete;

    bool Beschikbaar() const { return gekoppeld; }
    QString Reden() const { return reden; }
    QString Pad(const QString& naam = {}) const { return naam.isEmpty() ? basis.path() : QDir(basis.path()).filePath(naam); }

    // Nothing can be written, created, renamed or removed any more.
    bool AlleenLezen()
    {
        return Mount({QStringLiteral("-o"), QStringLiteral("remount,ro"), basis.path()});
    }

    // Fills the file system with one file until no page is left, then frees
    // vrij bytes of it again.
    bool Vul(qint64 vrij = 0)
    {
        QFile vulsel(Pad(QStringLiteral("vulsel")));
        if (!vulsel.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray blok(4096, 'v');
        while (vulsel.write(blok) == blok.size()) {
        }
        vulsel.close();
        return vrij == 0 || vulsel.resize(qMax<qint64>(0, vulsel.size() - vrij));
    }

private:
    static bool Mount(const QStringList& argumenten, QString* uitvoer = nullptr)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral("mount"), argumenten);
        const bool klaar = p.waitForFinished(10000);
        if (uitvoer)
            *uitvoer = klaar ? QString::fromLocal8Bit(p.readAll()) : QStringLiteral("mount did not run");
        return klaar && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0;
    }

    QTemporaryDir basis;
    bool gekoppeld = false;
    QString reden;
};
