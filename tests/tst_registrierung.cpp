#include "support/Registrierung.h"
#include "tests/testmain.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>
#include <memory>
#include <sys/stat.h>

using namespace Dateien;
using namespace Registrierung;
using Testhilfe::LiesDatei;
using Testhilfe::SchreibeDatei;

namespace {

const QByteArray Kopf = "Windows Registry Editor Version 5.00\n\n";

QStringList Eintraege(const QString& Ordner)
{
    return QDir(Ordner).entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot, QDir::Name);
}

} // namespace

class TestRegistrierung : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void liestWertzeilen_data();
    void liestWertzeilen();
    void schreibtExportTextNeu_data();
    void schreibtExportTextNeu();
    void verwirftTextDerKeineExportDateiIst_data();
    void verwirftTextDerKeineExportDateiIst();
    void unzulaessigePfadeHabenKeinenSchluessel_data();
    void unzulaessigePfadeHabenKeinenSchluessel();

    void dateiLiegtImKonfigurationsordner();
    void schreibenLegtDateiOhneTempUndSperrdateiAn();
    void lesenLegtWederDateiNochSchluesselAn();
    void leereDateiIstLeererSpeicher();
    void gescheitertesSchreibenLaesstAlteDateiStehen();
    void bestehendeDateiBehaeltIhreRechte();
    void beschaedigteDateiWirdBeimLesenBeiseitegelegtUndEinmalGemeldet();
    void beschaedigteDateiWirdBeimSchreibenNichtUeberschrieben();
    void beiseitegelegteDateiNimmtKeinenNamenEinesVerweises();
    void zweiDateiObjekteSehenEinanderesWerte();
    void gleichzeitigeSchreiberVerlierenKeinenWert();
    void sperreHaeltAnderenSchreiberAuf();

private:
    TMelder Melder()
    {
        return [this](const QString& Text) { Meldungen << Text; };
    }

    std::unique_ptr<QTemporaryDir> Konfig;
    QStringList Meldungen;
};

void TestRegistrierung::init()
{
    Konfig = std::make_unique<QTemporaryDir>();
    QVERIFY(Konfig->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Konfig->path()));
    Meldungen.clear();
}

void TestRegistrierung::liestWertzeilen_data()
{
    QTest::addColumn<QByteArray>("zeile");
    QTest::addColumn<QString>("name");
    QTest::addColumn<uint>("typ");
    QTest::addColumn<QByteArray>("datenHex");

    QTest::newRow("Text") << QByteArray("\"a\"=\"xy\"") << "a" << 1u << QByteArray("780079000000");
    QTest::newRow("Standardwert") << QByteArray("@=\"x\"") << "" << 1u << QByteArray("78000000");
    QTest::newRow("leerer Text") << QByteArray("\"a\"=\"\"") << "a" << 1u << QByteArray("0000");
    QTest::newRow("Escapes") << QByteArray(R"("a"="C:\\x\"y\"")") << "a" << 1u
                             << QByteArray("43003a005c0078002200790022000000");
    QTest::newRow("Zitat im Namen")
        << QByteArray(R"("a\"b"="1")") << "a\"b" << 1u << QByteArray("31000000");
    QTest::newRow("Blanks um =") << QByteArray("\"a\" = \"1\"") << "a" << 1u
                                 << QByteArray("31000000");
    QTest::newRow("Umlaut UTF-8") << QByteArray("\"a\"=\"\xc3\xa4\"") << "a" << 1u
                                  << QByteArray("e4000000");
    QTest::newRow("dword groesste")
        << QByteArray("\"a\"=dword:ffffffff") << "a" << 4u << QByteArray("ffffffff");
    QTest::newRow("dword 42") << QByteArray("\"a\"=dword:0000002a") << "a" << 4u
                              << QByteArray("2a000000");
    QTest::newRow("dword kurz") << QByteArray("\"a\"=dword:2A") << "a" << 4u
                                << QByteArray("2a000000");
    QTest::newRow("hex") << QByteArray("\"a\"=hex:0a,ff") << "a" << 3u << QByteArray("0aff");
    QTest::newRow("hex leer") << QByteArray("\"a\"=hex:") << "a" << 3u << QByteArray("");
    QTest::newRow("hex(2)") << QByteArray("\"a\"=hex(2):25,00,00,00") << "a" << 2u
                            << QByteArray("25000000");
    QTest::newRow("hex(b)") << QByteArray("\"a\"=hex(b):01,00,00,00,00,00,00,00") << "a" << 11u
                            << QByteArray("0100000000000000");
}

void TestRegistrierung::liestWertzeilen()
{
    QFETCH(QByteArray, zeile);
    QFETCH(QString, name);
    QFETCH(uint, typ);
    QFETCH(QByteArray, datenHex);

    const auto Wurzel =
        LiesRegText(Kopf + "[HKEY_CURRENT_USER\\K]\n" + zeile + "\n", "HKEY_CURRENT_USER");
    QVERIFY(Wurzel);
    const TRegSchluessel* K = Wurzel->Finde({"K"});
    QVERIFY(K);
    QCOMPARE(K->Werte.size(), 1);
    QCOMPARE(K->Werte[0].Name, name);
    QCOMPARE(K->Werte[0].Typ, typ);
    QCOMPARE(K->Werte[0].Daten.toHex(), datenHex);
}

void TestRegistrierung::schreibtExportTextNeu_data()
{
    QTest::addColumn<QByteArray>("eingabe");
    QTest::addColumn<QByteArray>("ausgabe");

    QTest::newRow("Escapes und Standardwert")
        << Kopf + R"([HKEY_CURRENT_USER\Software\Vorlix-Geldspielautomat]
@="C:\\Spiele\\Vorlix.EXE"
"InstallPfad"="C:\\Spiele\\"
"Zitat"="er sagt \"ja\""
)" << Kopf + R"([HKEY_CURRENT_USER]

[HKEY_CURRENT_USER\Software]

[HKEY_CURRENT_USER\Software\Vorlix-Geldspielautomat]
@="C:\\Spiele\\Vorlix.EXE"
"InstallPfad"="C:\\Spiele\\"
"Zitat"="er sagt \"ja\""

)";
    QTest::newRow("Schluessel und Namen ohne Ruecksicht auf Gross und Klein")
        << Kopf + R"([HKEY_CURRENT_USER\Software\Alpha]
"Wert"="1"
[hkey_current_user\SOFTWARE\alpha]
"WERT"="2"
"y"="3"
)" << Kopf + R"([HKEY_CURRENT_USER]

[HKEY_CURRENT_USER\Software]

[HKEY_CURRENT_USER\Software\Alpha]
"Wert"="2"
"y"="3"

)";
    QTest::newRow("Typen, Kommentar und CRLF")
        << QByteArray("Windows Registry Editor Version 5.00\r\n\r\n; exportiert\r\n"
                      "[HKEY_CURRENT_USER\\T]\r\n\"d\"=dword:0000002A\r\n\"b\"=hex:0A,FF\r\n"
                      "\"e\"=hex(2):25,00,00,00\r\n\"m\"=hex(7):61,00,00,00,00,00\r\n")
        << Kopf + R"([HKEY_CURRENT_USER]

[HKEY_CURRENT_USER\T]
"d"=dword:0000002a
"b"=hex:0a,ff
"e"=hex(2):25,00,00,00
"m"=hex(7):61,00,00,00,00,00

)";
    QTest::newRow("lange Hex-Daten umgebrochen")
        << Kopf + "[HKEY_CURRENT_USER]\n\"Lang\"=hex:00,01,02,03,04,05,06,07,08,09,\\\n"
                  "  0a,0b,0c,0d,0e,0f,10,11,12,13,14,15,16,17,18,19,1a,1b,1c,1d\n"
        << Kopf + "[HKEY_CURRENT_USER]\n\"Lang\"=hex:00,01,02,03,04,05,06,07,08,09,0a,0b,0c,0d,"
                  "0e,0f,10,11,12,13,14,15,\\\n  16,17,18,19,1a,1b,1c,1d\n\n";
    QTest::newRow("Text mit Nullzeichen bleibt hex(1)")
        << Kopf + "[HKEY_CURRENT_USER]\n\"n\"=hex(1):61,00,00,00,62,00,00,00\n"
        << Kopf + "[HKEY_CURRENT_USER]\n\"n\"=hex(1):61,00,00,00,62,00,00,00\n\n";
    QTest::newRow("Zeilenumbruch im Text")
        << Kopf + "[HKEY_CURRENT_USER]\n\"Notiz\"=\"eins\\ntwo\\r\"\n"
        << Kopf + "[HKEY_CURRENT_USER]\n\"Notiz\"=\"eins\\ntwo\\r\"\n\n";
    QTest::newRow("Loeschungen") << Kopf + R"([HKEY_CURRENT_USER\Alt\Tief]
"x"="1"
[HKEY_CURRENT_USER\Neu]
"weg"="1"
"bleibt"="2"
[-HKEY_CURRENT_USER\alt]
[HKEY_CURRENT_USER\Neu]
"weg"=-
)" << Kopf + R"([HKEY_CURRENT_USER]

[HKEY_CURRENT_USER\Neu]
"bleibt"="2"

)";
    QTest::newRow("geloescht und wieder gesetzt")
        << Kopf + "[HKEY_CURRENT_USER\\A]\n\"a\"=\"1\"\n\"b\"=\"2\"\n\"a\"=-\n\"A\"=\"3\"\n"
                  "[HKEY_CURRENT_USER\\A\\K]\n\"alt\"=\"1\"\n[-HKEY_CURRENT_USER\\A\\k]\n"
                  "[HKEY_CURRENT_USER\\A\\L]\n[HKEY_CURRENT_USER\\A\\K]\n\"x\"=\"y\"\n"
        << Kopf + "[HKEY_CURRENT_USER]\n\n[HKEY_CURRENT_USER\\A]\n\"b\"=\"2\"\n\"A\"=\"3\"\n\n"
                  "[HKEY_CURRENT_USER\\A\\K]\n\"x\"=\"y\"\n\n[HKEY_CURRENT_USER\\A\\L]\n\n";
    QTest::newRow("UTF-8 mit BOM")
        << QByteArray("\xef\xbb\xbf") + Kopf +
               "[HKEY_CURRENT_USER\\Gr\xc3\xb6\xc3\x9f\x65]\n\"\xc3\xa4\"=\"\xe2\x82\xac\"\n"
        << Kopf + "[HKEY_CURRENT_USER]\n\n[HKEY_CURRENT_USER\\Gr\xc3\xb6\xc3\x9f\x65]\n"
                  "\"\xc3\xa4\"=\"\xe2\x82\xac\"\n\n";
    QTest::newRow("Unterschluessel alphabetisch")
        << Kopf + "[HKEY_CURRENT_USER\\beta]\n[HKEY_CURRENT_USER\\Alpha]\n"
        << Kopf + "[HKEY_CURRENT_USER]\n\n[HKEY_CURRENT_USER\\Alpha]\n\n"
                  "[HKEY_CURRENT_USER\\beta]\n\n";
}

void TestRegistrierung::schreibtExportTextNeu()
{
    QFETCH(QByteArray, eingabe);
    QFETCH(QByteArray, ausgabe);

    const auto Wurzel = LiesRegText(eingabe, "HKEY_CURRENT_USER");
    QVERIFY(Wurzel);
    QCOMPARE(SchreibeRegText(*Wurzel, "HKEY_CURRENT_USER"), ausgabe);
    const auto NochEinmal = LiesRegText(ausgabe, "HKEY_CURRENT_USER");
    QVERIFY(NochEinmal);
    QCOMPARE(SchreibeRegText(*NochEinmal, "HKEY_CURRENT_USER"), ausgabe);
}

void TestRegistrierung::verwirftTextDerKeineExportDateiIst_data()
{
    QTest::addColumn<QByteArray>("text");

    QTest::newRow("ohne Kopfzeile") << QByteArray("[HKEY_CURRENT_USER]\n\"a\"=\"b\"\n");
    QTest::newRow("REGEDIT4") << QByteArray("REGEDIT4\n\n[HKEY_CURRENT_USER]\n");
    QTest::newRow("Wert vor dem ersten Schluessel") << Kopf + "\"a\"=\"b\"\n";
    QTest::newRow("fremde Wurzel") << Kopf + "[HKEY_LOCAL_MACHINE\\Software]\n";
    QTest::newRow("Schluesselzeile offen") << Kopf + "[HKEY_CURRENT_USER\\Software\n";
    QTest::newRow("leerer Schluesselname") << Kopf + "[HKEY_CURRENT_USER\\\\Software]\n";
    QTest::newRow("offenes Zitat") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=\"b\n";
    QTest::newRow("Backslash vor dem Schlusszeichen")
        << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=\"C:\\\"\n";
    QTest::newRow("Rest hinter dem Text") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=\"b\"c\n";
    QTest::newRow("dword keine Zahl") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=dword:xyz\n";
    QTest::newRow("dword neun Ziffern") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=dword:123456789\n";
    QTest::newRow("hex falsche Ziffer") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=hex:0g\n";
    QTest::newRow("hex drei Ziffern") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=hex:123\n";
    QTest::newRow("unbekannte Daten") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=irgendwas\n";
    QTest::newRow("Zeile ohne Form") << Kopf + "[HKEY_CURRENT_USER]\nirgendwas\n";
    QTest::newRow("Pfade von Megabytes") // written back, each key repeats its whole path
        << Kopf + "[HKEY_CURRENT_USER" + ('\\' + QByteArray(100, 'x')).repeated(500) + "]\n";
    QTest::newRow("ungueltiges UTF-8") << Kopf + "[HKEY_CURRENT_USER]\n\"a\"=\"\xff\"\n";
}

void TestRegistrierung::verwirftTextDerKeineExportDateiIst()
{
    QFETCH(QByteArray, text);
    QVERIFY(!LiesRegText(text, "HKEY_CURRENT_USER"));
}

void TestRegistrierung::unzulaessigePfadeHabenKeinenSchluessel_data()
{
    QTest::addColumn<QString>("pfad");
    QTest::newRow("fuehrender Backslash") << "\\Software";
    QTest::newRow("doppelter Backslash") << "Software\\\\Vorlix";
    QTest::newRow("nur Backslash") << "\\";
    QTest::newRow("Zeilenumbruch") << "Soft\nware";
    QTest::newRow("513 Ebenen") << QStringList(513, "a").join('\\');
}

void TestRegistrierung::unzulaessigePfadeHabenKeinenSchluessel()
{
    QFETCH(QString, pfad);
    QVERIFY(!ZerlegePfad(pfad));
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    QCOMPARE(Datei.ErzeugeSchluessel(pfad), FehlerPfadname);
    QCOMPARE(Datei.SchreibeWert(pfad, TRegWert::Text("a", "b")), FehlerPfadname);
    TRegWert Wert;
    QCOMPARE(Datei.LiesWert(pfad, "a", Wert), FehlerNichtGefunden);
    QVERIFY(!QFile::exists(Datei.Pfad()));
}

void TestRegistrierung::dateiLiegtImKonfigurationsordner()
{
    QCOMPARE(TRegistrierungsDatei("HKEY_CURRENT_USER").Pfad(),
             Konfig->path() + "/Vorlix/HKEY_CURRENT_USER.reg");
    QCOMPARE(TRegistrierungsDatei("HKEY_LOCAL_MACHINE").Pfad(),
             Konfig->path() + "/Vorlix/HKEY_LOCAL_MACHINE.reg");
}

void TestRegistrierung::schreibenLegtDateiOhneTempUndSperrdateiAn()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    QCOMPARE(Datei.SchreibeWert("Software\\Test", TRegWert::Text("a", "1")), ErfolgOk);
    QCOMPARE(Datei.SchreibeWert("Software\\Test", TRegWert::Dword("b", 7)), ErfolgOk);
    QCOMPARE(Eintraege(TRegistrierungsDatei::Ordner()), QStringList{"HKEY_CURRENT_USER.reg"});
    QCOMPARE(LiesDatei(Datei.Pfad()), Kopf + R"([HKEY_CURRENT_USER]

[HKEY_CURRENT_USER\Software]

[HKEY_CURRENT_USER\Software\Test]
"a"="1"
"b"=dword:00000007

)");
    struct stat Info = {};
    QCOMPARE(::stat(QFile::encodeName(Datei.Pfad()).constData(), &Info), 0);
    QCOMPARE(Info.st_mode & 07777, 0600u);
}

void TestRegistrierung::lesenLegtWederDateiNochSchluesselAn()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    TRegWert Wert;
    QCOMPARE(Datei.LiesWert("Software\\Fehlt", "a", Wert), FehlerNichtGefunden);
    QVERIFY(!QFile::exists(TRegistrierungsDatei::Ordner()));

    QCOMPARE(Datei.SchreibeWert("Software", TRegWert::Text("a", "1")), ErfolgOk);
    const QByteArray Vorher = LiesDatei(Datei.Pfad());
    QCOMPARE(Datei.LiesWert("Software\\Fehlt", "a", Wert), FehlerNichtGefunden);
    QCOMPARE(Datei.LiesWert("Software", "fehlt", Wert), FehlerNichtGefunden);
    QVERIFY(!Datei.SchluesselVorhanden("Software\\Fehlt"));
    QCOMPARE(LiesDatei(Datei.Pfad()), Vorher);
}

void TestRegistrierung::leereDateiIstLeererSpeicher()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    SchreibeDatei(Datei.Pfad(), "");
    TRegWert Wert;
    QCOMPARE(Datei.LiesWert("", "a", Wert), FehlerNichtGefunden);
    QCOMPARE(Datei.SchreibeWert("", TRegWert::Text("a", "1")), ErfolgOk);
    QCOMPARE(LiesDatei(Datei.Pfad()), Kopf + "[HKEY_CURRENT_USER]\n\"a\"=\"1\"\n\n");
    QVERIFY(Meldungen.isEmpty());
}

void TestRegistrierung::gescheitertesSchreibenLaesstAlteDateiStehen()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    QCOMPARE(Datei.SchreibeWert("Software", TRegWert::Text("a", "1")), ErfolgOk);
    const QByteArray Vorher = LiesDatei(Datei.Pfad());

    long Ergebnis = 0;
    Testhilfe::MitDateigrenze(Vorher.size() + 10, [&] {
        Ergebnis = Datei.SchreibeWert("Software", TRegWert::Text("b", QString(500, 'x')));
    });

    QCOMPARE(Ergebnis, FehlerSchreiben);
    QCOMPARE(LiesDatei(Datei.Pfad()), Vorher);
    QCOMPARE(Eintraege(TRegistrierungsDatei::Ordner()), QStringList{"HKEY_CURRENT_USER.reg"});
}

void TestRegistrierung::bestehendeDateiBehaeltIhreRechte()
{
    const QString Pfad = Konfig->path() + "/rechte.txt";
    SchreibeDatei(Pfad, "alt");
    QVERIFY(QFile::setPermissions(Pfad, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    QCOMPARE(SchreibeDateiAtomar(Pfad, "neu"), ErfolgOk);
    QCOMPARE(LiesDatei(Pfad), QByteArray("neu"));
    struct stat Info = {};
    QCOMPARE(::stat(QFile::encodeName(Pfad).constData(), &Info), 0);
    QCOMPARE(Info.st_mode & 07777, 0640u);
    QCOMPARE(Eintraege(Konfig->path()), QStringList{"rechte.txt"});
}

void TestRegistrierung::beschaedigteDateiWirdBeimLesenBeiseitegelegtUndEinmalGemeldet()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    const QByteArray Kaputt = Kopf + "[HKEY_CURRENT_USER\\Software]\n\"a\"=\"offen\n";
    SchreibeDatei(Datei.Pfad(), Kaputt);

    TRegWert Wert;
    QCOMPARE(Datei.LiesWert("Software", "a", Wert), FehlerNichtGefunden);
    QCOMPARE(Datei.LiesWert("Software", "a", Wert), FehlerNichtGefunden);

    const QStringList Daneben = Eintraege(TRegistrierungsDatei::Ordner());
    QCOMPARE(Daneben.size(), 1);
    QVERIFY2(Daneben[0].startsWith("HKEY_CURRENT_USER.reg.defekt-"), qPrintable(Daneben[0]));
    QCOMPARE(LiesDatei(TRegistrierungsDatei::Ordner() + '/' + Daneben[0]), Kaputt);
    QCOMPARE(Meldungen.size(), 1);
    QVERIFY2(Meldungen[0].contains("beschädigt") && Meldungen[0].contains(Daneben[0]),
             qPrintable(Meldungen[0]));
}

void TestRegistrierung::beschaedigteDateiWirdBeimSchreibenNichtUeberschrieben()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    const QByteArray Kaputt = "Das ist keine Registrierungsdatei\n";
    SchreibeDatei(Datei.Pfad(), Kaputt);

    QCOMPARE(Datei.SchreibeWert("", TRegWert::Text("neu", "1")), ErfolgOk);
    QCOMPARE(Datei.SchreibeWert("", TRegWert::Text("neu2", "2")), ErfolgOk);

    QCOMPARE(LiesDatei(Datei.Pfad()),
             Kopf + "[HKEY_CURRENT_USER]\n\"neu\"=\"1\"\n\"neu2\"=\"2\"\n\n");
    const QStringList Dateien = Eintraege(TRegistrierungsDatei::Ordner());
    QCOMPARE(Dateien.size(), 2);
    QCOMPARE(Dateien[0], "HKEY_CURRENT_USER.reg");
    QCOMPARE(LiesDatei(TRegistrierungsDatei::Ordner() + '/' + Dateien[1]), Kaputt);
    QCOMPARE(Meldungen.size(), 1);
}

// A link into nowhere holds its name: renaming the damaged file onto it would lose the link.
void TestRegistrierung::beiseitegelegteDateiNimmtKeinenNamenEinesVerweises()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    SchreibeDatei(Datei.Pfad(), "kaputt");
    // The name carries the second of the setting aside; both seconds it may fall into are held.
    const QDateTime Jetzt = QDateTime::currentDateTime();
    for (const QDateTime& Zeit : {Jetzt, Jetzt.addSecs(1)})
        QVERIFY(
            QFile::link("nirgends", Datei.Pfad() + ".defekt-" + Zeit.toString("yyyyMMdd-HHmmss")));

    QVERIFY(!Datei.SchluesselVorhanden("Software"));

    const QStringList Daneben = QDir(TRegistrierungsDatei::Ordner()).entryList({"*-2"});
    QCOMPARE(Daneben.size(), 1);
    QCOMPARE(LiesDatei(TRegistrierungsDatei::Ordner() + '/' + Daneben[0]), QByteArray("kaputt"));
    QCOMPARE(QDir(TRegistrierungsDatei::Ordner()).entryList(QDir::Files | QDir::System).size(), 3);
}

void TestRegistrierung::zweiDateiObjekteSehenEinanderesWerte()
{
    TRegistrierungsDatei A("HKEY_CURRENT_USER");
    TRegistrierungsDatei B("HKEY_CURRENT_USER");
    QCOMPARE(A.SchreibeWert("Software\\X", TRegWert::Text("vonA", "a")), ErfolgOk);
    QCOMPARE(B.SchreibeWert("SOFTWARE\\x", TRegWert::Text("vonB", "b")), ErfolgOk);
    TRegWert Wert;
    QCOMPARE(A.LiesWert("software\\X", "VONB", Wert), ErfolgOk);
    QCOMPARE(DatenAlsText(Wert.Daten), "b");
    QCOMPARE(B.LiesWert("Software\\X", "vona", Wert), ErfolgOk);
    QCOMPARE(DatenAlsText(Wert.Daten), "a");
}

void TestRegistrierung::gleichzeitigeSchreiberVerlierenKeinenWert()
{
    constexpr int ProSchreiber = 40;
    auto Schreiber = [](QString Praefix) {
        return QThread::create([Praefix] {
            TRegistrierungsDatei Datei("HKEY_CURRENT_USER");
            for (int i = 0; i < ProSchreiber; ++i)
                Datei.SchreibeWert("Software", TRegWert::Dword(Praefix + QString::number(i), i));
        });
    };
    std::unique_ptr<QThread> Erster(Schreiber("a"));
    std::unique_ptr<QThread> Zweiter(Schreiber("b"));
    Erster->start();
    Zweiter->start();
    QVERIFY(Erster->wait(60000));
    QVERIFY(Zweiter->wait(60000));

    const auto Wurzel = LiesRegText(LiesDatei(TRegistrierungsDatei("HKEY_CURRENT_USER").Pfad()),
                                    "HKEY_CURRENT_USER");
    QVERIFY(Wurzel);
    QCOMPARE(Wurzel->Finde({"Software"})->Werte.size(), 2 * ProSchreiber);
    QCOMPARE(Eintraege(TRegistrierungsDatei::Ordner()), QStringList{"HKEY_CURRENT_USER.reg"});
}

void TestRegistrierung::sperreHaeltAnderenSchreiberAuf()
{
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER", Melder());
    QVERIFY(QDir().mkpath(TRegistrierungsDatei::Ordner()));
    std::unique_ptr<QThread> Schreiber;
    {
        TDateiSperre Sperre(Datei.Pfad());
        QCOMPARE(Sperre.Ergebnis(), ErfolgOk);
        Schreiber.reset(QThread::create([] {
            TRegistrierungsDatei("HKEY_CURRENT_USER").SchreibeWert("", TRegWert::Dword("a", 1));
        }));
        Schreiber->start();
        QVERIFY(!Schreiber->wait(300));
        QVERIFY(!QFile::exists(Datei.Pfad()));
    }
    QVERIFY(Schreiber->wait(10000));
    TRegWert Wert;
    QCOMPARE(Datei.LiesWert("", "A", Wert), ErfolgOk);
    QCOMPARE(Wert.Typ, RegDword);
    QCOMPARE(Eintraege(TRegistrierungsDatei::Ordner()), QStringList{"HKEY_CURRENT_USER.reg"});
}

VORLIX_TEST_GUILESS_MAIN(TestRegistrierung)
#include "tst_registrierung.moc"
