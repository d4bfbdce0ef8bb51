#include "storage/Heelbestand.h"

#include <QSaveFile>

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
