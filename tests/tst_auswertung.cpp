#include "support/Auswertung.h"
#include "tests/testmain.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QLocale>
#include <QTemporaryDir>
#include <QtTest>
#include <unistd.h>

using namespace Auswertung;
using Testhilfe::LiesDatei;

namespace {

const QString Punkt = QString(QChar(0x00B7));
const QString Trenner = QString(103, u'_');

QString Text(const TBcdWert& Wert)
{
    return QString::fromStdString(BcdToFixed(Wert, 0, 2));
}

} // namespace

class TestAuswertung : public QObject
{
    Q_OBJECT

private slots:
    void nameWirdFuerDieSpaltenAufgefuellt_data();
    void nameWirdFuerDieSpaltenAufgefuellt();
    void datumUndUhrzeitSindDeutschIn24Stunden_data();
    void datumUndUhrzeitSindDeutschIn24Stunden();
    void kopfBestehtAusUeberschriftUndTrennlinie();
    void betragsfeldIstZwoelfZeichenBreit_data();
    void betragsfeldIstZwoelfZeichenBreit();
    void ereigniszeilenHabenIhrLayout_data();
    void ereigniszeilenHabenIhrLayout();
    void ereignisWirdMitTrennlinieAngehaengt();
    void summenZaehlenNurIhreZeilen_data();
    void summenZaehlenNurIhreZeilen();
    void abschlussNenntBilanzDesBesuchs_data();
    void abschlussNenntBilanzDesBesuchs();
    void abschlussBlockFolgtAufDasLetzteEreignis();
    void zweiterAbschlussNachAuszahlungZaehltNurEinzahlungen();
    void datumsspaltenBekommenEinenTab_data();
    void datumsspaltenBekommenEinenTab();
    void dateinameAusNameDatumUndUhrzeit_data();
    void dateinameAusNameDatumUndUhrzeit();
    void ueberlangerNameWirdFuerDenDateinamenGekuerzt_data();
    void ueberlangerNameWirdFuerDenDateinamenGekuerzt();
    void dateiinhaltIstWindows1252MitCrLf_data();
    void dateiinhaltIstWindows1252MitCrLf();
    void speichernSchreibtDieDateiInDenOrdner();
    void speichernErsetztVorhandeneDateiVollstaendig();
    void nameMitSchraegstrichLandetImOrdner();
    void speichernInFehlendenOrdnerMeldetFehler();
    void speichernInSchreibgeschuetztenOrdnerMeldetFehler();
    void ordnerMitDemNamenDerDateiMeldetFehler();
};

void TestAuswertung::nameWirdFuerDieSpaltenAufgefuellt_data()
{
    QTest::addColumn<QString>("feld");
    QTest::addColumn<QString>("name");
    QTest::newRow("4 Zeichen") << "Anna"
                               << "Anna\t";
    QTest::newRow("1 Zeichen") << "X"
                               << "X\t";
    QTest::newRow("7 Zeichen") << "Susanne"
                               << "Susanne\t";
    QTest::newRow("8 Zeichen") << "Johannes"
                               << "Johannes\t";
    QTest::newRow("9 Zeichen") << "Friedrich"
                               << "Friedrich\t";
    QTest::newRow("10 Zeichen") << "Maximilian"
                                << "Maximilian";
    QTest::newRow("11 Zeichen") << "Anna-Louisa"
                                << "Anna-Louisa ";
    QTest::newRow("14 Zeichen") << "Maximiliane K."
                                << "Maximiliane K. ";
    QTest::newRow("15 Zeichen") << "Friedrich Wilhe"
                                << "Friedrich Wilhe ";
    QTest::newRow("20 Zeichen") << "Friedrich Wilhelm IV"
                                << "Friedrich Wilhe ";
    QTest::newRow("leer") << ""
                          << "Kein Name\t";
    QTest::newRow("nur Blanks") << "    "
                                << "Kein Name\t";
    QTest::newRow("Blanks aussen") << "  Anna  "
                                   << "Anna\t";
    QTest::newRow("Blanks aussen, 12 innen") << " Anna Beatrix "
                                             << "Anna Beatrix ";
    QTest::newRow("Umlaute zaehlen einfach") << "Jürgen"
                                             << "Jürgen\t";
    const QString Gesicht = QString::fromUtf8("\xF0\x9F\x98\x80");
    QTest::newRow("Gesicht an Stelle 15")
        << "abcdefghijklmn" + Gesicht << "abcdefghijklmn" + Gesicht + " ";
    QTest::newRow("zehn Gesichter zaehlen zehn")
        << QString(Gesicht).repeated(10) << QString(Gesicht).repeated(10);
}

void TestAuswertung::nameWirdFuerDieSpaltenAufgefuellt()
{
    QFETCH(QString, feld);
    QFETCH(QString, name);
    QCOMPARE(NameFuerAuswertung(feld), name);
}

void TestAuswertung::datumUndUhrzeitSindDeutschIn24Stunden_data()
{
    QTest::addColumn<QDateTime>("zeitpunkt");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("uhrzeit");
    QTest::newRow("Nachmittag") << QDateTime(QDate(2026, 12, 7), QTime(14, 3, 5)) << "07.12.2026"
                                << "14:03:05";
    QTest::newRow("Mitternacht") << QDateTime(QDate(2030, 1, 1), QTime(0, 0, 0)) << "01.01.2030"
                                 << "00:00:00";
    QTest::newRow("letzte Sekunde")
        << QDateTime(QDate(2019, 11, 30), QTime(23, 59, 59)) << "30.11.2019"
        << "23:59:59";
}

void TestAuswertung::datumUndUhrzeitSindDeutschIn24Stunden()
{
    QFETCH(QDateTime, zeitpunkt);
    QFETCH(QString, datum);
    QFETCH(QString, uhrzeit);
    const QLocale Vorher;
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const QString Datum = DatumText(zeitpunkt);
    const QString Uhrzeit = UhrzeitText(zeitpunkt);
    QLocale::setDefault(Vorher);
    QCOMPARE(Datum, datum);
    QCOMPARE(Uhrzeit, uhrzeit);
}

void TestAuswertung::kopfBestehtAusUeberschriftUndTrennlinie()
{
    const QStringList Erwartet{"Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung",
                               "_________________________________________________________________"
                               "______________________________________"};
    QCOMPARE(Erwartet.at(1).size(), 103);
    QCOMPARE(KopfZeilen(), Erwartet);
    QCOMPARE(TrennLinie(), Erwartet.at(1));
}

void TestAuswertung::betragsfeldIstZwoelfZeichenBreit_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("feld");
    QTest::newRow("10 Cent") << "0,1"
                             << "0,1 Euro    ";
    QTest::newRow("20 Cent") << "0,2"
                             << "0,2 Euro    ";
    QTest::newRow("50 Cent") << "0,5"
                             << "0,5 Euro    ";
    QTest::newRow("1 Euro") << "1"
                            << "  1 Euro    ";
    QTest::newRow("2 Euro") << "2"
                            << "  2 Euro    ";
    QTest::newRow("5 Euro") << "5"
                            << "  5 Euro    ";
    QTest::newRow("10 Euro") << "10"
                             << " 10 Euro    ";
    QTest::newRow("20 Euro") << "20"
                             << " 20 Euro    ";
    QTest::newRow("50 Euro") << "50"
                             << " 50 Euro    ";
}

void TestAuswertung::betragsfeldIstZwoelfZeichenBreit()
{
    QFETCH(QString, wert);
    QFETCH(QString, feld);
    QCOMPARE(BetragsFeld(wert), feld);
}

void TestAuswertung::ereigniszeilenHabenIhrLayout_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("Einzahlung") << EinzahlungsZeile("Anna\t", "5", "14:03:05", "07.12.2026", "")
                                << "Anna\t" + Punkt + "\t  5 Euro    14:03:05\t07.12.2026\t";
    QTest::newRow("Einzahlung 10 Cent, Name 10 Zeichen")
        << EinzahlungsZeile("Maximilian", "0,1", "09:00:00", "01.02.2027", "")
        << "Maximilian" + Punkt + "\t0,1 Euro    09:00:00\t01.02.2027\t";
    QTest::newRow("Einzahlung vor der ersten Uhrzeit")
        << EinzahlungsZeile("Kein Name", "50", "", "", "")
        << "Kein Name" + Punkt + "\t 50 Euro    \t\t";
    QTest::newRow("ungueltiges Spiel")
        << UngueltigZeile("Anna\t", "14:03:05", "07.12.2026")
        << QString::fromUtf8("Anna\t\t\t\t    14:03:05\t07.12.2026 Vorlix wurde deaktiviert! "
                             "Spiel ist ungültig!");
    QTest::newRow("Auszahlung") << AuszahlungsZeile("Anna\t", "14:03:05", "07.12.2026", "12,40")
                                << "Anna\t\t\t\t    14:03:05\t07.12.2026---\t12,40 Euro";
    QTest::newRow("Auszahlung von nichts")
        << AuszahlungsZeile("Maximilian", "08:15:00", "03.03.2025", "0,00")
        << "Maximilian\t\t\t    08:15:00\t03.03.2025---\t0,00 Euro";
}

void TestAuswertung::ereigniszeilenHabenIhrLayout()
{
    QFETCH(QString, zeile);
    QFETCH(QString, erwartet);
    QCOMPARE(zeile, erwartet);
}

void TestAuswertung::ereignisWirdMitTrennlinieAngehaengt()
{
    QStringList Zeilen{"alt"};
    HaengeEreignisAn(Zeilen, "neu");
    QCOMPARE(Zeilen, QStringList({"alt", "neu", Trenner}));
}

void TestAuswertung::summenZaehlenNurIhreZeilen_data()
{
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QString>("einzahlungen");
    QTest::addColumn<QString>("auszahlungen");

    const QString Kopf = "Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung";
    QTest::newRow("leeres Log") << QStringList{} << "0,00"
                                << "0,00";
    QTest::newRow("nur Kopf") << QStringList{Kopf, Trenner} << "0,00"
                              << "0,00";
    QTest::newRow("drei Einzahlungen")
        << QStringList{Kopf,
                       Trenner,
                       "Anna\t" + Punkt + "\t0,5 Euro    14:03:05\t07.12.2026\t",
                       Trenner,
                       "Anna\t" + Punkt + "\t  5 Euro    14:03:10\t07.12.2026\t",
                       Trenner,
                       "Anna\t" + Punkt + "\t 50 Euro    14:03:15\t07.12.2026\t",
                       Trenner}
        << "55,50"
        << "0,00";
    QTest::newRow("ungueltiges Spiel zaehlt nicht")
        << QStringList{"Anna\t" + Punkt + "\t0,2 Euro    14:03:05\t07.12.2026\t",
                       QString::fromUtf8("Anna\t\t\t\t    14:03:09\t07.12.2026 Vorlix wurde "
                                         "deaktiviert! Spiel ist ungültig!")}
        << "0,20"
        << "0,00";
    QTest::newRow("Auszahlung")
        << QStringList{"Anna\t" + Punkt + "\t 10 Euro    14:03:05\t07.12.2026\t",
                       "Anna\t\t\t\t    14:09:00\t07.12.2026---\t12,40 Euro"}
        << "10,00"
        << "12,40";
    QTest::newRow("nach Datumskorrektur")
        << QStringList{"Anna\t" + Punkt + "\t 10 Euro    14:03:05\t07.12.2026\t\t",
                       "Anna\t\t\t\t    14:09:00\t07.12.2026\t---\t12,40 Euro"}
        << "10,00"
        << "12,40";
    QTest::newRow("Zusammenfassung zaehlt nicht")
        << QStringList{"Anna\t hat am 07.12.2026 um 14:09:00 Uhr\t2,40 Euro gewonnen!"} << "0,00"
        << "0,00";
    QTest::newRow("Name mit Punkt und Strichen")
        << QStringList{"A" + Punkt + "B---C\t" + Punkt + "\t  2 Euro    14:03:05\t07.12.2026\t",
                       "A" + Punkt + "B---C\t\t\t    14:09:00\t07.12.2026---\t1,80 Euro",
                       "A" + Punkt +
                           "B---C hat am 07.12.2026 um 14:09:00 Uhr\t0,20 Euro "
                           "verspielt!"}
        << "2,00"
        << "1,80";
}

void TestAuswertung::summenZaehlenNurIhreZeilen()
{
    QFETCH(QStringList, zeilen);
    QFETCH(QString, einzahlungen);
    QFETCH(QString, auszahlungen);
    QCOMPARE(Text(Einzahlungssumme(zeilen)), einzahlungen);
    QCOMPARE(Text(Auszahlungssumme(zeilen)), auszahlungen);
}

void TestAuswertung::abschlussNenntBilanzDesBesuchs_data()
{
    QTest::addColumn<QStringList>("einzahlungen");
    QTest::addColumn<QString>("auszahlung"); // empty: quit without payout
    QTest::addColumn<QString>("zusammenfassung");

    const QString Anfang = "Anna\t hat am 07.12.2026\t um 14:03:05 Uhr\t";
    QTest::newRow("50 Cent und 5 Euro, dann Esc")
        << QStringList{"0,5", "5"} << "" << Anfang + "5,50 Euro verspielt!";
    QTest::newRow("5 Euro, Esc mit Restguthaben")
        << QStringList{"5"} << "" << Anfang + "5,00 Euro verspielt!";
    QTest::newRow("Esc ohne Einzahlung") << QStringList{} << "" << Anfang + "0,00 Euro verspielt!";
    QTest::newRow("alle Muenzen und Scheine, Esc")
        << QStringList{"50", "20", "10", "5", "2", "1", "0,5", "0,2", "0,1"} << ""
        << Anfang + "88,80 Euro verspielt!";
    QTest::newRow("10 Euro, 12,40 ausgezahlt")
        << QStringList{"10"} << "12,40" << Anfang + "2,40 Euro gewonnen!";
    QTest::newRow("10 Euro, 7,60 ausgezahlt")
        << QStringList{"10"} << "7,60" << Anfang + "2,40 Euro verspielt!";
    QTest::newRow("Auszahlung gleich Einzahlung")
        << QStringList{"5", "5"} << "10,00" << Anfang + "0,00 Euro gewonnen!";
    QTest::newRow("Auszahlung ohne Einzahlung")
        << QStringList{} << "0,00" << Anfang + "0,00 Euro gewonnen!";
    QTest::newRow("20 Euro, 25,40 ausgezahlt")
        << QStringList{"20"} << "25,40" << Anfang + "5,40 Euro gewonnen!";
    QTest::newRow("10 Euro, nichts ausgezahlt")
        << QStringList{"10"} << "0,00" << Anfang + "10,00 Euro verspielt!";
}

void TestAuswertung::abschlussNenntBilanzDesBesuchs()
{
    QFETCH(QStringList, einzahlungen);
    QFETCH(QString, auszahlung);
    QFETCH(QString, zusammenfassung);

    QStringList Zeilen = KopfZeilen();
    for (const QString& Wert : einzahlungen) {
        HaengeEreignisAn(Zeilen,
                         EinzahlungsZeile("Anna\t", Wert, "14:00:00", "07.12.2026", QString()));
    }
    const TAbschlussArt Art =
        auszahlung.isEmpty() ? TAbschlussArt::Beenden : TAbschlussArt::Auszahlung;
    if (!auszahlung.isEmpty()) {
        HaengeEreignisAn(Zeilen, AuszahlungsZeile("Anna\t", "14:03:05", "07.12.2026", auszahlung));
    }
    const auto VorherAnzahl = Zeilen.size();
    SchliesseAuswertung(Zeilen, Art, "Anna\t", "07.12.2026", "14:03:05");

    QCOMPARE(Zeilen.size(), VorherAnzahl + 5);
    QCOMPARE(Zeilen.mid(VorherAnzahl), QStringList({" ", " ", Trenner, zusammenfassung, Trenner}));
}

void TestAuswertung::abschlussBlockFolgtAufDasLetzteEreignis()
{
    QStringList Zeilen = KopfZeilen();
    HaengeEreignisAn(Zeilen, EinzahlungsZeile("Anna\t", "0,5", "14:00:01", "07.12.2026", ""));
    HaengeEreignisAn(Zeilen, EinzahlungsZeile("Anna\t", "5", "14:00:09", "07.12.2026", ""));

    const QString Zusammenfassung =
        SchliesseAuswertung(Zeilen, TAbschlussArt::Beenden, "Anna\t", "07.12.2026", "14:03:05");

    QCOMPARE(Zusammenfassung, "Anna\t hat am 07.12.2026 um 14:03:05 Uhr\t5,50 Euro verspielt!");
    const QStringList Erwartet{"Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung",
                               Trenner,
                               "Anna\t" + Punkt + "\t0,5 Euro    14:00:01\t07.12.2026\t\t",
                               Trenner,
                               "Anna\t" + Punkt + "\t  5 Euro    14:00:09\t07.12.2026\t\t",
                               Trenner,
                               " ",
                               " ",
                               Trenner,
                               "Anna\t hat am 07.12.2026\t um 14:03:05 Uhr\t5,50 Euro verspielt!",
                               Trenner};
    QCOMPARE(Zeilen, Erwartet);
}

void TestAuswertung::zweiterAbschlussNachAuszahlungZaehltNurEinzahlungen()
{
    QStringList Zeilen = KopfZeilen();
    HaengeEreignisAn(Zeilen, EinzahlungsZeile("Anna\t", "10", "14:00:00", "07.12.2026", ""));
    HaengeEreignisAn(Zeilen, AuszahlungsZeile("Anna\t", "14:03:05", "07.12.2026", "12,40"));
    SchliesseAuswertung(Zeilen, TAbschlussArt::Auszahlung, "Anna\t", "07.12.2026", "14:03:05");

    const QString Zweite =
        SchliesseAuswertung(Zeilen, TAbschlussArt::Beenden, "Anna\t", "07.12.2026", "14:03:07");

    QCOMPARE(Zweite, "Anna\t hat am 07.12.2026 um 14:03:07 Uhr\t10,00 Euro verspielt!");
    QCOMPARE(Zeilen.at(Zeilen.size() - 7),
             "Anna\t hat am 07.12.2026\t\t um 14:03:05 Uhr\t2,40 Euro gewonnen!");
    QCOMPARE(Zeilen.at(Zeilen.size() - 2),
             "Anna\t hat am 07.12.2026\t um 14:03:07 Uhr\t10,00 Euro verspielt!");
}

void TestAuswertung::datumsspaltenBekommenEinenTab_data()
{
    QTest::addColumn<QString>("zeile");
    QTest::addColumn<QString>("erwartet");
    QTest::newRow("2026 in Einzahlung")
        << "Anna\t" + Punkt + "\t  5 Euro    14:03:05\t07.12.2026\t"
        << "Anna\t" + Punkt + "\t  5 Euro    14:03:05\t07.12.2026\t\t";
    QTest::newRow("2010") << "x 01.01.2010 y"
                          << "x 01.01.2010\t y";
    QTest::newRow("2019") << "x 31.12.2019 y"
                          << "x 31.12.2019\t y";
    QTest::newRow("2020") << "x 01.01.2020 y"
                          << "x 01.01.2020\t y";
    QTest::newRow("2029") << "x 31.12.2029 y"
                          << "x 31.12.2029\t y";
    QTest::newRow("2009") << "x 31.12.2009 y"
                          << "x 31.12.2009 y";
    QTest::newRow("2030") << "x 01.01.2030 y"
                          << "x 01.01.2030 y";
    QTest::newRow("1999") << "x 31.12.1999 y"
                          << "x 31.12.1999 y";
    QTest::newRow("nur das erste Datum") << "07.12.2026 und 08.12.2026"
                                         << "07.12.2026\t und 08.12.2026";
    QTest::newRow("je einmal 201x und 202x") << "01.01.2015 bis 01.01.2025"
                                             << "01.01.2015\t bis 01.01.2025\t";
    QTest::newRow("Zusammenfassung")
        << "Anna\t hat am 07.12.2026 um 14:03:05 Uhr\t5,50 Euro verspielt!"
        << "Anna\t hat am 07.12.2026\t um 14:03:05 Uhr\t5,50 Euro verspielt!";
    QTest::newRow("Jahr am Zeilenende") << "Datum 07.12.2026"
                                        << "Datum 07.12.2026\t";
    QTest::newRow("Jahr abgeschnitten") << "Datum 07.12.202"
                                        << "Datum 07.12.202";
    QTest::newRow("Jahr zwei Stellen") << "Datum 07.12.20"
                                       << "Datum 07.12.20";
    QTest::newRow("nur Muster") << ".201"
                                << ".201";
    QTest::newRow("Muster mit einer Ziffer") << ".2012"
                                             << ".2012\t";
    QTest::newRow("Kopf") << "Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung"
                          << "Name\t\tEinzahlung   Uhrzeit\tDatum\t\t\tAuszahlung";
    QTest::newRow("leere Zeile") << ""
                                 << "";
}

void TestAuswertung::datumsspaltenBekommenEinenTab()
{
    QFETCH(QString, zeile);
    QFETCH(QString, erwartet);
    QStringList Zeilen{zeile, Trenner};
    KorrigiereDatumsspalten(Zeilen);
    QCOMPARE(Zeilen, QStringList({erwartet, Trenner}));
}

void TestAuswertung::dateinameAusNameDatumUndUhrzeit_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("datum");
    QTest::addColumn<QString>("uhrzeit");
    QTest::addColumn<QString>("datei");
    QTest::newRow("Kein Name") << "Kein Name\t"
                               << "07.12.2026"
                               << "14:03:05"
                               << "Kein Name 07_12_2026 14_03_05.txt";
    QTest::newRow("ungefuellt") << "Maximilian"
                                << "07.12.2026"
                                << "14:03:05"
                                << "Maximilian 07_12_2026 14_03_05.txt";
    QTest::newRow("Punkt im Namen") << "Dr. Who\t"
                                    << "01.01.2030"
                                    << "00:00:00"
                                    << "Dr_ Who 01_01_2030 00_00_00.txt";
    QTest::newRow("Schraegstrich und Fragezeichen") << "AC/DC?\t"
                                                    << "07.12.2026"
                                                    << "14:03:05"
                                                    << "AC_DC_ 07_12_2026 14_03_05.txt";
    QTest::newRow("unter Windows verbotene Zeichen") << "a\\b*c\"d<e>f|g"
                                                     << "07.12.2026"
                                                     << "14:03:05"
                                                     << "a_b_c_d_e_f_g 07_12_2026 14_03_05.txt";
    QTest::newRow("Steuerzeichen und NUL") << QString("a") + QChar(0) + "b" + QChar(0x1B) + "c"
                                           << "07.12.2026"
                                           << "14:03:05"
                                           << "a_b_c 07_12_2026 14_03_05.txt";
    QTest::newRow("Verzeichnis nach oben") << "../etc"
                                           << "07.12.2026"
                                           << "14:03:05"
                                           << "___etc 07_12_2026 14_03_05.txt";
    QTest::newRow("Umlaute bleiben") << "Jürgen\t"
                                     << "07.12.2026"
                                     << "14:03:05"
                                     << "Jürgen 07_12_2026 14_03_05.txt";
    QTest::newRow("leerer Name") << ""
                                 << "07.12.2026"
                                 << "14:03:05"
                                 << " 07_12_2026 14_03_05.txt";
    QTest::newRow("vor der ersten Uhrzeit") << "Kein Name\t"
                                            << ""
                                            << ""
                                            << "Kein Name  .txt";
}

void TestAuswertung::dateinameAusNameDatumUndUhrzeit()
{
    QFETCH(QString, name);
    QFETCH(QString, datum);
    QFETCH(QString, uhrzeit);
    QFETCH(QString, datei);
    QCOMPARE(LogDateiName(name, datum, uhrzeit), datei);
}

void TestAuswertung::ueberlangerNameWirdFuerDenDateinamenGekuerzt_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("datei");
    // The atomic writer's temporary file adds 13 bytes to the 255 a name may have, and
    // " 07_12_2026 14_03_05.txt" takes 24.
    QTest::newRow("218 Zeichen passen")
        << QString(218, u'a') << QString(218, u'a') + " 07_12_2026 14_03_05.txt";
    QTest::newRow("300 Zeichen") << QString(300, u'a')
                                 << QString(218, u'a') + " 07_12_2026 14_03_05.txt";
    // Shortened a character at a time, this name took minutes.
    QTest::newRow("ein Megabyte") << QString(1 << 20, u'a')
                                  << QString(218, u'a') + " 07_12_2026 14_03_05.txt";
    QTest::newRow("Umlaute zaehlen doppelt")
        << QString(200, QChar(0x00FC)) << QString(109, QChar(0x00FC)) + " 07_12_2026 14_03_05.txt";
    QString Gesichter;
    for (int I = 0; I < 100; ++I) {
        Gesichter += QString::fromUtf8("\xF0\x9F\x98\x80");
    }
    QString Gekuerzt;
    for (int I = 0; I < 54; ++I) {
        Gekuerzt += QString::fromUtf8("\xF0\x9F\x98\x80");
    }
    QTest::newRow("Zeichen ausserhalb der BMP")
        << Gesichter << Gekuerzt + " 07_12_2026 14_03_05.txt";
}

void TestAuswertung::ueberlangerNameWirdFuerDenDateinamenGekuerzt()
{
    QFETCH(QString, name);
    QFETCH(QString, datei);
    QElapsedTimer Uhr;
    Uhr.start();
    QCOMPARE(LogDateiName(name, "07.12.2026", "14:03:05"), datei);
    QVERIFY2(Uhr.elapsed() < 1000, "a name is cut in one pass");
}

void TestAuswertung::dateiinhaltIstWindows1252MitCrLf_data()
{
    QTest::addColumn<QStringList>("zeilen");
    QTest::addColumn<QByteArray>("bytes");
    QTest::newRow("leer") << QStringList{} << QByteArray();
    QTest::newRow("Einzahlung") << QStringList{"Anna\t" + Punkt + "\t  5 Euro    14:03:05\t"}
                                << QByteArray("Anna\t\xB7\t  5 Euro    14:03:05\t\r\n");
    QTest::newRow("Umlaute") << QStringList{QString::fromUtf8("Müller"),
                                            QString::fromUtf8("ungültig ÄÖß")}
                             << QByteArray("M\xFCller\r\nung\xFCltig \xC4\xD6\xDF\r\n");
    QTest::newRow("Euro und Anfuehrung")
        << QStringList{QString::fromUtf8("5 € „gut“")} << QByteArray("5 \x80 \x84gut\x93\r\n");
    QTest::newRow("nicht darstellbar wird Fragezeichen")
        << QStringList{QString::fromUtf8("a中b\xF0\x9F\x98\x80"
                                         "c")}
        << QByteArray("a?b?c\r\n");
    QTest::newRow("leere Zeilen") << QStringList{"", " "} << QByteArray("\r\n \r\n");
}

void TestAuswertung::dateiinhaltIstWindows1252MitCrLf()
{
    QFETCH(QStringList, zeilen);
    QFETCH(QByteArray, bytes);
    QCOMPARE(LogDateiInhalt(zeilen), bytes);
}

void TestAuswertung::speichernSchreibtDieDateiInDenOrdner()
{
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    const QStringList Zeilen{"Anna\t" + Punkt + "\t0,5 Euro    14:00:01\t07.12.2026\t\t",
                             QString::fromUtf8("Anna\t hat am 07.12.2026\t um 14:03:05 Uhr\t0,50 "
                                               "Euro verspielt!")};

    const TSpeicherErgebnis Ergebnis =
        SpeichereAuswertung(Zeilen, Ordner.path(), "Anna\t", "07.12.2026", "14:03:05");

    QVERIFY2(Ergebnis.Gespeichert, qPrintable(Ergebnis.Fehler));
    QVERIFY(Ergebnis.Fehler.isEmpty());
    QCOMPARE(Ergebnis.Pfad, Ordner.path() + "/Anna 07_12_2026 14_03_05.txt");
    QCOMPARE(LiesDatei(Ergebnis.Pfad, {}),
             QByteArray("Anna\t\xB7\t0,5 Euro    14:00:01\t07.12.2026\t\t\r\n"
                        "Anna\t hat am 07.12.2026\t um 14:03:05 Uhr\t0,50 Euro verspielt!\r\n"));
    QCOMPARE(QDir(Ordner.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Anna 07_12_2026 14_03_05.txt"}));
}

void TestAuswertung::speichernErsetztVorhandeneDateiVollstaendig()
{
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    const QString Pfad = Ordner.path() + "/Kein Name 07_12_2026 14_03_05.txt";
    {
        QFile Alt(Pfad);
        QVERIFY(Alt.open(QIODevice::WriteOnly));
        Alt.write(QByteArray(5000, 'x'));
    }

    const TSpeicherErgebnis Ergebnis =
        SpeichereAuswertung({"neu"}, Ordner.path(), "Kein Name\t", "07.12.2026", "14:03:05");

    QVERIFY2(Ergebnis.Gespeichert, qPrintable(Ergebnis.Fehler));
    QCOMPARE(Ergebnis.Pfad, Pfad);
    QCOMPARE(LiesDatei(Pfad, {}), QByteArray("neu\r\n"));
    QCOMPARE(QDir(Ordner.path()).entryList(QDir::Files | QDir::Hidden),
             QStringList({"Kein Name 07_12_2026 14_03_05.txt"}));
}

void TestAuswertung::nameMitSchraegstrichLandetImOrdner()
{
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());

    const TSpeicherErgebnis Ergebnis =
        SpeichereAuswertung({"x"}, Ordner.path(), "AC/DC?\t", "07.12.2026", "14:03:05");

    QVERIFY2(Ergebnis.Gespeichert, qPrintable(Ergebnis.Fehler));
    QCOMPARE(QDir(Ordner.path()).entryList(QDir::Files | QDir::Dirs | QDir::NoDotAndDotDot),
             QStringList({"AC_DC_ 07_12_2026 14_03_05.txt"}));
}

void TestAuswertung::speichernInFehlendenOrdnerMeldetFehler()
{
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    const QString Fehlt = Ordner.path() + "/fehlt";

    const TSpeicherErgebnis Ergebnis =
        SpeichereAuswertung({"x"}, Fehlt, "Anna\t", "07.12.2026", "14:03:05");

    QVERIFY(!Ergebnis.Gespeichert);
    QVERIFY(!Ergebnis.Fehler.isEmpty());
    QCOMPARE(Ergebnis.Pfad, Fehlt + "/Anna 07_12_2026 14_03_05.txt");
    QVERIFY(!QFileInfo::exists(Fehlt));
}

void TestAuswertung::speichernInSchreibgeschuetztenOrdnerMeldetFehler()
{
    if (geteuid() == 0) {
        QSKIP("root writes into read-only folders");
    }
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    QVERIFY(QFile::setPermissions(Ordner.path(), QFile::ReadOwner | QFile::ExeOwner));

    const TSpeicherErgebnis Ergebnis =
        SpeichereAuswertung({"x"}, Ordner.path(), "Anna\t", "07.12.2026", "14:03:05");

    QFile::setPermissions(Ordner.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QVERIFY(!Ergebnis.Gespeichert);
    QVERIFY(!Ergebnis.Fehler.isEmpty());
    QVERIFY(QDir(Ordner.path()).entryList(QDir::Files | QDir::Hidden).isEmpty());
}

void TestAuswertung::ordnerMitDemNamenDerDateiMeldetFehler()
{
    QTemporaryDir Ordner;
    QVERIFY(Ordner.isValid());
    QVERIFY(QDir(Ordner.path()).mkdir("Anna 07_12_2026 14_03_05.txt"));

    const TSpeicherErgebnis Ergebnis =
        SpeichereAuswertung({"x"}, Ordner.path(), "Anna\t", "07.12.2026", "14:03:05");

    QVERIFY(!Ergebnis.Gespeichert);
    QVERIFY(!Ergebnis.Fehler.isEmpty());
    QVERIFY(QFileInfo(Ergebnis.Pfad).isDir());
    QCOMPARE(QDir(Ordner.path())
                 .entryList(QDir::Files | QDir::Dirs | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList({"Anna 07_12_2026 14_03_05.txt"}));
}

VORLIX_TEST_GUILESS_MAIN(TestAuswertung)
#include "tst_auswertung.moc"
