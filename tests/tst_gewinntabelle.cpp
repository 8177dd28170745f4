#include "discs/Gewinntabelle.h"

#include <QtTest>

using namespace Gewinntabelle;

namespace {

const char* Fruchtname(TFrucht Frucht)
{
    constexpr const char* Namen[] = {"Zitrone", "Erdbeere", "Karotte", "Kirsche"};
    return Namen[static_cast<int>(Frucht)];
}

QString Beschreibe(const TSchritt& S)
{
    switch (S.Art) {
    case TSchritt::TArt::Einsatzlabel:
        return "Einsatz " + S.Text;
    case TSchritt::TArt::Blinke:
        return QStringLiteral("Blinke %1 %2%3%4")
            .arg(S.Anzahl)
            .arg(S.Links ? 'L' : '-')
            .arg(S.Mitte ? 'M' : '-')
            .arg(S.Rechts ? 'R' : '-');
    case TSchritt::TArt::Risiko:
        return "Risiko " + S.Text;
    case TSchritt::TArt::Gutschrift:
        return "+" + S.Text;
    case TSchritt::TArt::Meldung:
        return "\"" + S.Text + "\"";
    case TSchritt::TArt::LampeAn:
        return QStringLiteral("Lampe %1 %2").arg(Fruchtname(S.Frucht)).arg(S.Anzahl);
    case TSchritt::TArt::LampenAus:
        return QStringLiteral("aus %1").arg(Fruchtname(S.Frucht));
    case TSchritt::TArt::Sonderspiele:
        return "Sonderspiele " + S.Text;
    }
    return "?";
}

using Zaehler = QList<int>;

} // namespace

class TestGewinntabelle : public QObject
{
    Q_OBJECT

private slots:
    void jedeRegelMitUndOhneRisiko_data();
    void jedeRegelMitUndOhneRisiko();
    void regelnDerTabelle_data();
    void regelnDerTabelle();
    void deaktiviertWertetNichtsAus_data();
    void deaktiviertWertetNichtsAus();
};

// Columns: the three codes, "S" for a vertical screw, the risk game ("aus", or "ein" with the
// light it stops on: "2mal", "1mal", "0mal"), the bonus counters before and after, the steps with
// "?" where the risk game is asked, the number win kept, and how the game ends when the player
// had pressed stop.
void TestGewinntabelle::jedeRegelMitUndOhneRisiko_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<bool>("schraube");
    QTest::addColumn<QString>("risiko");
    QTest::addColumn<Zaehler>("bonusVorher");
    QTest::addColumn<Zaehler>("bonusNachher");
    QTest::addColumn<QString>("schritte");
    QTest::addColumn<QString>("zahlengewinn");
    QTest::addColumn<int>("ausgangGestoppt");

    const Zaehler Null{0, 0, 0, 0};
    const int Gewinn = int(TAusgang::Gewinn);
    const int Serie = int(TAusgang::Sonderspielgewinn);
    const int Gestoppt = int(TAusgang::NichtsGestoppt);
    const auto Zeile = [&](const char* Name, QList<int> Codes, const char* Risiko,
                           const char* Schritte, const char* Behalten, int Ausgang,
                           Zaehler Vorher = {0, 0, 0, 0}, Zaehler Nachher = {0, 0, 0, 0},
                           bool Schraube = false) {
        QTest::newRow(Name) << Codes << Schraube << QString(Risiko) << Vorher << Nachher
                            << QString(Schritte) << QString(Behalten) << Ausgang;
    };

    // Number triples.
    Zeile("111 aus", {1, 1, 1}, "aus", "Blinke 1 LMR|+1,0|\"1 Euro gewonnen!\"", "0,0", Gewinn);
    Zeile("111 doppelt", {1, 1, 1}, "2mal",
          "Blinke 1 LMR|Risiko 1 Euro|?|+2,0|\"2 Euro gewonnen!\"", "2,0", Gewinn);
    Zeile("555 aus", {5, 5, 5}, "aus", "Blinke 1 LMR|+2,0|\"2 Euro gewonnen!\"", "0,0", Gewinn);
    Zeile("555 einfach", {5, 5, 5}, "1mal",
          "Blinke 1 LMR|Risiko 2 Euro|?|+2,0|\"2 Euro gewonnen!\"", "2,0", Gewinn);
    Zeile("555 doppelt", {5, 5, 5}, "2mal",
          "Blinke 1 LMR|Risiko 2 Euro|?|+4,0|\"4 Euro gewonnen!\"", "4,0", Gewinn);
    Zeile("333 aus", {3, 3, 3}, "aus", "Einsatz 30 Cent|Blinke 1 LMR|+3,0|\"3 Euro gewonnen!\"",
          "0,0", Gewinn);
    Zeile("333 doppelt", {3, 3, 3}, "2mal",
          "Einsatz 30 Cent|Blinke 1 LMR|Risiko 3 Euro|?|+6,0|\"6 Euro gewonnen!\"", "6,0", Gewinn);
    Zeile("333 verloren", {3, 3, 3}, "0mal", "Einsatz 30 Cent|Blinke 1 LMR|Risiko 3 Euro|?", "0,0",
          Gestoppt);
    Zeile("777 aus", {7, 7, 7}, "aus", "Blinke 1 LMR|+4,0|\"4 Euro gewonnen!\"", "0,0", Gewinn);
    Zeile("777 doppelt", {7, 7, 7}, "2mal",
          "Blinke 1 LMR|Risiko 4 Euro|?|+8,0|\"8 Euro gewonnen!\"", "8,0", Gewinn);

    // The middle 3 alone, and with a fruit pair in every risk result.
    Zeile("135 aus", {1, 3, 5}, "aus", "Einsatz 30 Cent|Blinke 1 -M-|+0,3|\"30 Cent gewonnen!\"",
          "0,0", Gewinn);
    Zeile("133 einfach", {1, 3, 3}, "1mal",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|+0,3|\"30 Cent gewonnen!\"", "0,3", Gewinn);
    Zeile("331 doppelt", {3, 3, 1}, "2mal",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|+0,6|\"60 Cent gewonnen!\"", "0,6", Gewinn);
    Zeile("232 aus", {2, 3, 2}, "aus",
          "Einsatz 30 Cent|Blinke 1 -M-|+0,3|\"30 Cent gewonnen!\"|Blinke 1 L-R|+1|"
          "\"1 Euro gewonnen!\"",
          "0,0", Gewinn);
    Zeile("232 doppelt", {2, 3, 2}, "2mal",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|+0,6|\"60 Cent gewonnen!\"|Blinke 1 L-R|+1,6|"
          "\"1,6 Euro gewonnen!\"",
          "0,6", Gewinn);
    Zeile("838 einfach", {8, 3, 8}, "1mal",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|+0,3|\"30 Cent gewonnen!\"|Blinke 1 L-R|+1,3|"
          "\"1,3 Euro gewonnen!\"",
          "0,3", Gewinn);
    Zeile("434 verloren", {4, 3, 4}, "0mal",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|Blinke 1 L-R|+1|\"1 Euro gewonnen!\"", "0,0",
          Gewinn);
    Zeile("135 verloren", {1, 3, 5}, "0mal", "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?", "0,0",
          Gestoppt);

    // Fruit triples are never risked; each lights the next lamp of its fruit.
    Zeile("222", {2, 2, 2}, "1mal", "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|Lampe Zitrone 1", "0,0",
          Gewinn, Null, {1, 0, 0, 0});
    Zeile("444 zweite", {4, 4, 4}, "aus", "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|Lampe Erdbeere 2",
          "0,0", Gewinn, {2, 1, 2, 2}, {2, 2, 2, 2});
    Zeile("666", {6, 6, 6}, "2mal", "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|Lampe Karotte 1", "0,0",
          Gewinn, Null, {0, 0, 1, 0});
    Zeile("666 Schraube", {6, 6, 6}, "aus",
          "Blinke 5 LMR|+30|\"30 Euro gewonnen!\"|Lampe Karotte 2", "0,0", Gewinn, {0, 0, 1, 0},
          {0, 0, 2, 0}, true);
    Zeile("888", {8, 8, 8}, "aus", "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|Lampe Kirsche 1", "0,0",
          Gewinn, Null, {0, 0, 0, 1});
    Zeile("222 Serie", {2, 2, 2}, "aus",
          "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|Lampe Zitrone 3|Blinke 5 LMR|Sonderspiele 10|"
          "aus Zitrone|\"10 Sonderspiele gewonnen!!!\"",
          "0,0", Serie, {2, 1, 0, 2}, {0, 1, 0, 2});
    Zeile("444 Serie", {4, 4, 4}, "aus",
          "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|Lampe Erdbeere 3|Blinke 5 LMR|Sonderspiele 5|"
          "aus Erdbeere|\"5 Sonderspiele gewonnen!!!\"",
          "0,0", Serie, {0, 2, 0, 0}, Null);
    Zeile("666 Schraube Serie", {6, 6, 6}, "aus",
          "Blinke 5 LMR|+30|\"30 Euro gewonnen!\"|Lampe Karotte 3|Blinke 5 LMR|Sonderspiele 15|"
          "aus Karotte|\"15 Sonderspiele gewonnen!!!\"",
          "0,0", Serie, {0, 0, 2, 0}, Null, true);
    Zeile("888 Serie", {8, 8, 8}, "aus",
          "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|Lampe Kirsche 3|Blinke 5 LMR|Sonderspiele 20|"
          "aus Kirsche|\"20 Sonderspiele gewonnen!!!\"",
          "0,0", Serie, {0, 0, 0, 2}, Null);

    // Fruit pairs: left and right alike, the middle different.
    Zeile("212 ein", {2, 1, 2}, "0mal", "Blinke 1 L-R|+1|\"1 Euro gewonnen!\"", "0,0", Gewinn);
    Zeile("484", {4, 8, 4}, "aus", "Blinke 1 L-R|+1|\"1 Euro gewonnen!\"", "0,0", Gewinn,
          {0, 2, 0, 0}, {0, 2, 0, 0});
    Zeile("656", {6, 5, 6}, "aus", "Blinke 1 L-R|+1|\"1 Euro gewonnen!\"", "0,0", Gewinn, Null,
          Null, true);
    Zeile("878", {8, 7, 8}, "aus", "Blinke 1 L-R|+1|\"1 Euro gewonnen!\"", "0,0", Gewinn);

    // Nothing: number pairs, mixed symbols, and a disc that was not read.
    Zeile("151", {1, 5, 1}, "aus", "", "0,0", Gestoppt);
    Zeile("226", {2, 2, 6}, "aus", "", "0,0", Gestoppt);
    Zeile("000", {0, 0, 0}, "aus", "", "0,0", Gestoppt);
    Zeile("202", {2, 0, 2}, "aus", "", "0,0", Gestoppt);
    Zeile("030", {0, 3, 0}, "2mal", "Einsatz 30 Cent", "0,0", Gestoppt);
    Zeile("330", {3, 3, 0}, "2mal", "Einsatz 30 Cent", "0,0", Gestoppt);
    Zeile("229", {2, 2, 9}, "aus", "", "0,0", Gestoppt);
}

void TestGewinntabelle::jedeRegelMitUndOhneRisiko()
{
    QFETCH(QList<int>, codes);
    QFETCH(bool, schraube);
    QFETCH(QString, risiko);
    QFETCH(Zaehler, bonusVorher);
    QFETCH(Zaehler, bonusNachher);
    QFETCH(QString, schritte);
    QFETCH(QString, zahlengewinn);
    QFETCH(int, ausgangGestoppt);

    const TSpielstand Stand{codes[0], codes[1], codes[2], schraube, risiko != "aus", false};
    TBonusZaehler Bonus{bonusVorher[0], bonusVorher[1], bonusVorher[2], bonusVorher[3]};
    QStringList Gespielt;
    const auto Antwort = risiko == "2mal"   ? TRisikoErgebnis::Doppelt
                         : risiko == "1mal" ? TRisikoErgebnis::Einfach
                                            : TRisikoErgebnis::Nichts;
    const TAuswertung A = WerteAus(
        Stand, Bonus,
        [&] {
            Gespielt << "?";
            return Antwort;
        },
        [&](const TSchritt& S) { Gespielt << Beschreibe(S); });

    QCOMPARE(Gespielt.join('|'), schritte);
    QStringList Geliefert;
    for (const TSchritt& S : A.Schritte)
        Geliefert << Beschreibe(S);
    Gespielt.removeAll("?");
    QCOMPARE(Geliefert, Gespielt);
    QCOMPARE(Zaehler(Bonus.begin(), Bonus.end()), bonusNachher);
    QCOMPARE(A.Zahlengewinn, zahlengewinn);
    QCOMPARE(A.Abbruch, false);
    QCOMPARE(int(Ausgang(A, true)), ausgangGestoppt);
    const int Ungestoppt =
        ausgangGestoppt == int(TAusgang::NichtsGestoppt) ? int(TAusgang::Nichts) : ausgangGestoppt;
    QCOMPARE(int(Ausgang(A, false)), Ungestoppt);
}

void TestGewinntabelle::regelnDerTabelle_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QList<int>>("regeln");
    QTest::newRow("111") << QList<int>{1, 1, 1} << QList<int>{1};
    QTest::newRow("555") << QList<int>{5, 5, 5} << QList<int>{2};
    QTest::newRow("333") << QList<int>{3, 3, 3} << QList<int>{3};
    QTest::newRow("733") << QList<int>{7, 3, 3} << QList<int>{4};
    QTest::newRow("777") << QList<int>{7, 7, 7} << QList<int>{5};
    QTest::newRow("222") << QList<int>{2, 2, 2} << QList<int>{6};
    QTest::newRow("262") << QList<int>{2, 6, 2} << QList<int>{7};
    QTest::newRow("444") << QList<int>{4, 4, 4} << QList<int>{8};
    QTest::newRow("434") << QList<int>{4, 3, 4} << QList<int>{4, 9};
    QTest::newRow("666") << QList<int>{6, 6, 6} << QList<int>{10};
    QTest::newRow("616") << QList<int>{6, 1, 6} << QList<int>{11};
    QTest::newRow("888") << QList<int>{8, 8, 8} << QList<int>{12};
    QTest::newRow("828") << QList<int>{8, 2, 8} << QList<int>{13};
    QTest::newRow("151") << QList<int>{1, 5, 1} << QList<int>{};
    QTest::newRow("808") << QList<int>{8, 0, 8} << QList<int>{};
}

void TestGewinntabelle::regelnDerTabelle()
{
    QFETCH(QList<int>, codes);
    QFETCH(QList<int>, regeln);
    TBonusZaehler Bonus{};
    const TAuswertung A = WerteAus({codes[0], codes[1], codes[2], false, true, false}, Bonus,
                                   [] { return TRisikoErgebnis::Nichts; });
    QList<int> Gefunden;
    for (int Regel = 1; Regel <= AnzahlRegeln; ++Regel)
        if (A.Regeln & (1u << Regel))
            Gefunden << Regel;
    QCOMPARE(Gefunden, regeln);
}

void TestGewinntabelle::deaktiviertWertetNichtsAus_data()
{
    QTest::addColumn<QList<int>>("codes");
    QTest::addColumn<QString>("schritte");
    QTest::newRow("111") << QList<int>{1, 1, 1} << "\"  Spielabbruch durch Anwender!\"";
    QTest::newRow("232") << QList<int>{2, 3, 2}
                         << "Einsatz 30 Cent|\"  Spielabbruch durch Anwender!\"";
    QTest::newRow("222 dritte") << QList<int>{2, 2, 2} << "\"  Spielabbruch durch Anwender!\"";
}

void TestGewinntabelle::deaktiviertWertetNichtsAus()
{
    QFETCH(QList<int>, codes);
    QFETCH(QString, schritte);
    TBonusZaehler Bonus{2, 2, 2, 2};
    bool Gefragt = false;
    const TAuswertung A = WerteAus({codes[0], codes[1], codes[2], true, true, true}, Bonus, [&] {
        Gefragt = true;
        return TRisikoErgebnis::Doppelt;
    });
    QStringList Geliefert;
    for (const TSchritt& S : A.Schritte)
        Geliefert << Beschreibe(S);
    QCOMPARE(Geliefert.join('|'), schritte);
    QVERIFY(A.Abbruch);
    QVERIFY(!A.Gewonnen);
    QVERIFY(!Gefragt);
    QCOMPARE(Bonus, (TBonusZaehler{2, 2, 2, 2}));
    QCOMPARE(Ausgang(A, true), TAusgang::Abbruch);
}

QTEST_GUILESS_MAIN(TestGewinntabelle)
#include "tst_gewinntabelle.moc"
