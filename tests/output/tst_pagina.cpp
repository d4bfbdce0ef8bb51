// The printed page through a recording printer: where every element lands,
// in which font and colour, and what the options and the row count change.
#include "Opnameprinter.h"
#include "output/Pagina.h"

#include <QtTest>

namespace {

Paginagegevens Puzzel(int n)
{
    Paginagegevens g;
    g.KopTekst = QStringLiteral("Puzzelpagina");
    g.Bord = QImage(503, 449, QImage::Format_RGB32);
    g.Bord.fill(Qt::white);
    for (int i = 1; i <= n; ++i)
        g.Omschrijvingen << QStringLiteral("omschrijving %1").arg(i);
    g.DatumRegel = QStringLiteral("14:05:33 / 5-12-2003");
    return g;
}

// The line at a position with its font and colour, in one comparable text.
QString Lijn(const Opname& o, QPoint p)
{
    const Opname::Regel* r = o.Op(p);
    if (!r)
        return QStringLiteral("niets");
    return QStringLiteral("%1 | %2 %3%4 | ").arg(r->tekst, r->font).arg(r->punten).arg(QLatin1StringView(r->vet ? " vet" : ""))
        + QString::asprintf("%d,%d,%d", r->kleur.red(), r->kleur.green(), r->kleur.blue());
}

} // namespace

class TestPagina : public QObject
{
    Q_OBJECT

private slots:
    void pagina_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<bool>("border");
        QTest::addColumn<bool>("datum");
        QTest::addColumn<int>("aantal");
        QTest::addColumn<bool>("gelukt");
        QTest::addColumn<int>("antwoordY");
        QTest::newRow("5 rijen") << 5 << true << true << 1 << true << 10650;
        QTest::newRow("geen border") << 5 << false << true << 1 << true << 10650;
        QTest::newRow("geen datum, 20 kopieen") << 5 << true << false << 20 << true << 10650;
        QTest::newRow("geen van beide, mislukt") << 5 << false << false << 1 << false << 10650;
        QTest::newRow("20 rijen") << 20 << true << true << 1 << true << 14700;
    }
    void pagina()
    {
        QFETCH(int, n);
        QFETCH(bool, border);
        QFETCH(bool, datum);
        QFETCH(int, aantal);
        QFETCH(bool, gelukt);
        QFETCH(int, antwoordY);
        Paginagegevens g = Puzzel(n);
        g.MetBorder = border;
        g.MetDatum = datum;
        g.Aantal = aantal;
        Opname o;
        o.BijEinde = [=] { return gelukt; };
        Opnameprinter p(o);
        QCOMPARE(DrukPagina(p, g), gelukt);
        QCOMPARE(o.Aantallen, QList<int>{aantal});
        QCOMPARE(o.Einden, 1);

        QCOMPARE(Lijn(o, {600, 450}), QStringLiteral("Puzzelpagina | Arial 12 vet | 60,0,0"));
        QCOMPARE(o.Plaatjes.size(), 1);
        QCOMPARE(o.Plaatjes[0].second, QRect(600, 1200, 7545, 6735));
        QCOMPARE(o.Plaatjes[0].first, g.Bord);
        QCOMPARE(o.Kaders.size(), border ? 1 : 0);
        if (border) {
            QCOMPARE(o.Kaders[0].van, QPoint(570, 1170));
            QCOMPARE(o.Kaders[0].tot, QPoint(8175, 7965));
            QCOMPARE(o.Kaders[0].kleur, QColor(Qt::black));
        }
        QCOMPARE(Lijn(o, {6150, 8040}), datum ? QStringLiteral("14:05:33 / 5-12-2003 | Arial 10 vet | 120,120,120")
                                              : QStringLiteral("niets"));
        // The clues stay put whatever the options; the full stops line up.
        for (int i = 1; i <= n; ++i)
            QCOMPARE(Lijn(o, {600, 8700 + 270 * (i - 1)}),
                     (i < 10 ? QStringLiteral("  ") : QString())
                         + QStringLiteral("%1. omschrijving %1 | Arial 11 | 60,60,60").arg(i));
        QCOMPARE(Lijn(o, {600, antwoordY}),
                 QStringLiteral("Het woord dat gezocht wordt is ") + QString(50, u'.') + QStringLiteral(" | Arial 11 | 0,60,0"));
        QCOMPARE(o.Regels.size(), 1 + (datum ? 1 : 0) + n + 1);
        QCOMPARE(o.Regels.last().positie, QPoint(600, antwoordY));
    }

    // Empty texts are still printed, so nothing below them shifts.
    void legeTeksten()
    {
        Paginagegevens g = Puzzel(5);
        g.KopTekst.clear();
        g.Omschrijvingen[2].clear();
        Opname o;
        Opnameprinter p(o);
        DrukPagina(p, g);
        QCOMPARE(Lijn(o, {600, 450}), QStringLiteral(" | Arial 12 vet | 60,0,0"));
        QCOMPARE(Lijn(o, {600, 8700 + 270 * 2}), QStringLiteral("  3.  | Arial 11 | 60,60,60"));
    }

    void datumregel_data()
    {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QDateTime>("moment");
        QTest::addColumn<QString>("regel");
        const QDateTime middag(QDate(2003, 12, 5), QTime(14, 5, 33));
        QTest::newRow("nl") << "nl_NL" << middag << "14:05:33 / 5-12-2003";
        QTest::newRow("nl ochtend") << "nl_NL" << QDateTime(QDate(2026, 1, 9), QTime(7, 3, 4)) << "07:03:04 / 9-1-2026";
        QTest::newRow("us") << "en_US" << middag << "2:05:33 PM / 5-12-2003";
    }
    void datumregel()
    {
        QFETCH(QString, locale);
        QFETCH(QDateTime, moment);
        QFETCH(QString, regel);
        QCOMPARE(DatumTijdRegel(moment, QLocale(locale)), regel);
    }
};

QTEST_GUILESS_MAIN(TestPagina)
#include "tst_pagina.moc"
