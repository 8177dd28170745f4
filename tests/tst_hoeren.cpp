// What the real sound output sends to a sound server: a server of the test's own records its
// only device while the machine's sound player plays a script, and every sound must be in the
// recording at about the time it was started. The output waits for a sound's end when asked, and
// says so when its device is gone.

#include "support/Sound.h"
#include "tests/testmain.h"
#include "tools/hoeren/Hoerprobe.h"

#include <QDir>
#include <QElapsedTimer>
#include <QtTest>

class TestHoeren : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void jederKlangErklingtZuSeinerZeit();
    void ausklingenWartetAufDasEndeHoechstensBisZurFrist_data();
    void ausklingenWartetAufDasEndeHoechstensBisZurFrist();
    void verlorenesGeraetWirdGemeldet();

private:
    QHash<QString, TKlangmuster> Klaenge;
    std::unique_ptr<TTonstudio> Studio;
    QString Vorher;
};

void TestHoeren::init()
{
    const QStringList Fehlend = TTonstudio::FehlendeProgramme();
    if (!Fehlend.isEmpty())
        VORLIX_SKIP_AUSSER_CI(qPrintable(QStringLiteral("fehlt: ") + Fehlend.join(u' ')));
    Klaenge = LiesMaschinenklaenge(QStringLiteral(VORLIX_KLANGORDNER));
    QVERIFY(!Klaenge.isEmpty());
    Studio = std::make_unique<TTonstudio>();
    const QString Fehler = Studio->Starte(Klaenge.value(QStringLiteral("Muenze.WAV")).Rate);
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));
    Vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(QStringLiteral(VORLIX_KLANGORDNER)));
}

void TestHoeren::cleanup()
{
    QDir::setCurrent(Vorher);
    Studio.reset();
}

// The script: one sound three times, the second cutting the first short, two other sounds, and
// the pair of a lost stopped game, 1000 ms apart.
void TestHoeren::jederKlangErklingtZuSeinerZeit()
{
    const int Rate = Klaenge.value(QStringLiteral("Muenze.WAV")).Rate;
    TSoundSpieler Spieler;
    QList<TErwartung> Gespielt;
    QElapsedTimer Uhr;
    Uhr.start();
    const auto Jetzt = [&Uhr] { return Uhr.nsecsElapsed() / 1e9; };
    const auto WarteBis = [&Uhr](int Millisekunde) {
        QTest::qWait(std::max(0, int(Millisekunde - Uhr.elapsed())));
    };
    const auto UmSpiele = [&](int Millisekunde, const QString& Name) {
        WarteBis(Millisekunde);
        Gespielt.append({Name, Jetzt()});
        Spieler.SpieleSound(QLatin1Char('/') + Name);
    };
    UmSpiele(0, QStringLiteral("Muenze.WAV"));
    UmSpiele(500, QStringLiteral("Muenze.WAV"));
    UmSpiele(1700, QStringLiteral("Muenze.WAV"));
    UmSpiele(3000, QStringLiteral("gewonnen1.WAV"));
    UmSpiele(4300, QStringLiteral("Sonderspiele1.WAV"));
    WarteBis(5600);
    Gespielt.append({QStringLiteral("stop.WAV"), Jetzt()});
    Spieler.SpieleSoundPaar(true, QStringLiteral("/stop.WAV"), QStringLiteral("/ups.WAV"),
                            [&](int Millisekunden) {
                                QTest::qWait(Millisekunden);
                                Gespielt.append({QStringLiteral("ups.WAV"), Jetzt()});
                            });
    QTest::qWait(2500); // ups lasts 1.85 s

    const QList<TBefund> Befunde = Hoere(Studio->Stoppe(), Rate, Gespielt, Klaenge);
    const QString Text = Bericht(Befunde);
    qInfo().noquote() << "\n" << Text;
    QCOMPARE(Befunde.size(), 7);
    for (const TBefund& Befund : Befunde)
        QVERIFY2(Befund.Gehoert, qPrintable(Text));
}

void TestHoeren::ausklingenWartetAufDasEndeHoechstensBisZurFrist_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<int>("frist");
    QTest::addColumn<int>("mindestens");
    QTest::addColumn<int>("hoechstens");
    // The coin lasts 0.6 s: the wait ends with it, a mixing round early at most.
    QTest::newRow("Münze klingt aus") << "Muenze.WAV" << 1000 << 450 << 1000 + 700;
    // ups lasts 1.85 s: the wait ends at the deadline, long before the sound.
    QTest::newRow("ups wird abgeschnitten") << "ups.WAV" << 300 << 300 << 1500;
    QTest::newRow("Stille") << QString() << 1000 << 0 << 700;
}

void TestHoeren::ausklingenWartetAufDasEndeHoechstensBisZurFrist()
{
    QFETCH(QString, datei);
    QFETCH(int, frist);
    QFETCH(int, mindestens);
    QFETCH(int, hoechstens);
    TKlangspeicherAusgabe Ausgabe;
    QVERIFY(Ausgabe.GeraetVorhanden());
    QElapsedTimer Uhr;
    Uhr.start();
    if (!datei.isEmpty())
        Ausgabe.Spiele(QDir::current().filePath(datei));
    Ausgabe.Ausklingen(frist);
    const qint64 Gewartet = Uhr.elapsed();
    QVERIFY2(Gewartet >= mindestens && Gewartet <= hoechstens,
             qPrintable(QStringLiteral("%1 ms gewartet").arg(Gewartet)));
}

// The sound server ends: the next sound finds no device and says so, as the window reports it.
void TestHoeren::verlorenesGeraetWirdGemeldet()
{
    TKlangspeicherAusgabe Ausgabe;
    const QString Muenze = QDir::current().filePath(QStringLiteral("Muenze.WAV"));
    Ausgabe.Spiele(Muenze);
    Studio->Stoppe();
    const auto Scheitert = [&] {
        try {
            Ausgabe.Spiele(Muenze);
            return false;
        } catch (const ESoundFehler&) {
            return true;
        }
    };
    QTRY_VERIFY_WITH_TIMEOUT(Scheitert(), 10000);
}

VORLIX_TEST_MAIN(TestHoeren)
#include "tst_hoeren.moc"
