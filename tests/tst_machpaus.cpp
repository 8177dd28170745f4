#include "support/Machpaus.h"
#include "support/Zeitraffer.h"
#include "tests/testmain.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <QtTest>
#include <ctime>

namespace {
double ProzessorSekunden()
{
    timespec Zeit{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &Zeit);
    return static_cast<double>(Zeit.tv_sec) + static_cast<double>(Zeit.tv_nsec) / 1e9;
}

class ZaehlendesFenster : public QWidget
{
public:
    int Malvorgaenge = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++Malvorgaenge; }
};
} // namespace

class TestMachpaus : public Testhilfe::TZeitrafferTest
{
    Q_OBJECT

public:
    TestMachpaus() : Testhilfe::TZeitrafferTest(1.0) {}

private slots:
    void pauseWartetEtwaDieGegebeneZeit_data();
    void pauseWartetEtwaDieGegebeneZeit();
    void gleichesIntervallBleibtUnberuehrt();
    void neueDauerSetztIntervallVorDemWarten();
    void verschachteltePauseBeendetAuchDieAeussere();
    void nichtPositiveDauerKehrtSofortZurueck_data();
    void nichtPositiveDauerKehrtSofortZurueck();
    void pauseVerbrauchtKaumProzessorzeit();
    void neuzeichnenGeschiehtWaehrendDerPause();
    void zeitrafferVerkuerztDiePause();
    void zeitrafferDauer_data();
    void zeitrafferDauer();
};

void TestMachpaus::pauseWartetEtwaDieGegebeneZeit_data()
{
    QTest::addColumn<int>("ms");
    QTest::newRow("100") << 100;
    QTest::newRow("500") << 500;
}

void TestMachpaus::pauseWartetEtwaDieGegebeneZeit()
{
    QFETCH(int, ms);
    TMachPause Pause;
    QElapsedTimer Uhr;
    Uhr.start();
    Pause.Pause(ms);
    const qint64 Vergangen = Uhr.elapsed();
    QVERIFY2(Vergangen >= ms - 5, qPrintable(QString::number(Vergangen)));
    QVERIFY2(Vergangen < ms + 250, qPrintable(QString::number(Vergangen)));
}

void TestMachpaus::gleichesIntervallBleibtUnberuehrt()
{
    TMachPause Pause;
    Pause.SetInterval(1000);
    Zeitraffer::SetzeFaktor(0.05);
    QElapsedTimer Uhr;
    Uhr.start();
    Pause.Pause(1000);
    QCOMPARE(Pause.Interval(), 1000);
    QVERIFY(Uhr.elapsed() >= 45);
}

void TestMachpaus::neueDauerSetztIntervallVorDemWarten()
{
    TMachPause Pause;
    Zeitraffer::SetzeFaktor(0.01);
    Pause.Pause(2000);
    QCOMPARE(Pause.Interval(), 2000);
    Pause.Pause(500);
    QCOMPARE(Pause.Interval(), 500);
}

void TestMachpaus::verschachteltePauseBeendetAuchDieAeussere()
{
    TMachPause Pause;
    QTimer::singleShot(20, [&Pause] { Pause.Pause(100); });
    QElapsedTimer Uhr;
    Uhr.start();
    Pause.Pause(2000);
    const qint64 Vergangen = Uhr.elapsed();
    QVERIFY2(Vergangen >= 115, qPrintable(QString::number(Vergangen)));
    QVERIFY2(Vergangen < 600, qPrintable(QString::number(Vergangen)));
    QCOMPARE(Pause.Interval(), 100);
}

void TestMachpaus::nichtPositiveDauerKehrtSofortZurueck_data()
{
    QTest::addColumn<int>("ms");
    QTest::newRow("null") << 0;
    QTest::newRow("negativ") << -5;
}

void TestMachpaus::nichtPositiveDauerKehrtSofortZurueck()
{
    QFETCH(int, ms);
    TMachPause Pause;
    bool Gelaufen = false;
    QMetaObject::invokeMethod(
        this, [&Gelaufen] { Gelaufen = true; }, Qt::QueuedConnection);
    QElapsedTimer Uhr;
    Uhr.start();
    Pause.Pause(ms);
    QVERIFY(Uhr.elapsed() < 50);
    QVERIFY2(Gelaufen, "pending events are processed once");
}

void TestMachpaus::pauseVerbrauchtKaumProzessorzeit()
{
    TMachPause Pause;
    const double Vorher = ProzessorSekunden();
    Pause.Pause(400);
    const double Verbraucht = ProzessorSekunden() - Vorher;
    QVERIFY2(Verbraucht < 0.1, qPrintable(QString::number(Verbraucht)));
}

void TestMachpaus::neuzeichnenGeschiehtWaehrendDerPause()
{
    ZaehlendesFenster Fenster;
    Fenster.resize(50, 50);
    Fenster.show();
    QVERIFY(QTest::qWaitForWindowExposed(&Fenster));
    QCoreApplication::processEvents();
    const int Vorher = Fenster.Malvorgaenge;
    TMachPause Pause;
    QTimer::singleShot(10, &Fenster, [&Fenster] { Fenster.update(); });
    Pause.Pause(150);
    QVERIFY(Fenster.Malvorgaenge > Vorher);
}

void TestMachpaus::zeitrafferVerkuerztDiePause()
{
    Zeitraffer::SetzeFaktor(0.01);
    TMachPause Pause;
    QElapsedTimer Uhr;
    Uhr.start();
    Pause.Pause(4000);
    QVERIFY2(Uhr.elapsed() < 300, qPrintable(QString::number(Uhr.elapsed())));
}

void TestMachpaus::zeitrafferDauer_data()
{
    QTest::addColumn<double>("faktor");
    QTest::addColumn<int>("ms");
    QTest::addColumn<int>("erwartet");
    QTest::newRow("echtzeit") << 1.0 << 1500 << 1500;
    QTest::newRow("zehntel") << 0.1 << 1500 << 150;
    QTest::newRow("nie unter 1") << 0.001 << 10 << 1;
    QTest::newRow("null bleibt") << 0.5 << 0 << 0;
    QTest::newRow("negativ bleibt") << 0.5 << -3 << -3;
}

void TestMachpaus::zeitrafferDauer()
{
    QFETCH(double, faktor);
    QFETCH(int, ms);
    QFETCH(int, erwartet);
    Zeitraffer::SetzeFaktor(faktor);
    QCOMPARE(Zeitraffer::Dauer(ms), erwartet);
}

VORLIX_TEST_MAIN(TestMachpaus)
#include "tst_machpaus.moc"
