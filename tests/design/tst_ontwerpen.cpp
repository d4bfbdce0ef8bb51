// Designing a puzzle through the two dialogs: the search word's checks, the letter
// position's bounds, the OK checks in order, the committed row; the library search.
#include "Nepscherm.h"
#include "board/Bord.h"
#include "design/Bibliotheek.h"
#include "design/Invoer.h"
#include "design/Start.h"
#include "design/Woordenlijst.h"
#include "shell/Main.h"
#include "shell/Meldingen.h"
#include "shell/Pauze.h"
#include "shell/Programmamap.h"
#include "storage/Ansi.h"
#include "storage/Heelbestand.h"
#include "storage/Instellingen.h"
#include "storage/Record.h"

#include <QAction>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Algemeen;

namespace {

// The list's entries as the maker sees them, own words with their mark.
QStringList Getoond(const QListWidget* lijst)
{
    QStringList uit;
    for (int i = 0; i < lijst->count(); ++i)
        uit << lijst->item(i)->text();
    return uit;
}

QByteArray Bytes(const QString& pad) { return LeesBegin(pad, 1 << 20).value_or(QByteArray("<none>")); }

QString Natief(const QString& pad) { return QDir::toNativeSeparators(pad); }

} // namespace

class TestOntwerpen : public QObject
{
    Q_OBJECT

    Nepscherm scherm;
    QStringList meldingen;
    QStringList antwoorden;  // the answers the input box gives, in turn
    QStringList vragen;
    std::unique_ptr<QTemporaryDir> map;  // the program folder

    QString Pad(const QString& naam) const { return map->filePath(naam); }
    // The dialog of row rij of the puzzle in memory, its length set and its letter put in box vakje (0: none).
    std::unique_ptr<Invoer> Dialoog(int rij, int lengte, int vakje)
    {
        HuidigeRij = static_cast<std::uint8_t>(rij);
        auto dlg = std::make_unique<Invoer>(scherm.Venster(), scherm.Lijn());
        dlg->Lengte->setValue(lengte);
        if (vakje)
            KlikVakje(*dlg, vakje);
        return dlg;
    }
    // The row dialog for row rij of zoekwoord, its letter at box rij, after Zoeken.
    std::unique_ptr<Invoer> Gezocht(const QString& zoekwoord = QStringLiteral("water"), int rij = 1)
    {
        scherm.werk.NieuwePuzzel(zoekwoord);
        auto dlg = Dialoog(rij, 5, rij);
        dlg->ZoekKnop_Click();
        return dlg;
    }
    // Click in the middle of box i of the preview.
    static void KlikVakje(Invoer& dlg, int i) { dlg.Voorbeeld_MouseDown(QPoint(8 + 11 * i, 15)); }
    static QStringList Een(const QString& melding) { return melding.isEmpty() ? QStringList{} : QStringList{melding}; }

private slots:
    void init()
    {
        PauzesMaal(0);
        map = std::make_unique<QTemporaryDir>();
        AllesIn(map->path());
        BeginWaarden();
        meldingen.clear();
        antwoorden.clear();
        vragen.clear();
        Meldingen::BeantwoordMeldingen([this](const Meldingen::Melding& m) {
            meldingen << m.tekst;
            return Meldingen::Antwoord::Ok;
        });
        Meldingen::BeantwoordVragen([this](const Meldingen::Vraag& v) {
            vragen << v.titel + u'|' + v.prompt;
            return antwoorden.isEmpty() ? QString() : antwoorden.takeFirst();
        });
    }
    void cleanup() { GewoneOmgeving(); }

    // Typed or pasted alike: the field's limits apply to a paste too.
    void zoekwoord()
    {
        const QString kort = QStringLiteral("Woord minimaal 5 tekens lang!");
        const QString cijfer = QString::fromUtf8("Géén cijfers in het woord plaatsen!");
        const struct { QString getypt, melding, zoekwoord; } gevallen[] = {  // zoekwoord empty: refused
            {"  water  ", "", "water"},
            {"abcd", kort, ""},
            {"       ", kort, ""},
            {"abcd9", cijfer, ""},
            {"abc d", "", "abc d"},
            {"abcdefghijklmnopqrstuvwxyz", "", "abcdefghijklmnopqrst"},
            {"wat\"er", "", "wat'er"},  // a double quote would end the text field in the file
        };
        for (const auto& g : gevallen) {
            meldingen.clear();
            Start dlg(scherm.Venster(), scherm.Lijn());
            dlg.Text1->insert(g.getypt);
            dlg.OkKnop_Click();
            QCOMPARE(meldingen, Een(g.melding));
            QCOMPARE(dlg.result() == QDialog::Accepted, !g.zoekwoord.isEmpty());
            QCOMPARE(dlg.Text1->text(), g.getypt.left(MaxWoordLengte).replace(u'"', u'\''));  // left to be corrected
            QCOMPARE(dlg.Woord(), g.zoekwoord);
        }
    }

    void positie_data()
    {
        QTest::addColumn<int>("lengte");
        QTest::addColumn<int>("vakje");
        QTest::addColumn<QString>("melding");

        const QString rechts = QStringLiteral("Positie is te ver naar rechts!");
        const QString links = QStringLiteral("Positie is te ver naar links!");
        QTest::newRow("12: box 1") << 12 << 1 << links;
        QTest::newRow("12: box 11") << 12 << 11 << "";
        QTest::newRow("12: box 12") << 12 << 12 << rechts;
        QTest::newRow("20: box 9") << 20 << 9 << links;
        QTest::newRow("20: box 10") << 20 << 10 << "";
    }
    void positie()
    {
        QFETCH(int, lengte);
        QFETCH(int, vakje);
        QFETCH(QString, melding);
        scherm.werk.NieuwePuzzel(QStringLiteral("water"));
        const auto dlg = Dialoog(1, lengte, vakje);
        QCOMPARE(meldingen, Een(melding));
        QCOMPARE(LetterPositie, melding.isEmpty() ? vakje : 0);

        // Border lines, below the boxes and right of the last one hit nothing.
        const int voor = LetterPositie;
        for (QPoint p : {QPoint(2 + 11 * 3, 15), QPoint(8 + 11 * 3, 10), QPoint(8 + 11 * 3, 21), QPoint(8 + 11 * 3, 30),
                         QPoint(8 + 11 * (lengte + 1), 15)})
            dlg->Voorbeeld_MouseDown(p);
        QCOMPARE(LetterPositie, voor);
        QCOMPARE(meldingen, Een(melding));

        dlg->Lengte->setValue(lengte == 20 ? 19 : lengte + 1);
        QCOMPARE(LetterPositie, 0);  // a length change forgets the position
    }

    // The OK checks in their order, then the clue: a cancelled one stores
    // nothing, a second OK with one commits the row.
    void okEnVastleggen_data()
    {
        QTest::addColumn<int>("rij");
        QTest::addColumn<int>("lengte");
        QTest::addColumn<int>("vakje");
        QTest::addColumn<QString>("getypt");  // pasted
        QTest::addColumn<QString>("melding");  // empty: the word is committed
        QTest::addColumn<QString>("omschrijving");

        const QString lengte = QStringLiteral("Lengte woord komt niet overeen met de hokjes!");
        QTest::newRow("a: no position, no word") << 4 << 5 << 0 << "" << QString::fromUtf8(
            "Bepaal de positie van de letter C door \r\nop één van de witte hokjes te klikken.") << "";
        QTest::newRow("b: no word") << 4 << 5 << 3 << "" << "Eerst het puzzelwoord selecteren!" << "";
        QTest::newRow("c: too long") << 4 << 5 << 3 << "appels" << lengte << "";
        QTest::newRow("d: letter differs") << 4 << 5 << 3 << "Paard"
            << "De positie van de letter C komt niet overeen\r\nmet de 3e letter in het woord Paard" << "";
        QTest::newRow("p 1 starts in the column") << 1 << 5 << 1 << "Water" << "" << "een <b>omschrijving</b>";
        QTest::newRow("p 11 at x 20, lower case, blanks are a clue") << 12 << 11 << 11 << "abcdefghijr" << "" << "   ";
    }
    void okEnVastleggen()
    {
        QFETCH(int, rij);
        QFETCH(int, lengte);
        QFETCH(int, vakje);
        QFETCH(QString, getypt);
        QFETCH(QString, melding);
        QFETCH(QString, omschrijving);
        scherm.werk.NieuwePuzzel(QStringLiteral("wabcdefghijrklmnopqt"));
        const auto dlg = Dialoog(rij, lengte, vakje);
        dlg->Text1->insert(getypt);
        dlg->OkKnop_Click();
        QCOMPARE(meldingen, Een(melding));
        QCOMPARE(vragen.size(), melding.isEmpty() ? 1 : 0);
        QVERIFY(dlg->result() != QDialog::Accepted);
        QCOMPARE(dlg->Text1->text(), getypt);
        QCOMPARE(LetterPositie, vakje);

        antwoorden << omschrijving;
        dlg->OkKnop_Click();  // neither a refusal nor a cancelled clue leaves OK dead
        if (!melding.isEmpty()) {
            QCOMPARE(meldingen, QStringList(2, melding));
            QVERIFY(vragen.isEmpty() && dlg->result() != QDialog::Accepted);
            return;
        }
        QCOMPARE(meldingen, QStringList{});
        QCOMPARE(vragen, QStringList(2, QStringLiteral(" Omschrijving|Geef de omschrijving van het woord...\r\n\r\n  ") + getypt.toUpper()));
        const Rij gekozen = dlg->Gekozen();
        QVERIFY(gekozen.Woord == getypt && gekozen.Omschrijving == omschrijving && gekozen.BeginX == 262 - 22 * vakje);
        QVERIFY(scherm.InfoBalk == QStringLiteral("Informatie...") && dlg->result() == QDialog::Accepted);
        QVERIFY(PuzzelWoord[rij].isEmpty());  // the main window stores it
    }

    // A filled row opens as it was stored; its clue is the clue box's start.
    void wijzigen()
    {
        scherm.werk.NieuwePuzzel(QStringLiteral("water"));
        HuidigeRij = 2;
        const Rij oud{QStringLiteral("Paardje"), QStringLiteral("Dier"), BeginXVoor(2)};
        Invoer dlg(scherm.Venster(), scherm.Lijn(), oud);
        QVERIFY(dlg.Lengte->value() == 7 && LetterPositie == 2 && dlg.Text1->text() == oud.Woord);
        QString standaard;
        Meldingen::BeantwoordVragen([&](const Meldingen::Vraag& v) { return standaard = v.standaard; });
        dlg.OkKnop_Click();
        QCOMPARE(standaard, oud.Omschrijving);
        QVERIFY(dlg.result() == QDialog::Accepted && dlg.Gekozen().Woord == oud.Woord && dlg.Gekozen().BeginX == oud.BeginX);
        QCOMPARE(meldingen, QStringList{});
    }

    // What the random scan of zoekenAlsRecordLezer seldom makes, wherever the pieces
    // it reads end: items far longer than a piece, text after a closing quote,
    // and a letter the file cannot hold.
    void zoeken()
    {
        const QByteArray lang = QByteArray(40, 'w') + ",\"" + QByteArray(40, 'w') + "\"x\r\n\"water\"xy,wolk";
        for (qsizetype stuk = 1; stuk <= lang.size(); ++stuk)
            QVERIFY2(ZoekInBibliotheek(lang, 5, 1, u'W', stuk) == QStringList{"water"}, QByteArray::number(stuk));
        QCOMPARE(ZoekInBibliotheek("paard\r\n", 5, 1, QChar(0x0100), 1), QStringList{});
    }

    // The list stops at its bound and says so only when an item is left out;
    // a missing library, a folder and a pipe (not waited on) give no words.
    void bibliotheekbestand()
    {
        const QString pad = Pad("library.lib");
        for (const qsizetype aantal : {MaxWoorden, MaxWoorden + 1}) {
            QVERIFY(SchrijfHeel(pad, QByteArray("water\r\n").repeated(aantal) + "kaas\r\n"));
            const Zoekresultaat gevonden = ZoekInBibliotheekBestand(pad, 5, 1, u'W');
            QCOMPARE(gevonden.woorden.size(), MaxWoorden);
            QCOMPARE(gevonden.afgekapt, aantal > MaxWoorden);
        }
        const QString pijp = Pad("pijp.lib");
        QCOMPARE(::mkfifo(QFile::encodeName(pijp).constData(), 0600), 0);
        for (const QString& pad : {Pad("ontbreekt.lib"), map->path(), pijp})
            QVERIFY(ZoekInBibliotheekBestand(pad, 5, 1, u'W').woorden.isEmpty());
    }

    // A library over its bound is not read and the dialog says so; one at the bound is searched.
    void teGroteBibliotheek()
    {
        for (const qint64 grootte : {MaxBibliotheek, MaxBibliotheek + 1}) {
            meldingen.clear();
            QFile f(Pad("library.lib"));
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("water\r\n") == 7 && f.resize(grootte));  // the rest a hole
            f.close();
            const bool teGroot = grootte > MaxBibliotheek;
            QCOMPARE(Gezocht()->List1->count(), teGroot ? 0 : 1);
            QCOMPARE(meldingen, Een(teGroot ? "De woordenlijst " + Natief(f.fileName())
                                                  + " is te groot (meer dan 64 MB) en wordt niet gebruikt."
                                            : QString()));
        }
    }

    // The pattern that narrows the list: letters fold their case as the
    // search does, "?" is one character, "*" any run, and the word may go on.
    void patroon()
    {
        const QString cafe = QString::fromUtf8("café");
        const struct { QString patroon, woord; bool past; } gevallen[] = {
            {"", "water", true}, {"wa", "water", true}, {"WaTeR", "water", true}, {"mar", "Marco", true},
            {"ate", "water", false},  // not inside without a star
            {QString::fromUtf8("CAFÉ"), cafe, true}, {"cafe", cafe, false},  // accents kept, as the search
            {"?a?er", "water", true}, {"water?", "water", false}, {"??????", "water", false},
            {"w*r", "water", true}, {"*ter", "water", true}, {"wa*ter", "water", true}, {"*a*ab", "aaaab", true},
            {"*?*?", "water", true}, {"**", "", true}, {"q", "water", false}, {"*q", "water", false},
        };
        for (const auto& g : gevallen)
            QVERIFY2(PastOpPatroon(g.patroon, g.woord) == g.past, qPrintable(g.patroon + u' ' + g.woord));
    }

    // Which items match, in file order and as written, by the field rules of RecordLezer over
    // the whole data, wherever the pieces end: random bytes of the characters that matter.
    void zoekenAlsRecordLezer()
    {
        const QByteArray tekens("aAwW\xe9\xc9,\"\r\n \t");
        std::uint32_t zaad = 24;
        const auto kans = [&](std::uint32_t n) { return ((zaad = zaad * 1664525u + 1013904223u) >> 8) % n; };
        for (int ronde = 0; ronde < 3000; ++ronde) {
            QByteArray data;
            for (std::uint32_t k = kans(40); k > 0; --k)
                data += tekens.at(int(kans(std::uint32_t(tekens.size()))));
            const int n = 1 + int(kans(4)), p = 1 + int(kans(std::uint32_t(n)));
            const QChar L = ronde % 2 ? u'W' : QChar(0xC9);
            QStringList verwacht;
            for (RecordLezer lezer(data); const auto veld = lezer.VolgendVeld();)
                if (veld->size() == n && Hoofdletter(Ansi::Decodeer(*veld).at(p - 1)) == L)
                    verwacht << Ansi::Decodeer(*veld);
            for (const qsizetype stuk : {qsizetype(1), qsizetype(2), qsizetype(3), qsizetype(17), data.size() + 1})
                QVERIFY2(ZoekInBibliotheek(data, n, p, L, stuk) == verwacht,
                         qPrintable(QString::fromLatin1(data.toPercentEncoding()) + QStringLiteral(" stuk %1").arg(stuk)));
        }
    }

    // After Zoeken, what the maker types narrows the list and the count;
    // own words stay first with their mark; Down goes into the list.
    void lijstVernauwen_data()
    {
        QTest::addColumn<QString>("getypt");
        QTest::addColumn<QStringList>("lijst");
        const QString eigen = QStringLiteral("zater") + Invoer::EigenMerk;
        QTest::newRow("question marks, own word too") << "?a?er" << QStringList{eigen, "water", "kater"};
        QTest::newRow("no match") << "q" << QStringList{};
    }
    void lijstVernauwen()
    {
        QFETCH(QString, getypt);
        QFETCH(QStringList, lijst);
        QVERIFY(SchrijfHeel(Pad("library.lib"), "water\r\nwaden\r\nbaden\r\nkater\r\nMarco\r\nwaterig\r\nzater\r\n"));
        QVERIFY(SchrijfHeel(Pad(MijnWoordenNaam), "zater\r\nzoeken\r\n"));
        const auto gezocht = Gezocht(QStringLiteral("water"), 2);
        Invoer& dlg = *gezocht;
        QCOMPARE(dlg.List1->count(), 6);
        QTest::keyClicks(dlg.Text1, getypt);
        QCOMPARE(Getoond(dlg.List1), lijst);
        QCOMPARE(dlg.Label4->text(), QStringLiteral("%1 woorden").arg(lijst.size()));
        if (!lijst.isEmpty() && lijst[0].endsWith(Invoer::EigenMerk))
            QCOMPARE(dlg.List1->item(0)->foreground().color(), QColor(0, 64, 160));

        QTest::keyClick(dlg.Text1, Qt::Key_Down);
        QCOMPARE(dlg.focusWidget(), lijst.isEmpty() ? static_cast<QWidget*>(dlg.Lengte) : dlg.List1);
        if (lijst.isEmpty())
            return;
        // The first word, without its mark, in the field; the list stays narrowed.
        QCOMPARE(dlg.Text1->text(), lijst[0].chopped(lijst[0].endsWith(Invoer::EigenMerk) ? Invoer::EigenMerk.size() : 0));
        QCOMPARE(dlg.List1->count(), lijst.size());
        dlg.ZoekKnop_Click();  // a picked word is no pattern: Zoeken's whole list again
        QCOMPARE(dlg.List1->count(), 6);
    }

    // The setting lives in its own file beside Wendolo.ini, whose bytes stay;
    // it is read on every search and survives the run; a pipe of its name
    // is not waited on.
    void namenInstelling()
    {
        const QString ini = Schrijfpad(QStringLiteral("Wendolo.ini")), eigen = Schrijfpad(WoordenlijstInstellingen);
        QVERIFY(InstellingenSchrijven(ini));
        const QByteArray voor = Bytes(ini);
        QVERIFY(SchrijfHeel(Pad("library.lib"), "Marco\r\nmarco\r\n"));
        const auto zoek = [&] { return Getoond(Gezocht(QStringLiteral("mater"))->List1); };
        QVERIFY(NamenInLijst() && !QFile::exists(eigen));  // read, not written
        QCOMPARE(zoek(), (QStringList{"Marco", "marco"}));
        for (const bool aan : {false, true}) {
            QCOMPARE(ZetNamen(aan), QString());
            QCOMPARE(NamenInLijst(), aan);
            QVERIFY(Bytes(eigen).contains(aan ? "Namen=true" : "Namen=false"));
            QCOMPARE(zoek(), (aan ? QStringList{"Marco", "marco"} : QStringList{"marco"}));
            QCOMPARE(Bytes(ini), voor);
        }
        QVERIFY(QFile::remove(eigen));
        QCOMPARE(::mkfifo(QFile::encodeName(eigen).constData(), 0600), 0);
        QVERIFY(NamenInLijst());
        QCOMPARE(ZetNamen(false), QStringLiteral("De instelling kon niet worden opgeslagen in %1.").arg(Natief(eigen)));
        QCOMPARE(meldingen, QStringList{});
    }

    // The own list searched before the library: own words first, no word
    // twice, case aside; names (a capital anywhere) left out of the library
    // only when the setting is off.
    void eigenZoeken()
    {
        const struct { QByteArray eigen, bibliotheek; bool namen; QStringList verwacht; int eigenWoorden; } gevallen[] = {
            {{}, "water\r\nwinde\r\n", true, {"water", "winde"}, 0},  // no own list
            {"wzqzw\r\n", "water\r\nwinde\r\n", true, {"wzqzw", "water", "winde"}, 1},
            {"water\r\nWATER\r\nwzqzw\r\n", "water\r\nWater\r\nwinde\r\n", true, {"water", "wzqzw", "winde"}, 2},
            {"Wendy\n", "Wanda\r\nwAter\r\nw\xc9lia\r\nWATER\r\nwater\r\n", false, {"Wendy", "water"}, 1},
            {"Wendy\n", "Wanda\r\nwAter\r\n", true, {"Wendy", "Wanda", "wAter"}, 1},
            {"wzqzwx\r\nazqzw\r\n\"w,xyz\"\r\n", "winde", true, {"w,xyz", "winde"}, 1},  // other lengths and letters
        };
        const QString eigen = Pad(MijnWoordenNaam), bibliotheek = Pad("library.lib");
        for (const auto& g : gevallen) {
            QFile::remove(eigen);
            QVERIFY((g.eigen.isNull() || SchrijfHeel(eigen, g.eigen)) && SchrijfHeel(bibliotheek, g.bibliotheek));
            const Zoekresultaat gevonden = ZoekWoorden(eigen, bibliotheek, 5, 1, u'W', g.namen);
            QCOMPARE(gevonden.woorden, g.verwacht);
            QVERIFY(gevonden.eigen == g.eigenWoorden && gevonden.geweigerd.isEmpty());
        }
    }

    // Adding and taking out own words: what the file holds after, and what
    // the maker is told when it does not change.
    void eigenWoorden()
    {
        const QByteArray drie("wabcd\r\nwzqzw\r\nwxyzz\r\n"), geen("<none>");
        const QString al = QStringLiteral("Het woord %1 staat al in %2.");
        const struct { QByteArray voor; bool toevoegen; QString woord, melding; QByteArray na; bool eigen; } gevallen[] = {
            {{}, true, "wzqzw", "", "wzqzw\r\n", true},  // to a new list
            {"", true, "  wzqzw ", "", "wzqzw\r\n", true},
            {"wabcd", true, "wzqzw", "", "wabcd\r\nwzqzw\r\n", true},  // after a last line without its end
            {{}, true, "w,xyz", "", "\"w,xyz\"\r\n", true},
            {"WZQZW\r\n", true, "wzqzw", al.arg("wzqzw", "uw eigen woorden"), "WZQZW\r\n", true},
            {{}, true, "WATER", al.arg("WATER", "de woordenlijst"), geen, false},
            {{}, true, "   ", "Eerst het woord typen dat bij uw eigen woorden moet komen!", geen, false},
            {drie, false, "WZQZW", "", "wabcd\r\nwxyzz\r\n", false},
            {"wabcd\n  wzqzw\r\nwxyzz", false, "wzqzw", "", "wabcd\nwxyzz", false},  // other lines byte for byte
            {"wabcd,wzqzw\r\n", false, "wzqzw", "", "wabcd\r\n", false},
            {drie, false, "wqqqq", "Het woord wqqqq staat niet in uw eigen woorden.", drie, false},
        };
        const QString lijst = Pad(MijnWoordenNaam), bibliotheek = Pad("library.lib");
        QVERIFY(SchrijfHeel(bibliotheek, "water\r\n"));
        for (const auto& g : gevallen) {
            QFile::remove(lijst);
            QVERIFY(g.voor.isNull() || SchrijfHeel(lijst, g.voor));
            QCOMPARE(g.toevoegen ? VoegEigenWoordToe(lijst, bibliotheek, g.woord) : HaalEigenWoordWeg(lijst, g.woord), g.melding);
            QCOMPARE(Bytes(lijst), g.na);
            QCOMPARE(IsEigenWoord(lijst, g.woord.trimmed()), g.eigen);
        }
    }

    // An own list that is a pipe (a folder fails the same open), too large, not text, or cannot be
    // written: the search goes on with the library at once, and adding or
    // taking out says why and leaves it as it was.
    void vijandigeEigenlijst_data()
    {
        QTest::addColumn<QString>("soort");
        QTest::addColumn<QString>("zoeken");     // %1: the own list's path
        QTest::addColumn<QString>("toevoegen");
        QTest::addColumn<QString>("weghalen");
        const QString lijst = QStringLiteral("De lijst met eigen woorden %1");
        const QString toe = QStringLiteral(" en het woord wzqzw wordt er niet aan toegevoegd.");
        const QString weg = QStringLiteral(" en het woord wzqzw wordt er niet uit gehaald.");
        const QString gewoon = lijst + QStringLiteral(" is geen gewoon bestand of kan niet worden gelezen");
        const QString groot = lijst + QStringLiteral(" is te groot (meer dan 64 MB)");
        const QString binair = lijst + QStringLiteral(" is geen tekstbestand");
        QTest::newRow("pipe") << "pijp" << "" << gewoon + toe << gewoon + weg;
        QTest::newRow("huge") << "groot" << groot + " en wordt niet gebruikt." << groot + toe << groot + weg;
        QTest::newRow("binary") << "binair" << binair + " en wordt niet gebruikt." << binair + toe << binair + weg;
        QTest::newRow("unwritable") << "onschrijfbaar" << "" << "Het bestand %1 kan niet worden geschreven."
                                    << "Het woord wzqzw staat niet in uw eigen woorden.";
    }
    void vijandigeEigenlijst()
    {
        QFETCH(QString, soort);
        QFETCH(QString, zoeken);
        QFETCH(QString, toevoegen);
        QFETCH(QString, weghalen);
        QString eigen = Pad(MijnWoordenNaam);
        const QString bibliotheek = Pad("library.lib");
        QVERIFY(SchrijfHeel(bibliotheek, "water\r\n"));
        if (soort == "pijp") {
            QCOMPARE(::mkfifo(QFile::encodeName(eigen).constData(), 0600), 0);
        } else if (soort == "groot") {
            QFile f(eigen);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write("wzqzw\r\n") == 7 && f.resize(MaxBibliotheek + 1));
        } else if (soort == "binair") {
            QVERIFY(SchrijfHeel(eigen, QByteArray("wzqzw\r\n\0\x01\xff", 10)));
        } else {
            // Under a plain file no folder can be made, not even by root.
            QVERIFY(SchrijfHeel(Pad("bestand"), "x"));
            eigen = Pad("bestand/" + MijnWoordenNaam);
        }
        const auto afdruk = [&] {
            struct stat st {};
            ::stat(QFile::encodeName(eigen).constData(), &st);
            return QStringLiteral("%1 %2 ").arg(st.st_mode).arg(st.st_size) + QString::fromLatin1(Bytes(eigen).toHex());
        };
        const QString voor = afdruk();

        const Zoekresultaat gevonden = ZoekWoorden(eigen, bibliotheek, 5, 1, u'W', true);
        QCOMPARE(gevonden.woorden, QStringList{"water"});
        QCOMPARE(gevonden.eigen, 0);
        const auto met = [&](QString melding) { return melding.replace(QStringLiteral("%1"), Natief(eigen)); };
        QCOMPARE(gevonden.geweigerd, met(zoeken));
        QVERIFY(!IsEigenWoord(eigen, "wzqzw"));
        QCOMPARE(VoegEigenWoordToe(eigen, bibliotheek, "wzqzw"), met(toevoegen));
        QCOMPARE(HaalEigenWoordWeg(eigen, "wzqzw"), met(weghalen));
        QCOMPARE(afdruk(), voor);
    }

    // Insert adds the field's word, which Zoeken then shows first and marked;
    // Delete on it asks, and Ja takes it out. A library word is refused.
    void eigenWoordInDialoog()
    {
        QVERIFY(SchrijfHeel(Pad("library.lib"), "water\r\nwinde\r\n"));
        Meldingen::Antwoord antwoord = Meldingen::Antwoord::Nee;
        QStringList vragenJaNee;
        Meldingen::BeantwoordMeldingen([&](const Meldingen::Melding& m) {
            (m.knoppen == Meldingen::Knoppen::JaNee ? vragenJaNee : meldingen) << m.tekst;
            return m.knoppen == Meldingen::Knoppen::JaNee ? antwoord : Meldingen::Antwoord::Ok;
        });
        const auto gezocht = Gezocht();
        Invoer& dlg = *gezocht;
        QTest::keyClicks(dlg.Text1, "wzqzw");
        QTest::keyClick(dlg.Text1, Qt::Key_Insert);
        QCOMPARE(meldingen, QStringList{});
        QCOMPARE(Bytes(Pad(MijnWoordenNaam)), QByteArray("wzqzw\r\n"));
        QCOMPARE(scherm.InfoBalk, QStringLiteral("Het woord wzqzw staat nu in uw eigen woorden (mijnwoorden.lib)"));
        QCOMPARE(Getoond(dlg.List1), QStringList{"wzqzw" + Invoer::EigenMerk});  // still narrowed by what was typed

        dlg.Text1->clear();
        dlg.ZoekKnop_Click();
        QCOMPARE(Getoond(dlg.List1), (QStringList{"wzqzw" + Invoer::EigenMerk, "water", "winde"}));
        QCOMPARE(dlg.Label4->text(), QStringLiteral("3 woorden"));
        dlg.List1->setCurrentRow(0);
        QCOMPARE(dlg.Text1->text(), QStringLiteral("wzqzw"));
        QTest::keyClick(dlg.List1, Qt::Key_Insert);
        QCOMPARE(meldingen, QStringList{"Het woord wzqzw staat al in uw eigen woorden."});
        QTest::keyClick(dlg.List1, Qt::Key_Delete);  // Nee
        QCOMPARE(vragenJaNee, QStringList{"Het woord wzqzw uit uw eigen woorden halen?"});
        QCOMPARE(dlg.List1->count(), 3);
        antwoord = Meldingen::Antwoord::Ja;
        dlg.List1->setCurrentRow(0);
        QTest::keyClick(dlg.List1, Qt::Key_Delete);
        QCOMPARE(Getoond(dlg.List1), (QStringList{"water", "winde"}));
        QCOMPARE(Bytes(Pad(MijnWoordenNaam)), QByteArray(""));
        dlg.List1->setCurrentRow(0);
        QTest::keyClick(dlg.List1, Qt::Key_Delete);  // a library word: nothing asked
        QCOMPARE(vragenJaNee.size(), 2);
        QTest::keyClick(dlg.List1, Qt::Key_Insert);
        QCOMPARE(meldingen.last(), QStringLiteral("Het woord water staat al in de woordenlijst."));
    }

    // A word another row holds already: asked, Ja goes on to the clue, Nee
    // leaves the dialog open. The row's own word and other words ask nothing.
    void tweemaal_data()
    {
        QTest::addColumn<int>("rij");
        QTest::addColumn<QString>("woord");
        QTest::addColumn<int>("antwoord");  // Meldingen::Antwoord
        QTest::addColumn<QString>("vraag");  // empty: none
        const QString vraag = QStringLiteral("Het woord WATER staat al in rij 2 van deze puzzel.\r\nToch gebruiken?");
        QTest::newRow("Nee") << 1 << "WATER" << int(Meldingen::Antwoord::Nee) << vraag;
        QTest::newRow("another word") << 1 << "wolken" << int(Meldingen::Antwoord::Nee) << "";
        QTest::newRow("the row's own word") << 2 << "water" << int(Meldingen::Antwoord::Nee) << "";
    }
    void tweemaal()
    {
        QFETCH(int, rij);
        QFETCH(QString, woord);
        QFETCH(int, antwoord);
        QFETCH(QString, vraag);
        scherm.werk.NieuwePuzzel(QStringLiteral("water"));
        scherm.werk.RijOpslaan(2, {QStringLiteral("water"), QStringLiteral("nat"), BeginXVoor(2)});
        QStringList gevraagd;
        Meldingen::BeantwoordMeldingen([&](const Meldingen::Melding& m) {
            gevraagd << m.tekst;
            return m.knoppen == Meldingen::Knoppen::JaNee ? Meldingen::Antwoord(antwoord) : Meldingen::Antwoord::Ok;
        });
        const auto dlg = Dialoog(rij, int(woord.size()), rij);
        dlg->Text1->setText(woord);
        antwoorden << QStringLiteral("omschrijving");
        dlg->OkKnop_Click();
        QCOMPARE(gevraagd, vraag.isEmpty() ? QStringList{} : QStringList{vraag});
        const bool door = vraag.isEmpty() || antwoord == int(Meldingen::Antwoord::Ja);
        QCOMPARE(vragen.size(), door ? 1 : 0);
        QCOMPARE(dlg->result() == QDialog::Accepted, door);
        QCOMPARE(dlg->Gekozen().Woord, door ? woord : QString());
    }

    // The board's menu: "Namen in de woordenlijst" checked as the setting
    // is, and the cursor row's word to the own list and out of it again.
    void bordmenu()
    {
        QVERIFY(SchrijfHeel(Pad("library.lib"), "water\r\n"));
        Main venster;
        const QByteArray ini = Bytes(Schrijfpad(QStringLiteral("Wendolo.ini")));
        QMenu* menu = venster.findChild<QMenu*>();
        QVERIFY(menu);
        const auto actie = [&](const QString& tekst) -> QAction* {
            emit menu->aboutToShow();
            for (QAction* a : menu->actions())
                if (a->isVisible() && a->text().startsWith(tekst))
                    return a;
            return nullptr;
        };
        QAction* namen = actie(QStringLiteral("Namen in de woordenlijst"));
        QVERIFY(namen && namen->isCheckable() && namen->isChecked());
        namen->trigger();
        QVERIFY(!NamenInLijst() && !actie(QStringLiteral("Namen in de woordenlijst"))->isChecked());
        QCOMPARE(Bytes(Schrijfpad(QStringLiteral("Wendolo.ini"))), ini);

        ZoekWoord = QStringLiteral("water");
        PuzzelWoord[1] = QStringLiteral("wzqzw");
        PuzzelWoord[2] = QStringLiteral("water");
        venster.Bord().ZetRijen(AantalRijen());
        venster.Bord().ZetCursor(1);
        QVERIFY(!actie(QStringLiteral("wzqzw uit")));
        QAction* toe = actie(QStringLiteral("wzqzw aan mijn woorden toevoegen"));
        QVERIFY(toe && toe->isEnabled());
        toe->trigger();
        QCOMPARE(Bytes(MijnWoordenPad()), QByteArray("wzqzw\r\n"));
        actie(QStringLiteral("wzqzw uit mijn woorden halen"))->trigger();
        QCOMPARE(Bytes(MijnWoordenPad()), QByteArray(""));
        venster.Bord().ZetCursor(2);
        QVERIFY(!actie(QStringLiteral("water aan mijn woorden toevoegen"))->isEnabled());  // the library has it
        QCOMPARE(meldingen, QStringList{});
    }
};

QTEST_MAIN(TestOntwerpen)
#include "tst_ontwerpen.moc"
