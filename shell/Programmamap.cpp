#include "shell/Programmamap.h"

#include <QCoreApplication>

namespace {
QString programmamap;
}

void ZetProgrammamap(const QString& map) { programmamap = map; }

QString Programmamap(const QString& naam)
{
    const QString map = programmamap.isEmpty() ? QCoreApplication::applicationDirPath() : programmamap;
    return naam.isEmpty() ? map : map + u'/' + naam;
}

QString Leespad(const QString& naam) { return Programmamap(naam); }

QString Schrijfpad(const QString& naam) { return Programmamap(naam); }
