#include "mainform_testhilfe.h"
#include "support/Machpaus.h"
#include "tests/testmain.h"
#include "ui/Bedienelemente.h"
#include "ui/ImageWindow.h"
#include "ui/Schriften.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSlider>
#include <QTimer>
#include <QWheelEvent>

using namespace Testhilfe;

namespace {

// A started window on a screen of the given size, in a program folder with the given settings.
struct TGestartet
{
    TUmgebung Welt;
    std::unique_ptr<TMainForm> Fenster;

    explicit TGestartet(QSize Bildschirm, const QByteArray& Ini = "[Einstellungen]\nSound=0\n")
    {
        Welt.LegeProgrammAn();
        Welt.SchreibeIni(Ini);
        Welt.Bildschirm = Bildschirm;
        Fenster = Welt.NeuesFenster();
    }
};

QWidget* Steuerelement(TMainForm& Fenster, const QString& Name)
{
    return Fenster.findChild<QWidget*>(Name);
}

void Rad(QWidget* Ziel, int Schritte)
{
    QWheelEvent Ereignis(QPointF(50, 50), QPointF(50, 50), QPoint(), QPoint(0, 120 * Schritte),
                         Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
    QApplication::sendEvent(Ziel, &Ereignis);
}

} // namespace

class TestMainFormLayout : public TZeitrafferTest
{
    Q_OBJECT

private slots:
    void gesperrterAuszahlknopfIstNichtRot();
    void entwurf_data();
    void entwurf();
    void beschriftungenUndHinweise_data();
    void beschriftungenUndHinweise();
    void schriften_data();
    void schriften();
    void schieberegler();
    void timer_data();
    void timer();
    void fensterLiegenUeberBildern();

    void anordnung_data();
    void anordnung();
    void hochformatVersteckt();
    void skaliertesQuerformat();
    void drehscheibeBleibtNachSchrumpfenUndWachsenScharf();
    void ausrichtungswechselOrdnetBeimNaechstenZeichnenNeu();
    void titelleisteVerschwindetUndKommtWieder();
    void mausradRolltDenInhalt();
    void textgroesseOhneSteuerelementIstNull();
};

void TestMainFormLayout::entwurf_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Eltern");
    QTest::addColumn<QRect>("Platz"); // width and height -1: not fixed by the design
    QTest::addColumn<bool>("Sichtbar");
    auto Zeile = [](const char* Name, const char* Eltern, QRect Platz, bool Sichtbar = true) {
        QTest::newRow(Name) << QString(Name) << QString(Eltern) << Platz << Sichtbar;
    };
    const char* F = "MainForm";
    Zeile("GroupBox2", F, {0, 0, 883, 790});
    Zeile("GroupBox1", F, {900, 72, 353, 713});
    Zeile("LogoImage", F, {989, 16, 218, 40});
    Zeile("QRImage", F, {902, 20, 54, 54});
    Zeile("ImageBanner", F, {246, 728, 397, 49}); // wholly behind the face's banner Image3
    Zeile("TrackBar1", F, {58, 168, 25, 105});
    Zeile("AutoStartCheckBox", F, {45, 304, -1, -1}, false);
    Zeile("EinzahlenButton", F, {0, 0, 75, 25}, false);
    Zeile("AuszahlenButton", F, {0, 0, 75, 25}, false);
    Zeile("RotateLinks", F, {0, 0, 75, 25}, false);
    Zeile("RotateMitte", F, {0, 0, 75, 25}, false);
    Zeile("RotateRechts", F, {0, 0, 75, 25}, false);
    Zeile("ImageOriginal", F, {0, 0, 250, 250}, false);
    Zeile("ImageDrehscheibe2", F, {0, 0, 250, 250}, false);
    Zeile("ImageDrehendeScheibe", F, {0, 0, 250, 250}, false);
    Zeile("ImageOriginalSchraube", F, {0, 0, 30, 30}, false);
    for (const char* Lampe :
         {"ImageZitroneNormal", "ImageZitroneAktiv", "ImageKirscheNormal", "ImageKirscheAktiv",
          "ImageErdbeerNormal", "ImageErdbeerAktiv", "ImageKarotteNormal", "ImageKarotteAktiv"})
        Zeile(Lampe, F, {0, 0, 35, 32}, false);

    const char* G = "GroupBox2";
    Zeile("DachImage", G, {0, 0, 920, 73});
    Zeile("ImageGesicht", G, {259, 93, 381, 620});
    Zeile("Image1", G, {2, 32, 50, 785});
    Zeile("Image2", G, {848, 32, 49, 785});
    Zeile("Image7", G, {47, 53, 198, 716});
    Zeile("Image8", G, {653, 53, 198, 716});
    Zeile("Image3", G, {246, 728, 397, 49});
    Zeile("ImageDesignUnten", G, {42, 790, 812, 21});
    Zeile("ImageVorlix", G, {52, 74, 62, 76});
    Zeile("ScheibeLinks", G, {116, 70, 250, 250});
    Zeile("ScheibeMitte", G, {319, 50, 250, 250});
    Zeile("ScheibeRechts", G, {534, 70, 250, 250});
    Zeile("PfeilOben1", G, {217, 178, 47, 33});
    Zeile("PfeilOben2", G, {420, 160, 47, 33});
    Zeile("PfeilOben3", G, {635, 178, 47, 33});
    Zeile("PfeilLinks", G, {221, 320, 46, 36});
    Zeile("PfeilMitte", G, {425, 301, 46, 36});
    Zeile("PfeilRechts", G, {640, 320, 46, 36});
    Zeile("PfeilGruen", G, {635, 320, 40, 30}, false);
    Zeile("PfeilRot", G, {633, 320, 40, 30}, false);
    Zeile("MenueBtn", G, {408, 420, 80, 78});
    Zeile("StartBtnGruen", G, {408, 420, 80, 78}, false);
    Zeile("StopBtnGruen", G, {408, 420, 80, 78}, false);
    Zeile("SpielGeldSpeicherAnzeige", G, {251, 358, 133, 39});
    Zeile("SonderSpieleAnzeige", G, {515, 358, 133, 39});
    Zeile("ImageSchraube", G, {431, 362, 30, 30});
    Zeile("Augenbraue_links_Image", G, {262, 330, 124, 25});
    Zeile("Augenbraue_rechts_Image", G, {514, 331, 124, 25});
    Zeile("ImageDreieckLinks", G, {135, 245, 124, 110});
    Zeile("ImageDreieckRechts", G, {641, 242, 124, 110});
    Zeile("ImageSpritzer", G, {240, 327, 417, 217}, false);
    Zeile("Schein_Einzug", G, {339, 554, 214, 40});
    Zeile("Schein_Einzug2", G, {339, 554, 214, 40}, false);
    Zeile("Scheine_Einz_gewellt1", G, {339, 554, 214, 40}, false);
    Zeile("ScheinEinzug_Grinz", G, {339, 554, 214, 40}, false);
    Zeile("Schein_Einzug_Baeh", G, {339, 554, 214, 40}, false);
    Zeile("Schein", G, {400, 608, 105, 105});
    Zeile("Label1", G, {256, 640, -1, -1});
    Zeile("Label2", G, {800, 771, -1, -1});
    Zeile("Label3", G, {54, 154, -1, -1});
    Zeile("Label4", G, {54, 274, -1, -1});
    Zeile("LabelBetrag", G, {777, 374, -1, -1});
    Zeile("BefehleLabel", G, {225, 835, -1, -1});
    Zeile("ImageBonus1_Zitrone", G, {44, 692, 35, 32});
    Zeile("ImageBonus2_Zitrone", G, {103, 692, 35, 32});
    Zeile("ImageBonus3_Zitrone", G, {162, 692, 35, 32});
    Zeile("ImageBonus1_Erdbeere", G, {789, 692, 35, 32});
    Zeile("ImageBonus2_Erdbeere", G, {729, 692, 35, 32});
    Zeile("ImageBonus3_Erdbeere", G, {667, 692, 35, 32});
    Zeile("ImageBonus1_Karotte", G, {780, 422, 35, 32});
    Zeile("ImageBonus2_Karotte", G, {780, 552, 35, 32});
    Zeile("ImageBonus3_Karotte", G, {695, 552, 35, 32});
    Zeile("ImageBonus1_Kirsche", G, {46, 422, 35, 32});
    Zeile("ImageBonus2_Kirsche", G, {46, 553, 35, 32});
    Zeile("ImageBonus3_Kirsche", G, {133, 553, 35, 32});
    Zeile("Image2mal", G, {794, 79, 54, 34}, false);
    Zeile("Image1mal", G, {794, 120, 54, 34}, false);
    Zeile("Image0mal", G, {794, 154, 54, 34}, false);
    Zeile("ImageRisiko", G, {799, 82, 44, 171});

    const char* P = "GroupBox1";
    Zeile("Button_50_Euro", P, {6, 16, 80, 130});
    Zeile("Button_20_Euro", P, {94, 16, 80, 130});
    Zeile("Button_10_Euro", P, {181, 16, 80, 130});
    Zeile("Button_5_Euro", P, {268, 16, 80, 130});
    Zeile("Button_2_Euro", P, {8, 170, 76, 76});
    Zeile("Button_1_Euro", P, {85, 172, 70, 70});
    Zeile("Button_50_Cent", P, {157, 172, 72, 72});
    Zeile("Button_20_Cent", P, {229, 176, 64, 64});
    Zeile("Button_10_Cent", P, {294, 180, 57, 57});
    Zeile("NichtBedienbarImage", P, {-16, -37, 369, 294});
    Zeile("KommentarHoeren", P, {14, 268, -1, -1});
    Zeile("LogDateiSpeichern", P, {14, 299, -1, -1});
    Zeile("AutomatenGeldspeicherAnzeige", P, {17, 329, -1, -1}, false);
    Zeile("LabelEurostand", P, {130, 329, -1, -1}, false);
    Zeile("AuswertLabel", P, {16, 382, -1, -1});
    Zeile("Edit1", P, {200, 379, 137, 24});
    Zeile("Memo1", P, {16, 403, 321, 178});
    Zeile("ButtonRisiko", P, {16, 595, 161, 37});
    Zeile("HilfeButton", P, {184, 595, 153, 37});
    Zeile("GibMirMeinGeldBtn", P, {16, 640, 321, 41});
    Zeile("Bevel1", P, {8, 372, -1, -1});
    Zeile("Bevel2", P, {8, 590, -1, -1});
    Zeile("Bevel5", P, {8, 259, -1, -1});
}

void TestMainFormLayout::entwurf()
{
    QFETCH(QString, Name);
    QFETCH(QString, Eltern);
    QFETCH(QRect, Platz);
    QFETCH(bool, Sichtbar);
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QWidget* Gefunden = Steuerelement(*Fenster, Name);
    QVERIFY2(Gefunden, qPrintable(Name));
    QCOMPARE(Gefunden->parentWidget()->objectName(), Eltern);
    QCOMPARE(Gefunden->pos(), Platz.topLeft());
    if (Platz.width() >= 0)
        QCOMPARE(Gefunden->size(), Platz.size());
    else
        QVERIFY(Gefunden->width() > 0 && Gefunden->height() > 0);
    QCOMPARE(!Gefunden->isHidden(), Sichtbar);
}

void TestMainFormLayout::beschriftungenUndHinweise_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<QString>("Text");
    QTest::addColumn<QString>("Hinweis");
    QTest::newRow("Label1") << "Label1"
                            << "  Klicke auf eine Münze oder Schein   "
                            << "";
    QTest::newRow("Label3") << "Label3"
                            << " kürzer"
                            << "";
    QTest::newRow("Label4") << "Label4"
                            << " länger"
                            << "";
    QTest::newRow("LabelBetrag") << "LabelBetrag"
                                 << "   "
                                 << "";
    QTest::newRow("BefehleLabel")
        << "BefehleLabel"
        << "[Esc] = Beenden, [Enter] oder [Leertaste] = Spielstart bzw. Stop, ."
        << "";
    QTest::newRow("AutomatenGeldspeicherAnzeige") << "AutomatenGeldspeicherAnzeige"
                                                  << "100,00"
                                                  << "";
    QTest::newRow("LabelEurostand") << "LabelEurostand"
                                    << "Euro in Automatenkasse"
                                    << "";
    QTest::newRow("AuswertLabel") << "AuswertLabel"
                                  << "Auswertung erstellt für:"
                                  << "";
    QTest::newRow("Edit1") << "Edit1"
                           << "Kein Name"
                           << "";
    QTest::newRow("KommentarHoeren") << "KommentarHoeren"
                                     << "Geräusche ein"
                                     << "";
    QTest::newRow("LogDateiSpeichern") << "LogDateiSpeichern"
                                       << "Auswertung speichern"
                                       << "";
    QTest::newRow("AutoStartCheckBox") << "AutoStartCheckBox"
                                       << "Automatischer Start"
                                       << "";
    QTest::newRow("ButtonRisiko") << "ButtonRisiko"
                                  << "Risikospiel ist ein!"
                                  << "Risiko: Doppelter Gewinn, einfacher oder nichts";
    QTest::newRow("HilfeButton") << "HilfeButton"
                                 << "Hilfe"
                                 << "";
    QTest::newRow("GibMirMeinGeldBtn") << "GibMirMeinGeldBtn"
                                       << "Gib mir mein Geld, ich höre auf."
                                       << "";
    QTest::newRow("EinzahlenButton") << "EinzahlenButton"
                                     << "Einzahlen"
                                     << "";
    QTest::newRow("AuszahlenButton") << "AuszahlenButton"
                                     << "Auszahlen"
                                     << "";
    QTest::newRow("RotateMitte") << "RotateMitte"
                                 << "RotateMitte"
                                 << "";
    QTest::newRow("TrackBar1") << "TrackBar1"
                               << ""
                               << "Spieldauer-Einstellung";
    QTest::newRow("Geld") << "SpielGeldSpeicherAnzeige"
                          << ""
                          << "Euro";
    QTest::newRow("Sonderspiele") << "SonderSpieleAnzeige"
                                  << ""
                                  << "Sonderspiele";
    QTest::newRow("ImageRisiko") << "ImageRisiko"
                                 << ""
                                 << "In Bezug auf Zahlengewinne";
    QTest::newRow("Zitrone") << "ImageBonus3_Zitrone"
                             << ""
                             << "50 Sonderspiele";
    QTest::newRow("Erdbeere") << "ImageBonus3_Erdbeere"
                              << ""
                              << "25 Sonderspiele";
    QTest::newRow("Karotte") << "ImageBonus3_Karotte"
                             << ""
                             << "75 Sonderspiele";
    QTest::newRow("Kirsche") << "ImageBonus3_Kirsche"
                             << ""
                             << "100 Sonderspiele";
    QTest::newRow("Kirsche 2 ohne") << "ImageBonus2_Kirsche"
                                    << ""
                                    << "";
}

void TestMainFormLayout::beschriftungenUndHinweise()
{
    QFETCH(QString, Name);
    QFETCH(QString, Text);
    QFETCH(QString, Hinweis);
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QWidget* Gefunden = Steuerelement(*Fenster, Name);
    QVERIFY(Gefunden);
    QString Inhalt;
    if (auto* Beschriftung = qobject_cast<QLabel*>(Gefunden))
        Inhalt = Beschriftung->text();
    else if (auto* Knopf = qobject_cast<QAbstractButton*>(Gefunden))
        Inhalt = Knopf->text();
    else if (auto* Feld = qobject_cast<QLineEdit*>(Gefunden))
        Inhalt = Feld->text();
    QCOMPARE(Inhalt, Text);
    QCOMPARE(Gefunden->toolTip(), Hinweis);
}

void TestMainFormLayout::schriften_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<int>("Pixel");
    QTest::addColumn<bool>("Fett");
    QTest::addColumn<QColor>("Farbe");
    QTest::addColumn<QString>("Familie");
    QTest::newRow("Fenster") << "MainForm" << 11 << false << QColor() << Schriften::Serifenlos;
    QTest::newRow("Label1") << "Label1" << 19 << true << QColor(Qt::red) << Schriften::Serifenlos;
    QTest::newRow("Label2") << "Label2" << 12 << false << QColor(Qt::white)
                            << Schriften::Serifenlos;
    QTest::newRow("Label3") << "Label3" << 12 << false << QColor(Qt::white)
                            << Schriften::Serifenlos;
    QTest::newRow("LabelBetrag") << "LabelBetrag" << 16 << true << QColor(Qt::red)
                                 << Schriften::Serifenlos;
    QTest::newRow("BefehleLabel") << "BefehleLabel" << 15 << true << QColor(Qt::black)
                                  << Schriften::Serifenlos;
    QTest::newRow("Kassenstand") << "AutomatenGeldspeicherAnzeige" << 20 << true << QColor(Qt::red)
                                 << Schriften::Serifenlos;
    QTest::newRow("Eurostand") << "LabelEurostand" << 11 << true << QColor(Qt::red)
                               << Schriften::Serifenlos;
    QTest::newRow("Edit1") << "Edit1" << 11 << true << QColor() << Schriften::Serifenlos;
    QTest::newRow("Memo1") << "Memo1" << 13 << false << QColor() << Schriften::Festbreite;
    QTest::newRow("GibMirMeinGeldBtn")
        << "GibMirMeinGeldBtn" << 11 << true << QColor(Qt::red) << Schriften::Serifenlos;
}

void TestMainFormLayout::schriften()
{
    QFETCH(QString, Name);
    QFETCH(int, Pixel);
    QFETCH(bool, Fett);
    QFETCH(QColor, Farbe);
    QFETCH(QString, Familie);
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QWidget* Gefunden =
        Name == "MainForm" ? static_cast<QWidget*>(Fenster.get()) : Steuerelement(*Fenster, Name);
    QVERIFY(Gefunden);
    QCOMPARE(Gefunden->font().pixelSize(), Pixel);
    QCOMPARE(Gefunden->font().bold(), Fett);
    QCOMPARE(Gefunden->font().family(), Familie);
    if (Farbe.isValid())
        QCOMPARE(Gefunden->palette().color(QPalette::WindowText), Farbe);
}

void TestMainFormLayout::schieberegler()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    QSlider* Regler = Fenster->TrackBar1;
    QCOMPARE(Regler->orientation(), Qt::Vertical);
    QCOMPARE(Regler->minimum(), 1);
    QCOMPARE(Regler->maximum(), 8);
    QCOMPARE(Regler->value(), 8);
    QCOMPARE(Regler->tickPosition(), QSlider::TicksRight);
    QCOMPARE(Regler->tickInterval(), 7);
    QVERIFY(Regler->invertedAppearance()); // 1 at the top, next to " kürzer"
    QVERIFY(Fenster->AutoStartCheckBox->isChecked());
    QVERIFY(Fenster->KommentarHoeren->isChecked());
    QVERIFY(Fenster->LogDateiSpeichern->isChecked());
    QCOMPARE(Fenster->KommentarHoeren->layoutDirection(), Qt::RightToLeft);
    QVERIFY(Fenster->Memo1->isReadOnly());
    QCOMPARE(Fenster->Memo1->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    QCOMPARE(Fenster->Memo1->wordWrapMode(), QTextOption::WordWrap);
    // Only the game's buttons and the name field ever take the focus.
    QCOMPARE(Fenster->MenueBtn->focusPolicy(), Qt::NoFocus);
    QCOMPARE(Fenster->PfeilLinks->focusPolicy(), Qt::NoFocus);
}

void TestMainFormLayout::timer_data()
{
    QTest::addColumn<QString>("Name");
    QTest::addColumn<int>("Intervall");
    QTest::addColumn<bool>("Aktiv");
    QTest::newRow("TimerSchnellDrehendeScheibe") << "TimerSchnellDrehendeScheibe" << 30 << false;
    QTest::newRow("TimerSpieldauer") << "TimerSpieldauer" << 8000 << false;
    QTest::newRow("SchraubenTimer") << "SchraubenTimer" << 100 << false;
    QTest::newRow("UhrzeitTimer") << "UhrzeitTimer" << 1000 << true;
    QTest::newRow("Timer1") << "Timer1" << 500 << false;
}

void TestMainFormLayout::timer()
{
    QFETCH(QString, Name);
    QFETCH(int, Intervall);
    QFETCH(bool, Aktiv);
    Zeitraffer::SetzeFaktor(1.0);
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    auto* Gefunden = Fenster->findChild<QTimer*>(Name);
    QVERIFY(Gefunden);
    QCOMPARE(Gefunden->interval(), Intervall);
    QCOMPARE(Gefunden->isActive(), Aktiv);
    QCOMPARE(Fenster->MachPause1->Interval(), 1000);
}

// During a game the payout button cannot be pressed, and must not look as if it could.
void TestMainFormLayout::gesperrterAuszahlknopfIstNichtRot()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    auto RotePunkte = [&Fenster] {
        const QImage Bild = Fenster->GibMirMeinGeldBtn->grab().toImage();
        int Anzahl = 0;
        for (int y = 0; y < Bild.height(); ++y)
            for (int x = 0; x < Bild.width(); ++x) {
                const QColor Farbe = Bild.pixelColor(x, y);
                Anzahl += Farbe.red() > 180 && Farbe.green() < 80 && Farbe.blue() < 80;
            }
        return Anzahl;
    };
    QVERIFY(RotePunkte() > 20);
    Fenster->GibMirMeinGeldBtn->setEnabled(false);
    QCOMPARE(RotePunkte(), 0);
}

void TestMainFormLayout::fensterLiegenUeberBildern()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    auto Stelle = [](QWidget* Kind) { return Kind->parent()->children().indexOf(Kind); };
    // Later in the list lies on top.
    QVERIFY(Stelle(Fenster->ScheibeLinks) > Stelle(Fenster->Augenbraue_links_Image));
    QVERIFY(Stelle(Fenster->ScheibeLinks) > Stelle(Fenster->ImageGesicht));
    QVERIFY(Stelle(Fenster->PfeilOben1) > Stelle(Fenster->ScheibeLinks));
    QVERIFY(Stelle(Fenster->MenueBtn) > Stelle(Fenster->Label1));
    QVERIFY(Stelle(Fenster->GroupBox2) > Stelle(Fenster->ImageBanner));
    QVERIFY(Stelle(Fenster->TrackBar1) > Stelle(Fenster->GroupBox2));
    QVERIFY(Stelle(Fenster->Memo1) > Stelle(Fenster->NichtBedienbarImage));
    QVERIFY(Stelle(Fenster->NichtBedienbarImage) > Stelle(Fenster->Button_10_Cent));
}

void TestMainFormLayout::anordnung_data()
{
    QTest::addColumn<QSize>("Bildschirm");
    QTest::addColumn<bool>("Quer");
    QTest::addColumn<QRect>("GroupBox1");
    QTest::addColumn<QPoint>("GroupBox2");
    QTest::addColumn<QPoint>("QRImage");
    QTest::addColumn<int>("LogoLinks");
    QTest::addColumn<int>("TrackBarLinks");
    // 1600: the rest of 364 pixels puts the panel at 883 + 182 and the face at 364 / 3 + 10.
    QTest::newRow("1600x900") << QSize(1600, 900) << true << QRect(1065, 73, 353, 717)
                              << QPoint(131, 0) << QPoint(1065, 19) << 1139 << 191;
    QTest::newRow("1920x1080") << QSize(1920, 1080) << true << QRect(1225, 73, 353, 717)
                               << QPoint(238, 0) << QPoint(1225, 19) << 1299 << 298;
    // Too narrow for the panel to move: only its top and height change.
    QTest::newRow("1024x768") << QSize(1024, 768) << true << QRect(900, 73, 353, 717)
                              << QPoint(0, 0) << QPoint(902, 20) << 989 << 60;
    QTest::newRow("quadratisch") << QSize(1000, 1000) << true << QRect(900, 73, 353, 717)
                                 << QPoint(0, 0) << QPoint(902, 20) << 989 << 60;
    // Portrait: the panel below the face, centred under it at 259 + 190 - 176.
    QTest::newRow("768x1024") << QSize(768, 1024) << false << QRect(273, 818, 353, 717)
                              << QPoint(0, 0) << QPoint(902, 20) << 989 << 60;
}

void TestMainFormLayout::anordnung()
{
    QFETCH(QSize, Bildschirm);
    QFETCH(bool, Quer);
    QFETCH(QRect, GroupBox1);
    QFETCH(QPoint, GroupBox2);
    QFETCH(QPoint, QRImage);
    QFETCH(int, LogoLinks);
    QFETCH(int, TrackBarLinks);
    TGestartet S(Bildschirm);
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->Querformat, Quer);
    QCOMPARE(S.Fenster->Hochformat, !Quer);
    QCOMPARE(S.Fenster->GroupBox1->geometry(), GroupBox1);
    QCOMPARE(S.Fenster->GroupBox2->pos(), GroupBox2);
    QCOMPARE(S.Fenster->QRImage->pos(), QRImage);
    QCOMPARE(S.Fenster->LogoImage->x(), LogoLinks);
    QCOMPARE(S.Fenster->LogoImage->y(), 16);
    QCOMPARE(S.Fenster->TrackBar1->x(), TrackBarLinks);
    QCOMPARE(!S.Fenster->QRImage->isHidden(), Quer);
    QCOMPARE(!S.Fenster->LogoImage->isHidden(), Quer);
    // The panel lies on top and the payout button has the focus.
    QCOMPARE(S.Fenster->children().last(), S.Fenster->GroupBox1);
    QCOMPARE(S.Fenster->focusWidget(), S.Fenster->GibMirMeinGeldBtn);
    QVERIFY(S.Fenster->isMaximized());
}

void TestMainFormLayout::hochformatVersteckt()
{
    TGestartet S({768, 1024});
    QVERIFY(Starte(*S.Fenster));
    QVERIFY(S.Fenster->QRImage->isHidden());
    QVERIFY(S.Fenster->LogoImage->isHidden());
}

void TestMainFormLayout::skaliertesQuerformat()
{
    // 83 %: the panel's edges 900 and 1253 go to 747 and 1040, the roof's bottom to 61 and the
    // face's to 656; 1056 - 1040 leaves less than 20, so the panel stays where scaling put it.
    TGestartet S({1056, 768}, "[Einstellungen]\nSound=0\nFormScalieren=1\nScaleBy=83\n");
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->GroupBox1->geometry(), QRect(747, 61, 293, 595));
    QCOMPARE(S.Fenster->GroupBox2->geometry(), QRect(0, 0, 733, 656));
    QCOMPARE(S.Fenster->TrackBar1->x(), 51); // 0 + 45 + 6
    QCOMPARE(S.Fenster->ScheibeLinks->geometry(), QRect(96, 58, 208, 208));
    QCOMPARE(S.Fenster->Label1->font().pixelSize(), 16); // 19 * 0,83 = 15,77
    QCOMPARE(S.Fenster->ImageDrehscheibe2->Picture().size(), QSize(208, 208));
}

void TestMainFormLayout::ausrichtungswechselOrdnetBeimNaechstenZeichnenNeu()
{
    TGestartet S({1600, 900});
    QVERIFY(Starte(*S.Fenster));
    QCOMPARE(S.Fenster->GroupBox1->pos(), QPoint(1065, 73));

    S.Welt.Bildschirm = {768, 1024};
    S.Fenster->update();
    QTRY_VERIFY(S.Fenster->Hochformat);
    QVERIFY(!S.Fenster->Querformat);
    QCOMPARE(S.Fenster->GroupBox1->pos(), QPoint(273, 818));
    QCOMPARE(S.Fenster->GroupBox2->pos(), QPoint(0, 0));

    // Another paint in the same orientation leaves a moved panel where it is.
    S.Fenster->GroupBox1->move(5, 5);
    S.Fenster->update();
    QTest::qWait(50);
    QCOMPARE(S.Fenster->GroupBox1->pos(), QPoint(5, 5));

    S.Welt.Bildschirm = {1600, 900};
    S.Fenster->update();
    QTRY_VERIFY(S.Fenster->Querformat);
    QVERIFY(!S.Fenster->Hochformat);
    QVERIFY(!S.Fenster->QRImage->isHidden());
}

void TestMainFormLayout::drehscheibeBleibtNachSchrumpfenUndWachsenScharf()
{
    TGestartet S({1600, 900});
    QVERIFY(Starte(*S.Fenster));
    const QImage Scharf = S.Fenster->ImageDrehscheibe2->Picture();
    const QSize Scheibe = S.Fenster->ScheibeLinks->size();

    S.Fenster->ScheibeLinks->resize(12, 12);
    S.Welt.Bildschirm = {768, 1024};
    S.Fenster->update();
    QTRY_VERIFY(S.Fenster->Hochformat);
    QCOMPARE(S.Fenster->ImageDrehscheibe2->Picture().size(), QSize(12, 12));

    S.Fenster->ScheibeLinks->resize(Scheibe);
    S.Welt.Bildschirm = {1600, 900};
    S.Fenster->update();
    QTRY_VERIFY(S.Fenster->Querformat);
    QVERIFY(S.Fenster->ImageDrehscheibe2->Picture() == Scharf);
}

void TestMainFormLayout::titelleisteVerschwindetUndKommtWieder()
{
    TGestartet S({1600, 900});
    QVERIFY(!S.Fenster->TitelleisteVersteckt);
    QVERIFY(Starte(*S.Fenster));
    QVERIFY(S.Fenster->TitelleisteVersteckt);
    QVERIFY(S.Fenster->windowFlags() & Qt::FramelessWindowHint);
    QVERIFY(S.Fenster->isVisible());
    S.Fenster->ShowTitlebar();
    QVERIFY(!S.Fenster->TitelleisteVersteckt);
    QVERIFY(!(S.Fenster->windowFlags() & Qt::FramelessWindowHint));
    QVERIFY(S.Fenster->isVisible());
    S.Fenster->HideTitlebar();
    QVERIFY(S.Fenster->TitelleisteVersteckt);
}

void TestMainFormLayout::mausradRolltDenInhalt()
{
    TGestartet S({1024, 768});
    QVERIFY(Starte(*S.Fenster));
    S.Fenster->setWindowState(Qt::WindowNoState);
    S.Fenster->resize(1024, 600);
    const int Ueberstand = 190; // the face and the panel reach down to 790
    Rad(S.Fenster.get(), -1);
    QCOMPARE(S.Fenster->VertScrollPosition(), 10);
    QCOMPARE(S.Fenster->GroupBox2->y(), -10);
    QCOMPARE(S.Fenster->GroupBox1->y(), 63);
    Rad(S.Fenster.get(), 1);
    Rad(S.Fenster.get(), 1);
    QCOMPARE(S.Fenster->VertScrollPosition(), 0);
    QCOMPARE(S.Fenster->GroupBox2->y(), 0);
    for (int i = 0; i < 200; ++i)
        Rad(S.Fenster.get(), -1);
    QCOMPARE(S.Fenster->VertScrollPosition(), Ueberstand);
    QCOMPARE(S.Fenster->GroupBox2->y(), -Ueberstand);
}

void TestMainFormLayout::textgroesseOhneSteuerelementIstNull()
{
    TUmgebung Welt;
    auto Fenster = Welt.NeuesFenster();
    Fenster->LetzteTextBreite = 7;
    QCOMPARE(Fenster->GetTextSizeInPixel(nullptr, Fenster->Label1->font(), "Hallo"), QSize(0, 0));
    QCOMPARE(Fenster->LetzteTextBreite, 7);
    const QSize Kurz = Fenster->GetTextSizeInPixel(Fenster->Label1, Fenster->Label1->font(), "ab");
    QCOMPARE(Fenster->LetzteTextBreite, Kurz.width());
    const QSize Lang =
        Fenster->GetTextSizeInPixel(Fenster->Label1, Fenster->Label1->font(), "abab");
    // Twice the text is twice as wide, up to the rounding of fractional advances.
    QVERIFY(qAbs(Lang.width() - 2 * Kurz.width()) <= 1);
    QVERIFY(Kurz.width() > 0);
    QCOMPARE(Lang.height(), Kurz.height());
}

VORLIX_TEST_MAIN(TestMainFormLayout)
#include "tst_mainform_layout.moc"
