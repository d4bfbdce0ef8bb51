#include "shell/Programmamap.h"

#include "shell/Naad.h"

#include <QCoreApplication>

QString Programmamap(const QString& naam)
{
    const QString map = Naad.Programmamap.isEmpty() ? QCoreApplication::applicationDirPath() : Naad.Programmamap;
    return naam.isEmpty() ? map : map + u'/' + naam;
}

QString Leespad(const QString& naam) { return Programmamap(naam); }

QString Schrijfpad(const QString& naam) { return Programmamap(naam); }
