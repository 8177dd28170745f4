#include "support/PrivateProfil.h"
#include "tests/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

using namespace PrivateProfil;

namespace {

const QByteArray Fehlt = "<fehlt>";

// Fehlt: no file is made.
void Schreibe(const QString& Pfad, const QByteArray& Bytes)
{
    if (Bytes != Fehlt)
        Testhilfe::SchreibeDatei(Pfad, Bytes);
}

const QByteArray Lesedatei = "; Vorlix\r\n"
                             "[Einstellungen]\r\n"
                             "Spieldauer=5\r\n"
                             "  SpielerName  =   Hans Wurst   \r\n"
                             "Zitat1=\"  mit Blanks  \"\r\n"
                             "Zitat2='einfach'\r\n"
                             "Halb=\"offen\r\n"
                             "Gemischt=\"a'\r\n"
                             "Leer=\r\n"
                             "LeerZitat=\"\"\r\n"
                             "Tab=\tx\t\r\n"
                             "; Sound=1\r\n"
                             "[Andere]\r\n"
                             "Spieldauer=7\r\n"
                             "[ einstellungen ]\r\n"
                             "Doppelt=zweiter Abschnitt\r\n";

const QByteArray Schreibdatei = "; Vorlix-Einstellungen\n"
                                "[Einstellungen]\n"
                                "Spieldauer=5\n"
                                "\n"
                                "  SOUND = 1   ; an\n"
                                "SpielerName=Anna\n"
                                "\n"
                                "[Andere]\n"
                                "Sound=1\n";

} // namespace

class TestPrivateProfil : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void geschriebenerWertLiestSichUnveraendert_data();
    void geschriebenerWertLiestSichUnveraendert();

    void liestWert_data();
    void liestWert();
    void liestAusFehlenderDateiDieVorgabe();
    void wertMit300ZeichenWirdAuf254Gekuerzt();
    void liestWindows1252();
    void schreibt_data();
    void schreibt();
    void geschriebenerUmlautWirdWiederGelesen();
    void schreibenHinterlaesstNurDieIniDatei();
    void schreibenInFehlendenOrdnerScheitert();
    void leererDateinameLiestVorgabeUndSchreibtNicht();

private:
    std::unique_ptr<QTemporaryDir> Ordner;
    QString Ini;
};

void TestPrivateProfil::init()
{
    Ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(Ordner->isValid());
    Ini = Ordner->filePath("Vorlix.ini");
}

void TestPrivateProfil::liestWert_data()
{
    QTest::addColumn<QString>("abschnitt");
    QTest::addColumn<QString>("schluessel");
    QTest::addColumn<QString>("vorgabe");
    QTest::addColumn<int>("groesse");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("anzahl");

    QTest::newRow("Wert") << "Einstellungen"
                          << "Spieldauer"
                          << "" << 255 << "5" << 1;
    QTest::newRow("Gross und Klein egal") << "EINSTELLUNGEN"
                                          << "spielDAUER"
                                          << "" << 255 << "5" << 1;
    QTest::newRow("Schluessel und Wert getrimmt") << "Einstellungen"
                                                  << "SpielerName"
                                                  << "" << 255 << "Hans Wurst" << 10;
    QTest::newRow("doppelte Zitatzeichen") << "Einstellungen"
                                           << "Zitat1"
                                           << "" << 255 << "  mit Blanks  " << 14;
    QTest::newRow("einfache Zitatzeichen") << "Einstellungen"
                                           << "Zitat2"
                                           << "" << 255 << "einfach" << 7;
    QTest::newRow("nur oeffnendes Zitatzeichen") << "Einstellungen"
                                                 << "Halb"
                                                 << "" << 255 << "\"offen" << 6;
    QTest::newRow("ungleiche Zitatzeichen") << "Einstellungen"
                                            << "Gemischt"
                                            << "" << 255 << "\"a'" << 3;
    QTest::newRow("leerer Wert ist nicht die Vorgabe") << "Einstellungen"
                                                       << "Leer"
                                                       << "Vorgabe" << 255 << "" << 0;
    QTest::newRow("leeres Zitat") << "Einstellungen"
                                  << "LeerZitat"
                                  << "Vorgabe" << 255 << "" << 0;
    QTest::newRow("Tabulatoren getrimmt") << "Einstellungen"
                                          << "Tab"
                                          << "" << 255 << "x" << 1;
    QTest::newRow("Kommentar ist kein Schluessel") << "Einstellungen"
                                                   << "; Sound"
                                                   << "Vorgabe" << 255 << "Vorgabe" << 7;
    QTest::newRow("anderer Abschnitt") << "Andere"
                                       << "Spieldauer"
                                       << "" << 255 << "7" << 1;
    QTest::newRow("nur der erste gleichnamige Abschnitt zaehlt")
        << "Einstellungen"
        << "Doppelt"
        << "Vorgabe" << 255 << "Vorgabe" << 7;
    QTest::newRow("Vorgabe ohne Blanks am Ende") << "Einstellungen"
                                                 << "Fehlt"
                                                 << "Vorgabe  " << 255 << "Vorgabe" << 7;
    QTest::newRow("Vorgabe behaelt Blanks am Anfang") << "Einstellungen"
                                                      << "Fehlt"
                                                      << "  V" << 255 << "  V" << 3;
    QTest::newRow("fehlender Abschnitt") << "Gibtsnicht"
                                         << "Spieldauer"
                                         << "" << 255 << "" << 0;
    QTest::newRow("Puffer von 3") << "Einstellungen"
                                  << "SpielerName"
                                  << "" << 3 << "Ha" << 2;
    QTest::newRow("Puffer von 1") << "Einstellungen"
                                  << "SpielerName"
                                  << "" << 1 << "" << 0;
    QTest::newRow("Puffer von 0") << "Einstellungen"
                                  << "SpielerName"
                                  << "" << 0 << "" << 0;
    QTest::newRow("Vorgabe gekuerzt") << "Einstellungen"
                                      << "Fehlt"
                                      << "Vorgabe" << 4 << "Vor" << 3;
}

void TestPrivateProfil::liestWert()
{
    QFETCH(QString, abschnitt);
    QFETCH(QString, schluessel);
    QFETCH(QString, vorgabe);
    QFETCH(int, groesse);
    QFETCH(QString, text);
    QFETCH(int, anzahl);

    Schreibe(Ini, Lesedatei);
    QString Puffer = "alter Inhalt";
    QCOMPARE(LiesText(abschnitt, schluessel, vorgabe, Puffer, groesse, Ini), anzahl);
    QCOMPARE(Puffer, text);
}

void TestPrivateProfil::liestAusFehlenderDateiDieVorgabe()
{
    QString Puffer;
    QCOMPARE(LiesText("Einstellungen", "Sound", "", Puffer, 255, Ini), 0);
    QCOMPARE(Puffer, "");
    QCOMPARE(LiesText("Einstellungen", "Sound", "1", Puffer, 255, Ini), 1);
    QCOMPARE(Puffer, "1");
    QVERIFY(!QFile::exists(Ini));
}

void TestPrivateProfil::wertMit300ZeichenWirdAuf254Gekuerzt()
{
    Schreibe(Ini,
             "[Einstellungen]\r\nSpielerName=" + QByteArray("0123456789").repeated(30) + "\r\n");
    QString Puffer;
    QCOMPARE(LiesText("Einstellungen", "SpielerName", "", Puffer, 255, Ini), 254);
    QCOMPARE(Puffer, QString("0123456789").repeated(25) + "0123");
}

void TestPrivateProfil::liestWindows1252()
{
    Schreibe(Ini, "[Einstellungen]\r\nSpielerName=\xc4rger \xdf \x80 \x81\r\n");
    QString Puffer;
    QCOMPARE(LiesText("Einstellungen", "SpielerName", "", Puffer, 255, Ini), 11);
    QCOMPARE(Puffer, QString::fromUtf8("Ärger ß € \u0081"));
}

void TestPrivateProfil::schreibt_data()
{
    QTest::addColumn<QByteArray>("vorher");
    QTest::addColumn<QString>("abschnitt");
    QTest::addColumn<QString>("schluessel");
    QTest::addColumn<bool>("loeschen");
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QByteArray>("nachher");

    QTest::newRow("neue Datei mit Abschnitt")
        << Fehlt << "Einstellungen"
        << "Spieldauer" << false << "8" << QByteArray("[Einstellungen]\r\nSpieldauer=8\r\n");
    QTest::newRow("ersetzt am Ort und behaelt alle anderen Zeilen")
        << Schreibdatei << "einstellungen"
        << "Sound" << false << "0"
        << QByteArray("; Vorlix-Einstellungen\n[Einstellungen]\nSpieldauer=5\n\nSOUND=0\n"
                      "SpielerName=Anna\n\n[Andere]\nSound=1\n");
    QTest::newRow("neuer Schluessel hinter dem letzten seines Abschnitts")
        << Schreibdatei << "Einstellungen"
        << "ScaleBy" << false << "90"
        << QByteArray("; Vorlix-Einstellungen\n[Einstellungen]\nSpieldauer=5\n\n"
                      "  SOUND = 1   ; an\nSpielerName=Anna\nScaleBy=90\n\n[Andere]\nSound=1\n");
    QTest::newRow("neuer Abschnitt am Dateiende")
        << Schreibdatei << "Neu"
        << "a" << false << "1" << Schreibdatei + "\n[Neu]\na=1\n";
    QTest::newRow("loescht nur die Zeile des Schluessels")
        << Schreibdatei << "Einstellungen"
        << "spielername" << true << ""
        << QByteArray("; Vorlix-Einstellungen\n[Einstellungen]\nSpieldauer=5\n\n"
                      "  SOUND = 1   ; an\n\n[Andere]\nSound=1\n");
    QTest::newRow("loeschen eines fehlenden Schluessels aendert nichts")
        << Schreibdatei << "Einstellungen"
        << "Fehlt" << true << "" << Schreibdatei;
    QTest::newRow("loeschen in fehlendem Abschnitt aendert nichts")
        << Schreibdatei << "Neu"
        << "Sound" << true << "" << Schreibdatei;
    QTest::newRow("loeschen legt keine Datei an") << Fehlt << "Einstellungen"
                                                  << "Sound" << true << "" << Fehlt;
    QTest::newRow("leerer Wert") << Schreibdatei << "Einstellungen"
                                 << "Spieldauer" << false << ""
                                 << QByteArray("; Vorlix-Einstellungen\n[Einstellungen]\n"
                                               "Spieldauer=\n\n  SOUND = 1   ; an\n"
                                               "SpielerName=Anna\n\n[Andere]\nSound=1\n");
    QTest::newRow("ohne Zeilenumbruch am Dateiende")
        << QByteArray("[E]\nx=1") << "E"
        << "y" << false << "2" << QByteArray("[E]\nx=1\ny=2");
    QTest::newRow("Abschnitt ohne Schluessel")
        << QByteArray("[A]\n\n[B]\nb=1\n") << "A"
        << "a" << false << "1" << QByteArray("[A]\na=1\n\n[B]\nb=1\n");
    QTest::newRow("Kommentar mit Gleichheitszeichen bleibt")
        << QByteArray("[E]\n; k=alt\nk=1\n") << "E"
        << "k" << false << "2" << QByteArray("[E]\n; k=alt\nk=2\n");
    QTest::newRow("nur der erste gleichnamige Abschnitt")
        << QByteArray("[E]\nk=1\n[e]\nk=2\n") << "e"
        << "K" << false << "3" << QByteArray("[E]\nk=3\n[e]\nk=2\n");
    QTest::newRow("CRLF bleibt") << QByteArray("[E]\r\nk=1\r\n") << "E"
                                 << "k" << false << "2" << QByteArray("[E]\r\nk=2\r\n");
    QTest::newRow("Zeilenumbruch im Wert wird Blank")
        << Fehlt << "E"
        << "k" << false << "a\r\nb" << QByteArray("[E]\r\nk=a  b\r\n");
    QTest::newRow("Windows-1252") << Fehlt << "Einstellungen"
                                  << "SpielerName" << false << QString::fromUtf8("Größer ä")
                                  << QByteArray("[Einstellungen]\r\nSpielerName=Gr\xf6\xdf"
                                                "er \xe4\r\n");
    QTest::newRow("Zeichen ausserhalb der Codepage werden ?")
        << Fehlt << "E"
        << "k" << false << QString::fromUtf8("Łódź € \U0001F600")
        << QByteArray("[E]\r\nk=?\xf3"
                      "d? \x80 ?\r\n");
}

void TestPrivateProfil::schreibt()
{
    QFETCH(QByteArray, vorher);
    QFETCH(QString, abschnitt);
    QFETCH(QString, schluessel);
    QFETCH(bool, loeschen);
    QFETCH(QString, wert);
    QFETCH(QByteArray, nachher);

    Schreibe(Ini, vorher);
    const std::optional<QString> Wert = loeschen ? std::nullopt : std::optional<QString>(wert);
    QVERIFY(SchreibText(abschnitt, schluessel, Wert, Ini));
    QCOMPARE(Testhilfe::LiesDatei(Ini, Fehlt), nachher);
}

void TestPrivateProfil::geschriebenerUmlautWirdWiederGelesen()
{
    QVERIFY(SchreibText("Einstellungen", "SpielerName", QString::fromUtf8("Größer ä"), Ini));
    QString Puffer;
    QCOMPARE(LiesText("Einstellungen", "SpielerName", "", Puffer, 255, Ini), 8);
    QCOMPARE(Puffer, QString::fromUtf8("Größer ä"));
}

void TestPrivateProfil::schreibenHinterlaesstNurDieIniDatei()
{
    QVERIFY(SchreibText("Einstellungen", "Sound", "1", Ini));
    QVERIFY(SchreibText("Einstellungen", "Sound", "0", Ini));
    QCOMPARE(QDir(Ordner->path()).entryList(QDir::Files | QDir::Hidden), QStringList{"Vorlix.ini"});
}

void TestPrivateProfil::schreibenInFehlendenOrdnerScheitert()
{
    QVERIFY(!SchreibText("Einstellungen", "Sound", "1", Ordner->filePath("fehlt/Vorlix.ini")));
    QVERIFY(!QFile::exists(Ordner->filePath("fehlt")));
}

void TestPrivateProfil::leererDateinameLiestVorgabeUndSchreibtNicht()
{
    QString Puffer;
    QCOMPARE(LiesText("Einstellungen", "Sound", "V", Puffer, 255, ""), 1);
    QCOMPARE(Puffer, "V");
    QVERIFY(!SchreibText("Einstellungen", "Sound", "1", ""));
}

void TestPrivateProfil::geschriebenerWertLiestSichUnveraendert_data()
{
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QByteArray>("zeile");
    QTest::newRow("schlicht") << "a b" << QByteArray("k=a b");
    QTest::newRow("Blanks am Rand") << " a " << QByteArray("k=\" a \"");
    QTest::newRow("Tabulator am Ende") << "a\t" << QByteArray("k=\"a\t\"");
    QTest::newRow("einfache Zitatzeichen") << "'x'" << QByteArray("k=\"'x'\"");
    QTest::newRow("doppelte Zitatzeichen") << "\"x\"" << QByteArray("k=\"\"x\"\"");
    QTest::newRow("ein Zitatzeichen") << "\"" << QByteArray("k=\"");
}

void TestPrivateProfil::geschriebenerWertLiestSichUnveraendert()
{
    QFETCH(QString, wert);
    QFETCH(QByteArray, zeile);
    QVERIFY(SchreibText("A", "k", wert, Ini));
    QString Gelesen;
    LiesText("A", "k", "", Gelesen, 255, Ini);
    QCOMPARE(Gelesen, wert);
    QFile Datei(Ini);
    QVERIFY(Datei.open(QIODevice::ReadOnly));
    QCOMPARE(Datei.readAll(), "[A]\r\n" + zeile + "\r\n");
}

VORLIX_TEST_GUILESS_MAIN(TestPrivateProfil)
#include "tst_privateprofil.moc"
