// The printed page through a recording printer: where every element lands,
// in which font and colour, and what the options and the row count change.
#include "Opnameprinter.h"
#include "output/Miniatuur.h"
#include "output/Pagina.h"
#include "output/Toeval.h"

#include <QtTest>

namespace {

Paginagegevens Puzzel(int n, bool border = true, bool datum = true, int aantal = 1)
{
    Paginagegevens g;
    g.KopTekst = QStringLiteral("Puzzelpagina");
    g.Bord = QImage(503, 449, QImage::Format_RGB32);
    g.Bord.fill(Qt::white);
    for (int i = 1; i <= n; ++i)
        g.Omschrijvingen << QStringLiteral("omschrijving %1").arg(i);
    g.MetBorder = border;
    g.MetDatum = datum;
    g.Aantal = aantal;
    g.DatumRegel = QStringLiteral("14:05:33 / 5-12-2003");
    return g;
}

} // namespace

class TestPagina : public QObject
{
    Q_OBJECT

private slots:
    void kopEnBord()
    {
        Opnameprinter p;
        QVERIFY(DrukPagina(p, Puzzel(5)));
        const auto* kop = p.Op({600, 450});
        QVERIFY(kop);
        QCOMPARE(kop->tekst, QStringLiteral("Puzzelpagina"));
        QCOMPARE(kop->font, QStringLiteral("Arial"));
        QCOMPARE(kop->punten, 12);
        QVERIFY(kop->vet);
        QCOMPARE(kop->kleur, QColor(60, 0, 0));
        QCOMPARE(p.Plaatjes.size(), 1);
        QCOMPARE(p.Plaatjes[0].doel, QRect(600, 1200, 7545, 6735));
        QCOMPARE(p.Plaatjes[0].beeld.size(), QSize(503, 449));
        QCOMPARE(p.Einden, 1);
    }

    void opties_data()
    {
        QTest::addColumn<bool>("border");
        QTest::addColumn<bool>("datum");
        QTest::newRow("beide") << true << true;
        QTest::newRow("geen border") << false << true;
        QTest::newRow("geen datum") << true << false;
        QTest::newRow("geen van beide") << false << false;
    }
    void opties()
    {
        QFETCH(bool, border);
        QFETCH(bool, datum);
        Opnameprinter p;
        DrukPagina(p, Puzzel(5, border, datum));
        QCOMPARE(p.Kaders.size(), border ? 1 : 0);
        if (border) {
            QCOMPARE(p.Kaders[0].van, QPoint(570, 1170));
            QCOMPARE(p.Kaders[0].tot, QPoint(8175, 7965));
            QCOMPARE(p.Kaders[0].kleur, QColor(Qt::black));
        }
        const auto* d = p.Op({6150, 8040});
        QCOMPARE(d != nullptr, datum);
        if (d) {
            QCOMPARE(d->tekst, QStringLiteral("14:05:33 / 5-12-2003"));
            QCOMPARE(d->punten, 10);
            QVERIFY(d->vet);
            QCOMPARE(d->kleur, QColor(120, 120, 120));
        }
        // The clues do not move with the options.
        QCOMPARE(p.Regels.size(), 1 + (datum ? 1 : 0) + 5 + 1);
        QVERIFY(p.Op({600, 8700}));
    }

    void regels_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<int>("antwoordY");
        QTest::newRow("5") << 5 << 10650;
        QTest::newRow("20") << 20 << 14700;
    }
    void regels()
    {
        QFETCH(int, n);
        QFETCH(int, antwoordY);
        Opnameprinter p;
        DrukPagina(p, Puzzel(n));
        for (int i = 1; i <= n; ++i) {
            const auto* r = p.Op({600, 8700 + 270 * (i - 1)});
            QVERIFY2(r, qPrintable(QString::number(i)));
            const QString nummer = (i < 10 ? QStringLiteral("  ") : QString()) + QString::number(i);
            QCOMPARE(r->tekst, nummer + QStringLiteral(". omschrijving %1").arg(i));
            QCOMPARE(r->punten, 11);
            QVERIFY(!r->vet);
            QCOMPARE(r->kleur, QColor(60, 60, 60));
        }
        const auto* a = p.Op({600, antwoordY});
        QVERIFY(a);
        QCOMPARE(a->tekst, QStringLiteral("Het woord dat gezocht wordt is ") + QString(50, u'.'));
        QCOMPARE(a->kleur, QColor(0, 60, 0));
        QCOMPARE(a->punten, 11);
        QVERIFY(!a->vet);
        QCOMPARE(p.Regels.last().tekst, a->tekst);
    }

    void legeTeksten()
    {
        Paginagegevens g = Puzzel(5);
        g.KopTekst.clear();
        g.Omschrijvingen[2].clear();
        Opnameprinter p;
        DrukPagina(p, g);
        QCOMPARE(p.Op({600, 450})->tekst, QString());
        QCOMPARE(p.Op({600, 8700 + 270 * 2})->tekst, QStringLiteral("  3. "));
    }

    void kopieen_data()
    {
        QTest::addColumn<int>("aantal");
        QTest::newRow("1") << 1;
        QTest::newRow("20") << 20;
    }
    void kopieen()
    {
        QFETCH(int, aantal);
        Opnameprinter p;
        DrukPagina(p, Puzzel(5, true, true, aantal));
        QCOMPARE(p.Aantallen, QList<int>{aantal});
        QCOMPARE(p.Einden, 1);
    }

    void misluktePrinter()
    {
        Opnameprinter p;
        p.BijEinde = [] { return false; };
        QVERIFY(!DrukPagina(p, Puzzel(5)));
    }

    void datumregel_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("regel");
        const QDateTime voorbeeld(QDate(2003, 12, 5), QTime(14, 5, 33));
        QTest::newRow("nl") << "nl_NL" << voorbeeld << "14:05:33 / 5-12-2003";
        QTest::newRow("nl ochtend") << "nl_NL" << QDateTime(QDate(2026, 1, 9), QTime(7, 3, 4)) << "07:03:04 / 9-1-2026";
        QTest::newRow("de") << "de_DE" << voorbeeld << "14:05:33 / 5-12-2003";
        QTest::newRow("us") << "en_US" << voorbeeld << "2:05:33 PM / 5-12-2003";
    }
    void datumregel()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, moment);
        QFETCH(QString, regel);
        QCOMPARE(DatumTijdRegel(moment, QLocale(locale)), regel);
    }

    // The miniature's lines must look the same after every program start.
    void regellengtesHerhalen()
    {
        RndOpnieuw();
        const Regellengtes eerste = VolgendeRegellengtes();
        const Regellengtes tweede = VolgendeRegellengtes();
        QVERIFY(eerste != tweede);
        for (int l : eerste)
            QVERIFY(l >= 200 && l <= 999);
        RndOpnieuw();
        QCOMPARE(VolgendeRegellengtes(), eerste);
        QCOMPARE(VolgendeRegellengtes(), tweede);
    }
};

QTEST_GUILESS_MAIN(TestPagina)
#include "tst_pagina.moc"
