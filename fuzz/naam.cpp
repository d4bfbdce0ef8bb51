// Fuzz target for the save-name check: any name it accepts, saved into an
// empty folder, gives exactly <name>.pzl and <name>.bmp there, the load list
// finds it under that name, it reads back as saved, and the recovery the load
// list runs first leaves both files as they are.
#include "storage/Heelbestand.h"
#include "storage/Puzzelbestand.h"
#include "storage/Puzzelpaar.h"

#include <QDir>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

void Eis(bool waar) { if (!waar) std::abort(); }

QDir* map = nullptr;
Puzzel puzzel;
QImage beeld(3, 2, QImage::Format_RGB32);

QByteArray Inhoud(const QString& naam) { return LeesBegin(map->filePath(naam), 1 << 20).value_or("<missing>"); }

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    new QGuiApplication(*argc, *argv);
    // tmpfs where there is one: each run saves a pair.
    static QTemporaryDir tijdelijk((QDir("/dev/shm").exists() ? QStringLiteral("/dev/shm") : QDir::tempPath())
                                   + QStringLiteral("/fuzz_naam-XXXXXX"));
    Eis(tijdelijk.isValid());
    map = new QDir(tijdelijk.path());
    puzzel.ZoekWoord = QStringLiteral("AB");
    puzzel.PuzzelWoord[1] = QStringLiteral("KAT");
    puzzel.BeginX[1] = Algemeen::KolomX - Algemeen::HokBreedte;  // the column crosses its second letter
    beeld.fill(Qt::blue);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t grootte)
{
    // UTF-16 as typed or pasted into the name field, unpaired halves included.
    const QString naam(reinterpret_cast<const QChar*>(bytes), qsizetype(grootte / 2));
    if (!Naamfout(naam).isEmpty())
        return 0;
    Eis(PuzzelSchrijven(map->path(), naam, puzzel, beeld).isEmpty());
    const QString pzl = naam + QStringLiteral(".pzl"), bmp = naam + QStringLiteral(".bmp");
    const QStringList alles = map->entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    Eis(alles.size() == 2 && alles.contains(pzl) && alles.contains(bmp));
    Eis(map->entryList({QStringLiteral("*.pzl")}, QDir::Files) == QStringList{pzl});
    const QByteArray pzlInhoud = Inhoud(pzl), bmpInhoud = Inhoud(bmp);
    Eis(PuzzelUitBytes(pzlInhoud) == puzzel);
    const auto terugBeeld = BordbeeldUitBytes(bmpInhoud);
    Eis(terugBeeld && terugBeeld->convertToFormat(QImage::Format_RGB32) == beeld);
    // Nothing else is there for the recovery to put in place.
    MapHerstellen(map->path());
    Eis(Inhoud(pzl) == pzlInhoud && Inhoud(bmp) == bmpInhoud && map->remove(pzl) && map->remove(bmp));
    return 0;
}
