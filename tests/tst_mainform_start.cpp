#include "core/Prozessortakt.h"
#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"
#include "ui/Schriften.h"
#include "ui/Zahlenanzeige.h"

#include <QElapsedTimer>
#include <QSlider>
#include <QTimer>

using namespace Testhilfe;

class TestMainFormStart : public TZeitrafferTest
{
    Q_OBJECT

public:
    TestMainFormStart() : TZeitrafferTest(1.0) {}

private slots:
    void testprogrammHatEinenEigenenKonfigOrdner();
    void testfallLaesstFremdenKonfigOrdnerStehen();

    void programmordnerIstDasArbeitsverzeichnisMitSchraegstrich();
    void programmdateiWirdOhneRuecksichtAufGrossschreibungErkannt_data();
    void programmdateiWirdOhneRuecksichtAufGrossschreibungErkannt();
    void ohneProgrammdateiGiltDerGespeicherteInstallPfad();
    void ohneProgrammdateiUndOhneInstallPfadIstDieIniDateiDerBloesseName();
    void einOrdnerNamensVorlixIstKeineProgrammdatei();

    void kassenstandWirdGelesen_data();
    void kassenstandWirdGelesen();
    void beschaedigterKassenstandWirdGemeldetUndAufbewahrt_data();
    void beschaedigterKassenstandWirdGemeldetUndAufbewahrt();
    void beschaedigterKassenstandHaeltDenStartNichtAuf();
    void beschaedigteRegistrierungsdateiWirdGemeldetUndAufbewahrt();
    void zweitesFensterHoertVonBeschaedigterDateiNachDemEndeDesErsten();

    void anzeigenZeigenNachDemStartNull();
    void symboleUndGeldSindNachDemStartNull();
    void fensterLiegtObenLinksUndIstBildschirmbreit();
    void scheibenZeigenDieScheibengrafik();
    void arbeitsbilderUndMasseWerdenAngelegt();
    void datumUndUhrzeitSindVorDemErstenTickLeer();
    void startSchlaeftNichtFuerDieTaktmessung();

    void taktAusCpuinfo_data();
    void taktAusCpuinfo();
    void taktAusCpufreq_data();
    void taktAusCpufreq();
    void taktAusZaehler_data();
    void taktAusZaehler();
    void gemessenerTaktIstPositiv();
    void nenntaktVorMomentanemTakt_data();
    void nenntaktVorMomentanemTakt();

    void deaktivierungSetztUndAktivierungLoeschtDasKennzeichen();
};

void TestMainFormStart::testprogrammHatEinenEigenenKonfigOrdner()
{
    const QString Konfig = QFile::decodeName(qgetenv("XDG_CONFIG_HOME"));
    QVERIFY2(QFileInfo(Konfig).fileName().startsWith("vorlix-test-config-"), qPrintable(Konfig));
    QVERIFY(QFileInfo(Konfig).isDir());
}

// A folder that stands for the player's: a test case may use its own folders only.
void TestMainFormStart::testfallLaesstFremdenKonfigOrdnerStehen()
{
    QTemporaryDir Spieler;
    const QByteArray Vorher = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(Spieler.path()));
    const QString Gespeichert =
        Registrierung::TRegistrierungsDatei::Ordner() + "/HKEY_CURRENT_USER.reg";
    QVERIFY(QDir().mkpath(Registrierung::TRegistrierungsDatei::Ordner()));
    QVERIFY(QFile(Gespeichert).open(QIODevice::WriteOnly));
    {
        TUmgebung Welt;
        Welt.LegeProgrammAn();
        auto Fenster = Welt.NeuesFenster();
    }
    const QByteArray Danach = qgetenv("XDG_CONFIG_HOME");
    qputenv("XDG_CONFIG_HOME", Vorher);
    QCOMPARE(Danach, QFile::encodeName(Spieler.path()));
    QVERIFY(QFile::exists(Gespeichert));
    QCOMPARE(QFileInfo(Gespeichert).size(), 0);
}

void TestMainFormStart::programmordnerIstDasArbeitsverzeichnisMitSchraegstrich()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->ProgrammVerzeichnis, Welt.Pfad());
    QCOMPARE(Fenster->IniDatei, Welt.Pfad() + "Vorlix.ini");
}

void TestMainFormStart::programmdateiWirdOhneRuecksichtAufGrossschreibungErkannt_data()
{
    QTest::addColumn<QString>("Dateiname");
    QTest::newRow("Vorlix") << "Vorlix";
    QTest::newRow("VORLIX") << "VORLIX";
    QTest::newRow("vorlix") << "vorlix";
}

void TestMainFormStart::programmdateiWirdOhneRuecksichtAufGrossschreibungErkannt()
{
    QFETCH(QString, Dateiname);
    TUmgebung Welt;
    SchreibeRegistry(InstallSchluessel, "InstallPfad", "/anderswo/");
    Welt.LegeProgrammAn(Dateiname);
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->ProgrammVerzeichnis, Welt.Pfad());
    QCOMPARE(LiesRegistry(InstallSchluessel, "InstallPfad"), Welt.Pfad());
    QCOMPARE(LiesRegistry(InstallSchluessel, ""), Welt.Pfad() + Dateiname);
}

void TestMainFormStart::ohneProgrammdateiGiltDerGespeicherteInstallPfad()
{
    TUmgebung Welt;
    SchreibeRegistry(InstallSchluessel, "InstallPfad", "/opt/vorlix/");
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->ProgrammVerzeichnis, QString("/opt/vorlix/"));
    QCOMPARE(Fenster->IniDatei, QString("/opt/vorlix/Vorlix.ini"));
    QCOMPARE(LiesRegistry(InstallSchluessel, ""), QString("<fehlt>"));
}

void TestMainFormStart::ohneProgrammdateiUndOhneInstallPfadIstDieIniDateiDerBloesseName()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->ProgrammVerzeichnis, QString());
    QCOMPARE(Fenster->IniDatei, QString("Vorlix.ini"));
}

void TestMainFormStart::einOrdnerNamensVorlixIstKeineProgrammdatei()
{
    TUmgebung Welt;
    QVERIFY(QDir(Welt.Pfad()).mkdir("Vorlix"));
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->ProgrammVerzeichnis, QString());
}

void TestMainFormStart::kassenstandWirdGelesen_data()
{
    QTest::addColumn<QString>("Gespeichert");
    QTest::addColumn<QString>("Kasse");
    QTest::addColumn<QString>("KassenstandText");
    QTest::newRow("mit Leerzeichen") << "123 45"
                                     << "123,45"
                                     << "123,45";
    QTest::newRow("mit Komma") << "123,45"
                               << "123,45"
                               << "123,45";
    QTest::newRow("leer") << ""
                          << "0,00"
                          << "0,00";
    QTest::newRow("nur Leerzeichen") << "   "
                                     << "0,00"
                                     << "0,00";
    QTest::newRow("nur das erste Leerzeichen") << "1 234"
                                               << "1,23"
                                               << "1,234";
}

void TestMainFormStart::kassenstandWirdGelesen()
{
    QFETCH(QString, Gespeichert);
    QFETCH(QString, Kasse);
    QFETCH(QString, KassenstandText);
    TUmgebung Welt;
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", Gespeichert);
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(QString::fromStdString(BcdToFixed(Fenster->Automatenkasse, 0, 2)), Kasse);
    QCOMPARE(Fenster->KassenstandText, KassenstandText);
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA-beschaedigt"), QString("<fehlt>"));
}

void TestMainFormStart::beschaedigterKassenstandWirdGemeldetUndAufbewahrt_data()
{
    QTest::addColumn<QString>("Gespeichert");
    QTest::newRow("keine Zahl") << "12x34";
    // More integer digits than the cash box holds exactly with its cents.
    QTest::newRow("22 Stellen") << "99999999999999999999 99";
}

void TestMainFormStart::beschaedigterKassenstandWirdGemeldetUndAufbewahrt()
{
    QFETCH(QString, Gespeichert);
    Zeitraffer::SetzeFaktor(0.01);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", Gespeichert);
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(QString::fromStdString(BcdToFixed(Fenster->Automatenkasse, 0, 2)), QString("0,00"));
    QCOMPARE(Fenster->KassenstandText, QString("0,00"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA-beschaedigt"), Gespeichert);
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Art, QMessageBox::Warning);
    QVERIFY(Welt.Meldungen[0].Text.contains('"' + Gespeichert + '"'));
    QVERIFY(Welt.Meldungen[0].Text.contains("KA-beschaedigt"));
    // The end stores the new cash box beside the damaged value.
    Fenster.reset();
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA"), QString("0 00"));
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA-beschaedigt"), Gespeichert);
}

void TestMainFormStart::beschaedigterKassenstandHaeltDenStartNichtAuf()
{
    Zeitraffer::SetzeFaktor(0.01);
    TUmgebung Welt;
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "12 Euro");
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QVERIFY(!Fenster->ErsteDarstellung);
    QCOMPARE(Fenster->AutomatenGeldspeicherAnzeige->text(), QString("0,00"));
    // Kept as it was stored, blank and all.
    QCOMPARE(LiesRegistry(TMainForm::KassenSchluessel, "KA-beschaedigt"), QString("12 Euro"));
    QVERIFY(Welt.Meldungen[0].Text.contains("\"12 Euro\""));
}

void TestMainFormStart::beschaedigteRegistrierungsdateiWirdGemeldetUndAufbewahrt()
{
    Zeitraffer::SetzeFaktor(0.01);
    TUmgebung Welt;
    const QString Pfad =
        Registrierung::TRegistrierungsDatei(QStringLiteral("HKEY_CURRENT_USER")).Pfad();
    QVERIFY(QDir().mkpath(QFileInfo(Pfad).path()));
    {
        QFile Datei(Pfad);
        QVERIFY(Datei.open(QIODevice::WriteOnly));
        Datei.write("kein Registrierungstext\n[HKEY_CURRENT_USER\\Software\n");
    }
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(QString::fromStdString(BcdToFixed(Fenster->Automatenkasse, 0, 2)), QString("0,00"));
    // Told only once the start-up has run, so Esc on the box cannot end it half done.
    QCOMPARE(Welt.Meldungen.size(), 0);
    QVERIFY(Starte(*Fenster));
    QCOMPARE(Welt.Meldungen.size(), 1);
    QCOMPARE(Welt.Meldungen[0].Art, QMessageBox::Warning);
    const QStringList Beiseite =
        QDir(QFileInfo(Pfad).path()).entryList({QStringLiteral("*.defekt-*")}, QDir::Files);
    QCOMPARE(Beiseite.size(), 1);
    QVERIFY(Welt.Meldungen[0].Text.contains(Beiseite[0]));
}

void TestMainFormStart::zweitesFensterHoertVonBeschaedigterDateiNachDemEndeDesErsten()
{
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    auto Erstes = Welt.NeuesFenster();
    auto Zweites = Welt.NeuesFenster();
    QVERIFY(Starte(*Zweites));
    Erstes.reset();
    const QString Pfad =
        Registrierung::TRegistrierungsDatei(QStringLiteral("HKEY_CURRENT_USER")).Pfad();
    QFile Datei(Pfad);
    QVERIFY(Datei.open(QIODevice::WriteOnly));
    Datei.write("kaputt\n");
    Datei.close();
    Welt.Meldungen.clear();
    Zweites->LiesAnwendungsPfadINRegistry();
    QCOMPARE(Welt.Meldungen.size(), 1);
    QVERIFY(Welt.Meldungen[0].Text.contains("beschädigt"));
}

void TestMainFormStart::anzeigenZeigenNachDemStartNull()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->GeldAnzeige().Geschrieben(), QStringList{"0,0"});
    QCOMPARE(Fenster->SonderAnzeige().Geschrieben(), QStringList{"00"});
    QCOMPARE(Fenster->GeldAnzeige().Schrift().family(), Schriften::Serifenlos);
    QVERIFY(Fenster->GeldAnzeige().Schrift().bold());
    QCOMPARE(Fenster->GeldAnzeige().Schrift().pixelSize(), 23);
    QCOMPARE(Fenster->SonderAnzeige().Schrift(), Fenster->GeldAnzeige().Schrift());
}

void TestMainFormStart::symboleUndGeldSindNachDemStartNull()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->SymbolLinks, 0);
    QCOMPARE(Fenster->SymbolMitte, 0);
    QCOMPARE(Fenster->SymbolRechts, 0);
    QCOMPARE(BcdToGeneral(Fenster->SpielGeldSpeicher), std::string("0"));
    QCOMPARE(BcdToGeneral(Fenster->SonderSpiele), std::string("0"));
}

void TestMainFormStart::fensterLiegtObenLinksUndIstBildschirmbreit()
{
    TUmgebung Welt;
    Welt.Bildschirm = {1366, 768};
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->geometry(), QRect(1, 1, 1366, 768)); // 839 high as designed, but no taller
    QCOMPARE(Fenster->windowTitle(), QString("Vorlix - 5.0"));
    QCOMPARE(Fenster->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(!(Fenster->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(Fenster->windowFlags() & Qt::WindowMaximizeButtonHint);
}

void TestMainFormStart::scheibenZeigenDieScheibengrafik()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    const QImage Original =
        Fenster->ImageOriginal->Picture().convertToFormat(QImage::Format_RGB888);
    QCOMPARE(Original.size(), QSize(250, 250));
    for (TImageWindow* Scheibe :
         {Fenster->ScheibeLinks, Fenster->ScheibeMitte, Fenster->ScheibeRechts}) {
        QCOMPARE(Scheibe->Picture(), Original);
        QVERIFY(Scheibe->Round());
        QVERIFY(Scheibe->Stretch());
    }
}

void TestMainFormStart::arbeitsbilderUndMasseWerdenAngelegt()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QCOMPARE(Fenster->SpinbildKopie.format(), QImage::Format_RGB888);
    QCOMPARE(Fenster->SpinbildKopie,
             Fenster->ImageDrehendeScheibe->Picture().convertToFormat(QImage::Format_RGB888));
    QCOMPARE(Fenster->ScheibenBreite, 250);
    QCOMPARE(Fenster->ScheibenHoehe, 250);
    QCOMPARE(Fenster->SchraubenBreite, 30);
    QCOMPARE(Fenster->SchraubenHoehe, 30);
    QVERIFY(Fenster->AuszahlListe.isEmpty());
    QVERIFY(Fenster->ZielbildLinks.isNull());
}

void TestMainFormStart::datumUndUhrzeitSindVorDemErstenTickLeer()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Fenster->DatumText.isEmpty());
    QVERIFY(Fenster->UhrzeitText.isEmpty());
    QCOMPARE(Fenster->Label2->text(), QString("Label2"));
}

void TestMainFormStart::startSchlaeftNichtFuerDieTaktmessung()
{
    TUmgebung Welt;
    QElapsedTimer Uhr;
    Uhr.start();
    auto Fenster = Welt.NeuesFenster();
    QVERIFY2(Uhr.elapsed() < 400, qPrintable(QString::number(Uhr.elapsed())));
    QVERIFY(Fenster->ProzessorTakt > 0);
}

void TestMainFormStart::taktAusCpuinfo_data()
{
    QTest::addColumn<QByteArray>("Text");
    QTest::addColumn<double>("Mhz");
    QTest::newRow("x86") << QByteArray("processor\t: 0\nmodel name\t: X\ncpu MHz\t\t: 2445.430\n"
                                       "cache size\t: 512 KB\ncpu MHz\t\t: 1200.000\n")
                         << 2445.43;
    QTest::newRow("ohne Eintrag") << QByteArray("processor\t: 0\nBogoMIPS\t: 50.00\n") << 0.0;
    QTest::newRow("keine Zahl") << QByteArray("cpu MHz\t: schnell\n") << 0.0;
    QTest::newRow("leer") << QByteArray() << 0.0;
}

void TestMainFormStart::taktAusCpuinfo()
{
    QFETCH(QByteArray, Text);
    QFETCH(double, Mhz);
    QCOMPARE(Prozessortakt::AusCpuinfo(Text), Mhz);
}

void TestMainFormStart::taktAusCpufreq_data()
{
    QTest::addColumn<QByteArray>("Text");
    QTest::addColumn<double>("Mhz");
    QTest::newRow("2,4 GHz") << QByteArray("2400000\n") << 2400.0;
    QTest::newRow("1,5 GHz") << QByteArray("1500000") << 1500.0;
    QTest::newRow("null") << QByteArray("0\n") << 0.0;
    QTest::newRow("Unsinn") << QByteArray("n/a\n") << 0.0;
}

void TestMainFormStart::taktAusCpufreq()
{
    QFETCH(QByteArray, Text);
    QFETCH(double, Mhz);
    QCOMPARE(Prozessortakt::AusCpufreq(Text), Mhz);
}

void TestMainFormStart::taktAusZaehler_data()
{
    QTest::addColumn<quint64>("Ticks");
    QTest::addColumn<qint64>("Nanosekunden");
    QTest::addColumn<double>("Mhz");
    QTest::newRow("30 Mio. in 10 ms") << quint64(30'000'000) << qint64(10'000'000) << 3000.0;
    QTest::newRow("15 Mio. in 10 ms") << quint64(15'000'000) << qint64(10'000'000) << 1500.0;
    QTest::newRow("keine Zeit") << quint64(5) << qint64(0) << 0.0;
}

void TestMainFormStart::taktAusZaehler()
{
    QFETCH(quint64, Ticks);
    QFETCH(qint64, Nanosekunden);
    QFETCH(double, Mhz);
    QCOMPARE(Prozessortakt::AusZaehler(Ticks, Nanosekunden), Mhz);
}

void TestMainFormStart::nenntaktVorMomentanemTakt_data()
{
    QTest::addColumn<QByteArray>("cpufreq");
    QTest::addColumn<double>("zaehler");
    QTest::addColumn<bool>("zaehlerGefragt");
    QTest::addColumn<double>("mhz");

    QTest::newRow("cpufreq zuerst") << QByteArray("2400000\n") << 2300.0 << false << 2400.0;
    QTest::newRow("dann der Zaehler") << QByteArray() << 2300.0 << true << 2300.0;
    QTest::newRow("zuletzt cpuinfo") << QByteArray("x") << 0.0 << true << 800.0;
}

// An idle machine reports 800 MHz in /proc/cpuinfo; that must not decide while better is there.
void TestMainFormStart::nenntaktVorMomentanemTakt()
{
    QFETCH(QByteArray, cpufreq);
    QFETCH(double, zaehler);
    QFETCH(bool, zaehlerGefragt);
    QFETCH(double, mhz);
    bool Gefragt = false;
    const auto Zaehler = [&] {
        Gefragt = true;
        return zaehler;
    };
    QCOMPARE(Prozessortakt::Waehle(cpufreq, Zaehler, "cpu MHz\t\t: 800.000\n"), mhz);
    QCOMPARE(Gefragt, zaehlerGefragt);
}

void TestMainFormStart::gemessenerTaktIstPositiv()
{
    const double Mhz = TMainForm::GetCPUSpeed();
    QVERIFY2(Mhz > 100 && Mhz < 10000, qPrintable(QString::number(Mhz)));
}

void TestMainFormStart::deaktivierungSetztUndAktivierungLoeschtDasKennzeichen()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(!Fenster->Deaktiviert);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationInactive);
    QVERIFY(Fenster->Deaktiviert);
    emit qGuiApp->applicationStateChanged(Qt::ApplicationActive);
    QVERIFY(!Fenster->Deaktiviert);
}

VORLIX_TEST_MAIN(TestMainFormStart)
#include "tst_mainform_start.moc"
