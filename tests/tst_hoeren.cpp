// What the real sound output sends to a sound server: a server of the test's own records its
// only device while the machine's sound player plays a script, and every sound must be in the
// recording at about the time it was started.

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
    void jederKlangErklingtZuSeinerZeit();
};

// The script: one sound three times, the second cutting the first short, two other sounds, and
// the pair of a lost stopped game, 1000 ms apart.
void TestHoeren::jederKlangErklingtZuSeinerZeit()
{
    const QStringList Fehlend = TTonstudio::FehlendeProgramme();
    if (!Fehlend.isEmpty())
        VORLIX_SKIP_AUSSER_CI(qPrintable(QStringLiteral("fehlt: ") + Fehlend.join(u' ')));
    const QString Klangordner = QStringLiteral(VORLIX_KLANGORDNER);
    const auto Klaenge = LiesMaschinenklaenge(Klangordner);
    QVERIFY(!Klaenge.isEmpty());
    const int Rate = Klaenge.value(QStringLiteral("Muenze.WAV")).Rate;
    TTonstudio Studio;
    const QString Fehler = Studio.Starte(Rate);
    QVERIFY2(Fehler.isEmpty(), qPrintable(Fehler));

    const QString Vorher = QDir::currentPath();
    QVERIFY(QDir::setCurrent(Klangordner));
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
    QDir::setCurrent(Vorher);

    const QList<TBefund> Befunde = Hoere(Studio.Stoppe(), Rate, Gespielt, Klaenge);
    const QString Text = Bericht(Befunde);
    qInfo().noquote() << "\n" << Text;
    QCOMPARE(Befunde.size(), 7);
    for (const TBefund& Befund : Befunde)
        QVERIFY2(Befund.Gehoert, qPrintable(Text));
}

VORLIX_TEST_MAIN(TestHoeren)
#include "tst_hoeren.moc"
