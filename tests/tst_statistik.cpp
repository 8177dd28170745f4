#include "tests/testmain.h"
#include "tools/statistik/Kunstwerk.h"
#include "tools/statistik/Maschinenzahlen.h"

#include <QtTest>

using namespace Maschinenzahlen;

class TestStatistik : public QObject
{
    Q_OBJECT

private slots:
    void symbolwahrscheinlichkeitenDerScheiben_data();
    void symbolwahrscheinlichkeitenDerScheiben();
    void ruhewinkelAnDenRaendern_data();
    void ruhewinkelAnDenRaendern();
    void exaktAufVonHandRechenbarenScheiben_data();
    void exaktAufVonHandRechenbarenScheiben();
    void simulationTrifftDieExaktenZahlen();
    void simulationHaengtNurVonDerSaatAb();
};

// How many of a disc's draws show each code 1 to 8.
void TestStatistik::symbolwahrscheinlichkeitenDerScheiben_data()
{
    QTest::addColumn<int>("scheibe");
    QTest::addColumn<QList<int>>("anzahl");
    QTest::newRow("links, von 45") << 0 << QList<int>{4, 6, 6, 6, 6, 5, 6, 6};
    QTest::newRow("Mitte, von 60") << 1 << QList<int>{7, 7, 8, 8, 8, 8, 7, 7};
    QTest::newRow("rechts, von 12") << 2 << QList<int>{1, 2, 2, 2, 2, 1, 1, 1};
}

void TestStatistik::symbolwahrscheinlichkeitenDerScheiben()
{
    QFETCH(int, scheibe);
    QFETCH(QList<int>, anzahl);
    QList<int> Gezaehlt(8, 0);
    // The machine's artwork, turned and read as the machine does, and the artwork's layout.
    const TScheiben Gedreht = ScheibenAusRuhewinkeln(CodeDurchDrehung(Scheibenkunstwerk()));
    const TScheiben Scheiben = ScheibenAusRuhewinkeln(Marker::SymbolBeiWinkel);
    QCOMPARE(Gedreht[scheibe], Scheiben[scheibe]);
    for (int Code : Scheiben[scheibe])
        ++Gezaehlt[Code - 1];
    QCOMPARE(Gezaehlt, anzahl);
}

void TestStatistik::ruhewinkelAnDenRaendern_data()
{
    QTest::addColumn<int>("scheibe");
    QTest::addColumn<int>("r");
    QTest::addColumn<int>("winkel");
    QTest::newRow("links r = 0") << 0 << 0 << 0;
    QTest::newRow("links r = 1") << 0 << 1 << 135;
    QTest::newRow("links r = 44") << 0 << 44 << 2025;
    QTest::newRow("Mitte r = 0") << 1 << 0 << 90;
    QTest::newRow("rechts r = 0") << 2 << 0 << 765;
    QTest::newRow("rechts r = 11") << 2 << 11 << 1260;
}

void TestStatistik::ruhewinkelAnDenRaendern()
{
    QFETCH(int, scheibe);
    QFETCH(int, r);
    QFETCH(int, winkel);
    QCOMPARE(Scheibenregeln::Ruhewinkel(Scheibenregeln::TScheibe(scheibe), r), winkel);
}

// Discs that (nearly) always show one code, worked out by hand.
void TestStatistik::exaktAufVonHandRechenbarenScheiben_data()
{
    QTest::addColumn<QList<int>>("links");
    QTest::addColumn<QList<int>>("mitte");
    QTest::addColumn<QList<int>>("rechts");
    QTest::addColumn<bool>("risiko");
    // Gewinn, Streuung, Sonderspiele, Quote gespielt, Quote zu 20 Cent, then the hit rates of
    // rules 1 to 13 in percent.
    QTest::addColumn<QStringList>("zahlen");

    const QStringList Keine(13, "0,0000");
    const auto Treffer = [&Keine](std::initializer_list<int> Regeln) {
        QStringList T = Keine;
        for (int n : Regeln)
            T[n - 1] = "100,0000";
        return T;
    };
    QTest::newRow("111 ohne Risiko")
        << QList<int>{1} << QList<int>{1} << QList<int>{1} << false
        << QStringList{"1,0000", "0,0000", "0,000000", "500,0000", "500,0000"} + Treffer({1});
    // 2, 1 or 0 Euro: mean 1, spread sqrt(2/3).
    QTest::newRow("111 mit Risiko")
        << QList<int>{1} << QList<int>{1} << QList<int>{1} << true
        << QStringList{"1,0000", "0,8165", "0,000000", "500,0000", "500,0000"} + Treffer({1});
    // 6, 3 or 0 Euro: spread sqrt(6).
    QTest::newRow("333 mit Risiko")
        << QList<int>{3} << QList<int>{3} << QList<int>{3} << true
        << QStringList{"3,0000", "2,4495", "0,000000", "1500,0000", "1500,0000"} + Treffer({3});
    // 0,30 + 1 Euro without risk; with it 2,20, 1,60 or 1,00 Euro.
    QTest::newRow("232 ohne Risiko")
        << QList<int>{2} << QList<int>{3} << QList<int>{2} << false
        << QStringList{"1,3000", "0,0000", "0,000000", "650,0000", "650,0000"} + Treffer({4, 7});
    QTest::newRow("232 mit Risiko")
        << QList<int>{2} << QList<int>{3} << QList<int>{2} << true
        << QStringList{"1,6000", "0,4899", "0,000000", "800,0000", "800,0000"} + Treffer({4, 7});
    // A strawberry triple one game in ten: 3 Euro, and 5 special games every third time.
    // Spread sqrt(0,1 * 9 - 0,09) = 0,9; 0,3 / (0,2 * 5/6) = 180 %; (0,3 + 0,2/6) / 0,2.
    QStringList Erdbeeren =
        QStringList{"0,3000", "0,9000", "0,166667", "180,0000", "166,6667"} + Keine;
    Erdbeeren[5 + 7] = "10,0000";
    QTest::newRow("Erdbeere jedes zehnte Spiel")
        << QList<int>{4} << QList<int>{4} << QList<int>{4, 1, 1, 1, 1, 1, 1, 1, 1, 1} << true
        << Erdbeeren;
    // Carrots always: 30 Euro when the screw stands upright (2 of 8), else 3 Euro; 15 special
    // games every third game, so the special games never run out. 0,25 * 30 + 0,75 * 3 = 9,75;
    // spread sqrt(0,25 * 0,75) * 27; (9,75 + 5 * 0,2) / 0,2.
    QStringList Karotten =
        QStringList{"9,7500", "11,6913", "5,000000", "unendlich", "5375,0000"} + Treffer({10});
    QTest::newRow("immer Karotten")
        << QList<int>{6} << QList<int>{6} << QList<int>{6} << false << Karotten;
}

void TestStatistik::exaktAufVonHandRechenbarenScheiben()
{
    QFETCH(QList<int>, links);
    QFETCH(QList<int>, mitte);
    QFETCH(QList<int>, rechts);
    QFETCH(bool, risiko);
    QFETCH(QStringList, zahlen);

    const TScheiben Scheiben{std::vector<int>(links.begin(), links.end()),
                             std::vector<int>(mitte.begin(), mitte.end()),
                             std::vector<int>(rechts.begin(), rechts.end())};
    QStringList Berechnet;
    for (const TKennzahl& K : Kennzahlen(BerechneExakt(Scheiben, risiko), nullptr, 1))
        Berechnet << K.ExaktText;
    QCOMPARE(Berechnet, zahlen);
}

void TestStatistik::simulationTrifftDieExaktenZahlen()
{
    const TScheiben Scheiben = ScheibenAusRuhewinkeln(Marker::SymbolBeiWinkel);
    for (bool RisikoEin : {true, false}) {
        const TZaehlung Z = Simuliere(Scheiben, RisikoEin, 300000, 20261208, 2);
        QCOMPARE(Z.Spiele, 300000u);
        for (const TKennzahl& K : Kennzahlen(BerechneExakt(Scheiben, RisikoEin), &Z, 36)) {
            QVERIFY2(K.ImIntervall(), qPrintable(K.Name));
            QVERIFY2(K.Halbbreite > 0, qPrintable(K.Name));
        }
    }
}

void TestStatistik::simulationHaengtNurVonDerSaatAb()
{
    const TScheiben Scheiben = ScheibenAusRuhewinkeln(Marker::SymbolBeiWinkel);
    const TZaehlung Einer = Simuliere(Scheiben, true, 200000, 7, 1);
    const TZaehlung Drei = Simuliere(Scheiben, true, 200000, 7, 3);
    const TZaehlung Andere = Simuliere(Scheiben, true, 200000, 8, 3);
    QVERIFY(Einer.Haeufigkeit == Drei.Haeufigkeit);
    QVERIFY(Einer.Treffer == Drei.Treffer);
    QVERIFY(Einer.Haeufigkeit != Andere.Haeufigkeit);
}

VORLIX_TEST_GUILESS_MAIN(TestStatistik)
#include "tst_statistik.moc"
