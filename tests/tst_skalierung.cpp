#include "tests/testmain.h"
#include "ui/Skalierung.h"
#include "ui/Skalierungsmathe.h"

#include <QCheckBox>
#include <QDialog>
#include <QLabel>
#include <QWidget>
#include <QtTest>

using namespace Skalierung;

Q_DECLARE_METATYPE(Skalierung::TPanelLage)

namespace {
// The design rectangles of the window at 100 %.
TPanelLage Entwurfslage()
{
    TPanelLage Lage;
    Lage.GroupBox1 = QRect(900, 72, 353, 713);
    Lage.GroupBox2 = QRect(0, 0, 883, 790);
    Lage.DachImage = QRect(0, 0, 920, 73);
    Lage.Image1 = QRect(2, 32, 50, 785);
    Lage.ImageGesicht = QRect(259, 93, 381, 620);
    Lage.QRImage = QRect(902, 20, 54, 54);
    Lage.LogoImage = QRect(989, 16, 218, 40);
    Lage.Label3 = QRect(54, 154, 40, 15);
    Lage.TrackBar1 = QRect(58, 168, 25, 105);
    return Lage;
}

// The same rectangles at 83 %, worked out by hand (edges times 0.83, halves away from zero).
TPanelLage Lage83()
{
    TPanelLage Lage;
    Lage.GroupBox1 = QRect(747, 60, 293, 592);
    Lage.GroupBox2 = QRect(0, 0, 733, 656);
    Lage.DachImage = QRect(0, 0, 764, 61);
    Lage.Image1 = QRect(2, 27, 41, 651);
    Lage.ImageGesicht = QRect(215, 77, 316, 515);
    Lage.QRImage = QRect(749, 17, 44, 44);
    Lage.LogoImage = QRect(821, 13, 181, 33);
    Lage.Label3 = QRect(45, 128, 33, 12);
    Lage.TrackBar1 = QRect(48, 139, 21, 88);
    return Lage;
}

TPanelLage Mit(TPanelLage Lage, QRect TPanelLage::*Feld, QRect Wert)
{
    Lage.*Feld = Wert;
    return Lage;
}

void VergleicheLage(const TPanelLage& Ist, const TPanelLage& Soll)
{
    QCOMPARE(Ist.GroupBox1, Soll.GroupBox1);
    QCOMPARE(Ist.GroupBox2, Soll.GroupBox2);
    QCOMPARE(Ist.QRImage, Soll.QRImage);
    QCOMPARE(Ist.LogoImage, Soll.LogoImage);
    QCOMPARE(Ist.TrackBar1, Soll.TrackBar1);
    QCOMPARE(Ist.QRImageSichtbar, Soll.QRImageSichtbar);
    QCOMPARE(Ist.LogoImageSichtbar, Soll.LogoImageSichtbar);
    // Read-only rectangles stay as they were.
    QCOMPARE(Ist.DachImage, Soll.DachImage);
    QCOMPARE(Ist.Image1, Soll.Image1);
    QCOMPARE(Ist.ImageGesicht, Soll.ImageGesicht);
    QCOMPARE(Ist.Label3, Soll.Label3);
}

QFont Pixelschrift(int Pixel)
{
    QFont Schrift(QStringLiteral("DejaVu Sans"));
    Schrift.setPixelSize(Pixel);
    return Schrift;
}
} // namespace

class TestSkalierung : public QObject
{
    Q_OBJECT

private slots:
    void haekchenSchrumpftMitDemKaestchen_data();
    void haekchenSchrumpftMitDemKaestchen();
    void ersterStartFaktorFolgtDerBildschirmhoehe_data();
    void ersterStartFaktorFolgtDerBildschirmhoehe();
    void mulDivRundetHalbeVonNullWeg_data();
    void mulDivRundetHalbeVonNullWeg();
    void rechteckWirdUeberSeineKantenSkaliert_data();
    void rechteckWirdUeberSeineKantenSkaliert();
    void groesserSchritt_data();
    void groesserSchritt();
    void kleinerSchrittVerkleinertUmEinProzent_data();
    void kleinerSchrittVerkleinertUmEinProzent();
    void kleinerGrenze_data();
    void kleinerGrenze();
    void maschinePasstAufDenBildschirm_data();
    void maschinePasstAufDenBildschirm();
    void querformat_data();
    void querformat();
    void hochformat_data();
    void hochformat();
    void muenzreiheWirdQuadratischNebeneinandergelegt();

    void fensterSkalierungSetztLageUndGroesse();
    void fensterSkalierungSkaliertEigeneSchriften();
    void geerbteSchriftWirdNichtDoppeltSkaliert();
    void teilweiseGesetzteSchriftFolgtDerSkaliertenElternschrift();
    void punktgroesseWirdSkaliert();
    void selbstgroessenndesEtikettBehaeltSkalierteGeometrie();
    void eigenesFensterAlsKindBleibtUnveraendert();
    void gleicherZaehlerUndNennerAendertNichts();
    void hinUndZurueckLiefertDieAusgangslage();
};

void TestSkalierung::ersterStartFaktorFolgtDerBildschirmhoehe_data()
{
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("faktor");
    QTest::newRow("600") << 600 << 50;
    QTest::newRow("720") << 720 << 75;
    QTest::newRow("768") << 768 << 83;
    QTest::newRow("800: 112,5 rundet zur geraden 112") << 800 << 88;
    QTest::newRow("850: 105,88 rundet auf 106") << 850 << 94;
    QTest::newRow("480: 187,5 rundet zur geraden 188") << 480 << 12;
    QTest::newRow("899") << 899 << 100;
    QTest::newRow("900") << 900 << 100;
    QTest::newRow("1080") << 1080 << 100;
    QTest::newRow("400 ergaebe -25, bleibt 1") << 400 << 1;
    QTest::newRow("450 ergaebe 0, bleibt 1") << 450 << 1;
    QTest::newRow("ungueltige Hoehe 0") << 0 << 100;
}

void TestSkalierung::ersterStartFaktorFolgtDerBildschirmhoehe()
{
    QFETCH(int, hoehe);
    QFETCH(int, faktor);
    QCOMPARE(ErsterStartFaktor(hoehe), faktor);
}

void TestSkalierung::mulDivRundetHalbeVonNullWeg_data()
{
    QTest::addColumn<int>("wert");
    QTest::addColumn<int>("zaehler");
    QTest::addColumn<int>("nenner");
    QTest::addColumn<int>("ergebnis");
    QTest::newRow("207,5 -> 208") << 250 << 83 << 100 << 208;
    QTest::newRow("-207,5 -> -208") << -250 << 83 << 100 << -208;
    QTest::newRow("2,5 -> 3") << 5 << 1 << 2 << 3;
    QTest::newRow("-2,5 -> -3") << -5 << 1 << 2 << -3;
    QTest::newRow("negativer Nenner") << 5 << 1 << -2 << -3;
    QTest::newRow("49,5 -> 50") << 50 << 99 << 100 << 50;
    QTest::newRow("6,93 -> 7") << 7 << 99 << 100 << 7;
    QTest::newRow("58,1 -> 58") << 70 << 83 << 100 << 58;
    QTest::newRow("-37,6 -> -38") << -16 << 235 << 100 << -38;
    QTest::newRow("Zwischenprodukt ueber int") << 2000000000 << 3 << 4 << 1500000000;
    QTest::newRow("Nenner 0 laesst den Wert") << 17 << 3 << 0 << 17;
    QTest::newRow("null") << 0 << 83 << 100 << 0;
}

void TestSkalierung::mulDivRundetHalbeVonNullWeg()
{
    QFETCH(int, wert);
    QFETCH(int, zaehler);
    QFETCH(int, nenner);
    QFETCH(int, ergebnis);
    QCOMPARE(MulDiv(wert, zaehler, nenner), ergebnis);
}

void TestSkalierung::rechteckWirdUeberSeineKantenSkaliert_data()
{
    QTest::addColumn<QRect>("rechteck");
    QTest::addColumn<int>("zaehler");
    QTest::addColumn<QRect>("ergebnis");
    QTest::newRow("Scheibe 83 %") << QRect(116, 70, 250, 250) << 83 << QRect(96, 58, 208, 208);
    QTest::newRow("GroupBox1 83 %") << QRect(900, 72, 353, 713) << 83 << QRect(747, 60, 293, 592);
    QTest::newRow("Image1 83 %") << QRect(2, 32, 50, 785) << 83 << QRect(2, 27, 41, 651);
    QTest::newRow("99 %") << QRect(259, 93, 381, 620) << 99 << QRect(256, 92, 378, 614);
    QTest::newRow("101 %") << QRect(6, 16, 80, 130) << 101 << QRect(6, 16, 81, 131);
    QTest::newRow("negative Lage") << QRect(-16, -37, 369, 294) << 50 << QRect(-8, -19, 185, 148);
}

void TestSkalierung::rechteckWirdUeberSeineKantenSkaliert()
{
    QFETCH(QRect, rechteck);
    QFETCH(int, zaehler);
    QFETCH(QRect, ergebnis);
    QCOMPARE(SkaliereRechteck(rechteck, zaehler, 100), ergebnis);
}

void TestSkalierung::groesserSchritt_data()
{
    QTest::addColumn<int>("vorher");
    QTest::addColumn<int>("scaleBy");
    QTest::newRow("von 100 um 1 %") << 100 << 101;
    QTest::newRow("von 90") << 90 << 91;
    QTest::newRow("von 120") << 120 << 121;
}

void TestSkalierung::groesserSchritt()
{
    QFETCH(int, vorher);
    QFETCH(int, scaleBy);
    const TGroessenSchritt Schritt = SchrittGroesser(vorher);
    QCOMPARE(Schritt.ScaleByWert, scaleBy);
    QCOMPARE(Schritt.Zaehler * vorher, Schritt.Nenner * scaleBy); // shows the stored factor
}

void TestSkalierung::kleinerSchrittVerkleinertUmEinProzent_data()
{
    QTest::addColumn<int>("vorher");
    QTest::addColumn<int>("scaleBy");
    QTest::newRow("100") << 100 << 99;
    QTest::newRow("83") << 83 << 82;
    QTest::newRow("120") << 120 << 119;
}

void TestSkalierung::kleinerSchrittVerkleinertUmEinProzent()
{
    QFETCH(int, vorher);
    QFETCH(int, scaleBy);
    const TGroessenSchritt Schritt = SchrittKleiner(vorher);
    QCOMPARE(Schritt.ScaleByWert, scaleBy);
    QCOMPARE(Schritt.Zaehler * vorher, Schritt.Nenner * scaleBy);
}

void TestSkalierung::kleinerGrenze_data()
{
    QTest::addColumn<int>("befehleTop");
    QTest::addColumn<int>("bildschirmHoehe");
    QTest::addColumn<int>("scaleBy");
    QTest::addColumn<bool>("erlaubt");
    QTest::newRow("Entwurf auf 900") << 835 << 900 << 100 << true;
    QTest::newRow("genau Hoehe - 200") << 700 << 900 << 100 << true;
    QTest::newRow("ein Pixel hoeher") << 699 << 900 << 100 << false;
    QTest::newRow("768er Bildschirm") << 567 << 768 << 83 << false;
    QTest::newRow("Faktor 1 schrumpft nicht weiter") << 835 << 900 << 1 << false;
    QTest::newRow("Faktor 2") << 835 << 900 << 2 << true;
}

void TestSkalierung::kleinerGrenze()
{
    QFETCH(int, befehleTop);
    QFETCH(int, bildschirmHoehe);
    QFETCH(int, scaleBy);
    QFETCH(bool, erlaubt);
    QCOMPARE(KleinerErlaubt(befehleTop, bildschirmHoehe, scaleBy), erlaubt);
}

// Worked out from the design by hand: face (883 x 790) and panel scaled and arranged, the panel
// 15 pixels or more from the right edge.
void TestSkalierung::maschinePasstAufDenBildschirm_data()
{
    QTest::addColumn<QSize>("bildschirm");
    QTest::addColumn<int>("faktor");
    QTest::addColumn<bool>("passt");
    QTest::newRow("hochkant 122: Gesicht 1077 breit") << QSize(1080, 1920) << 122 << true;
    QTest::newRow("hochkant 123: Gesicht 1086 breit") << QSize(1080, 1920) << 123 << false;
    QTest::newRow("1920x1080 136: 1074 hoch") << QSize(1920, 1080) << 136 << true;
    QTest::newRow("1920x1080 137: 1082 hoch") << QSize(1920, 1080) << 137 << false;
    QTest::newRow("Panel 15 frei") << QSize(1268, 900) << 100 << true;
    QTest::newRow("Panel 14 frei") << QSize(1267, 900) << 100 << false;
}

void TestSkalierung::maschinePasstAufDenBildschirm()
{
    QFETCH(QSize, bildschirm);
    QFETCH(int, faktor);
    QFETCH(bool, passt);
    QCOMPARE(PasstAufBildschirm(Entwurfslage(), faktor, 100, bildschirm), passt);
}

void TestSkalierung::querformat_data()
{
    QTest::addColumn<TPanelLage>("eingabe");
    QTest::addColumn<int>("breite");
    QTest::addColumn<TPanelLage>("erwartet");

    // 1600 x 900: 347 free, rest 364; panel at 883 + 182, face moves to 121 + 10.
    TPanelLage Breit = Entwurfslage();
    Breit.GroupBox1 = QRect(1065, 73, 353, 717);
    Breit.GroupBox2 = QRect(131, 0, 883, 790);
    Breit.QRImage = QRect(1065, 19, 54, 54);
    Breit.LogoImage = QRect(1139, 16, 218, 40);
    Breit.TrackBar1 = QRect(191, 168, 25, 105);
    QTest::newRow("1600x900") << Entwurfslage() << 1600 << Breit;

    // 1280 x 1024: 27 free, rest 44; the face would not fit left of the panel, so it stays.
    TPanelLage Knapp = Entwurfslage();
    Knapp.GroupBox1 = QRect(905, 73, 353, 717);
    Knapp.QRImage = QRect(905, 19, 54, 54);
    Knapp.LogoImage = QRect(979, 16, 218, 40);
    Knapp.TrackBar1 = QRect(60, 168, 25, 105);
    QTest::newRow("1280x1024") << Entwurfslage() << 1280 << Knapp;

    // 1024 x 768 at 83 %: the panel ends at 1040, less than 20 free; only top and height change.
    TPanelLage Klein = Lage83();
    Klein.GroupBox1 = QRect(747, 61, 293, 595);
    Klein.TrackBar1 = QRect(51, 139, 21, 88);
    QTest::newRow("1024x768 bei 83 %") << Lage83() << 1024 << Klein;

    // Coming back from portrait: QR code and logo are shown again.
    TPanelLage Versteckt = Lage83();
    Versteckt.QRImageSichtbar = false;
    Versteckt.LogoImageSichtbar = false;
    QTest::newRow("zeigt QR und Logo wieder") << Versteckt << 1024 << Klein;

    // A negative rest is divided toward zero: -379 div 2 = -189.
    TPanelLage Eng = Entwurfslage();
    Eng.GroupBox1 = QRect(100, 72, 301, 713);
    Eng.GroupBox2 = QRect(0, 0, 499, 790);
    TPanelLage EngErwartet = Eng;
    EngErwartet.GroupBox1 = QRect(310, 73, 301, 717);
    EngErwartet.QRImage = QRect(310, 19, 54, 54);
    EngErwartet.LogoImage = QRect(384, 16, 218, 40);
    EngErwartet.TrackBar1 = QRect(60, 168, 25, 105);
    QTest::newRow("negativer Rest") << Eng << 421 << EngErwartet;
}

void TestSkalierung::querformat()
{
    QFETCH(TPanelLage, eingabe);
    QFETCH(int, breite);
    QFETCH(TPanelLage, erwartet);
    VergleicheLage(BerechneQuerformat(eingabe, breite), erwartet);
}

void TestSkalierung::hochformat_data()
{
    QTest::addColumn<TPanelLage>("eingabe");
    QTest::addColumn<TPanelLage>("erwartet");

    // 768 x 1024 at 100 %: panel at 73 + 785 - 40 = 818, centred: 259 + 190 - 176 = 273.
    TPanelLage Hoch = Entwurfslage();
    Hoch.GroupBox1 = QRect(273, 818, 353, 717);
    Hoch.TrackBar1 = QRect(60, 168, 25, 105);
    Hoch.QRImageSichtbar = false;
    Hoch.LogoImageSichtbar = false;
    QTest::newRow("768x1024") << Entwurfslage() << Hoch;

    // After a landscape arrangement the face goes back to the left edge.
    QTest::newRow("nach Querformat")
        << Mit(Entwurfslage(), &TPanelLage::GroupBox2, QRect(131, 0, 883, 790)) << Hoch;

    // At 83 %: 61 + 651 - 40 = 672; 215 + 158 - 146 = 227; height 656 - 61.
    TPanelLage Hoch83 = Lage83();
    Hoch83.GroupBox1 = QRect(227, 672, 293, 595);
    Hoch83.TrackBar1 = QRect(51, 139, 21, 88);
    Hoch83.QRImageSichtbar = false;
    Hoch83.LogoImageSichtbar = false;
    QTest::newRow("bei 83 %") << Lage83() << Hoch83;
}

void TestSkalierung::hochformat()
{
    QFETCH(TPanelLage, eingabe);
    QFETCH(TPanelLage, erwartet);
    VergleicheLage(BerechneHochformat(eingabe), erwartet);
}

void TestSkalierung::muenzreiheWirdQuadratischNebeneinandergelegt()
{
    TMuenzLage Lage;
    Lage.Button_50_Euro = QRect(6, 16, 80, 130);
    Lage.Button_2_Euro = QRect(8, 170, 72, 74);
    Lage.Button_1_Euro = QRect(85, 172, 68, 70);
    Lage.Button_50_Cent = QRect(157, 172, 66, 68);
    Lage.Button_20_Cent = QRect(229, 176, 60, 62);
    Lage.Button_10_Cent = QRect(294, 180, 55, 57);

    const TMuenzLage Neu = BerechneMuenzreihe(Lage, 353);

    QCOMPARE(Neu.Button_50_Euro, QRect(6, 16, 80, 130));
    QCOMPARE(Neu.Button_2_Euro, QRect(6, 170, 74, 74));
    QCOMPARE(Neu.Button_1_Euro, QRect(80, 172, 70, 70));
    QCOMPARE(Neu.Button_50_Cent, QRect(150, 172, 68, 68));
    QCOMPARE(Neu.Button_20_Cent, QRect(218, 176, 62, 62));
    QCOMPARE(Neu.Button_10_Cent, QRect(294, 180, 57, 57));
}

void TestSkalierung::fensterSkalierungSetztLageUndGroesse()
{
    QWidget Wurzel;
    Wurzel.resize(400, 300);
    auto* Tafel = new QWidget(&Wurzel);
    Tafel->setGeometry(10, 20, 100, 50);
    auto* Innen = new QWidget(Tafel);
    Innen->setGeometry(5, 5, 30, 31);

    SkaliereFenster(&Wurzel, 3, 2);

    QCOMPARE(Wurzel.size(), QSize(400, 300)); // a window's size is the window manager's
    QCOMPARE(Tafel->geometry(), QRect(15, 30, 150, 75));
    // 7,5 -> 8 and the right edge 52,5 -> 53; the bottom edge 54 exactly.
    QCOMPARE(Innen->geometry(), QRect(8, 8, 45, 46));
}

void TestSkalierung::fensterSkalierungSkaliertEigeneSchriften()
{
    QWidget Wurzel;
    Wurzel.setFont(Pixelschrift(10));
    auto* Tafel = new QWidget(&Wurzel);
    Tafel->setFont(Pixelschrift(20));
    auto* Innen = new QWidget(Tafel);

    SkaliereFenster(&Wurzel, 3, 2);

    QCOMPARE(Wurzel.font().pixelSize(), 15);
    QCOMPARE(Tafel->font().pixelSize(), 30);
    QCOMPARE(Innen->font().pixelSize(), 30);
}

void TestSkalierung::geerbteSchriftWirdNichtDoppeltSkaliert()
{
    QWidget Wurzel;
    Wurzel.setFont(Pixelschrift(11));
    auto* Etikett = new QLabel(QStringLiteral("Uhr"), &Wurzel);
    auto* Tafel = new QWidget(&Wurzel);
    auto* Tiefer = new QLabel(QStringLiteral("x"), Tafel);

    SkaliereFenster(&Wurzel, 2, 1);

    QCOMPARE(Etikett->font().pixelSize(), 22);
    QCOMPARE(Tiefer->font().pixelSize(), 22);
}

void TestSkalierung::teilweiseGesetzteSchriftFolgtDerSkaliertenElternschrift()
{
    QWidget Wurzel;
    Wurzel.setFont(Pixelschrift(10));
    auto* Fett = new QLabel(QStringLiteral("fett"), &Wurzel);
    QFont NurFett;
    NurFett.setBold(true);
    Fett->setFont(NurFett);
    QCOMPARE(Fett->font().pixelSize(), 10);

    SkaliereFenster(&Wurzel, 3, 2);

    QCOMPARE(Fett->font().pixelSize(), 15);
    QVERIFY(Fett->font().bold());
}

void TestSkalierung::punktgroesseWirdSkaliert()
{
    QWidget Wurzel;
    Wurzel.setFont(Pixelschrift(10));
    auto* Etikett = new QLabel(QStringLiteral("Punkte"), &Wurzel);
    QFont Punktschrift(QStringLiteral("DejaVu Sans"));
    Punktschrift.setPointSize(12);
    Etikett->setFont(Punktschrift);

    SkaliereFenster(&Wurzel, 83, 100);

    // 9,96 -> 10
    QCOMPARE(Etikett->font().pointSize(), 10);
    QCOMPARE(Wurzel.font().pixelSize(), 8);
}

void TestSkalierung::selbstgroessenndesEtikettBehaeltSkalierteGeometrie()
{
    QWidget Wurzel;
    Wurzel.setFont(Pixelschrift(12));
    auto* Etikett = new QLabel(QStringLiteral(" kürzer"), &Wurzel);
    Etikett->move(54, 154);
    Etikett->adjustSize();
    const QRect Vorher = Etikett->geometry();

    SkaliereFenster(&Wurzel, 2, 1);

    QCOMPARE(Etikett->geometry(), QRect(108, 308, 2 * Vorher.width(), 2 * Vorher.height()));
}

void TestSkalierung::eigenesFensterAlsKindBleibtUnveraendert()
{
    QWidget Wurzel;
    Wurzel.resize(400, 300);
    QDialog Dialog(&Wurzel);
    Dialog.setGeometry(158, 139, 601, 251);
    auto* Schalter = new QWidget(&Dialog);
    Schalter->setGeometry(42, 136, 75, 25);

    SkaliereFenster(&Wurzel, 2, 1);

    QCOMPARE(Dialog.geometry(), QRect(158, 139, 601, 251));
    QCOMPARE(Schalter->geometry(), QRect(42, 136, 75, 25));
}

void TestSkalierung::gleicherZaehlerUndNennerAendertNichts()
{
    QWidget Wurzel;
    Wurzel.resize(401, 301);
    Wurzel.setFont(Pixelschrift(11));
    auto* Kind = new QWidget(&Wurzel);
    Kind->setGeometry(3, 5, 7, 9);

    SkaliereFenster(&Wurzel, 100, 100);

    QCOMPARE(Wurzel.size(), QSize(401, 301));
    QCOMPARE(Kind->geometry(), QRect(3, 5, 7, 9));
    QCOMPARE(Wurzel.font().pixelSize(), 11);
}

void TestSkalierung::hinUndZurueckLiefertDieAusgangslage()
{
    QWidget Wurzel;
    Wurzel.resize(400, 300);
    auto* Kind = new QWidget(&Wurzel);
    Kind->setGeometry(116, 70, 250, 250);

    SkaliereFenster(&Wurzel, 2, 1);
    SkaliereFenster(&Wurzel, 1, 2);

    QCOMPARE(Kind->geometry(), QRect(116, 70, 250, 250));
    QCOMPARE(Wurzel.size(), QSize(400, 300));
}

void TestSkalierung::haekchenSchrumpftMitDemKaestchen_data()
{
    QTest::addColumn<QList<int>>("schritte"); // percent, one after the other
    QTest::newRow("50 %") << QList<int>{50};
    QTest::newRow("in Schritten auf 50 %") << QList<int>{90, 80, 70};
    QTest::newRow("50 % und zurueck") << QList<int>{50, 200};
}

// "Geräusche ein" with its tick on the right: the caption must stay whole in the smaller box.
void TestSkalierung::haekchenSchrumpftMitDemKaestchen()
{
    QFETCH(QList<int>, schritte);
    QWidget Fenster;
    auto* Kaestchen = new QCheckBox(QStringLiteral("Geräusche ein"), &Fenster);
    QFont Schrift(QStringLiteral("Liberation Sans"));
    Schrift.setPixelSize(15);
    Kaestchen->setFont(Schrift);
    Kaestchen->setLayoutDirection(Qt::RightToLeft);
    Kaestchen->adjustSize();
    for (const int Prozent : schritte)
        Skalierung::SkaliereFenster(&Fenster, Prozent, 100);
    QVERIFY2(
        Kaestchen->sizeHint().width() <= Kaestchen->width() + 1,
        qPrintable(
            QStringLiteral("%1 > %2").arg(Kaestchen->sizeHint().width()).arg(Kaestchen->width())));
}

VORLIX_TEST_MAIN(TestSkalierung)
#include "tst_skalierung.moc"
