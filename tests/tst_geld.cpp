#include "money/Geldregeln.h"
#include "support/Auswertung.h"
#include "tests/testmain.h"

#include <QtTest>

namespace {
QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToFixed(Wert, 0, 2));
}
TBcdWert Wert(const QString& Text)
{
    return BcdFromText(Text.toStdString());
}
} // namespace

class TestGeld : public QObject
{
    Q_OBJECT

private slots:
    void auszahlungFaelltGroessteZuerst_data();
    void auszahlungFaelltGroessteZuerst();
    void limitLehntAbDemGanzenEuroUeber10000Ab_data();
    void limitLehntAbDemGanzenEuroUeber10000Ab();
    void logspalteDerBilderStimmtMitDemLogUeberein();
    void kasseWirdZwischen10000Und10999Geleert_data();
    void kasseWirdZwischen10000Und10999Geleert();
    void bilanzHaengtNichtVomNamenAb_data();
    void bilanzHaengtNichtVomNamenAb();
    void spielKostetSonderspielDannZwanzigCent_data();
    void spielKostetSonderspielDannZwanzigCent();
    void gespeicherterKassenstandMussGenauSein_data();
    void gespeicherterKassenstandMussGenauSein();
};

void TestGeld::auszahlungFaelltGroessteZuerst_data()
{
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("sonderspiele");
    QTest::addColumn<QString>("auszahlung");
    QTest::addColumn<QStringList>("liste");
    QTest::newRow("nichts") << "0"
                            << "0"
                            << "0,00" << QStringList{};
    QTest::newRow("1,40 und 3 Sonderspiele") << "1,4"
                                             << "3"
                                             << "2,00" << QStringList{"2EuroMuenze"};
    QTest::newRow("99") << "99"
                        << "0"
                        << "99,00" << QStringList{"50EuroSchein", "20EuroSchein", "20EuroSchein",
                                                  "5EuroSchein",  "2EuroMuenze",  "2EuroMuenze"};
    QTest::newRow("0,90") << "0,9"
                          << "0"
                          << "0,90" << QStringList{"50CentMuenze", "20CentMuenze", "20CentMuenze"};
    QTest::newRow("13,70") << "13,7"
                           << "0"
                           << "13,70"
                           << QStringList{"10EuroSchein", "2EuroMuenze", "1EuroMuenze",
                                          "50CentMuenze", "20CentMuenze"};
    QTest::newRow("150") << "150"
                         << "0"
                         << "150,00" << QStringList{"50EuroSchein", "50EuroSchein", "50EuroSchein"};
    QTest::newRow("30") << "30"
                        << "0"
                        << "30,00" << QStringList{"20EuroSchein", "10EuroSchein"};
    QTest::newRow("0,10") << "0,1"
                          << "0"
                          << "0,10" << QStringList{"10CentMuenze"};
    // The count-out has its limit at 100000 notes; the books pay more all the same.
    QTest::newRow("100000 Scheine") << "5000000"
                                    << "0"
                                    << "5000000,00" << QStringList(100000, "50EuroSchein");
    QTest::newRow("ueber dem int-Bereich in Cent") << "42949673,50"
                                                   << "0"
                                                   << "42949673,50" << QStringList{};
}

void TestGeld::auszahlungFaelltGroessteZuerst()
{
    QFETCH(QString, guthaben);
    QFETCH(QString, sonderspiele);
    QFETCH(QString, auszahlung);
    QFETCH(QStringList, liste);
    const Geld::TAuszahlung Neu =
        Geld::BerechneAuszahlung(Wert(guthaben), Wert(sonderspiele), Wert("1000"));
    QCOMPARE(Neu.AuszahlungText, auszahlung);
    QCOMPARE(Neu.Liste, liste);
    QCOMPARE(Text(Neu.SonderSpiele), QString("0,00"));
    QCOMPARE(Text(BcdPlus(Neu.Kasse, Wert(auszahlung))), QString("1000,00"));
}

void TestGeld::limitLehntAbDemGanzenEuroUeber10000Ab_data()
{
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("bild");
    QTest::addColumn<bool>("abgelehnt");
    QTest::newRow("10000,90 nimmt 50 Euro") << "10000,9"
                                            << "Button_50_Euro" << false;
    QTest::newRow("10050,90 lehnt 50 Cent ab") << "10050,9"
                                               << "Button_50_Cent" << true;
    QTest::newRow("10001,00 lehnt 1 Euro ab") << "10001"
                                              << "Button_1_Euro" << true;
    QTest::newRow("10000,99 nimmt 50 Cent") << "10000,99"
                                            << "Button_50_Cent" << false;
    QTest::newRow("1E20 jenseits von int lehnt 50 Euro ab") << "1E20"
                                                            << "Button_50_Euro" << true;
    QTest::newRow("20 Cent nie abgelehnt") << "10050,9"
                                           << "Button_20_Cent" << false;
    QTest::newRow("10 Cent nie abgelehnt") << "10050,9"
                                           << "Button_10_Cent" << false;
}

void TestGeld::limitLehntAbDemGanzenEuroUeber10000Ab()
{
    QFETCH(QString, guthaben);
    QFETCH(QString, bild);
    QFETCH(bool, abgelehnt);
    const Geld::TGeldBild* Bild = Geld::GeldBildFuer(bild);
    QVERIFY(Bild);
    QCOMPARE(Bild->Limitpruefung && Geld::UeberDemLimit(Geld::GeldSpeicherEuro(Wert(guthaben))),
             abgelehnt);
}

void TestGeld::logspalteDerBilderStimmtMitDemLogUeberein()
{
    for (const Geld::TGeldBild& Bild : Geld::GeldBilder())
        QCOMPARE(QString::fromLatin1(Bild.Logspalte),
                 Auswertung::BetragsFeld(QString::fromLatin1(Bild.Betrag)));
}

void TestGeld::kasseWirdZwischen10000Und10999Geleert_data()
{
    QTest::addColumn<QString>("kasse");
    QTest::addColumn<bool>("leeren");
    QTest::newRow("9999,90") << "9999,90" << false;
    QTest::newRow("10000,00") << "10000,00" << true;
    QTest::newRow("10999,90") << "10999,90" << true;
    QTest::newRow("11000,00") << "11000,00" << false;
    QTest::newRow("100000,00") << "100000,00" << false;
}

void TestGeld::kasseWirdZwischen10000Und10999Geleert()
{
    QFETCH(QString, kasse);
    QFETCH(bool, leeren);
    QCOMPARE(Geld::KasseMussGeleertWerden(Wert(kasse)), leeren);
}

void TestGeld::bilanzHaengtNichtVomNamenAb_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("einzahlungen");
    QTest::addColumn<QString>("auszahlung"); // empty: quit without payout
    QTest::addColumn<QString>("ende");
    QTest::newRow("gewonnen") << "Anna" << QStringList{"20"} << "25,40"
                              << "\t5,40 Euro gewonnen!";
    QTest::newRow("verspielt") << "Anna" << QStringList{"10"} << "0,00"
                               << "\t10,00 Euro verspielt!";
    QTest::newRow("Striche im Namen") << "a---99" << QStringList{"5"} << "0,00"
                                      << "\t5,00 Euro verspielt!";
    QTest::newRow("Punkt und Tab im Namen")
        << QString::fromUtf8("x\u00B7\t7 y") << QStringList{"5"} << "0,00"
        << "\t5,00 Euro verspielt!";
    QTest::newRow("Punkt und Tab, Esc")
        << QString::fromUtf8("x\u00B7\t7 y") << QStringList{"0,5", "5"} << ""
        << "\t5,50 Euro verspielt!";
    QTest::newRow("Betragsfeld im Namen")
        << QString::fromUtf8("\u00B7\t 50 Euro    ") << QStringList{"1"} << "1,00"
        << "\t0,00 Euro gewonnen!";
}

void TestGeld::bilanzHaengtNichtVomNamenAb()
{
    QFETCH(QString, name);
    QFETCH(QStringList, einzahlungen);
    QFETCH(QString, auszahlung);
    QFETCH(QString, ende);
    using namespace Auswertung;
    const QString Name = NameFuerAuswertung(name);
    QStringList Zeilen = KopfZeilen();
    for (const QString& Betrag : einzahlungen)
        HaengeEreignisAn(Zeilen, EinzahlungsZeile(Name, Betrag, "14:03:05", "07.12.2026", ""));
    HaengeEreignisAn(Zeilen, UngueltigZeile(Name, "14:04:00", "07.12.2026"));
    const bool Ausgezahlt = !auszahlung.isEmpty();
    if (Ausgezahlt)
        HaengeEreignisAn(Zeilen, AuszahlungsZeile(Name, "14:05:00", "07.12.2026", auszahlung));
    const QString Zusammenfassung =
        SchliesseAuswertung(Zeilen, Ausgezahlt ? TAbschlussArt::Auszahlung : TAbschlussArt::Beenden,
                            Name, "07.12.2026", "14:05:00");
    QCOMPARE(Zusammenfassung, Name + " hat am 07.12.2026 um 14:05:00 Uhr" + ende);
}

void TestGeld::spielKostetSonderspielDannZwanzigCent_data()
{
    QTest::addColumn<QString>("guthaben");
    QTest::addColumn<QString>("sonderspiele");
    // Sonderspiel, Guthaben or Abgelehnt | credit after | special games after | refusal
    QTest::addColumn<QString>("erwartet");
    const auto Zeile = [](const char* Name, const char* Guthaben, const char* Sonder,
                          const char* Erwartet) {
        QTest::newRow(Name) << QString(Guthaben) << QString(Sonder) << QString(Erwartet);
    };
    Zeile("Sonderspiel vor Guthaben", "5", "3", "S|5,00|2,00|");
    Zeile("letztes Sonderspiel", "0", "1", "S|0,00|0,00|");
    Zeile("genau 20 Cent", "0,2", "0", "G|0,00|0,00|");
    Zeile("5 Euro", "5", "0", "G|4,80|0,00|");
    Zeile("nichts", "0", "0", "A|0,00|0,00|1 Spiel kostet 20 Cent");
    Zeile("10 Cent", "0,1", "0", "A|0,10|0,00|Betrag reicht nicht! 1 Spiel = 20 Cent");
}

void TestGeld::spielKostetSonderspielDannZwanzigCent()
{
    QFETCH(QString, guthaben);
    QFETCH(QString, sonderspiele);
    QFETCH(QString, erwartet);
    const Geld::TSpielbezahlung B = Geld::BezahleSpiel(Wert(guthaben), Wert(sonderspiele));
    const char* Art = B.Art == Geld::TBezahlart::Sonderspiel ? "S"
                      : B.Art == Geld::TBezahlart::Guthaben  ? "G"
                                                             : "A";
    QCOMPARE(QStringList({Art, Text(B.Guthaben), Text(B.SonderSpiele), B.Ablehnung}).join(u'|'),
             erwartet);
}

void TestGeld::gespeicherterKassenstandMussGenauSein_data()
{
    QTest::addColumn<QString>("gespeichert"); // with the decimal comma in place
    QTest::addColumn<QString>("kasse");       // empty: damaged
    const auto Zeile = [](const char* Name, const char* Gespeichert, const char* Kasse) {
        QTest::newRow(Name) << QString(Gespeichert) << QString(Kasse);
    };
    Zeile("gewoehnlich", "1234,56", "1234,56");
    Zeile("mehr ausgezahlt als eingenommen", "-5,00", "-5,00");
    Zeile("16 ganze Stellen", "9999999999999999,99", "9999999999999999,99");
    Zeile("17 ganze Stellen", "10000000000000000,00", "");
    Zeile("20 ganze Stellen", "99999999999999999999,99", "");
    Zeile("negativ mit 17 Stellen", "-12345678901234567,00", "");
    Zeile("kein Betrag", "12x34", "");
}

void TestGeld::gespeicherterKassenstandMussGenauSein()
{
    QFETCH(QString, gespeichert);
    QFETCH(QString, kasse);
    const auto Kasse = Geld::KassenstandAusText(gespeichert);
    QCOMPARE(Kasse ? Text(*Kasse) : QString(), kasse);
}

VORLIX_TEST_GUILESS_MAIN(TestGeld)
#include "tst_geld.moc"
