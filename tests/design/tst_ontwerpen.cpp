// Designing a puzzle through the two dialogs: the search word's checks, the letter
// position's bounds, the OK checks in order, the committed row; the library search.
#include "Nepscherm.h"
#include "board/Bord.h"
#include "design/Bibliotheek.h"
#include "design/Invoer.h"
#include "design/Start.h"
#include "shell/Naad.h"
#include "storage/Heelbestand.h"
#include "storage/Puzzelbestand.h"

#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

using namespace Algemeen;

class TestOntwerpen : public QObject
{
    Q_OBJECT

    Nepscherm scherm;
    QStringList meldingen;
    QStringList antwoorden;  // the answers the input box gives, in turn
    QStringList vragen;

    void NieuwePuzzel(const QString& woord) { scherm.werk.NieuwePuzzel(woord); }
    // Click in the middle of box i of the preview.
    static void KlikVakje(Invoer& dlg, int i) { dlg.Voorbeeld_MouseDown(QPoint(8 + 11 * i, 15)); }
    static QStringList Een(const QString& melding) { return melding.isEmpty() ? QStringList{} : QStringList{melding}; }

private slots:
    void init()
    {
        Naad.PauzeFactor = 0;
        BeginWaarden();
        meldingen.clear();
        antwoorden.clear();
        vragen.clear();
        Naad.Melding = [this](const Meldingen::Melding& m) {
            meldingen << m.tekst;
            return Meldingen::Antwoord::Ok;
        };
        Naad.Vraag = [this](const Meldingen::Vraag& v) {
            vragen << v.titel + u'|' + v.prompt;
            return antwoorden.isEmpty() ? QString() : antwoorden.takeFirst();
        };
    }
    void cleanup() { Naad = {}; }

    void zoekwoord_data()
    {
        QTest::addColumn<QString>("getypt");  // pasted: the field's limits apply to a paste too
        QTest::addColumn<QString>("melding");
        QTest::addColumn<QString>("zoekwoord");  // empty: refused

        const QString kort = QStringLiteral("Woord minimaal 5 tekens lang!");
        QTest::newRow("blanks around") << "  water  " << "" << "water";
        QTest::newRow("four letters") << "abcd" << kort << "";
        QTest::newRow("only blanks") << "       " << kort << "";
        const QString cijfer = QString::fromUtf8("Géén cijfers in het woord plaatsen!");
        QTest::newRow("digit 9") << "abcd9" << cijfer << "";
        QTest::newRow("inner blank") << "abc d" << "" << "abc d";
        QTest::newRow("cut at twenty") << "abcdefghijklmnopqrstuvwxyz" << "" << "abcdefghijklmnopqrst";
        // A double quote would end the text field in the file.
        QTest::newRow("double quote") << "wat\"er" << "" << "wat'er";
    }
    void zoekwoord()
    {
        QFETCH(QString, getypt);
        QFETCH(QString, melding);
        QFETCH(QString, zoekwoord);
        Start dlg(scherm.Venster(), scherm.Lijn());
        dlg.Text1->insert(getypt);
        dlg.OkKnop_Click();
        QCOMPARE(meldingen, Een(melding));
        QCOMPARE(dlg.result() == QDialog::Accepted, !zoekwoord.isEmpty());
        QCOMPARE(dlg.Text1->text(), getypt.left(MaxWoordLengte).replace(u'"', u'\''));  // left to be corrected
        QCOMPARE(dlg.Woord(), zoekwoord);
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
        NieuwePuzzel(QStringLiteral("water"));
        HuidigeRij = 1;
        Invoer dlg(scherm.Venster(), scherm.Lijn());
        dlg.Lengte->setValue(lengte);
        KlikVakje(dlg, vakje);
        QCOMPARE(meldingen, Een(melding));
        QCOMPARE(LetterPositie, melding.isEmpty() ? vakje : 0);

        // Border lines, below the boxes and right of the last one hit nothing.
        const int voor = LetterPositie;
        for (QPoint p : {QPoint(2 + 11 * 3, 15), QPoint(8 + 11 * 3, 10), QPoint(8 + 11 * 3, 21), QPoint(8 + 11 * 3, 30),
                         QPoint(8 + 11 * (lengte + 1), 15)})
            dlg.Voorbeeld_MouseDown(p);
        QCOMPARE(LetterPositie, voor);
        QCOMPARE(meldingen, Een(melding));

        dlg.Lengte->setValue(lengte == 20 ? 19 : lengte + 1);
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
        NieuwePuzzel(QStringLiteral("wabcdefghijrklmnopqt"));
        HuidigeRij = static_cast<std::uint8_t>(rij);
        Invoer dlg(scherm.Venster(), scherm.Lijn());
        dlg.Lengte->setValue(lengte);
        if (vakje)
            KlikVakje(dlg, vakje);
        dlg.Text1->insert(getypt);
        dlg.OkKnop_Click();
        QCOMPARE(meldingen, Een(melding));
        QCOMPARE(vragen.size(), melding.isEmpty() ? 1 : 0);
        QVERIFY(dlg.result() != QDialog::Accepted);
        QCOMPARE(dlg.Text1->text(), getypt);
        QCOMPARE(LetterPositie, vakje);

        antwoorden << omschrijving;
        dlg.OkKnop_Click();  // neither a refusal nor a cancelled clue leaves OK dead
        if (!melding.isEmpty()) {
            QCOMPARE(meldingen, QStringList(2, melding));
            QVERIFY(vragen.isEmpty() && dlg.result() != QDialog::Accepted);
            return;
        }
        QCOMPARE(meldingen, QStringList{});
        QCOMPARE(vragen, QStringList(2, QStringLiteral(" Omschrijving|Geef de omschrijving van het woord...\r\n\r\n  ") + getypt.toUpper()));
        const Rij gekozen = dlg.Gekozen();
        QVERIFY(gekozen.Woord == getypt && gekozen.Omschrijving == omschrijving && gekozen.BeginX == 262 - 22 * vakje);
        QVERIFY(scherm.InfoBalk == QStringLiteral("Informatie...") && dlg.result() == QDialog::Accepted);
        QVERIFY(PuzzelWoord[rij].isEmpty());  // the main window stores it
    }

    // A filled row opens as it was stored; its clue is the clue box's start,
    // and a cancelled clue or Exit hands nothing back.
    void wijzigen()
    {
        NieuwePuzzel(QStringLiteral("water"));
        HuidigeRij = 2;
        const Rij oud{QStringLiteral("Paardje"), QStringLiteral("Dier"), BeginXVoor(2)};
        Invoer dlg(scherm.Venster(), scherm.Lijn(), oud);
        QVERIFY(dlg.Lengte->value() == 7 && LetterPositie == 2 && dlg.Text1->text() == oud.Woord);
        dlg.OkKnop_Click();  // cancelled clue
        QCOMPARE(vragen.size(), 1);
        QVERIFY(vragen[0].endsWith(QStringLiteral("PAARDJE")) && dlg.result() != QDialog::Accepted);
        QString standaard;
        Naad.Vraag = [&](const Meldingen::Vraag& v) { return standaard = v.standaard; };
        dlg.OkKnop_Click();
        QCOMPARE(standaard, oud.Omschrijving);
        QVERIFY(dlg.result() == QDialog::Accepted && dlg.Gekozen().Woord == oud.Woord && dlg.Gekozen().BeginX == oud.BeginX);
        QCOMPARE(meldingen, QStringList{});
    }

    // Which library items match, in what order and form, the same wherever
    // the pieces it reads end.
    void zoeken_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("p");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QStringList>("verwacht");

        QTest::newRow("length n only, in file order, lower case, two on a line")
            << QByteArray("paard\r\nkaas\r\npaarden\r\nWATER,zaden\r\nwater\r\n") << 5 << 2 << "A"
            << QStringList{"paard", "water", "zaden", "water"};
        QTest::newRow("quoted item with comma") << QByteArray("\"ab,cd\"\r\n") << 5 << 3 << "," << QStringList{"ab,cd"};
        QTest::newRow("LF only, no final line end") << QByteArray("paard\nwater") << 5 << 1 << "W" << QStringList{"water"};
        QTest::newRow("accent compared upper case") << QByteArray("caf\xe9s\r\nCAF\xc9S\r\n") << 5 << 4 << QString(QChar(0xC9))
                                                    << QStringList{QString::fromUtf8("cafés"), QString::fromUtf8("cafés")};
        QTest::newRow("blanks count in the length") << QByteArray("ab de\r\n") << 5 << 1 << "A" << QStringList{"ab de"};
        QTest::newRow("position past a short item") << QByteArray("kaas\r\n") << 5 << 5 << "S" << QStringList{};
        QTest::newRow("quoted item over a line end") << QByteArray("\"ab\r\ncd\"\r\nabcdef\r\n") << 6 << 1 << "A"
                                                     << QStringList{"ab\r\ncd", "abcdef"};
        QTest::newRow("long items and text after a quote") << QByteArray(40, 'w') + ",\"" + QByteArray(40, 'w') + "\"x\r\n\"water\"xy,wolk"
                                                           << 5 << 1 << "W" << QStringList{"water"};
        QTest::newRow("unclosed quote runs to the end") << QByteArray("water\r\n\"zaden") << 5 << 1 << "Z" << QStringList{"zaden"};
        QTest::newRow("a letter the file cannot hold") << QByteArray("paard\r\n") << 5 << 1 << QString(QChar(0x0100))
                                                       << QStringList{};
    }
    void zoeken()
    {
        QFETCH(QByteArray, data);
        QFETCH(int, n);
        QFETCH(int, p);
        QFETCH(QString, letter);
        QFETCH(QStringList, verwacht);
        // Every piece size, so every byte, CR LF and quote lies on a piece's end somewhere.
        for (qsizetype stuk = 1; stuk <= data.size(); ++stuk)
            QVERIFY2(ZoekInBibliotheek(data, n, p, letter.at(0), stuk) == verwacht, qPrintable(QString::number(stuk)));
    }

    // The list stops at its bound and says so only when an item is left out;
    // a missing library, a folder and a pipe (not waited on) give no words.
    void bibliotheekbestand()
    {
        QTemporaryDir map;
        const QString pad = map.filePath("library.lib");
        for (const qsizetype aantal : {MaxWoorden, MaxWoorden + 1}) {
            QVERIFY(SchrijfHeel(pad, QByteArray("water\r\n").repeated(aantal) + "kaas\r\n"));
            const Zoekresultaat gevonden = ZoekInBibliotheekBestand(pad, 5, 1, u'W');
            QCOMPARE(gevonden.woorden.size(), MaxWoorden);
            QCOMPARE(gevonden.afgekapt, aantal > MaxWoorden);
        }
        const QString pijp = map.filePath("pijp.lib");
        QCOMPARE(::mkfifo(QFile::encodeName(pijp).constData(), 0600), 0);
        for (const QString& pad : {map.filePath("ontbreekt.lib"), map.path(), pijp})
            QVERIFY(ZoekInBibliotheekBestand(pad, 5, 1, u'W').woorden.isEmpty());
    }

    // A library over its bound is not read and the dialog says so; one at the bound is searched.
    void teGroteBibliotheek_data()
    {
        QTest::addColumn<qint64>("grootte");
        QTest::newRow("at the bound") << MaxBibliotheek;
        QTest::newRow("one byte over") << MaxBibliotheek + 1;
    }
    void teGroteBibliotheek()
    {
        QFETCH(qint64, grootte);
        QTemporaryDir map;
        Naad.Programmamap = map.path();
        QFile f(map.filePath("library.lib"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write("water\r\n") == 7 && f.resize(grootte));  // the rest a hole
        f.close();
        NieuwePuzzel(QStringLiteral("water"));
        HuidigeRij = 1;
        Invoer dlg(scherm.Venster(), scherm.Lijn());
        dlg.Lengte->setValue(5);
        KlikVakje(dlg, 1);
        dlg.ZoekKnop_Click();
        const bool teGroot = grootte > MaxBibliotheek;
        QCOMPARE(dlg.List1->count(), teGroot ? 0 : 1);
        QCOMPARE(meldingen, Een(teGroot ? "De woordenlijst " + QDir::toNativeSeparators(f.fileName())
                                              + " is te groot (meer dan 64 MB) en wordt niet gebruikt."
                                        : QString()));
    }
};

QTEST_MAIN(TestOntwerpen)
#include "tst_ontwerpen.moc"
