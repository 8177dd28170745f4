#include "support/StBcd.h"
#include "tests/testmain.h"

#include <QtTest>
#include <cstdint>
#include <cstring>
#include <limits>
#include <new>
#include <random>
#include <string>
#include <type_traits>

static_assert(std::is_trivially_copyable_v<TBcdWert>);
static_assert(sizeof(TBcdWert) == 10);
static_assert(std::is_base_of_v<EStException, EStBCDError>);

namespace {

const char* const NullBytes = "00 00 00 00 00 00 00 00 00 00";

QByteArray BytesVon(const TBcdWert& A)
{
    return QByteArray(reinterpret_cast<const char*>(A.Bytes), sizeof A.Bytes).toHex(' ');
}

TBcdWert AusBytes(const char* Hex)
{
    const QByteArray Roh = QByteArray::fromHex(Hex);
    TBcdWert A{};
    std::memcpy(A.Bytes, Roh.constData(), sizeof A.Bytes);
    return A;
}

TBcdWert Wert(const QString& Text)
{
    return BcdFromText(Text.toStdString());
}

struct TFehler
{
    int Code = 0;
    QString Meldung;
};

template <typename Aufruf> TFehler FangeFehler(Aufruf Ausfuehren)
{
    try {
        Ausfuehren();
    } catch (const EStBCDError& Fehler) {
        return {Fehler.Code(), QString::fromStdString(Fehler.what())};
    }
    return {};
}

// Cent amount as German text with the given number of places, e.g. -12345 with 2 -> "-123,45".
std::string DeutscherText(long long Einheiten, int Places)
{
    const bool Negativ = Einheiten < 0;
    std::string Ziffern = std::to_string(Negativ ? -Einheiten : Einheiten);
    if (Ziffern.size() <= static_cast<std::size_t>(Places))
        Ziffern.insert(0, Places + 1 - Ziffern.size(), '0');
    Ziffern.insert(Ziffern.size() - Places, 1, ',');
    return (Negativ && Einheiten != 0 ? "-" : "") + Ziffern;
}

// Half up on the magnitude, as the money module rounds.
long long RundeAufHundertstel(long long Wert)
{
    const long long Betrag = Wert < 0 ? -Wert : Wert;
    const long long Gerundet = (Betrag + 50) / 100;
    return Wert < 0 ? -Gerundet : Gerundet;
}

// A random amount whose size in digits is itself random, so small and large values mix.
long long ZufallsCent(std::mt19937_64& Zufall, int MaxStellen)
{
    std::uniform_int_distribution<int> Stellenwahl(1, MaxStellen);
    long long Grenze = 1;
    for (int I = Stellenwahl(Zufall); I > 0; --I)
        Grenze *= 10;
    std::uniform_int_distribution<long long> Betrag(-Grenze, Grenze);
    return Betrag(Zufall);
}

} // namespace

class TestStBcd : public QObject
{
    Q_OBJECT

private slots:
    void neuerWertIstNull();
    void textWirdGepacktGespeichert_data();
    void textWirdGepacktGespeichert();
    void textGegenDieSchreibweiseIstFormatfehler_data();
    void textGegenDieSchreibweiseIstFormatfehler();
    void zuGrosserTextIstBereichsfehler_data();
    void zuGrosserTextIstBereichsfehler();
    void fehlerSindStException();
    void summeUndDifferenz_data();
    void summeUndDifferenz();
    void differenzGleicherBetraegeIstReineNull_data();
    void differenzGleicherBetraegeIstReineNull();
    void summeUeber10Hoch64IstBereichsfehler_data();
    void summeUeber10Hoch64IstBereichsfehler();
    void negierenKipptNurDasVorzeichen_data();
    void negierenKipptNurDasVorzeichen();
    void nullMitVorzeichenbitErgibtReineNull();
    void produkt_data();
    void produkt();
    void produktUeber10Hoch64IstBereichsfehler();
    void festerText_data();
    void festerText();
    void allgemeinerText_data();
    void allgemeinerText();
    void maskenText_data();
    void maskenText();
    void maskenTextUeber256ZeichenIstPufferueberlauf_data();
    void maskenTextUeber256ZeichenIstPufferueberlauf();
    void zufaelligeCentbetraegeRechnenWieGanzzahlen();
    void zufaelligeBetraegeVergleichenWieIhreCent();
    void vergleichUndVorzeichenNachDemWert_data();
    void vergleichUndVorzeichenNachDemWert();
    void centRundenWieDerFesteText_data();
    void centRundenWieDerFesteText();
};

void TestStBcd::textWirdGepacktGespeichert_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("1") << "1"
                       << "40 00 00 00 00 00 00 00 00 10";
    QTest::newRow("0,05") << "0,05"
                          << "3e 00 00 00 00 00 00 00 00 50";
    QTest::newRow("12,5") << "12,5"
                          << "41 00 00 00 00 00 00 00 50 12";
    QTest::newRow("-7") << "-7"
                        << "c0 00 00 00 00 00 00 00 00 70";
    QTest::newRow("+7") << "+7"
                        << "40 00 00 00 00 00 00 00 00 70";
    QTest::newRow("Leerzeichen vorn") << "  12,5"
                                      << "41 00 00 00 00 00 00 00 50 12";
    QTest::newRow("fuehrende Nullen") << " -0012,50"
                                      << "c1 00 00 00 00 00 00 00 50 12";
    QTest::newRow("1000") << "1000"
                          << "43 00 00 00 00 00 00 00 00 10";
    QTest::newRow("Komma am Ende") << "5,"
                                   << "40 00 00 00 00 00 00 00 00 50";
    QTest::newRow("Komma vorn") << ",5"
                                << "3f 00 00 00 00 00 00 00 00 50";
    QTest::newRow("0,105") << "0,105"
                           << "3f 00 00 00 00 00 00 00 50 10";
    QTest::newRow("18 Ziffern") << "123456789012345678"
                                << "51 78 56 34 12 90 78 56 34 12";
    QTest::newRow("19. Ziffer 4 faellt weg") << "1234567890123456784"
                                             << "52 78 56 34 12 90 78 56 34 12";
    QTest::newRow("19. Ziffer 5 rundet auf") << "1234567890123456785"
                                             << "52 79 56 34 12 90 78 56 34 12";
    QTest::newRow("20. Ziffer rundet nicht") << "12345678901234567849"
                                             << "53 78 56 34 12 90 78 56 34 12";
    QTest::newRow("19 Neunen tragen in neue Stelle")
        << QString(19, '9') << "53 00 00 00 00 00 00 00 00 10";
    QTest::newRow("Nachkomma 19. Ziffer rundet") << "0,1234567890123456785"
                                                 << "3f 79 56 34 12 90 78 56 34 12";
    QTest::newRow("Nachkomma Neunen tragen")
        << "0,0" + QString(19, '9') << "3f 00 00 00 00 00 00 00 00 10";
    QTest::newRow("Neunen ueber das Komma") << "99999999999999999,99"
                                            << "51 00 00 00 00 00 00 00 00 10";
    QTest::newRow("1,5e-2") << "1,5e-2"
                            << "3e 00 00 00 00 00 00 00 00 15";
    QTest::newRow("1E+2") << "1E+2"
                          << "42 00 00 00 00 00 00 00 00 10";
    QTest::newRow("1E63") << "1E63"
                          << "7f 00 00 00 00 00 00 00 00 10";
    QTest::newRow("19 Neunen E44") << "9999999999999999999E44"
                                   << "7f 00 00 00 00 00 00 00 00 10";
    QTest::newRow("-1E-63 kleinster Exponent") << "-1E-63"
                                               << "81 00 00 00 00 00 00 00 00 10";
    QTest::newRow("1E-64 wird Null") << "1E-64" << NullBytes;
    QTest::newRow("0,1E-63 wird Null") << "0,1E-63" << NullBytes;
    QTest::newRow("riesiger negativer Exponent") << "1E-99999999999999999999" << NullBytes;
    QTest::newRow("0") << "0" << NullBytes;
    QTest::newRow("0,0") << "0,0" << NullBytes;
    QTest::newRow("-0,0 ohne Vorzeichen") << "-0,0" << NullBytes;
    QTest::newRow("einzelnes Komma") << "," << NullBytes;
    QTest::newRow("-,") << "-," << NullBytes;
    QTest::newRow("0,00E5") << "0,00E5" << NullBytes;
    QTest::newRow("Null mit grossem Exponenten") << "0E100" << NullBytes;
}

void TestStBcd::textWirdGepacktGespeichert()
{
    QFETCH(QString, text);
    QFETCH(QString, bytes);
    QCOMPARE(BytesVon(Wert(text)), bytes.toLatin1());
}

void TestStBcd::textGegenDieSchreibweiseIstFormatfehler_data()
{
    QTest::addColumn<QByteArray>("text");
    QTest::newRow("leer") << QByteArray("");
    QTest::newRow("nur Leerzeichen") << QByteArray("   ");
    QTest::newRow("einzelnes Minus") << QByteArray("-");
    QTest::newRow("einzelnes Plus") << QByteArray("+");
    QTest::newRow("doppeltes Minus") << QByteArray("--1");
    QTest::newRow("Leerzeichen am Ende") << QByteArray("12,5 ");
    QTest::newRow("Leerzeichen nach Minus") << QByteArray("- 5");
    QTest::newRow("Leerzeichen in der Zahl") << QByteArray("1 2");
    QTest::newRow("E ohne Ziffern") << QByteArray("1E");
    QTest::newRow("E mit Vorzeichen ohne Ziffern") << QByteArray("1E+");
    QTest::newRow("E allein") << QByteArray("E5");
    QTest::newRow("Buchstaben") << QByteArray("abc");
    QTest::newRow("Buchstabe am Ende") << QByteArray("12a");
    QTest::newRow("Tausenderpunkt") << QByteArray("1.000");
    QTest::newRow("zwei Kommas") << QByteArray("1,2,3");
    QTest::newRow("Exponent mit Komma") << QByteArray("1E2,5");
    QTest::newRow("Nullzeichen im Text") << QByteArray("12\0", 3);
}

void TestStBcd::textGegenDieSchreibweiseIstFormatfehler()
{
    QFETCH(QByteArray, text);
    const TFehler Fehler =
        FangeFehler([&] { BcdFromText(std::string_view(text.constData(), text.size())); });
    QCOMPARE(Fehler.Code, 31210);
    QCOMPARE(Fehler.Meldung, QString("Bad BCD format"));
}

void TestStBcd::zuGrosserTextIstBereichsfehler_data()
{
    QTest::addColumn<QString>("text");
    QTest::newRow("1E64") << "1E64";
    QTest::newRow("10E63") << "10E63";
    QTest::newRow("0,1E65") << "0,1E65";
    QTest::newRow("-1E64") << "-1E64";
    QTest::newRow("65 Stellen") << "1" + QString(64, '0');
    QTest::newRow("19 Neunen E45") << "9999999999999999999E45";
    QTest::newRow("riesiger Exponent") << "1E99999999999999999999";
}

void TestStBcd::zuGrosserTextIstBereichsfehler()
{
    QFETCH(QString, text);
    const TFehler Fehler = FangeFehler([&] { Wert(text); });
    QCOMPARE(Fehler.Code, 31211);
    QCOMPARE(Fehler.Meldung, QString("BCD larger than 10**64"));
}

void TestStBcd::fehlerSindStException()
{
    int Code = 0;
    try {
        BcdFromText("x");
    } catch (const EStException& Fehler) {
        Code = Fehler.Code();
        QVERIFY(dynamic_cast<const EStBCDError*>(&Fehler) != nullptr);
    }
    QCOMPARE(Code, 31210);
}

void TestStBcd::summeUndDifferenz_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("minus");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("0,1 + 0,2") << "0,1"
                               << "0,2" << false << "3f 00 00 00 00 00 00 00 00 30";
    QTest::newRow("-0,2 - 0,1") << "-0,2"
                                << "0,1" << true << "bf 00 00 00 00 00 00 00 00 30";
    QTest::newRow("12,3 + 0,2") << "12,3"
                                << "0,2" << false << "41 00 00 00 00 00 00 00 50 12";
    QTest::newRow("Null + 7") << "0"
                              << "7" << false << "40 00 00 00 00 00 00 00 00 70";
    QTest::newRow("7 + Null") << "7"
                              << "0" << false << "40 00 00 00 00 00 00 00 00 70";
    QTest::newRow("Null - 7") << "0"
                              << "7" << true << "c0 00 00 00 00 00 00 00 00 70";
    QTest::newRow("-2 + 0,5") << "-2"
                              << "0,5" << false << "c0 00 00 00 00 00 00 00 00 15";
    QTest::newRow("1 - 1000") << "1"
                              << "1000" << true << "c2 00 00 00 00 00 00 00 90 99";
    QTest::newRow("1000 - 999,9 normalisiert")
        << "1000"
        << "999,9" << true << "3f 00 00 00 00 00 00 00 00 10";
    QTest::newRow("Uebertrag in Zelle 19") << "999999999999999999"
                                           << "1" << false << "52 00 00 00 00 00 00 00 00 10";
    QTest::newRow("Uebertrag, abgerundete Ziffer 4")
        << "999999999999999999"
        << "5" << false << "52 00 00 00 00 00 00 00 00 10";
    QTest::newRow("Uebertrag, aufgerundete Ziffer 5")
        << "999999999999999999"
        << "6" << false << "52 01 00 00 00 00 00 00 00 10";
    QTest::newRow("Ausrichten schneidet ohne Runden ab")
        << "999999999999999999"
        << "0,5" << false << "51 99 99 99 99 99 99 99 99 99";
    QTest::newRow("Ausrichten um 17 Stellen") << "100000000000000000"
                                              << "1" << false << "51 01 00 00 00 00 00 00 00 10";
    QTest::newRow("Ausloeschung unter 10^-63 wird Null") << "1E-62"
                                                         << "99E-64" << true << NullBytes;
    QTest::newRow("bis 10^-63 bleibt") << "1E-62"
                                       << "9E-63" << true << "01 00 00 00 00 00 00 00 00 10";
    QTest::newRow("bis knapp unter 10^64") << "5E63"
                                           << "-1E63" << false << "7f 00 00 00 00 00 00 00 00 40";
}

void TestStBcd::summeUndDifferenz()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, minus);
    QFETCH(QString, bytes);
    const TBcdWert Ergebnis = minus ? BcdMinus(Wert(a), Wert(b)) : BcdPlus(Wert(a), Wert(b));
    QCOMPARE(BytesVon(Ergebnis), bytes.toLatin1());
}

void TestStBcd::differenzGleicherBetraegeIstReineNull_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("c");
    QTest::newRow("0,3 - 0,2 - 0,1") << "0,3"
                                     << "0,2"
                                     << "0,1";
    QTest::newRow("-0,3 - -0,2 - -0,1") << "-0,3"
                                        << "-0,2"
                                        << "-0,1";
    QTest::newRow("1 - 0,5 - 0,5") << "1"
                                   << "0,5"
                                   << "0,5";
    QTest::newRow("10000 - 9999,9 - 0,1") << "10000"
                                          << "9999,9"
                                          << "0,1";
}

void TestStBcd::differenzGleicherBetraegeIstReineNull()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, c);
    QCOMPARE(BytesVon(BcdMinus(BcdMinus(Wert(a), Wert(b)), Wert(c))), QByteArray(NullBytes));
    QCOMPARE(BytesVon(BcdPlus(Wert(a), BcdNegate(Wert(a)))), QByteArray(NullBytes));
}

void TestStBcd::summeUeber10Hoch64IstBereichsfehler_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<bool>("minus");
    QTest::newRow("5E63 + 5E63") << "5E63"
                                 << "5E63" << false;
    QTest::newRow("-5E63 - 5E63") << "-5E63"
                                  << "5E63" << true;
    QTest::newRow("18 Neunen E46 + 1E46") << "999999999999999999E46"
                                          << "1E46" << false;
}

void TestStBcd::summeUeber10Hoch64IstBereichsfehler()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(bool, minus);
    const TFehler Fehler =
        FangeFehler([&] { minus ? BcdMinus(Wert(a), Wert(b)) : BcdPlus(Wert(a), Wert(b)); });
    QCOMPARE(Fehler.Code, 31211);
    QCOMPARE(Fehler.Meldung, QString("BCD larger than 10**64"));
}

void TestStBcd::negierenKipptNurDasVorzeichen_data()
{
    QTest::addColumn<QString>("bytes");
    QTest::addColumn<QString>("negiert");
    QTest::newRow("1") << "40 00 00 00 00 00 00 00 00 10"
                       << "c0 00 00 00 00 00 00 00 00 10";
    QTest::newRow("-12,5") << "c1 00 00 00 00 00 00 00 50 12"
                           << "41 00 00 00 00 00 00 00 50 12";
    QTest::newRow("Null") << NullBytes << NullBytes;
    QTest::newRow("Exponent 0 mit Vorzeichen") << "80 00 00 00 00 00 00 00 00 00" << NullBytes;
}

void TestStBcd::negierenKipptNurDasVorzeichen()
{
    QFETCH(QString, bytes);
    QFETCH(QString, negiert);
    QCOMPARE(BytesVon(BcdNegate(AusBytes(bytes.toLatin1().constData()))), negiert.toLatin1());
}

void TestStBcd::nullMitVorzeichenbitErgibtReineNull()
{
    const TBcdWert NegativeNull = AusBytes("80 00 00 00 00 00 00 00 00 00");
    QCOMPARE(BytesVon(BcdPlus(NegativeNull, NegativeNull)), QByteArray(NullBytes));
    QCOMPARE(BytesVon(BcdMinus(NegativeNull, TBcdWert{})), QByteArray(NullBytes));
    QCOMPARE(BytesVon(BcdTimes(NegativeNull, BcdFromText("-3"))), QByteArray(NullBytes));
    QCOMPARE(BcdToFixed(NegativeNull, 0, 2), std::string("0,00"));
    QCOMPARE(BcdToGeneral(NegativeNull), std::string("0"));
}

void TestStBcd::produkt_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<QString>("bytes");
    QTest::newRow("7 x 0,2") << "7"
                             << "0,2"
                             << "40 00 00 00 00 00 00 00 00 14";
    QTest::newRow("0,5 x 0,4 Exponent 63") << "0,5"
                                           << "0,4"
                                           << "3f 00 00 00 00 00 00 00 00 20";
    QTest::newRow("2 x 3 kurzes Produkt") << "2"
                                          << "3"
                                          << "40 00 00 00 00 00 00 00 00 60";
    QTest::newRow("2 x 5 volles Produkt") << "2"
                                          << "5"
                                          << "41 00 00 00 00 00 00 00 00 10";
    QTest::newRow("-3 x 4") << "-3"
                            << "4"
                            << "c1 00 00 00 00 00 00 00 00 12";
    QTest::newRow("-3 x -4") << "-3"
                             << "-4"
                             << "41 00 00 00 00 00 00 00 00 12";
    QTest::newRow("Null x 5") << "0"
                              << "5" << NullBytes;
    QTest::newRow("-5 x Null") << "-5"
                               << "0" << NullBytes;
    QTest::newRow("18 Stellen exakt") << "333333333333333333"
                                      << "3"
                                      << "51 99 99 99 99 99 99 99 99 99";
    QTest::newRow("19. Stelle 1 faellt weg") << "777777777777777777"
                                             << "3"
                                             << "52 33 33 33 33 33 33 33 33 23";
    QTest::newRow("19. Stelle 5 rundet auf") << "555555555555555555"
                                             << "3"
                                             << "52 67 66 66 66 66 66 66 66 16";
    QTest::newRow("Runden bis in neue Stelle") << "500000000000000005"
                                               << "199999999999999998"
                                               << "63 00 00 00 00 00 00 00 00 10";
    QTest::newRow("1E32 x 1E31 = 1E63") << "1E32"
                                        << "1E31"
                                        << "7f 00 00 00 00 00 00 00 00 10";
    QTest::newRow("zu klein wird Null") << "1E-40"
                                        << "1E-40" << NullBytes;
}

void TestStBcd::produkt()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(QString, bytes);
    QCOMPARE(BytesVon(BcdTimes(Wert(a), Wert(b))), bytes.toLatin1());
}

void TestStBcd::produktUeber10Hoch64IstBereichsfehler()
{
    const TFehler Fehler = FangeFehler([] { BcdTimes(BcdFromText("1E63"), BcdFromText("10")); });
    QCOMPARE(Fehler.Code, 31211);
    QCOMPARE(Fehler.Meldung, QString("BCD larger than 10**64"));
}

void TestStBcd::festerText_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("stellen");
    QTest::addColumn<QString>("text");
    QTest::newRow("Null") << "0" << 0 << 2 << "0,00";
    QTest::newRow("0,5") << "0,5" << 0 << 2 << "0,50";
    QTest::newRow("-5") << "-5" << 0 << 2 << "-5,00";
    QTest::newRow("9,995") << "9,995" << 0 << 2 << "10,00";
    QTest::newRow("0,005") << "0,005" << 0 << 2 << "0,01";
    QTest::newRow("12,345") << "12,345" << 0 << 2 << "12,35";
    QTest::newRow("-12,345") << "-12,345" << 0 << 2 << "-12,35";
    QTest::newRow("12,344") << "12,344" << 0 << 2 << "12,34";
    QTest::newRow("99,999") << "99,999" << 0 << 2 << "100,00";
    QTest::newRow("0,004") << "0,004" << 0 << 2 << "0,00";
    QTest::newRow("-0,004 ohne Minus") << "-0,004" << 0 << 2 << "0,00";
    QTest::newRow("0,0005 auf 3") << "0,0005" << 0 << 3 << "0,001";
    QTest::newRow("0,00049 auf 3") << "0,00049" << 0 << 3 << "0,000";
    QTest::newRow("1234,5 ohne Stellen") << "1234,5" << 0 << 0 << "1235";
    QTest::newRow("1234,4 ohne Stellen") << "1234,4" << 0 << 0 << "1234";
    QTest::newRow("0,5 ohne Stellen") << "0,5" << 0 << 0 << "1";
    QTest::newRow("0,123 auf 5") << "0,123" << 0 << 5 << "0,12300";
    QTest::newRow("0,0001 auf 6") << "0,0001" << 0 << 6 << "0,000100";
    QTest::newRow("18 Ziffern") << "999999999999999999" << 0 << 2 << "999999999999999999,00";
    QTest::newRow("Stellen ueber 18 Ziffern") << "1E20" << 0 << 2 << "100000000000000000000,00";
    QTest::newRow("1E63") << "1E63" << 0 << 0 << "1" + QString(63, '0');
    QTest::newRow("breiter") << "12,5" << 8 << 2 << "   12,50";
    QTest::newRow("genau breit") << "12,5" << 5 << 2 << "12,50";
    QTest::newRow("zu schmal") << "12,5" << 4 << 2 << "****";
    QTest::newRow("negativ breiter") << "-12,5" << 7 << 2 << " -12,50";
    QTest::newRow("negativ zu schmal") << "-12,5" << 5 << 2 << "*****";
    QTest::newRow("Null breiter") << "0" << 6 << 2 << "  0,00";
    QTest::newRow("Breite 1") << "7" << 1 << 0 << "7";
}

void TestStBcd::festerText()
{
    QFETCH(QString, wert);
    QFETCH(int, breite);
    QFETCH(int, stellen);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(BcdToFixed(Wert(wert), breite, stellen)), text);
}

void TestStBcd::allgemeinerText_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("text");
    QTest::newRow("Null") << "0"
                          << "0";
    QTest::newRow("0,1") << "0,1"
                         << "0,1";
    QTest::newRow("-0,2") << "-0,2"
                          << "-0,2";
    QTest::newRow("10") << "10"
                        << "10";
    QTest::newRow("1,40") << "1,40"
                          << "1,4";
    QTest::newRow("100") << "100"
                         << "100";
    QTest::newRow("12,34") << "12,34"
                           << "12,34";
    QTest::newRow("18 Ziffern") << "123456789012345678"
                                << "123456789012345678";
    QTest::newRow("0,00001 untere Grenze") << "0,00001"
                                           << "0,00001";
    QTest::newRow("Exponent 59 auf 18 Stellen gerundet") << "0,0000123456789012345678"
                                                         << "0,000012345678901235";
    QTest::newRow("1E18") << "1E18"
                          << "1E18";
    QTest::newRow("-1,5E20") << "-1,5E20"
                             << "-1,5E20";
    QTest::newRow("0,000001") << "0,000001"
                              << "1E-6";
    QTest::newRow("1234E-10") << "1234E-10"
                              << "1,234E-7";
}

void TestStBcd::allgemeinerText()
{
    QFETCH(QString, wert);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(BcdToGeneral(Wert(wert))), text);
}

void TestStBcd::maskenText_data()
{
    QTest::addColumn<QString>("maske");
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("text");
    const QString Cent = "########0,00";
    const QString Zehntel = "########0,0";
    const QString Spiele = "########0#";
    QTest::newRow("Cent Null") << Cent << "0"
                               << "0,00";
    QTest::newRow("Cent 7") << Cent << "7"
                            << "7,00";
    QTest::newRow("Cent 12,34") << Cent << "12,34"
                                << "12,34";
    QTest::newRow("Cent 1234,5") << Cent << "1234,5"
                                 << "1234,50";
    QTest::newRow("Zehntel Null") << Zehntel << "0"
                                  << "0,0";
    QTest::newRow("Zehntel 7") << Zehntel << "7"
                               << "7,0";
    QTest::newRow("Zehntel 12,34") << Zehntel << "12,34"
                                   << "12,3";
    QTest::newRow("Zehntel 1234,5") << Zehntel << "1234,5"
                                    << "1234,5";
    QTest::newRow("Spiele Null") << Spiele << "0"
                                 << "00";
    QTest::newRow("Spiele 7") << Spiele << "7"
                              << "07";
    QTest::newRow("Spiele 12,34") << Spiele << "12,34"
                                  << "12";
    QTest::newRow("Spiele 1234,5") << Spiele << "1234,5"
                                   << "1235";
    QTest::newRow("Spiele 5") << Spiele << "5"
                              << "05";
    QTest::newRow("Spiele 123") << Spiele << "123"
                                << "123";
    QTest::newRow("Zehntel 12,35") << Zehntel << "12,35"
                                   << "12,4";
    QTest::newRow("Cent -7") << Cent << "-7"
                             << "-7,00";
    QTest::newRow("Cent 0,005") << Cent << "0,005"
                                << "0,01";
    QTest::newRow("Cent -0,004 wird Null") << Cent << "-0,004"
                                           << "0,00";
    QTest::newRow("Cent mehr Stellen als Maske") << Cent << "123456789012,5"
                                                 << "123456789012,50";
    QTest::newRow("nur # bei Null") << "#"
                                    << "0"
                                    << "";
    QTest::newRow("# vor dem Komma bei 0,5") << "#,##"
                                             << "0,5"
                                             << ",50";
    QTest::newRow("000") << "000"
                         << "7"
                         << "007";
    QTest::newRow("0#0") << "0#0"
                         << "7"
                         << "007";
    QTest::newRow("0 bei 0,5") << "0"
                               << "0,5"
                               << "1";
    QTest::newRow("0 bei -0,4") << "0"
                                << "-0,4"
                                << "0";
    QTest::newRow("18 Ganzzahlstellen") << "0"
                                        << "999999999999999999"
                                        << "999999999999999999";
    QTest::newRow("19 Ganzzahlstellen allgemein") << "0,00"
                                                  << "1E18"
                                                  << "1E18";
    QTest::newRow("21 Ganzzahlstellen allgemein") << "0,00"
                                                  << "-1E20"
                                                  << "-1E20";
}

void TestStBcd::maskenText()
{
    QFETCH(QString, maske);
    QFETCH(QString, wert);
    QFETCH(QString, text);
    QCOMPARE(QString::fromStdString(FormatBcd(maske.toStdString(), Wert(wert))), text);
}

void TestStBcd::maskenTextUeber256ZeichenIstPufferueberlauf_data()
{
    QTest::addColumn<QString>("maske");
    QTest::addColumn<QString>("wert");
    QTest::addColumn<int>("laenge");
    QTest::newRow("256 Pflichtstellen passen") << QString(256, '0') << "0" << 256;
    QTest::newRow("257 Pflichtstellen") << QString(257, '0') << "0" << -1;
    QTest::newRow("256 Zeichen mit Komma passen") << "0," + QString(254, '0') << "1" << 256;
    QTest::newRow("257 Zeichen mit Komma") << "0," + QString(255, '0') << "1" << -1;
    QTest::newRow("Minus ist das 257. Zeichen") << QString(256, '0') << "-1" << -1;
}

void TestStBcd::maskenTextUeber256ZeichenIstPufferueberlauf()
{
    QFETCH(QString, maske);
    QFETCH(QString, wert);
    QFETCH(int, laenge);
    std::string Text;
    const TFehler Fehler = FangeFehler([&] { Text = FormatBcd(maske.toStdString(), Wert(wert)); });
    if (laenge < 0) {
        QCOMPARE(Fehler.Code, 31214);
        QCOMPARE(Fehler.Meldung, QString("Buffer overflow in FormatBcd"));
    } else {
        QCOMPARE(Fehler.Code, 0);
        QCOMPARE(static_cast<int>(Text.size()), laenge);
    }
}

void TestStBcd::zufaelligeCentbetraegeRechnenWieGanzzahlen()
{
    std::mt19937_64 Zufall(20240601);
    for (int Lauf = 0; Lauf < 20000; ++Lauf) {
        const long long A = ZufallsCent(Zufall, 15);
        const long long B = ZufallsCent(Zufall, 15);
        const TBcdWert Ba = BcdFromText(DeutscherText(A, 2));
        const TBcdWert Bb = BcdFromText(DeutscherText(B, 2));
        QCOMPARE(BcdToFixed(Ba, 0, 2), DeutscherText(A, 2));
        QCOMPARE(BcdToFixed(BcdPlus(Ba, Bb), 0, 2), DeutscherText(A + B, 2));
        QCOMPARE(BcdToFixed(BcdMinus(Ba, Bb), 0, 2), DeutscherText(A - B, 2));

        // Both factors below 10^9 Cent keep the product in 18 digits.
        const long long Fa = ZufallsCent(Zufall, 9);
        const long long Fb = ZufallsCent(Zufall, 9);
        const TBcdWert Produkt =
            BcdTimes(BcdFromText(DeutscherText(Fa, 2)), BcdFromText(DeutscherText(Fb, 2)));
        QCOMPARE(BcdToFixed(Produkt, 0, 4), DeutscherText(Fa * Fb, 4));
        QCOMPARE(BcdToFixed(Produkt, 0, 2), DeutscherText(RundeAufHundertstel(Fa * Fb), 2));
    }
}

void TestStBcd::zufaelligeBetraegeVergleichenWieIhreCent()
{
    std::mt19937_64 Zufall(20261209);
    for (int Lauf = 0; Lauf < 20000; ++Lauf) {
        // Few digits make equal amounts and neighbours common, many digits differing exponents.
        const int Stellen = Lauf % 2 ? 3 : 15;
        const long long A = ZufallsCent(Zufall, Stellen);
        const long long B = ZufallsCent(Zufall, Stellen);
        const TBcdWert Ba = TBcdWert::AusCent(A);
        const TBcdWert Bb = TBcdWert::AusCent(B);
        QCOMPARE(BytesVon(Ba), BytesVon(BcdFromText(DeutscherText(A, 2))));
        QCOMPARE(Ba.Cent(), A);
        QCOMPARE(Ba <=> Bb, A <=> B);
        QCOMPARE(Ba.Negativ(), A < 0);
    }
}

// Columns: two values, as text or as the ten bytes in hex; how the first compares with the
// second (-1, 0, 1); whether the first is zero and whether it is negative.
void TestStBcd::vergleichUndVorzeichenNachDemWert_data()
{
    QTest::addColumn<QString>("a");
    QTest::addColumn<QString>("b");
    QTest::addColumn<int>("vergleich");
    QTest::addColumn<bool>("null");
    QTest::addColumn<bool>("negativ");
    QTest::newRow("Null mit Vorzeichenbit") << "80 00 00 00 00 00 00 00 00 00"
                                            << "0" << 0 << true << false;
    QTest::newRow("Exponent 0 mit Ziffern") << "80 00 00 00 00 00 00 00 00 51"
                                            << "0" << 0 << true << false;
    QTest::newRow("führende Nullziffer") << "41 00 00 00 00 00 00 00 00 05"
                                         << "5" << 0 << false << false;
    QTest::newRow("-5 unter -0,5") << "-5"
                                   << "-0,5" << -1 << false << true;
    QTest::newRow("9,99 unter 10") << "9,99"
                                   << "10" << -1 << false << false;
    QTest::newRow("-10 unter -9,99") << "-10"
                                     << "-9,99" << -1 << false << true;
    QTest::newRow("1E-62 über 0") << "1E-62"
                                  << "0" << 1 << false << false;
    QTest::newRow("letzte der 18 Ziffern") << "12345678901234567,8"
                                           << "12345678901234567,9" << -1 << false << false;
}

void TestStBcd::vergleichUndVorzeichenNachDemWert()
{
    QFETCH(QString, a);
    QFETCH(QString, b);
    QFETCH(int, vergleich);
    const auto Lies = [](const QString& T) {
        return T.size() == 29 && T.count(' ') == 9 ? AusBytes(qPrintable(T)) : Wert(T);
    };
    const TBcdWert A = Lies(a);
    const TBcdWert B = Lies(b);
    QCOMPARE(A <=> B, vergleich <=> 0);
    QTEST(A.Null(), "null");
    QTEST(A.Negativ(), "negativ");
}

// Cents beyond the range of 64 bits stay at its ends.
void TestStBcd::centRundenWieDerFesteText_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<qint64>("cent");
    QTest::newRow("9,995") << "9,995" << qint64(1000);
    QTest::newRow("-0,005") << "-0,005" << qint64(-1);
    QTest::newRow("1E20") << "1E20" << std::numeric_limits<qint64>::max();
    QTest::newRow("-1E20") << "-1E20" << std::numeric_limits<qint64>::min();
}

void TestStBcd::centRundenWieDerFesteText()
{
    QFETCH(QString, wert);
    QFETCH(qint64, cent);
    const TBcdWert W = TBcdWert::AusEuroText(wert);
    QCOMPARE(BytesVon(W), BytesVon(Wert(wert)));
    QCOMPARE(W.Cent(), cent);
}

void TestStBcd::neuerWertIstNull()
{
    alignas(TBcdWert) std::uint8_t Speicher[sizeof(TBcdWert)];
    std::memset(Speicher, 0xA5, sizeof Speicher);
    const auto* Wert = new (Speicher) TBcdWert;
    for (const std::uint8_t Byte : Wert->Bytes)
        QCOMPARE(Byte, std::uint8_t(0));
    QCOMPARE(BcdToGeneral(*Wert), BcdToGeneral(BcdFromText("0")));
}

VORLIX_TEST_GUILESS_MAIN(TestStBcd)
#include "tst_stbcd.moc"
