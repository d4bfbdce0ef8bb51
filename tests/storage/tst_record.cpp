// The one field reader against the field rules, as the puzzle file, the
// settings file and the word library rely on them.
#include "storage/Record.h"

#include <QTest>

class TestRecord : public QObject
{
    Q_OBJECT
private slots:
    void velden_data();
    void velden();
    void getallen_data();
    void getallen();
};

void TestRecord::velden_data()
{
    QTest::addColumn<QByteArray>("data");
    QTest::addColumn<QByteArrayList>("velden");  // the fields until the data ends
    QTest::addColumn<bool>("afgebroken");         // after the last field
    QTest::newRow("texts and numbers") << QByteArray("\"a b\",12\r\n\"\",-3\r\n")
                                       << QByteArrayList{"a b", "12", "", "-3"} << false;
    QTest::newRow("empty fields") << QByteArray("1,,\"x\"\r\n,\r\n") << QByteArrayList{"1", "", "x", "", ""} << false;
    QTest::newRow("blanks before, junk after the quote")
        << QByteArray("  \"a\" junk,\t7 \r\n") << QByteArrayList{"a", "7 "} << false;
    QTest::newRow("a quote ends the text") << QByteArray("\"zeg \"hoi\"\",1\r\n")
                                           << QByteArrayList{"zeg ", "1"} << false;
    QTest::newRow("line ends of every kind") << QByteArray("1\n2\r3\r\n4") << QByteArrayList{"1", "2", "3", "4"} << false;
    QTest::newRow("no final line end") << QByteArray("\"a\",\"b\"") << QByteArrayList{"a", "b"} << false;
    QTest::newRow("cut inside a quote") << QByteArray("\"a\",\"b c") << QByteArrayList{"a", "b c"} << true;
    QTest::newRow("empty data") << QByteArray() << QByteArrayList{} << false;
}

void TestRecord::velden()
{
    QFETCH(QByteArray, data);
    QFETCH(QByteArrayList, velden);
    QFETCH(bool, afgebroken);
    RecordLezer r(data);
    QByteArrayList gelezen;
    while (const auto v = r.VolgendVeld())
        gelezen << v->toByteArray();
    QCOMPARE(gelezen, velden);
    QCOMPARE(r.Afgebroken(), afgebroken);
}

void TestRecord::getallen_data()
{
    QTest::addColumn<QByteArray>("veld");
    QTest::addColumn<int>("getal");  // -999 for no number
    QTest::newRow("plain") << QByteArray("240") << 240;
    QTest::newRow("negative") << QByteArray("-22") << -22;
    QTest::newRow("blanks round it") << QByteArray(" 7 ") << 7;
    QTest::newRow("empty is 0") << QByteArray("") << 0;
    QTest::newRow("quoted") << QByteArray("\"5\"") << 5;
    QTest::newRow("plus sign") << QByteArray("+5") << -999;
    QTest::newRow("letters") << QByteArray("12a") << -999;
    QTest::newRow("inner blank") << QByteArray("1 2") << -999;
    QTest::newRow("beyond 32 bits") << QByteArray("2147483648") << -999;
}

void TestRecord::getallen()
{
    QFETCH(QByteArray, veld);
    QFETCH(int, getal);
    RecordLezer r(veld + "\r\n");
    const auto g = r.LeesGetal();
    QCOMPARE(g ? *g : -999, getal);
}

QTEST_GUILESS_MAIN(TestRecord)
#include "tst_record.moc"
