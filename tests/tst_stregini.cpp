#include "support/Registrierung.h"
#include "support/STRegIni.h"
#include "tests/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>

using namespace Dateien;
using namespace Registrierung;
using Testhilfe::LiesDatei;
using Testhilfe::SchreibeDatei;

namespace {

struct TFehler
{
    int Code;
    QString Text;
};

std::optional<TFehler> FehlerVon(const std::function<void()>& Aktion)
{
    try {
        Aktion();
    } catch (const EStRegIniError& Fehler) {
        return TFehler{Fehler.Code(), QString::fromUtf8(Fehler.what())};
    }
    return std::nullopt;
}

QString BenutzerDatei()
{
    return TRegistrierungsDatei("HKEY_CURRENT_USER").Pfad();
}

const QByteArray Kopf = "Windows Registry Editor Version 5.00\n\n";

} // namespace

class TestStRegIni : public QObject
{
    Q_OBJECT

private slots:
    void init();

    void leererWurzelnameWirft_data();
    void leererWurzelnameWirft();
    void wurzelnameWaehltDieWurzel_data();
    void wurzelnameWaehltDieWurzel();

    void lesenAusFehlendemSchluesselGibtVorgabeUndLegtNichtsAn();
    void schreibenLegtDenGanzenPfadAn();
    void leererWertnameSetztDenStandardwert();
    void liestTypenAlsText_data();
    void liestTypenAlsText();
    void binaerwertAb128BytesWirft_data();
    void binaerwertAb128BytesWirft();
    void schreibenEndetAmNullzeichen();
    void createSubKeyLegtSchluesselUnterDemAktuellenAn();
    void createSubKeyOhneNamenWirft_data();
    void createSubKeyOhneNamenWirft();
    void programmSchreibtUndLiestSeinenInstallationsort();
    void unzulaessigerPfadMeldetErzeugenMitCode();
    void nichtAnlegbarerOrdnerMeldetErzeugenMitCode();
    void gescheitertesWertschreibenMeldetCode();
    void zweiSpeicherNacheinanderVerlierenKeinenWert();

    void dateimodusLiestWerte_data();
    void dateimodusLiestWerte();
    void dateimodusSchreibtUndErsetzt();
    void dateimodusOhneWertnamenWirft();
    void dateimodusSchreibfehlerWirft();
    void dateimodusCreateSubKeyHinterlaesstLeerenAbschnitt();
    void dateimodusCreateSubKeyFehlerWirft();

private:
    std::unique_ptr<QTemporaryDir> Konfig;
    std::unique_ptr<QTemporaryDir> IniOrdner;
};

void TestStRegIni::init()
{
    Konfig = std::make_unique<QTemporaryDir>();
    IniOrdner = std::make_unique<QTemporaryDir>();
    QVERIFY(Konfig->isValid() && IniOrdner->isValid());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Konfig->path()));
}

void TestStRegIni::leererWurzelnameWirft_data()
{
    QTest::addColumn<bool>("dateimodus");
    QTest::newRow("Registry") << false;
    QTest::newRow("Datei") << true;
}

void TestStRegIni::leererWurzelnameWirft()
{
    QFETCH(bool, dateimodus);
    const auto Fehler = FehlerVon([&] { TStRegIni Speicher("", dateimodus); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniKeinSchluessel));
    QCOMPARE(Fehler->Text, "No Ini File or Primary Key specified");
}

void TestStRegIni::wurzelnameWaehltDieWurzel_data()
{
    QTest::addColumn<QString>("wurzelname");
    QTest::addColumn<QString>("wurzel");
    QTest::newRow("C_USERS") << "C_USERS"
                             << "HKEY_CURRENT_USER";
    QTest::newRow("klein geschrieben") << "c_users"
                                       << "HKEY_CURRENT_USER";
    QTest::newRow("unbekannt") << "Irgendwas"
                               << "HKEY_CURRENT_USER";
    QTest::newRow("MACHINE") << "MACHINE"
                             << "HKEY_LOCAL_MACHINE";
    QTest::newRow("machine") << "machine"
                             << "HKEY_LOCAL_MACHINE";
    QTest::newRow("Users") << "Users"
                           << "HKEY_USERS";
    QTest::newRow("ROOT") << "ROOT"
                          << "HKEY_CLASSES_ROOT";
}

void TestStRegIni::wurzelnameWaehltDieWurzel()
{
    QFETCH(QString, wurzelname);
    QFETCH(QString, wurzel);
    TStRegIni Speicher(wurzelname, false);
    Speicher.SetSubKey("Software\\Test");
    Speicher.WriteString("Wert", "1");

    TRegWert Wert;
    QCOMPARE(TRegistrierungsDatei(wurzel).LiesWert("Software\\Test", "Wert", Wert), ErfolgOk);
    QCOMPARE(DatenAlsText(Wert.Daten), "1");
    QCOMPARE(QDir(TRegistrierungsDatei::Ordner()).entryList(QDir::Files),
             QStringList{wurzel + ".reg"});
}

void TestStRegIni::lesenAusFehlendemSchluesselGibtVorgabeUndLegtNichtsAn()
{
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("Software\\Gibt\\Es\\Nicht");
    QCOMPARE(Speicher.ReadString("Wert", "Vorgabe"), "Vorgabe");
    QVERIFY(!QFile::exists(BenutzerDatei()));

    Speicher.SetSubKey("Software");
    Speicher.WriteString("Da", "1");
    const QByteArray Vorher = LiesDatei(BenutzerDatei());
    Speicher.SetSubKey("Software\\Fehlt");
    QCOMPARE(Speicher.ReadString("Da", ""), "");
    Speicher.SetSubKey("Software");
    QCOMPARE(Speicher.ReadString("Fehlt", "Vorgabe"), "Vorgabe");
    QCOMPARE(LiesDatei(BenutzerDatei()), Vorher);
    QVERIFY(!TRegistrierungsDatei("HKEY_CURRENT_USER").SchluesselVorhanden("Software\\Fehlt"));
}

void TestStRegIni::schreibenLegtDenGanzenPfadAn()
{
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("Eins\\Zwei\\Drei");
    Speicher.WriteString("Wert", "tief");
    QCOMPARE(LiesDatei(BenutzerDatei()), Kopf + R"([HKEY_CURRENT_USER]

[HKEY_CURRENT_USER\Eins]

[HKEY_CURRENT_USER\Eins\Zwei]

[HKEY_CURRENT_USER\Eins\Zwei\Drei]
"Wert"="tief"

)");
    TStRegIni Leser("C_USERS", false);
    Leser.SetSubKey("eins\\ZWEI\\drei");
    QCOMPARE(Leser.ReadString("WERT", ""), "tief");
}

void TestStRegIni::leererWertnameSetztDenStandardwert()
{
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("Software\\Vorlix-Geldspielautomat");
    Speicher.WriteString("", "/opt/vorlix/Vorlix.EXE");
    QVERIFY(LiesDatei(BenutzerDatei()).contains("\n@=\"/opt/vorlix/Vorlix.EXE\"\n"));
    QCOMPARE(Speicher.ReadString("", "Vorgabe"), "/opt/vorlix/Vorlix.EXE");
}

void TestStRegIni::liestTypenAlsText_data()
{
    QTest::addColumn<uint>("typ");
    QTest::addColumn<QByteArray>("datenHex");
    QTest::addColumn<QString>("text");

    QTest::newRow("DWORD groesster Wert") << 4u << QByteArray("ffffffff") << "4294967295";
    QTest::newRow("DWORD null") << 4u << QByteArray("00000000") << "0";
    QTest::newRow("DWORD 42") << 4u << QByteArray("2a000000") << "42";
    QTest::newRow("DWORD 2^31") << 4u << QByteArray("00000080") << "2147483648";
    QTest::newRow("DWORD mit drei Bytes") << 4u << QByteArray("010203") << "Vorgabe";
    QTest::newRow("BINARY 0A FF") << 3u << QByteArray("0aff") << "0AFF";
    QTest::newRow("BINARY leer") << 3u << QByteArray("") << "";
    QTest::newRow("BINARY 127 Bytes")
        << 3u << QByteArray("ab").repeated(127) << QString("AB").repeated(127);
    QTest::newRow("SZ leer") << 1u << QByteArray("0000") << "";
    QTest::newRow("SZ bis zur Null") << 1u << QByteArray("610062000000630000000000") << "ab";
    QTest::newRow("EXPAND_SZ nicht erweitert")
        << 2u << QByteArray("250048004f004d00450025000000") << "%HOME%";
    QTest::newRow("MULTI_SZ") << 7u << QByteArray("610000000000") << "Vorgabe";
    QTest::newRow("NONE") << 0u << QByteArray("01") << "Vorgabe";
    QTest::newRow("QWORD") << 11u << QByteArray("0100000000000000") << "Vorgabe";
}

void TestStRegIni::liestTypenAlsText()
{
    QFETCH(uint, typ);
    QFETCH(QByteArray, datenHex);
    QFETCH(QString, text);

    TRegistrierungsDatei Datei("HKEY_CURRENT_USER");
    QCOMPARE(
        Datei.SchreibeWert("Software\\Typen", TRegWert{"Wert", typ, QByteArray::fromHex(datenHex)}),
        ErfolgOk);
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("Software\\Typen");
    QCOMPARE(Speicher.ReadString("Wert", "Vorgabe"), text);
}

void TestStRegIni::binaerwertAb128BytesWirft_data()
{
    QTest::addColumn<int>("laenge");
    QTest::newRow("128") << 128;
    QTest::newRow("200") << 200;
}

void TestStRegIni::binaerwertAb128BytesWirft()
{
    QFETCH(int, laenge);
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER");
    QCOMPARE(Datei.SchreibeWert("Software", TRegWert::Binaer("Lang", QByteArray(laenge, '\x0a'))),
             ErfolgOk);
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("Software");
    const auto Fehler = FehlerVon([&] { Speicher.ReadString("Lang", ""); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniBytefolgeZuLang));
    QCOMPARE(Fehler->Text, "Size of byte array exceeds limit");
    // The store stays usable after the error.
    Speicher.WriteString("Kurz", "1");
    QCOMPARE(Speicher.ReadString("Kurz", ""), "1");
}

void TestStRegIni::schreibenEndetAmNullzeichen()
{
    TStRegIni Speicher("C_USERS", false);
    Speicher.WriteString("Wert", QString("vorher") + QChar(0) + "nachher");
    TRegWert Wert;
    QCOMPARE(TRegistrierungsDatei("HKEY_CURRENT_USER").LiesWert("", "Wert", Wert), ErfolgOk);
    QCOMPARE(Wert.Typ, RegSz);
    QCOMPARE(Wert.Daten.toHex(), QByteArray("76006f0072006800650072000000"));
}

void TestStRegIni::createSubKeyLegtSchluesselUnterDemAktuellenAn()
{
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("System\\CurrentControlSet\\Services");
    Speicher.CreateSubKey("Kasse");
    TRegistrierungsDatei Datei("HKEY_CURRENT_USER");
    QVERIFY(Datei.SchluesselVorhanden("System\\CurrentControlSet\\Services\\Kasse"));

    // The current sub key stays where it was.
    Speicher.WriteString("KA", "12 50");
    TRegWert Wert;
    QCOMPARE(Datei.LiesWert("System\\CurrentControlSet\\Services", "KA", Wert), ErfolgOk);
    QCOMPARE(Datei.LiesWert("System\\CurrentControlSet\\Services\\Kasse", "KA", Wert),
             FehlerNichtGefunden);

    TStRegIni OhneSchluessel("C_USERS", false);
    OhneSchluessel.CreateSubKey("Oben");
    QVERIFY(Datei.SchluesselVorhanden("Oben"));
}

void TestStRegIni::createSubKeyOhneNamenWirft_data()
{
    QTest::addColumn<bool>("dateimodus");
    QTest::newRow("Registry") << false;
    QTest::newRow("Datei") << true;
}

void TestStRegIni::createSubKeyOhneNamenWirft()
{
    QFETCH(bool, dateimodus);
    TStRegIni Speicher(dateimodus ? IniOrdner->filePath("a.ini") : "C_USERS", dateimodus);
    const auto Fehler = FehlerVon([&] { Speicher.CreateSubKey(""); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniKeinSchluesselname));
    QCOMPARE(Fehler->Text, "No key name specified");
}

void TestStRegIni::programmSchreibtUndLiestSeinenInstallationsort()
{
    {
        TStRegIni Speicher("C_USERS", false);
        Speicher.SetSubKey("Software");
        Speicher.CreateSubKey("Vorlix-Geldspielautomat");
        Speicher.SetSubKey("Software\\Vorlix-Geldspielautomat");
        Speicher.WriteString("", "/opt/vorlix/Vorlix.EXE");
        Speicher.WriteString("InstallPfad", "/opt/vorlix/");
    }
    QCOMPARE(LiesDatei(BenutzerDatei()), Kopf + R"([HKEY_CURRENT_USER]

[HKEY_CURRENT_USER\Software]

[HKEY_CURRENT_USER\Software\Vorlix-Geldspielautomat]
@="/opt/vorlix/Vorlix.EXE"
"InstallPfad"="/opt/vorlix/"

)");
    TStRegIni Leser("C_USERS", false);
    Leser.SetSubKey("Software\\Vorlix-Geldspielautomat");
    QCOMPARE(Leser.ReadString("InstallPfad", ""), "/opt/vorlix/");
    QCOMPARE(Leser.ReadString("", ""), "/opt/vorlix/Vorlix.EXE");
}

void TestStRegIni::unzulaessigerPfadMeldetErzeugenMitCode()
{
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("\\Software");
    auto Fehler = FehlerVon([&] { Speicher.WriteString("a", "b"); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniErzeugen));
    QCOMPARE(Fehler->Text, "Failed to create key\nError Code: 161");
    Fehler = FehlerVon([&] { Speicher.CreateSubKey("x"); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Text, "Failed to create key\nError Code: 161");
    QCOMPARE(Speicher.ReadString("a", "Vorgabe"), "Vorgabe");
}

void TestStRegIni::nichtAnlegbarerOrdnerMeldetErzeugenMitCode()
{
    // A file where the store's folder belongs.
    SchreibeDatei(Konfig->filePath("Vorlix"), "kein Ordner");
    TStRegIni Speicher("C_USERS", false);
    const auto Fehler = FehlerVon([&] { Speicher.WriteString("a", "b"); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniErzeugen));
    QCOMPARE(Fehler->Text, "Failed to create key\nError Code: 5");
}

void TestStRegIni::gescheitertesWertschreibenMeldetCode()
{
    TStRegIni Speicher("C_USERS", false);
    Speicher.SetSubKey("Software");
    Speicher.WriteString("a", "1");
    const QByteArray Vorher = LiesDatei(BenutzerDatei());

    std::optional<TFehler> Fehler;
    Testhilfe::MitDateigrenze(Vorher.size() + 10, [&] {
        Fehler = FehlerVon([&] { Speicher.WriteString("b", QString(500, 'x')); });
    });

    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniSchreibenRegistry));
    QCOMPARE(Fehler->Text, "Failed to write value to Registry\nError Code: 29");
    QCOMPARE(LiesDatei(BenutzerDatei()), Vorher);
}

void TestStRegIni::zweiSpeicherNacheinanderVerlierenKeinenWert()
{
    TStRegIni A("C_USERS", false);
    TStRegIni B("C_USERS", false);
    A.SetSubKey("Software\\Vorlix");
    B.SetSubKey("Software\\Vorlix");
    A.WriteString("VonA", "a");
    B.WriteString("VonB", "b");
    A.WriteString("VonA2", "a2");
    TStRegIni C("C_USERS", false);
    C.SetSubKey("Software\\Vorlix");
    QCOMPARE(C.ReadString("VonA", ""), "a");
    QCOMPARE(C.ReadString("VonB", ""), "b");
    QCOMPARE(C.ReadString("VonA2", ""), "a2");
    QCOMPARE(B.ReadString("VonA2", ""), "a2");
}

void TestStRegIni::dateimodusLiestWerte_data()
{
    QTest::addColumn<QString>("abschnitt");
    QTest::addColumn<QString>("wert");
    QTest::addColumn<QString>("text");

    QTest::newRow("vorhanden") << "Einstellungen"
                               << "Spieldauer"
                               << "5";
    QTest::newRow("andere Schreibweise") << "EINSTELLUNGEN"
                                         << "spieldauer"
                                         << "5";
    QTest::newRow("leer gibt Vorgabe") << "Einstellungen"
                                       << "Leer"
                                       << "Vorgabe";
    QTest::newRow("fehlt gibt Vorgabe") << "Einstellungen"
                                        << "Fehlt"
                                        << "Vorgabe";
    QTest::newRow("Abschnitt fehlt") << "Anders"
                                     << "Spieldauer"
                                     << "Vorgabe";
    QTest::newRow("Zitat") << "Einstellungen"
                           << "Zitat"
                           << " a b ";
    QTest::newRow("1100 Zeichen auf 1023 gekuerzt") << "Einstellungen"
                                                    << "Lang" << QString(1023, 'x');
}

void TestStRegIni::dateimodusLiestWerte()
{
    QFETCH(QString, abschnitt);
    QFETCH(QString, wert);
    QFETCH(QString, text);

    const QString Pfad = IniOrdner->filePath("Test.ini");
    SchreibeDatei(Pfad, "[Einstellungen]\r\nSpieldauer=5\r\nLeer=\r\nZitat=\" a b \"\r\nLang=" +
                            QByteArray(1100, 'x') + "\r\n");
    TStRegIni Speicher(Pfad, true);
    Speicher.SetSubKey(abschnitt);
    QCOMPARE(Speicher.ReadString(wert, "Vorgabe"), text);
}

void TestStRegIni::dateimodusSchreibtUndErsetzt()
{
    const QString Pfad = IniOrdner->filePath("klein.ini");
    TStRegIni Speicher(Pfad, true);
    Speicher.SetSubKey("Einstellungen");
    Speicher.WriteString("Sound", "1");
    Speicher.WriteString("SpielerName", "Anna");
    Speicher.WriteString("sound", "0");
    QCOMPARE(LiesDatei(Pfad), QByteArray("[Einstellungen]\r\nSound=0\r\nSpielerName=Anna\r\n"));
    QCOMPARE(QDir(IniOrdner->path()).entryList(QDir::Files), QStringList{"klein.ini"});
    QCOMPARE(Speicher.ReadString("SOUND", ""), "0");
}

void TestStRegIni::dateimodusOhneWertnamenWirft()
{
    const QString Pfad = IniOrdner->filePath("a.ini");
    TStRegIni Speicher(Pfad, true);
    Speicher.SetSubKey("Einstellungen");
    const auto Fehler = FehlerVon([&] { Speicher.WriteString("", "x"); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniKeinWertname));
    QCOMPARE(Fehler->Text, "No Value Name specified");
    QVERIFY(!QFile::exists(Pfad));
}

void TestStRegIni::dateimodusSchreibfehlerWirft()
{
    TStRegIni Speicher(IniOrdner->filePath("fehlt/a.ini"), true);
    Speicher.SetSubKey("Einstellungen");
    const auto Fehler = FehlerVon([&] { Speicher.WriteString("a", "x"); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniSchreibenIniDatei));
    QCOMPARE(Fehler->Text, "Failed to write value to INI file");
}

void TestStRegIni::dateimodusCreateSubKeyHinterlaesstLeerenAbschnitt()
{
    const QString Pfad = IniOrdner->filePath("a.ini");
    TStRegIni Speicher(Pfad, true);
    Speicher.CreateSubKey("Neu");
    QCOMPARE(LiesDatei(Pfad), QByteArray("[Neu]\r\n"));

    SchreibeDatei(Pfad, "; Kopf\n[Alt]\nx=1\n");
    Speicher.CreateSubKey("Neu");
    Speicher.CreateSubKey("alt");
    QCOMPARE(LiesDatei(Pfad), QByteArray("; Kopf\n[Alt]\nx=1\n\n[Neu]\n"));
}

void TestStRegIni::dateimodusCreateSubKeyFehlerWirft()
{
    TStRegIni Speicher(IniOrdner->filePath("fehlt/a.ini"), true);
    const auto Fehler = FehlerVon([&] { Speicher.CreateSubKey("Neu"); });
    QVERIFY(Fehler);
    QCOMPARE(Fehler->Code, int(RegIniSchreibenIniDatei));
    QCOMPARE(Fehler->Text, "Failed to write value to INI file");
}

VORLIX_TEST_GUILESS_MAIN(TestStRegIni)
#include "tst_stregini.moc"
