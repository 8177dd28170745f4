#include "core/Einstellungswerte.h"
#include "tests/testmain.h"

#include <QtTest>

class TestEinstellungswerte : public QObject
{
    Q_OBJECT

private slots:
    void ganzeZahl_data();
    void ganzeZahl();
    void groessenfaktor_data();
    void groessenfaktor();
    void kassenstandFuerSpeicher_data();
    void kassenstandFuerSpeicher();
    void kassenstandAusSpeicher_data();
    void kassenstandAusSpeicher();
};

void TestEinstellungswerte::ganzeZahl_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<bool>("Gueltig");
    QTest::addColumn<int>("Zahl");
    QTest::newRow("8") << "8" << true << 8;
    QTest::newRow("mit Blanks") << " 12 " << true << 12;
    QTest::newRow("negativ") << "-3" << true << -3;
    QTest::newRow("leer") << "" << false << 0;
    QTest::newRow("Wort") << "acht" << false << 0;
    QTest::newRow("Bruch") << "2,5" << false << 0;
    QTest::newRow("Zahl mit Rest") << "3x" << false << 0;
    QTest::newRow("zu gross") << "99999999999" << false << 0;
}

void TestEinstellungswerte::ganzeZahl()
{
    QFETCH(QString, Text);
    QFETCH(bool, Gueltig);
    QFETCH(int, Zahl);
    const auto Ergebnis = Einstellungswerte::GanzeZahl(Text);
    QCOMPARE(Ergebnis.has_value(), Gueltig);
    if (Gueltig)
        QCOMPARE(*Ergebnis, Zahl);
}

void TestEinstellungswerte::groessenfaktor_data()
{
    QTest::addColumn<QString>("Text");
    QTest::addColumn<int>("Faktor"); // 0: worked out afresh
    QTest::newRow("83") << "83" << 83;
    QTest::newRow("1") << "1" << 1;
    QTest::newRow("120") << "120" << 120;
    QTest::newRow("0") << "0" << 0;
    QTest::newRow("negativ") << "-5" << 0;
    QTest::newRow("Wort") << "gross" << 0;
    QTest::newRow("leer") << "" << 0;
}

void TestEinstellungswerte::groessenfaktor()
{
    QFETCH(QString, Text);
    QFETCH(int, Faktor);
    QCOMPARE(Einstellungswerte::Groessenfaktor(Text).value_or(0), Faktor);
}

void TestEinstellungswerte::kassenstandFuerSpeicher_data()
{
    QTest::addColumn<QString>("Betrag");
    QTest::addColumn<QString>("Gespeichert");
    QTest::newRow("1234,56") << "1234,56"
                             << "1234 56";
    QTest::newRow("0,00") << "0,00"
                          << "0 00";
    QTest::newRow("negativ") << "-5,10"
                             << "-5 10";
}

void TestEinstellungswerte::kassenstandFuerSpeicher()
{
    QFETCH(QString, Betrag);
    QFETCH(QString, Gespeichert);
    QCOMPARE(Einstellungswerte::KassenstandFuerSpeicher(Betrag), Gespeichert);
}

void TestEinstellungswerte::kassenstandAusSpeicher_data()
{
    QTest::addColumn<QString>("Gespeichert");
    QTest::addColumn<QString>("Betrag");
    QTest::newRow("Leerzeichen") << "123 45"
                                 << "123,45";
    QTest::newRow("Komma") << "123,45"
                           << "123,45";
    QTest::newRow("leer") << ""
                          << "0,00";
    QTest::newRow("Blanks") << "   "
                            << "0,00";
    QTest::newRow("nur das erste") << "1 2 3"
                                   << "1,2 3";
    QTest::newRow("ganze Zahl") << "100"
                                << "100";
}

void TestEinstellungswerte::kassenstandAusSpeicher()
{
    QFETCH(QString, Gespeichert);
    QFETCH(QString, Betrag);
    QCOMPARE(Einstellungswerte::KassenstandAusSpeicher(Gespeichert), Betrag);
}

VORLIX_TEST_GUILESS_MAIN(TestEinstellungswerte)
#include "tst_einstellungswerte.moc"
