#include "discs/Gewinntabelle.h"
#include "tests/testmain.h"

#include <QtTest>

using namespace Gewinntabelle;

namespace {

QString Beschreibe(const TSchritt& S)
{
    const char* Frucht[] = {"Zitrone", "Erdbeere", "Karotte", "Kirsche"};
    switch (S.Art) {
    case TSchritt::TArt::Einsatzlabel:
        return "Einsatz " + S.Text;
    case TSchritt::TArt::Blinke:
        return QStringLiteral("Blinke %1 %2%3%4")
            .arg(S.Anzahl)
            .arg(QChar(S.Links ? 'L' : '-'))
            .arg(QChar(S.Mitte ? 'M' : '-'))
            .arg(QChar(S.Rechts ? 'R' : '-'));
    case TSchritt::TArt::Risiko:
        return "Risiko " + S.Text;
    case TSchritt::TArt::Gutschrift:
        return "+" + QString::fromStdString(BcdToGeneral(S.Betrag));
    case TSchritt::TArt::Meldung:
        return "\"" + S.Text + "\"";
    case TSchritt::TArt::LampeAn:
        return QStringLiteral("Lampe %1 %2").arg(Frucht[int(S.Frucht)]).arg(S.Anzahl);
    case TSchritt::TArt::LampenAus:
        return QStringLiteral("aus %1").arg(Frucht[int(S.Frucht)]);
    case TSchritt::TArt::Sonderspiele:
        return "Sonderspiele " + QString::fromStdString(BcdToGeneral(S.Betrag));
    }
    return {};
}

// A row's credits as amounts: "+1,0" and "+1" are the same win.
QString GutschriftenAlsBetraege(QString Schritte)
{
    static const QRegularExpression Gutschrift(QStringLiteral("\\+([0-9,]+)"));
    QRegularExpressionMatchIterator Treffer = Gutschrift.globalMatch(QString(Schritte));
    QList<QRegularExpressionMatch> Alle;
    while (Treffer.hasNext())
        Alle.prepend(Treffer.next());
    for (const QRegularExpressionMatch& T : Alle)
        Schritte.replace(
            T.capturedStart(1), T.capturedLength(1),
            QString::fromStdString(BcdToGeneral(BcdFromText(T.captured(1).toStdString()))));
    return Schritte;
}

int Ziffer(const QString& Text, int i)
{
    return Text.at(i).digitValue();
}

} // namespace

class TestGewinntabelle : public QObject
{
    Q_OBJECT

private slots:
    void jedeRegelMitUndOhneRisiko_data();
    void jedeRegelMitUndOhneRisiko();
};

// Columns: the codes left, middle, right; the machine: a digit for the light the risk game stops
// on (2, 1 or 0; none: risk game off), "S" for a vertical screw, "D" for a window that lost its
// activation; the bonus counters lemon, strawberry, carrot, cherries before and after; the steps,
// "?" where the risk game runs.
void TestGewinntabelle::jedeRegelMitUndOhneRisiko_data()
{
    QTest::addColumn<QString>("codes");
    QTest::addColumn<QString>("maschine");
    QTest::addColumn<QString>("vorher");
    QTest::addColumn<QString>("nachher");
    QTest::addColumn<QString>("schritte");
    const auto Zeile = [](const char* Codes, const char* Maschine, const QString& Schritte,
                          const char* Vorher = "0000", const char* Nachher = "0000") {
        QTest::addRow("%s %s %s", Codes, Maschine, Vorher)
            << Codes << Maschine << Vorher << Nachher << Schritte;
    };
    const QString Dreier = "Blinke 1 LMR|+3|\"3 Euro gewonnen!\"|";

    Zeile("111", "", "Blinke 1 LMR|+1,0|\"1 Euro gewonnen!\"");
    Zeile("111", "2", "Blinke 1 LMR|Risiko 1 Euro|?|+2,0|\"2 Euro gewonnen!\"");
    Zeile("555", "", "Blinke 1 LMR|+2,0|\"2 Euro gewonnen!\"");
    Zeile("555", "1", "Blinke 1 LMR|Risiko 2 Euro|?|+2,0|\"2 Euro gewonnen!\"");
    Zeile("333", "", "Einsatz 30 Cent|Blinke 1 LMR|+3,0|\"3 Euro gewonnen!\"");
    Zeile("333", "2", "Einsatz 30 Cent|Blinke 1 LMR|Risiko 3 Euro|?|+6,0|\"6 Euro gewonnen!\"");
    Zeile("333", "0", "Einsatz 30 Cent|Blinke 1 LMR|Risiko 3 Euro|?");
    Zeile("777", "", "Blinke 1 LMR|+4,0|\"4 Euro gewonnen!\"");
    Zeile("777", "2", "Blinke 1 LMR|Risiko 4 Euro|?|+8,0|\"8 Euro gewonnen!\"");

    // The middle 3 alone, and with a fruit pair whose amount follows what the risk game kept.
    Zeile("135", "", "Einsatz 30 Cent|Blinke 1 -M-|+0,3|\"30 Cent gewonnen!\"");
    Zeile("331", "2", "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|+0,6|\"60 Cent gewonnen!\"");
    Zeile("232", "",
          "Einsatz 30 Cent|Blinke 1 -M-|+0,3|\"30 Cent gewonnen!\"|Blinke 1 L-R|+1|\"1 Euro "
          "gewonnen!\"");
    Zeile("232", "2",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|+0,6|\"60 Cent gewonnen!\"|Blinke 1 L-R|+1,6|"
          "\"1,6 Euro gewonnen!\"");
    Zeile("838", "1",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|+0,3|\"30 Cent gewonnen!\"|Blinke 1 L-R|+1,3|"
          "\"1,3 Euro gewonnen!\"");
    Zeile("434", "0",
          "Einsatz 30 Cent|Blinke 1 -M-|Risiko |?|Blinke 1 L-R|+1|\"1 Euro gewonnen!\"");

    // Fruit triples, never risked, light the next lamp; the third completes the series.
    Zeile("222", "1", Dreier + "Lampe Zitrone 1", "0000", "1000");
    Zeile("444", "", Dreier + "Lampe Erdbeere 2", "2122", "2222");
    Zeile("666", "2", Dreier + "Lampe Karotte 1", "0000", "0010");
    Zeile("666", "S", "Blinke 5 LMR|+30|\"30 Euro gewonnen!\"|Lampe Karotte 2", "0010", "0020");
    Zeile("888", "", Dreier + "Lampe Kirsche 1", "0000", "0001");
    Zeile("222", "",
          Dreier + "Lampe Zitrone 3|Blinke 5 LMR|Sonderspiele 10|aus Zitrone|\"10 Sonderspiele "
                   "gewonnen!!!\"",
          "2102", "0102");
    Zeile("444", "",
          Dreier + "Lampe Erdbeere 3|Blinke 5 LMR|Sonderspiele 5|aus Erdbeere|\"5 Sonderspiele "
                   "gewonnen!!!\"",
          "0200", "0000");
    Zeile("666", "S",
          "Blinke 5 LMR|+30|\"30 Euro gewonnen!\"|Lampe Karotte 3|Blinke 5 LMR|Sonderspiele 15|"
          "aus Karotte|\"15 Sonderspiele gewonnen!!!\"",
          "0020", "0000");
    Zeile("888", "",
          Dreier + "Lampe Kirsche 3|Blinke 5 LMR|Sonderspiele 20|aus Kirsche|\"20 Sonderspiele "
                   "gewonnen!!!\"",
          "0002", "0000");

    // Fruit pairs: left and right alike, the middle different.
    const char* Paar = "Blinke 1 L-R|+1|\"1 Euro gewonnen!\"";
    Zeile("212", "0", Paar);
    Zeile("484", "", Paar, "0200", "0200");
    Zeile("656", "S", Paar);
    Zeile("878", "", Paar);

    // Nothing: number pairs, mixed symbols, a disc that was not read; an invalid game.
    Zeile("151", "", "");
    Zeile("226", "", "");
    Zeile("202", "", "");
    Zeile("030", "2", "Einsatz 30 Cent");
    Zeile("229", "", "");
    Zeile("111", "2D", "\"  Spielabbruch durch Anwender!\"", "2222", "2222");
    Zeile("232", "D", "Einsatz 30 Cent|\"  Spielabbruch durch Anwender!\"");
}

void TestGewinntabelle::jedeRegelMitUndOhneRisiko()
{
    QFETCH(QString, codes);
    QFETCH(QString, maschine);
    QFETCH(QString, vorher);
    QFETCH(QString, nachher);
    QFETCH(QString, schritte);

    const QString Licht = maschine.left(1);
    const bool RisikoEin = Licht == "0" || Licht == "1" || Licht == "2";
    const TSpielstand Stand{Ziffer(codes, 0),       Ziffer(codes, 1), Ziffer(codes, 2),
                            maschine.contains('S'), RisikoEin,        maschine.contains('D')};
    TBonusZaehler Bonus{Ziffer(vorher, 0), Ziffer(vorher, 1), Ziffer(vorher, 2), Ziffer(vorher, 3)};
    QStringList Gespielt;
    const auto Risiko = [&] {
        Gespielt << "?";
        return Licht == "2"   ? TRisikoErgebnis::Doppelt
               : Licht == "1" ? TRisikoErgebnis::Einfach
                              : TRisikoErgebnis::Nichts;
    };
    const TAuswertung A =
        WerteAus(Stand, Bonus, Risiko, [&](const TSchritt& S) { Gespielt << Beschreibe(S); });

    QCOMPARE(Gespielt.join('|'), GutschriftenAlsBetraege(schritte));
    QStringList Geliefert;
    for (const TSchritt& S : A.Schritte)
        Geliefert << Beschreibe(S);
    Gespielt.removeAll("?");
    QCOMPARE(Geliefert, Gespielt);
    QCOMPARE(QStringLiteral("%1%2%3%4").arg(Bonus[0]).arg(Bonus[1]).arg(Bonus[2]).arg(Bonus[3]),
             nachher);
    QCOMPARE(A.Abbruch, maschine.contains('D'));
    QCOMPARE(A.Gewonnen, schritte.contains('+'));
    QCOMPARE(A.SonderspieleGewonnen, schritte.contains("Sonderspiele "));
}

VORLIX_TEST_GUILESS_MAIN(TestGewinntabelle)
#include "tst_gewinntabelle.moc"
