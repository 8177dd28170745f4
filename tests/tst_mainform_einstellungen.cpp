#include "mainform_testhilfe.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QSlider>
#include <QTimer>

using namespace Testhilfe;

namespace {

QStringList IniZeilen(const TUmgebung& Welt)
{
    QStringList Zeilen;
    for (const QByteArray& Zeile : Welt.LiesIni().split('\n'))
        if (!Zeile.trimmed().isEmpty())
            Zeilen.append(QString::fromLatin1(Zeile.trimmed()));
    return Zeilen;
}

// A started window in a program folder whose settings file holds Ini.
struct TGestartet
{
    TUmgebung Welt;
    std::unique_ptr<TMainForm> Fenster;
    std::unique_ptr<TForm2> Dialog;

    explicit TGestartet(const QByteArray& Ini, QSize Bildschirm = {1600, 900}, double Takt = -1)
    {
        Welt.LegeProgrammAn();
        if (!Ini.isNull())
            Welt.SchreibeIni(Ini);
        Welt.Bildschirm = Bildschirm;
        Fenster = Welt.NeuesFenster();
        Dialog = std::make_unique<TForm2>(Fenster->GroessenZiel(), Fenster.get());
        Fenster->SetzeGroessenDialog(Dialog.get());
        if (Takt >= 0)
            Fenster->ProzessorTakt = Takt;
    }
    ~TGestartet()
    {
        Dialog.reset();
        Fenster.reset();
    }
};

} // namespace

class TestMainFormEinstellungen : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void spieldauer_data();
    void spieldauer();
    void schiebereglerSetztDasIntervall();
    void geschwindigkeitAuszahlung_data();
    void geschwindigkeitAuszahlung();
    void spielerName_data();
    void spielerName();
    void kassenstandAnzeige_data();
    void kassenstandAnzeige();
    void kaestchen_data();
    void kaestchen();
    void kaestchenSchreibenIhreEinstellung();
    void namensfeldSpeichertDenGetrimmtenNamen_data();
    void namensfeldSpeichertDenGetrimmtenNamen();
    void klickInsNamensfeldFuelltDenNamenOhneZuSpeichern();
    void ohneIniDateiStehtAmEndeNurDieSpieldauerDarin();
    void spieldauerWirdAmEndeGespeichert();

    void erststartFaktor_data();
    void erststartFaktor();
    void gespeicherterFaktorWirdAngewandtOhneDialog();
    void ohneFormScalierenBleibtAllesBeiHundert_data();
    void ohneFormScalierenBleibtAllesBeiHundert();
    void unbrauchbarerFaktorGiltAlsNichtGesetzt_data();
    void unbrauchbarerFaktorGiltAlsNichtGesetzt();
    void kleinerImErststartDialogSpeichertBeiOk();
    void groesserImErststartDialogSpeichertBeiOk();
    void rechtsklickAufDieNaseOeffnetDenDialog();
    void rechtsklickWaehrendEinesSpielsTutNichts();
    void linksklickAufDieNaseTutNichts();
};

void TestMainFormEinstellungen::spieldauer_data()
{
    QTest::addColumn<QByteArray>("Ini");
    QTest::addColumn<int>("Position");
    QTest::addColumn<int>("Intervall"); // at the time-lapse factor 0.01
    QTest::newRow("fehlt") << QByteArray("[Einstellungen]\nSound=1\n") << 8 << 80;
    QTest::newRow("3") << QByteArray("[Einstellungen]\nSpieldauer=3\n") << 3 << 30;
    QTest::newRow("12") << QByteArray("[Einstellungen]\nSpieldauer=12\n") << 8 << 80;
    QTest::newRow("0") << QByteArray("[Einstellungen]\nSpieldauer=0\n") << 1 << 10;
    QTest::newRow("-5") << QByteArray("[Einstellungen]\nSpieldauer=-5\n") << 1 << 10;
    QTest::newRow("leer") << QByteArray("[Einstellungen]\nSpieldauer=\n") << 8 << 80;
    QTest::newRow("keine Zahl") << QByteArray("[Einstellungen]\nSpieldauer=lang\n") << 8 << 80;
    QTest::newRow("Bruch") << QByteArray("[Einstellungen]\nSpieldauer=2,5\n") << 8 << 80;
}

void TestMainFormEinstellungen::spieldauer()
{
    QFETCH(QByteArray, Ini);
    QFETCH(int, Position);
    QFETCH(int, Intervall);
    TGestartet S(Ini);
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->TrackBar1->value(), Position);
    QCOMPARE(S.Fenster->TimerSpieldauer->interval(), Intervall);
    QVERIFY(!S.Fenster->TimerSpieldauer->isActive());
}

void TestMainFormEinstellungen::schiebereglerSetztDasIntervall()
{
    TGestartet S(QByteArray{});
    S.Fenster->TrackBar1->setValue(5);
    QCOMPARE(S.Fenster->TimerSpieldauer->interval(), 50);
    S.Fenster->TrackBar1->setValue(1);
    QCOMPARE(S.Fenster->TimerSpieldauer->interval(), 10);
}

void TestMainFormEinstellungen::geschwindigkeitAuszahlung_data()
{
    QTest::addColumn<QByteArray>("Ini");
    QTest::addColumn<double>("Takt");
    QTest::addColumn<int>("Geschwindigkeit");
    // Wert: the stored pace, or nullptr for none.
    const auto Zeile = [](const char* Name, const char* Wert, double Takt, int Geschwindigkeit) {
        QByteArray Ini("[Einstellungen]\n");
        if (Wert)
            Ini += QByteArray("GeschwindigkeitAuszahlung=") + Wert + '\n';
        QTest::newRow(Name) << Ini << Takt << Geschwindigkeit;
    };
    Zeile("fehlt", nullptr, 1500.0, 0);
    Zeile("30 bei 1800 MHz", "30", 1800.0, 1);
    Zeile("30 bei 2400 MHz", "30", 2400.0, 30);
    Zeile("20 bei 1500 MHz", "20", 1500.0, 1);
    Zeile("30 bei genau 2000 MHz", "30", 2000.0, 30);
    Zeile("keine Zahl", "flott", 1500.0, 0);
    Zeile("1000, die laengste", "1000", 2400.0, 1000);
    Zeile("1001 gilt als fehlend", "1001", 2400.0, 0);
    Zeile("groesste Zahl gilt als fehlend", "2147483647", 2400.0, 0);
    Zeile("negativ gilt als fehlend, auch unter 2000 MHz", "-1", 1500.0, 0);
}

void TestMainFormEinstellungen::geschwindigkeitAuszahlung()
{
    QFETCH(QByteArray, Ini);
    QFETCH(double, Takt);
    QFETCH(int, Geschwindigkeit);
    TGestartet S(Ini, {1600, 900}, Takt);
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->GeschwindigkeitAuszahlung, Geschwindigkeit);
}

void TestMainFormEinstellungen::spielerName_data()
{
    QTest::addColumn<QByteArray>("Ini");
    QTest::addColumn<QString>("Feld");
    QTest::newRow("fehlt") << QByteArray("[Einstellungen]\n") << "Kein Name";
    QTest::newRow("leer") << QByteArray("[Einstellungen]\nSpielerName=\n") << "Kein Name";
    QTest::newRow("Anna") << QByteArray("[Einstellungen]\nSpielerName=Anna\n") << "Anna";
    QTest::newRow("lang, ohne Auffuellen")
        << QByteArray("[Einstellungen]\nSpielerName=Maximilian Mustermann\n")
        << "Maximilian Mustermann";
}

void TestMainFormEinstellungen::spielerName()
{
    QFETCH(QByteArray, Ini);
    QFETCH(QString, Feld);
    TGestartet S(Ini);
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->Edit1->text(), Feld);
    // Until the field is touched the log uses the name exactly as the field shows it.
    QCOMPARE(S.Fenster->SpielerName, Feld);
}

void TestMainFormEinstellungen::kassenstandAnzeige_data()
{
    QTest::addColumn<QByteArray>("Ini");
    QTest::addColumn<bool>("Sichtbar");
    QTest::newRow("1") << QByteArray("[Einstellungen]\nAutomatenkassenstand anzeigen=1\n") << true;
    QTest::newRow("0") << QByteArray("[Einstellungen]\nAutomatenkassenstand anzeigen=0\n") << false;
    QTest::newRow("ja") << QByteArray("[Einstellungen]\nAutomatenkassenstand anzeigen=ja\n")
                        << false;
    QTest::newRow("11") << QByteArray("[Einstellungen]\nAutomatenkassenstand anzeigen=11\n")
                        << false;
    QTest::newRow("fehlt") << QByteArray("[Einstellungen]\n") << false;
}

void TestMainFormEinstellungen::kassenstandAnzeige()
{
    QFETCH(QByteArray, Ini);
    QFETCH(bool, Sichtbar);
    TUmgebung Welt;
    Welt.LegeProgrammAn();
    Welt.SchreibeIni(Ini);
    SchreibeRegistry(TMainForm::KassenSchluessel, "KA", "4711 10");
    auto Fenster = Welt.NeuesFenster();
    QVERIFY(Starte(*Fenster));
    QCOMPARE(!Fenster->AutomatenGeldspeicherAnzeige->isHidden(), Sichtbar);
    QCOMPARE(!Fenster->LabelEurostand->isHidden(), Sichtbar);
    QCOMPARE(Fenster->AutomatenGeldspeicherAnzeige->text(), QString("4711,10"));
}

void TestMainFormEinstellungen::kaestchen_data()
{
    QTest::addColumn<QString>("Schluessel");
    QTest::addColumn<QString>("Kaestchen");
    QTest::addColumn<QByteArray>("Zeile"); // empty: the key is missing
    QTest::addColumn<bool>("Angekreuzt");
    QTest::addColumn<QString>("Danach"); // the stored value after the first paint
    for (const auto& [Schluessel, Kaestchen] :
         {std::pair<QString, QString>{"Sound", "KommentarHoeren"},
          std::pair<QString, QString>{"Auswertung speichern", "LogDateiSpeichern"}}) {
        const QByteArray Name = Schluessel.toLatin1();
        QTest::addRow("%s fehlt", Name.constData())
            << Schluessel << Kaestchen << QByteArray() << true << "<fehlt>";
        QTest::addRow("%s 1", Name.constData())
            << Schluessel << Kaestchen << QByteArray(Name + "=1") << true << "1";
        QTest::addRow("%s 0", Name.constData())
            << Schluessel << Kaestchen << QByteArray(Name + "=0") << false << "0";
        QTest::addRow("%s ja wird 0", Name.constData())
            << Schluessel << Kaestchen << QByteArray(Name + "=ja") << false << "0";
    }
}

void TestMainFormEinstellungen::kaestchen()
{
    QFETCH(QString, Schluessel);
    QFETCH(QString, Kaestchen);
    QFETCH(QByteArray, Zeile);
    QFETCH(bool, Angekreuzt);
    QFETCH(QString, Danach);
    TGestartet S("[Einstellungen]\nSpieldauer=8\n" + Zeile + "\n");
    QVERIFY(Starte(*S.Fenster));
    auto* Box = S.Fenster->findChild<QCheckBox*>(Kaestchen);
    QVERIFY(Box);
    QCOMPARE(Box->isChecked(), Angekreuzt);
    QCOMPARE(IniWert(S.Welt, Schluessel), Danach);
}

void TestMainFormEinstellungen::kaestchenSchreibenIhreEinstellung()
{
    TGestartet S(QByteArray{});
    S.Fenster->KommentarHoeren->setChecked(false);
    QCOMPARE(IniWert(S.Welt, "Sound"), QString("0"));
    S.Fenster->KommentarHoeren->setChecked(true);
    QCOMPARE(IniWert(S.Welt, "Sound"), QString("1"));
    S.Fenster->LogDateiSpeichern->setChecked(false);
    QCOMPARE(IniWert(S.Welt, "Auswertung speichern"), QString("0"));
    S.Fenster->LogDateiSpeichern->setChecked(true);
    QCOMPARE(IniWert(S.Welt, "Auswertung speichern"), QString("1"));
}

void TestMainFormEinstellungen::namensfeldSpeichertDenGetrimmtenNamen_data()
{
    QTest::addColumn<QString>("Eingabe");
    QTest::addColumn<QString>("Gespeichert");
    QTest::addColumn<QString>("FuerAuswertung");
    QTest::newRow("Anna mit Leerzeichen") << "  Anna  "
                                          << "Anna"
                                          << "Anna\t";
    QTest::newRow("Maximilian") << "Maximilian"
                                << "Maximilian"
                                << "Maximilian";
    QTest::newRow("leer") << ""
                          << "<fehlt>"
                          << "Kein Name\t";
}

void TestMainFormEinstellungen::namensfeldSpeichertDenGetrimmtenNamen()
{
    QFETCH(QString, Eingabe);
    QFETCH(QString, Gespeichert);
    QFETCH(QString, FuerAuswertung);
    TGestartet S("[Einstellungen]\nSpielerName=Otto\n");
    QVERIFY(Starte(*S.Fenster));
    S.Fenster->Edit1->setText(Eingabe);
    // An emptied field stores an empty value, which reads back as missing.
    QCOMPARE(IniWert(S.Welt, "SpielerName"), Gespeichert);
    QCOMPARE(S.Fenster->SpielerName, FuerAuswertung);
}

void TestMainFormEinstellungen::klickInsNamensfeldFuelltDenNamenOhneZuSpeichern()
{
    TGestartet S("[Einstellungen]\nSpielerName=Anna\n");
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->SpielerName, QString("Anna"));
    S.Welt.SchreibeIni("[Einstellungen]\nSpielerName=Berta\n");
    QTest::mouseClick(S.Fenster->Edit1, Qt::LeftButton);
    QCOMPARE(S.Fenster->SpielerName, QString("Anna\t"));
    QCOMPARE(IniWert(S.Welt, "SpielerName"), QString("Berta"));
}

void TestMainFormEinstellungen::ohneIniDateiStehtAmEndeNurDieSpieldauerDarin()
{
    TGestartet S(QByteArray{});
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->TrackBar1->value(), 8);
    QVERIFY(S.Fenster->KommentarHoeren->isChecked());
    QVERIFY(S.Fenster->LogDateiSpeichern->isChecked());
    QVERIFY(S.Fenster->AutomatenGeldspeicherAnzeige->isHidden());
    QCOMPARE(S.Fenster->Edit1->text(), QString("Kein Name"));
    QCOMPARE(S.Fenster->ScaleByWert, 100);
    QVERIFY(!S.Dialog->isVisible());
    QVERIFY(S.Welt.LiesIni().isEmpty());
    S.Dialog.reset();
    S.Fenster.reset();
    QCOMPARE(IniZeilen(S.Welt), (QStringList{"[Einstellungen]", "Spieldauer=8"}));
}

void TestMainFormEinstellungen::spieldauerWirdAmEndeGespeichert()
{
    TGestartet S("[Einstellungen]\nSpieldauer=3\n");
    QVERIFY(Starte(*S.Fenster));
    S.Fenster->TrackBar1->setValue(6);
    S.Dialog.reset();
    S.Fenster.reset();
    QCOMPARE(IniWert(S.Welt, "Spieldauer"), QString("6"));
}

void TestMainFormEinstellungen::erststartFaktor_data()
{
    QTest::addColumn<int>("Hoehe");
    QTest::addColumn<int>("Faktor");
    QTest::addColumn<int>("GroupBox2Breite"); // 883 scaled, halves rounded up
    QTest::newRow("600") << 600 << 50 << 442;
    QTest::newRow("720") << 720 << 75 << 662;
    QTest::newRow("768") << 768 << 83 << 733;
    QTest::newRow("800") << 800 << 88 << 777;
    QTest::newRow("900") << 900 << 100 << 883;
    QTest::newRow("1080") << 1080 << 100 << 883;
}

void TestMainFormEinstellungen::erststartFaktor()
{
    QFETCH(int, Hoehe);
    QFETCH(int, Faktor);
    QFETCH(int, GroupBox2Breite);
    TGestartet S("[Einstellungen]\nFormScalieren=1\n", {1920, Hoehe});
    QVERIFY(Starte(*S.Fenster));
    QVERIFY(S.Fenster->FormScalierenEin);
    QCOMPARE(S.Fenster->ScaleByWert, Faktor);
    QCOMPARE(IniWert(S.Welt, "ScaleBy"), QString::number(Faktor));
    QCOMPARE(S.Fenster->GroupBox2->width(), GroupBox2Breite);
    // The first start shows the size dialog without blocking, OK off until a step is made.
    QVERIFY(S.Dialog->isVisible());
    QVERIFY(!S.Dialog->isModal());
    QVERIFY(!S.Dialog->findChild<QPushButton*>("OKButton")->isEnabled());
    QVERIFY(S.Dialog->findChild<QPushButton*>("AbbrechenButton")->isEnabled());
    QVERIFY(!S.Fenster->ErsterStart);
}

void TestMainFormEinstellungen::gespeicherterFaktorWirdAngewandtOhneDialog()
{
    TGestartet S("[Einstellungen]\nFormScalieren=1\nScaleBy=90\n", {1920, 768});
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->ScaleByWert, 90);
    QCOMPARE(S.Fenster->GroupBox2->width(), 795);
    QCOMPARE(S.Fenster->GroupBox2->height(), 711);
    QVERIFY(!S.Dialog->isVisible());
    QCOMPARE(IniWert(S.Welt, "ScaleBy"), QString("90"));
}

void TestMainFormEinstellungen::ohneFormScalierenBleibtAllesBeiHundert_data()
{
    QTest::addColumn<QByteArray>("Ini");
    QTest::newRow("fehlt") << QByteArray("[Einstellungen]\nScaleBy=50\n");
    QTest::newRow("0") << QByteArray("[Einstellungen]\nFormScalieren=0\nScaleBy=50\n");
    QTest::newRow("ja") << QByteArray("[Einstellungen]\nFormScalieren=ja\nScaleBy=50\n");
}

void TestMainFormEinstellungen::ohneFormScalierenBleibtAllesBeiHundert()
{
    QFETCH(QByteArray, Ini);
    TGestartet S(Ini, {1024, 768});
    QVERIFY(Starte(*S.Fenster));
    QVERIFY(!S.Fenster->FormScalierenEin);
    QCOMPARE(S.Fenster->ScaleByWert, 100);
    QCOMPARE(S.Fenster->GroupBox2->width(), 883);
    QVERIFY(!S.Dialog->isVisible());
    QCOMPARE(IniWert(S.Welt, "ScaleBy"), QString("50"));
}

void TestMainFormEinstellungen::unbrauchbarerFaktorGiltAlsNichtGesetzt_data()
{
    QTest::addColumn<QByteArray>("Ini");
    QTest::newRow("keine Zahl") << QByteArray("[Einstellungen]\nFormScalieren=1\nScaleBy=gross\n");
    QTest::newRow("0") << QByteArray("[Einstellungen]\nFormScalieren=1\nScaleBy=0\n");
    QTest::newRow("negativ") << QByteArray("[Einstellungen]\nFormScalieren=1\nScaleBy=-20\n");
    QTest::newRow("FormScalieren 10")
        << QByteArray("[Einstellungen]\nFormScalieren=10\nScaleBy=\n");
    // The machine at 100 % is already wider than this screen: the size dialog stops below.
    QTest::newRow("101") << QByteArray("[Einstellungen]\nFormScalieren=1\nScaleBy=101\n");
    QTest::newRow("groesste Zahl")
        << QByteArray("[Einstellungen]\nFormScalieren=1\nScaleBy=2147483647\n");
}

void TestMainFormEinstellungen::unbrauchbarerFaktorGiltAlsNichtGesetzt()
{
    QFETCH(QByteArray, Ini);
    TGestartet S(Ini, {1024, 768});
    QVERIFY(Starte(*S.Fenster));
    // 768 high gives 83 %, but at 83 % the panel ends at 1040: 80 % is the largest that fits.
    QCOMPARE(S.Fenster->ScaleByWert, 80);
    QCOMPARE(IniWert(S.Welt, "ScaleBy"), QString("80"));
    QVERIFY(S.Dialog->isVisible());
}

void TestMainFormEinstellungen::kleinerImErststartDialogSpeichertBeiOk()
{
    TGestartet S("[Einstellungen]\nFormScalieren=1\n", {1056, 768}); // 83 % fits
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->GroupBox2->width(), 733);
    QTest::mouseClick(S.Dialog->findChild<QPushButton*>("Button1"), Qt::LeftButton);
    QCOMPARE(S.Fenster->ScaleByWert, 82);
    QCOMPARE(S.Fenster->SkalierSchritt, 99);
    QCOMPARE(S.Fenster->GroupBox2->width(), 724); // 883 * 82 / 100
    auto* Ok = S.Dialog->findChild<QPushButton*>("OKButton");
    QVERIFY(Ok->isEnabled());
    QVERIFY(!S.Dialog->findChild<QPushButton*>("AbbrechenButton")->isEnabled());
    QTest::mouseClick(Ok, Qt::LeftButton);
    QCOMPARE(IniWert(S.Welt, "ScaleBy"), QString("82"));
    QVERIFY(!S.Dialog->isVisible());
    QCOMPARE(S.Welt.Prozessenden, 0);
}

void TestMainFormEinstellungen::groesserImErststartDialogSpeichertBeiOk()
{
    TGestartet S("[Einstellungen]\nFormScalieren=1\n", {1920, 768});
    QVERIFY(Starte(*S.Fenster));
    QTest::mouseClick(S.Dialog->findChild<QPushButton*>("Button2"), Qt::LeftButton);
    QCOMPARE(S.Fenster->ScaleByWert, 84);
    QCOMPARE(S.Fenster->SkalierSchritt, 101);
    // 883 * 84 / 100 = 741.7; the edges round each on its own, from a fractional left edge.
    QCOMPARE(S.Fenster->GroupBox2->width(), 741);
    QTest::mouseClick(S.Dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    QCOMPARE(IniWert(S.Welt, "ScaleBy"), QString("84"));
    QCOMPARE(S.Welt.Prozessenden, 0);

    // The next start shows the machine where the step showed it, its edges to a pixel.
    const QStringList Teile{"GroupBox1", "GroupBox2", "QRImage", "LogoImage", "MenueBtn"};
    QList<QRect> Vorschau;
    for (const QString& Teil : Teile)
        Vorschau << S.Fenster->findChild<QWidget*>(Teil)->geometry();
    S.Dialog.reset();
    S.Fenster.reset();
    S.Fenster = S.Welt.NeuesFenster();
    QVERIFY(Starte(*S.Fenster));
    for (qsizetype i = 0; i < Teile.size(); ++i) {
        const QRect Neu = S.Fenster->findChild<QWidget*>(Teile[i])->geometry();
        QVERIFY2((Neu.topLeft() - Vorschau[i].topLeft()).manhattanLength() <= 1 &&
                     (Neu.bottomRight() - Vorschau[i].bottomRight()).manhattanLength() <= 1,
                 qPrintable(Teile[i]));
    }
}

void TestMainFormEinstellungen::rechtsklickAufDieNaseOeffnetDenDialog()
{
    TGestartet S("[Einstellungen]\nFormScalieren=1\nScaleBy=90\n", {1920, 900});
    QVERIFY(Starte(*S.Fenster));
    bool WarModal = false;
    QTimer::singleShot(0, [&] {
        WarModal = S.Dialog->isVisible() && QApplication::activeModalWidget() == S.Dialog.get();
        QTest::mouseClick(S.Dialog->findChild<QPushButton*>("OKButton"), Qt::LeftButton);
    });
    QTest::mouseClick(S.Fenster->MenueBtn, Qt::RightButton);
    QVERIFY(WarModal);
    QCOMPARE(IniWert(S.Welt, "ScaleBy"), QString("90"));
    // OK after an opening on request ends the program.
    QCOMPARE(S.Welt.Prozessenden, 1);
}

void TestMainFormEinstellungen::rechtsklickWaehrendEinesSpielsTutNichts()
{
    TGestartet S("[Einstellungen]\nSound=0\n");
    QVERIFY(Starte(*S.Fenster));
    S.Fenster->SpielLaeuft = true;
    QTest::mouseClick(S.Fenster->MenueBtn, Qt::RightButton);
    QVERIFY(!S.Dialog->isVisible());
    S.Fenster->SpielLaeuft = false;
    S.Fenster->ErsterStart = true;
    QTest::mouseClick(S.Fenster->MenueBtn, Qt::RightButton);
    QVERIFY(!S.Dialog->isVisible());
}

void TestMainFormEinstellungen::linksklickAufDieNaseTutNichts()
{
    TGestartet S("[Einstellungen]\nSound=0\n");
    QVERIFY(Starte(*S.Fenster));
    QTest::mouseClick(S.Fenster->MenueBtn, Qt::LeftButton);
    QVERIFY(!S.Dialog->isVisible());
    QCOMPARE(S.Welt.Prozessenden, 0);
}

VORLIX_TEST_MAIN(TestMainFormEinstellungen)
#include "tst_mainform_einstellungen.moc"
