#include "storage/Heelbestand.h"

#include <QFile>
#include <QSaveFile>
#include <cstdio>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

bool SchrijfHeel(const QString& pad, const std::function<bool(QIODevice&)>& schrijf)
{
    QSaveFile f(pad);
    // The explicit flush: a write that fails only when the buffer goes to a
    // full disk is not seen by commit(), which would put an empty file in
    // place and call it done.
    return f.open(QIODevice::WriteOnly) && schrijf(f) && f.flush() && f.commit();
}

bool SchrijfHeel(const QString& pad, const QByteArray& inhoud)
{
    return SchrijfHeel(pad, [&](QIODevice& f) { return f.write(inhoud) == inhoud.size(); });
}

bool Hernoem(const QString& van, const QString& naar)
{
    return std::rename(QFile::encodeName(van).constData(), QFile::encodeName(naar).constData()) == 0;
}

bool OpenGewoon(QFile& f, const QString& pad)
{
    // O_NONBLOCK makes the open of a pipe return at once; the type is then
    // checked on what was opened, so a link swapped in between cannot fool it.
    const int fd = ::open(QFile::encodeName(pad).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat st;
    if (::fstat(fd, &st) != 0 || !S_ISREG(st.st_mode) || ::fcntl(fd, F_SETFL, 0) != 0
        || !f.open(fd, QIODevice::ReadOnly, QFileDevice::AutoCloseHandle)) {
        ::close(fd);
        return false;
    }
    return true;
}

std::optional<QByteArray> LeesBegin(const QString& pad, qint64 max)
{
    QFile f;
    if (!OpenGewoon(f, pad))
        return std::nullopt;
    // Only what is there: QFile would reserve the whole maximum first.
    QByteArray data = f.read(qMin(max, f.size()));
    if (f.error() != QFileDevice::NoError)
        return std::nullopt;
    return data;
}
