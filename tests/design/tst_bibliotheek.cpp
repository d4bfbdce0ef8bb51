// The library search: which items match, in what order and form, and what
// an odd or missing file gives.
#include "design/Bibliotheek.h"

#include <QTemporaryDir>
#include <QTest>

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
        QCOMPARE(ZoekInBibliotheek(data, n, p, letter.at(0)), verwacht);

        // Through the file too, as the dialog reads it; a missing file or a folder gives nothing.
        QTemporaryDir map;
        QFile f(map.filePath("library.lib"));
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(data) == data.size());
        f.close();
        QCOMPARE(ZoekInBibliotheekBestand(f.fileName(), n, p, letter.at(0)), verwacht);
        QVERIFY(ZoekInBibliotheekBestand(map.filePath("ontbreekt.lib"), n, p, letter.at(0)).isEmpty());
        QVERIFY(ZoekInBibliotheekBestand(map.path(), n, p, letter.at(0)).isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestBibliotheek)
#include "tst_bibliotheek.moc"
