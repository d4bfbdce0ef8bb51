// Whole files: written beside their place and renamed over it only when
// every byte is on disk, and read only when they are plain files.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>
#include <optional>

class QFile;
class QIODevice;

// What schrijf puts on the device becomes the file at pad; false, and the
// earlier file left as it was, when anything fails.
bool SchrijfHeel(const QString& pad, const std::function<bool(QIODevice&)>& schrijf);
bool SchrijfHeel(const QString& pad, const QByteArray& inhoud);

// Renames van over naar in one step, replacing naar (rename(2); QFile::rename
// refuses an existing target).
bool Hernoem(const QString& van, const QString& naar);

// Opens pad for reading when it is a regular file (after links). A pipe, a
// device or a folder of that name is refused without waiting on it, as if
// the file were missing: opening a pipe would block until a writer came.
bool OpenGewoon(QFile& f, const QString& pad);

// The first max bytes of the regular file at pad; nullopt when it is
// missing, not a regular file or cannot be read.
std::optional<QByteArray> LeesBegin(const QString& pad, qint64 max);
