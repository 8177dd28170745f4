// The window on a desktop of two monitors: after a move to the other one, its orientation follows
// the monitor it is on now, also when that one is turned later.

#include "mainform_testhilfe.h"
#include "tests/testmain.h"

#include <QScreen>
#include <QWindow>

using namespace Testhilfe;

class TestMainFormBildschirme : public TZeitrafferTest
{
    Q_OBJECT

public:
    // Slow timers: no tick of the clock may repaint the window in the meantime.
    TestMainFormBildschirme() : TZeitrafferTest(100.0) {}

    // Two offscreen monitors side by side, before the application starts.
    static void initMain()
    {
        static QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath("bildschirme.json");
        QFile Konfiguration(Datei);
        if (!Konfiguration.open(QIODevice::WriteOnly))
            qFatal("Keine Bildschirmkonfiguration");
        Konfiguration.write(R"({"screens": [
            {"name": "A", "x": 0, "y": 0, "width": 1600, "height": 900, "logicalDpi": 96},
            {"name": "B", "x": 1600, "y": 0, "width": 1600, "height": 900, "logicalDpi": 96}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(Datei));
    }

private slots:
    void gedrehterZweiterMonitorNachDemUmzug();
};

void TestMainFormBildschirme::gedrehterZweiterMonitorNachDemUmzug()
{
    const QList<QScreen*> Monitore = QGuiApplication::screens();
    QCOMPARE(Monitore.size(), 2);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni("[Einstellungen]\nSound=0\n");
    Welt.Bildschirm = {1600, 900};
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QVERIFY(Fenster->Querformat);

    Fenster->windowHandle()->setScreen(Monitore[1]);
    QTRY_COMPARE(Fenster->screen(), Monitore[1]);
    QTest::qWait(50);

    // The second monitor is turned: only it reports the change.
    Welt.Bildschirm = {900, 1600};
    emit Monitore[1]->geometryChanged(QRect(1600, 0, 900, 1600));
    QTRY_VERIFY_WITH_TIMEOUT(Fenster->Hochformat, 2000);
}

VORLIX_TEST_MAIN(TestMainFormBildschirme)
#include "tst_mainform_bildschirme.moc"
