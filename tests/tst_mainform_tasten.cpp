// Keys during a game: Space and Enter pressed by the player reach only the start and stop buttons
// that the game offers; no other control of the window takes a key while the discs turn.
#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QSlider>

using namespace Testhilfe;

class TestMainFormTasten : public QObject
{
    Q_OBJECT

private slots:
    void init() { Zeitraffer::SetzeFaktor(0.01); }
    void cleanup() { Zeitraffer::SetzeFaktor(1.0); }

    void tastenErreichenImSpielNurStartUndStop_data();
    void tastenErreichenImSpielNurStartUndStop();
};

void TestMainFormTasten::tastenErreichenImSpielNurStartUndStop_data()
{
    QTest::addColumn<int>("taste");
    // The control the player clicked before the game; none: the focus is where the start put it.
    QTest::addColumn<QString>("vorherAngeklickt");
    for (const auto& [Taste, Name] :
         {std::pair{Qt::Key_Space, "Leertaste"}, std::pair{Qt::Key_Return, "Enter"}}) {
        for (const char* Steuerelement :
             {"", "KommentarHoeren", "Edit1", "ButtonRisiko", "HilfeButton"})
            QTest::addRow("%s, vorher %s angeklickt", Name, Steuerelement)
                << int(Taste) << QString::fromLatin1(Steuerelement);
    }
}

void TestMainFormTasten::tastenErreichenImSpielNurStartUndStop()
{
    QFETCH(int, taste);
    QFETCH(QString, vorherAngeklickt);
    TUmgebung Welt;
    // Number 1, carrot (the middle disc turns long after its start button has gone), lemon.
    Welt.Zufall = [](int n) { return n == 60 ? 59 : 0; };
    int Gedrueckt = 0;
    TMainForm* Fenster = nullptr;
    // The player presses the key in every frame in which neither button is offered.
    Welt.Drehbild = [&](int, int) {
        if (Fenster->StartBtnGruen->isVisible() || Fenster->StopBtnGruen->isVisible())
            return;
        ++Gedrueckt;
        QTest::keyClick(Fenster->windowHandle(), Qt::Key(taste));
    };
    auto Besitz = Welt.NeuesFenster();
    Fenster = Besitz.get();
    QObject::disconnect(qApp, &QGuiApplication::applicationStateChanged, Fenster, nullptr);
    QVERIFY(Starte(*Fenster));
    QApplication::setActiveWindow(Fenster);
    Fenster->TrackBar1->setValue(1);

    // A click on a switch turns it, so a second click leaves it as it was.
    if (!vorherAngeklickt.isEmpty()) {
        auto* Angeklickt = Fenster->findChild<QWidget*>(vorherAngeklickt);
        QVERIFY(Angeklickt);
        const bool Schalter =
            qobject_cast<QCheckBox*>(Angeklickt) || Angeklickt == Fenster->ButtonRisiko;
        const int Klicks = Schalter ? 2 : 1;
        for (int i = 0; i < Klicks; ++i)
            QTest::mouseClick(Angeklickt, Qt::LeftButton, {}, {4, Angeklickt->height() / 2});
    }
    const QByteArray IniVorher = Welt.LiesIni();
    const QString NameVorher = Fenster->Edit1->text();
    const qsizetype GeoeffnetVorher = Welt.Geoeffnet.size();

    // One coin, one game that wins nothing, then the machine waits.
    QTest::mouseClick(Fenster->Button_20_Cent, Qt::LeftButton);
    QTRY_COMPARE(Fenster->Label1->Caption(), QStringLiteral("1 Spiel kostet 20 Cent"));

    QVERIFY2(Gedrueckt > 20, qPrintable(QString::number(Gedrueckt)));
    QCOMPARE(Welt.LiesIni(), IniVorher);
    QVERIFY(Fenster->KommentarHoeren->isChecked());
    QVERIFY(Fenster->LogDateiSpeichern->isChecked());
    QCOMPARE(Fenster->Edit1->text(), NameVorher);
    QVERIFY(Fenster->RisikoEin);
    QCOMPARE(Welt.Geoeffnet.size(), GeoeffnetVorher);
    QCOMPARE(Welt.Prozessenden, 0);
}

VORLIX_TEST_MAIN(TestMainFormTasten)
#include "tst_mainform_tasten.moc"
