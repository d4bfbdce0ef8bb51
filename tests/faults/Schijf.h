// A temporary folder whose writes fail for real: with a 2 MB tmpfs mounted
// over it that can be made read-only or full, or with an immutable file.
// Mounting and chattr need root; where refused, the tests skip.
#pragma once

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

class Schijf
{
public:
    explicit Schijf(bool tmpfs) : tmpfs(tmpfs) {}
    ~Schijf()
    {
        if (!vast.isEmpty())
            Voer(QStringLiteral("chattr"), {QStringLiteral("-i"), vast});
        if (gekoppeld)
            Voer(QStringLiteral("umount"), {QStringLiteral("-l"), basis.path()});
    }

    bool Beschikbaar() const { return basis.isValid() && gekoppeld == tmpfs; }
    QString Pad() const { return basis.path(); }
    bool AlleenLezen() { return Voer(QStringLiteral("mount"), {QStringLiteral("-o"), QStringLiteral("remount,ro"), basis.path()}); }

    // Fills the file system to the last page, then frees vrij bytes again.
    bool Vul(qint64 vrij)
    {
        QFile vulsel(QDir(basis.path()).filePath(QStringLiteral("vulsel")));
        if (!vulsel.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
            return false;
        const QByteArray blok(4096, 'v');
        while (vulsel.write(blok) == blok.size()) {
        }
        vulsel.close();
        return vulsel.resize(qMax<qint64>(0, vulsel.size() - vrij));
    }

    // The file can then be neither replaced nor linked to.
    bool Vastzetten(const QString& pad)
    {
        const bool gelukt = Voer(QStringLiteral("chattr"), {QStringLiteral("+i"), pad});
        vast = gelukt ? pad : QString();
        return gelukt;
    }

private:
    static bool Voer(const QString& programma, const QStringList& argumenten) { return QProcess::execute(programma, argumenten) == 0; }

    QTemporaryDir basis;
    const bool tmpfs;
    const bool gekoppeld = tmpfs && basis.isValid()
                           && Voer(QStringLiteral("mount"), {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                                             QStringLiteral("size=2m"), QStringLiteral("tmpfs"), basis.path()});
    QString vast;
};
