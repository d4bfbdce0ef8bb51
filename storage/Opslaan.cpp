// The save command: a name, the overwrite question, then the paired write.
// Anything that stops the write is told to the user; the board and the
// model are never touched.
#include "storage/Opslaan.h"

#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Puzzelbestand.h"

#include <QDir>
#include <QFileInfo>

using Meldingen::MsgBox;

bool SaveCommando(const QImage& bord)
{
    if (Algemeen::ZoekWoord.isEmpty())
        return false;
    const QString naam = Meldingen::InputBox(QStringLiteral("Geef een bestandsnaam voor deze puzzel..."),
                                             QStringLiteral(" Save puzzel"), Algemeen::ZoekWoord);
    if (naam.isEmpty())
        return false;
    if (const QString fout = Naamfout(naam); !fout.isEmpty()) {
        MsgBox(QStringLiteral("Deze naam kan niet als bestandsnaam worden gebruikt.\r\n") + fout);
        return false;
    }
    const QString map = Schrijfmap(QStringLiteral("puzzels"));
    // An installed copy makes the user's puzzle folder when first needed; if
    // it cannot, the maker learns which folder, not that one is missing.
    if (HuidigeMappen().Geinstalleerd && !QFileInfo(map).isDir()) {
        MsgBox(QStringLiteral("De puzzel is niet opgeslagen: de map %1 kon niet worden aangemaakt.")
                   .arg(QDir::toNativeSeparators(map)));
        return false;
    }
    if (QFileInfo::exists(QDir(map).filePath(naam + QStringLiteral(".pzl")))
        && MsgBox(QStringLiteral("Bestand bestaat reeds, overschrijven?"), Meldingen::Knoppen::JaNee,
                  QStringLiteral(" File exist")) != Meldingen::Antwoord::Ja)
        return false;
    if (const QString fout = PuzzelSchrijven(map, naam, HuidigePuzzel(), bord); !fout.isEmpty()) {
        MsgBox(fout);
        return false;
    }
    return true;
}
