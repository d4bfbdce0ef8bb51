// The library search: which items match, in what order and form, the same
// wherever the pieces it reads end, how far the list goes, and what an odd
// or missing file gives.
#include "design/Bibliotheek.h"
#include "storage/Heelbestand.h"

#include <QTemporaryDir>
#include <QTest>
#include <sys/stat.h>

class TestBibliotheek : public QObject
{
    Q_OBJECT
private slots:
    void zoeken_data()
    {
        QTest::addColumn<QByteArray>("data");
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("p");
        QTest::addColumn<QString>("letter");
        QTest::addColumn<QStringList>("verwacht");

        QTest::newRow("length n only, in file order") << QByteArray("paard\r\nkaas\r\npaarden\r\nwater\r\nzaden\r\n") << 5 << 2
                                                      << "A" << QStringList{"paard", "water", "zaden"};
        QTest::newRow("duplicates twice") << QByteArray("water\r\nwater\r\n") << 5 << 1 << "W" << QStringList{"water", "water"};
        QTest::newRow("two items on a line") << QByteArray("paard,zaden\r\n") << 5 << 1 << "Z" << QStringList{"zaden"};
        QTest::newRow("quoted item with comma") << QByteArray("\"ab,cd\"\r\n") << 5 << 3 << "," << QStringList{"ab,cd"};
        QTest::newRow("listed lower case") << QByteArray("PAARD\r\nWater\r\n") << 5 << 2 << "A" << QStringList{"paard", "water"};
        QTest::newRow("no final line end") << QByteArray("paard\r\nwater") << 5 << 1 << "W" << QStringList{"water"};
        QTest::newRow("LF only") << QByteArray("paard\nwater\n") << 5 << 1 << "P" << QStringList{"paard"};
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

        // Through the file too, as the dialog reads it.
        QTemporaryDir map;
        const QString pad = map.filePath("library.lib");
        QVERIFY(SchrijfHeel(pad, data));
        const Zoekresultaat gevonden = ZoekInBibliotheekBestand(pad, n, p, letter.at(0));
        QCOMPARE(gevonden.woorden, verwacht);
        QVERIFY(!gevonden.afgekapt);
    }

    // The list stops at its bound and says so only when an item is left out.
    void grens()
    {
        QTemporaryDir map;
        const QString pad = map.filePath("library.lib");
        for (const qsizetype aantal : {MaxWoorden, MaxWoorden + 1}) {
            QVERIFY(SchrijfHeel(pad, QByteArray("water\r\n").repeated(aantal) + "kaas\r\n"));
            const Zoekresultaat gevonden = ZoekInBibliotheekBestand(pad, 5, 1, u'W');
            QCOMPARE(gevonden.woorden.size(), MaxWoorden);
            QCOMPARE(gevonden.afgekapt, aantal > MaxWoorden);
        }
    }

    // A missing library, a folder and a pipe give no words, and the pipe
    // does not wait for a writer.
    void geenBibliotheek()
    {
        QTemporaryDir map;
        const QString pijp = map.filePath("pijp.lib");
        QCOMPARE(::mkfifo(QFile::encodeName(pijp).constData(), 0600), 0);
        for (const QString& pad : {map.filePath("ontbreekt.lib"), map.path(), pijp})
            QVERIFY(ZoekInBibliotheekBestand(pad, 5, 1, u'W').woorden.isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBibliotheek)
#include "tst_bibliotheek.moc"
