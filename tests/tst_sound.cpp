#include "support/Sound.h"
#include "tests/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Records every sound instead of playing it; "Protokoll" is shared with the test so it outlives
// the player that owns the recorder.
class TAufnahme : public TSoundAusgabe
{
public:
    explicit TAufnahme(QStringList& Protokoll, bool Geraet = true)
        : Protokoll(Protokoll), Geraet(Geraet)
    {}

    bool GeraetVorhanden() override
    {
        Protokoll << QStringLiteral("Geraet?");
        return Geraet;
    }

    void Spiele(const QString& Pfad) override { Protokoll << Pfad; }

private:
    QStringList& Protokoll;
    bool Geraet;
};

void LegeAn(const QString& Pfad)
{
    QFile Datei(Pfad);
    QVERIFY(Datei.open(QIODevice::WriteOnly));
    Datei.write("RIFF");
}

} // namespace

class TestSound : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ausgeschaltetWirdNichtsGeoeffnet_data();
    void ausgeschaltetWirdNichtsGeoeffnet();
    void fehlendeDateiWirdStillUebergangen_data();
    void fehlendeDateiWirdStillUebergangen();
    void vorhandeneDateiWirdAusDemAktuellenOrdnerGespielt();
    void aktuellerOrdnerGiltImAugenblickDesSpielens();
    void paarSpieltZweitenNachDerPause();
    void paarMitFehlenderErsterDateiSpieltNurDenZweiten();
    void ohneGeraetWirftSpielenEinenFehler();
    void ohneGeraetBrichtDasPaarNachDemErstenAb();
    void echteAusgabeOhneGeraetWirftFehler();

private:
    QString Vorher;
    std::unique_ptr<QTemporaryDir> Ordner;
};

void TestSound::init()
{
    Vorher = QDir::currentPath();
    Ordner = std::make_unique<QTemporaryDir>();
    QVERIFY(Ordner->isValid());
    QVERIFY(QDir::setCurrent(Ordner->path()));
    for (const char* Name : {"Muenze.WAV", "gewonnen1.WAV", "gewonnen.WAV", "stop.WAV"}) {
        LegeAn(Ordner->path() + '/' + QLatin1String(Name));
    }
}

void TestSound::cleanup()
{
    QDir::setCurrent(Vorher);
    Ordner.reset();
}

void TestSound::ausgeschaltetWirdNichtsGeoeffnet_data()
{
    QTest::addColumn<bool>("geraet");
    QTest::newRow("mit Geraet") << true;
    QTest::newRow("ohne Geraet") << false;
}

void TestSound::ausgeschaltetWirdNichtsGeoeffnet()
{
    QFETCH(bool, geraet);
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll, geraet));
    int Pausen = 0;

    Spieler.SpieleSoundWennEin(false, "/Muenze.WAV");
    Spieler.SpieleSoundPaar(false, "/gewonnen1.WAV", "/gewonnen.WAV", [&](int) { ++Pausen; });

    QCOMPARE(Protokoll, QStringList());
    QCOMPARE(Pausen, 0);
}

void TestSound::fehlendeDateiWirdStillUebergangen_data()
{
    QTest::addColumn<bool>("geraet");
    QTest::addColumn<QString>("name");
    QTest::newRow("fehlt, mit Geraet") << true << "/ups.WAV";
    QTest::newRow("fehlt, ohne Geraet") << false << "/ups.WAV";
    QTest::newRow("Ordner statt Datei") << true << "/Ordner.WAV";
}

void TestSound::fehlendeDateiWirdStillUebergangen()
{
    QFETCH(bool, geraet);
    QFETCH(QString, name);
    QVERIFY(QDir(Ordner->path()).mkdir("Ordner.WAV"));
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll, geraet));

    Spieler.SpieleSound(name);
    Spieler.SpieleSoundWennEin(true, name);

    QCOMPARE(Protokoll, QStringList());
}

void TestSound::vorhandeneDateiWirdAusDemAktuellenOrdnerGespielt()
{
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll));

    Spieler.SpieleSoundWennEin(true, "/Muenze.WAV");
    Spieler.SpieleSound("/stop.WAV");

    QCOMPARE(Protokoll, QStringList({"Geraet?", Ordner->path() + "/Muenze.WAV", "Geraet?",
                                     Ordner->path() + "/stop.WAV"}));
}

void TestSound::aktuellerOrdnerGiltImAugenblickDesSpielens()
{
    QTemporaryDir Anderer;
    QVERIFY(Anderer.isValid());
    LegeAn(Anderer.path() + "/Muenze.WAV");
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll));

    Spieler.SpieleSound("/Muenze.WAV");
    QVERIFY(QDir::setCurrent(Anderer.path()));
    Spieler.SpieleSound("/Muenze.WAV");
    Spieler.SpieleSound("/stop.WAV"); // only in the first folder

    QCOMPARE(Protokoll, QStringList({"Geraet?", Ordner->path() + "/Muenze.WAV", "Geraet?",
                                     Anderer.path() + "/Muenze.WAV"}));
}

void TestSound::paarSpieltZweitenNachDerPause()
{
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll));

    Spieler.SpieleSoundPaar(true, "/gewonnen1.WAV", "/gewonnen.WAV",
                            [&](int Ms) { Protokoll << QStringLiteral("Pause %1").arg(Ms); });

    QCOMPARE(Protokoll, QStringList({"Geraet?", Ordner->path() + "/gewonnen1.WAV", "Pause 1000",
                                     "Geraet?", Ordner->path() + "/gewonnen.WAV"}));
}

void TestSound::paarMitFehlenderErsterDateiSpieltNurDenZweiten()
{
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll));

    Spieler.SpieleSoundPaar(true, "/Sonderspiele1.WAV", "/gewonnen.WAV",
                            [&](int Ms) { Protokoll << QStringLiteral("Pause %1").arg(Ms); });

    QCOMPARE(Protokoll, QStringList({"Pause 1000", "Geraet?", Ordner->path() + "/gewonnen.WAV"}));
}

void TestSound::ohneGeraetWirftSpielenEinenFehler()
{
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll, false));

    QVERIFY_THROWS_EXCEPTION(ESoundFehler, Spieler.SpieleSound("/Muenze.WAV"));
    QVERIFY_THROWS_EXCEPTION(ESoundFehler, Spieler.SpieleSoundWennEin(true, "/Muenze.WAV"));
    QCOMPARE(Protokoll, QStringList({"Geraet?", "Geraet?"}));
}

void TestSound::ohneGeraetBrichtDasPaarNachDemErstenAb()
{
    QStringList Protokoll;
    TSoundSpieler Spieler(std::make_unique<TAufnahme>(Protokoll, false));

    QVERIFY_THROWS_EXCEPTION(ESoundFehler,
                             Spieler.SpieleSoundPaar(true, "/stop.WAV", "/Muenze.WAV", [&](int Ms) {
                                 Protokoll << QStringLiteral("Pause %1").arg(Ms);
                             }));
    QCOMPARE(Protokoll, QStringList({"Geraet?"}));
}

// No device: the sound server the audio library is sent to is not there, and it may try no
// other driver. The variables are the library's, for this test's process only.
void TestSound::echteAusgabeOhneGeraetWirftFehler()
{
    qputenv("CANBERRA_DRIVER", "pulse");
    qputenv("PULSE_SERVER", QFile::encodeName("unix:" + Ordner->path() + "/kein-server"));
    TKlangspeicherAusgabe Ausgabe;
    QVERIFY(!Ausgabe.GeraetVorhanden());
    QVERIFY_THROWS_EXCEPTION(ESoundFehler, Ausgabe.Spiele(Ordner->path() + "/Muenze.WAV"));
    try {
        TSoundSpieler().SpieleSound("/Muenze.WAV");
        QFAIL("no error without an audio device");
    } catch (const ESoundFehler& Fehler) {
        QCOMPARE(Fehler.Code(), ESoundFehler::CodeSoundFehler);
    }
}

VORLIX_TEST_MAIN(TestSound)
#include "tst_sound.moc"
