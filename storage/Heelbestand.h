// A file replaced whole or not at all: written beside its place and renamed
// over it only when every byte is on disk.
#pragma once

#include <QByteArray>
#include <QString>
#include <functional>

class QIODevice;

// What schrijf puts on the device becomes the file at pad; false, and the
// earlier file left as it was, when anything fails.
bool SchrijfHeel(const QString& pad, const std::function<bool(QIODevice&)>& schrijf);
bool SchrijfHeel(const QString& pad, const QByteArray& inhoud);
