// The machine's pictures as the program finds them in its resources: sizes, formats, the colour
// markers of the disc artwork under every resting angle, the screw's slot, and the money's classes.
#include "discs/Scheibenbild.h"
#include "tests/testmain.h"
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QtTest>
#include <cmath>

namespace {

QString Ressource(const QString& Datei)
{
    return QStringLiteral(":/bilder/") + Datei;
}

QImage Lade(const QString& Datei)
{
    return QImage(Ressource(Datei));
}

// A colour as the window toolkit writes it: 0xBBGGRR.
quint32 Bgr(QRgb Farbe)
{
    return Marker::Bgr(qRed(Farbe), qGreen(Farbe), qBlue(Farbe));
}

using Scheibenbild::Gedreht;

int CodeAmPruefpunkt(const QImage& Scheibe)
{
    return Scheibenbild::Symbolcode(Scheibe, Marker::KeinSymbol);
}

} // namespace

class TestBilder : public QObject
{
    Q_OBJECT

private slots:
    void jedesBildHatSeineGroesse_data();
    void jedesBildHatSeineGroesse();
    void jpegBilderLesenSichUeberDasJpegModul_data();
    void jpegBilderLesenSichUeberDasJpegModul();
    void gelesenePixelbilderSindVerlustfreiUnd24Bit_data();
    void gelesenePixelbilderSindVerlustfreiUnd24Bit();
    void durchsichtigeBilderHabenDurchsichtigeEcken_data();
    void durchsichtigeBilderHabenDurchsichtigeEcken();

    void markerDerScheibeTragenGenauDieMarkerfarbe_data();
    void markerDerScheibeTragenGenauDieMarkerfarbe();
    void ruhewinkelErgibtSymbolUnterDemPfeil_data();
    void ruhewinkelErgibtSymbolUnterDemPfeil();
    void gestreckteLinkeScheibeErgibtDasselbeSymbol_data();
    void gestreckteLinkeScheibeErgibtDasselbeSymbol();
    void markerradIstOhneZwischentoeneGefuellt();
    void pruefpunkteLiegenTiefImKeil_data();
    void pruefpunkteLiegenTiefImKeil();

    void schraubeZeigtSchlitzNurSenkrecht_data();
    void schraubeZeigtSchlitzNurSenkrecht();
    void schraubenkunstHatKopfSchlitzUndWeissenGrund_data();
    void schraubenkunstHatKopfSchlitzUndWeissenGrund();

    void spinbildFlackertGegenSeinSpiegelbild();
    void geldGehoertZuSeinerHoehenklasse_data();
    void geldGehoertZuSeinerHoehenklasse();
    void anzeigefelderSindDortWeissWoDieZahlSteht_data();
    void anzeigefelderSindDortWeissWoDieZahlSteht();
    void qrCodeIstSchwarzAufWeissMitSuchmuster();
};

void TestBilder::jedesBildHatSeineGroesse_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QSize>("groesse");
    const QList<QPair<const char*, QSize>> Tabelle = {
        {"ImageOriginal.bmp", {250, 250}},
        {"ImageDrehscheibe2.bmp", {250, 250}},
        {"ImageDrehendeScheibe.bmp", {250, 250}},
        {"ImageOriginalSchraube.bmp", {30, 30}},
        {"PfeilOben.png", {47, 33}},
        {"DachImage.jpg", {920, 73}},
        {"ImageGesicht.jpg", {381, 620}},
        {"Image7.jpg", {198, 716}},
        {"Image8.jpg", {198, 716}},
        {"ImageDreieckLinks.jpg", {124, 110}},
        {"ImageDreieckRechts.jpg", {124, 110}},
        {"Image1.png", {50, 785}},
        {"Image2.png", {49, 785}},
        {"Image3.png", {397, 49}},
        {"ImageBanner.png", {397, 49}},
        {"ImageDesignUnten.png", {812, 21}},
        {"ImageVorlix.png", {62, 76}},
        {"LogoImage.png", {218, 40}},
        {"QRImage.png", {54, 54}},
        {"Augenbraue_links_Image.png", {124, 25}},
        {"Augenbraue_rechts_Image.png", {124, 25}},
        {"SpielGeldSpeicherAnzeige.png", {133, 34}},
        {"SonderSpieleAnzeige.png", {133, 34}},
        {"MenueBtn.png", {80, 78}},
        {"StartBtnGruen.png", {80, 78}},
        {"StopBtnGruen.png", {80, 78}},
        {"Schein_Einzug.png", {214, 40}},
        {"Schein_Einzug2.png", {214, 40}},
        {"Scheine_Einz_gewellt1.png", {214, 40}},
        {"ScheinEinzug_Grinz.png", {214, 40}},
        {"Schein_Einzug_Baeh.png", {214, 40}},
        {"ImageSpritzer.png", {417, 217}},
        {"ImageZitroneNormal.png", {35, 32}},
        {"ImageZitroneAktiv.png", {35, 32}},
        {"ImageErdbeerNormal.png", {35, 32}},
        {"ImageErdbeerAktiv.png", {35, 32}},
        {"ImageKarotteNormal.png", {35, 32}},
        {"ImageKarotteAktiv.png", {35, 32}},
        {"ImageKirscheNormal.png", {35, 32}},
        {"ImageKirscheAktiv.png", {35, 32}},
        {"PfeilRot.png", {40, 30}},
        {"PfeilGruen.png", {40, 30}},
        {"ImageRisiko.png", {44, 171}},
        {"Image2mal.png", {54, 34}},
        {"Image1mal.png", {54, 34}},
        {"Image0mal.png", {54, 34}},
        {"Button_50_Euro.png", {100, 190}},
        {"Button_20_Euro.png", {100, 190}},
        {"Button_10_Euro.png", {100, 190}},
        {"Button_5_Euro.png", {100, 190}},
        {"Button_2_Euro.png", {76, 76}},
        {"Button_1_Euro.png", {70, 70}},
        {"Button_50_Cent.png", {72, 72}},
        {"Button_20_Cent.png", {64, 64}},
        {"Button_10_Cent.png", {57, 57}},
        {"NichtBedienbarImage.png", {369, 294}},
        {"GibMirMeinGeldBtn.png", {24, 24}},
    };
    for (const auto& [Datei, Groesse] : Tabelle)
        QTest::newRow(Datei) << QString(Datei) << Groesse;
}

void TestBilder::jedesBildHatSeineGroesse()
{
    QFETCH(QString, datei);
    QFETCH(QSize, groesse);
    QVERIFY2(QFile::exists(Ressource(datei)), qPrintable(datei));
    const QImage Bild = Lade(datei);
    QVERIFY(!Bild.isNull());
    QCOMPARE(Bild.size(), groesse);
}

void TestBilder::jpegBilderLesenSichUeberDasJpegModul_data()
{
    QTest::addColumn<QString>("datei");
    for (const char* Datei : {"DachImage.jpg", "ImageGesicht.jpg", "Image7.jpg", "Image8.jpg",
                              "ImageDreieckLinks.jpg", "ImageDreieckRechts.jpg"})
        QTest::newRow(Datei) << QString(Datei);
}

void TestBilder::jpegBilderLesenSichUeberDasJpegModul()
{
    QFETCH(QString, datei);
    QImageReader Leser(Ressource(datei), "jpeg");
    QVERIFY2(Leser.canRead(), qPrintable(Leser.errorString()));
    QCOMPARE(Leser.format(), QByteArray("jpeg"));
    const QImage Bild = Leser.read();
    QVERIFY2(!Bild.isNull(), qPrintable(Leser.errorString()));
    QFile Datei(Ressource(datei));
    QVERIFY(Datei.open(QIODevice::ReadOnly));
    QCOMPARE(Datei.read(3), QByteArray("\xFF\xD8\xFF", 3));
}

void TestBilder::gelesenePixelbilderSindVerlustfreiUnd24Bit_data()
{
    QTest::addColumn<QString>("datei");
    for (const char* Datei : {"ImageOriginal.bmp", "ImageDrehscheibe2.bmp",
                              "ImageDrehendeScheibe.bmp", "ImageOriginalSchraube.bmp"})
        QTest::newRow(Datei) << QString(Datei);
}

void TestBilder::gelesenePixelbilderSindVerlustfreiUnd24Bit()
{
    QFETCH(QString, datei);
    QFile Datei(Ressource(datei));
    QVERIFY(Datei.open(QIODevice::ReadOnly));
    const QByteArray Kopf = Datei.read(54);
    QCOMPARE(Kopf.left(2), QByteArray("BM"));
    // Bits per pixel at byte 28, compression at byte 30 (0: none).
    QCOMPARE(quint8(Kopf.at(28)) | (quint8(Kopf.at(29)) << 8), 24);
    QCOMPARE(int(Kopf.at(30)), 0);
    QVERIFY(!Lade(datei).hasAlphaChannel());
}

void TestBilder::durchsichtigeBilderHabenDurchsichtigeEcken_data()
{
    QTest::addColumn<QString>("datei");
    for (const char* Datei : {"PfeilOben.png",
                              "ImageVorlix.png",
                              "LogoImage.png",
                              "Augenbraue_links_Image.png",
                              "Augenbraue_rechts_Image.png",
                              "SpielGeldSpeicherAnzeige.png",
                              "SonderSpieleAnzeige.png",
                              "MenueBtn.png",
                              "StartBtnGruen.png",
                              "StopBtnGruen.png",
                              "Schein_Einzug.png",
                              "Schein_Einzug2.png",
                              "Scheine_Einz_gewellt1.png",
                              "ScheinEinzug_Grinz.png",
                              "Schein_Einzug_Baeh.png",
                              "ImageSpritzer.png",
                              "ImageZitroneNormal.png",
                              "ImageZitroneAktiv.png",
                              "ImageKirscheNormal.png",
                              "ImageKirscheAktiv.png",
                              "PfeilRot.png",
                              "PfeilGruen.png",
                              "Image2mal.png",
                              "Button_2_Euro.png",
                              "Button_1_Euro.png",
                              "Button_50_Cent.png",
                              "Button_20_Cent.png",
                              "Button_10_Cent.png",
                              "GibMirMeinGeldBtn.png"})
        QTest::newRow(Datei) << QString(Datei);
}

void TestBilder::durchsichtigeBilderHabenDurchsichtigeEcken()
{
    QFETCH(QString, datei);
    const QImage Bild = Lade(datei).convertToFormat(QImage::Format_ARGB32);
    QVERIFY(Bild.hasAlphaChannel());
    const int R = Bild.width() - 1, U = Bild.height() - 1;
    for (const QPoint Ecke : {QPoint(0, 0), QPoint(R, 0), QPoint(0, U), QPoint(R, U)})
        QCOMPARE(qAlpha(Bild.pixel(Ecke)), 0);
}

void TestBilder::markerDerScheibeTragenGenauDieMarkerfarbe_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<quint32>("farbe");
    QTest::newRow("Zahl 1 unten") << QPoint(125, 130) << quint32(0xFF0000);
    QTest::newRow("Zitrone unten rechts") << QPoint(129, 128) << quint32(0x00F8FF);
    QTest::newRow("Zahl 3 rechts") << QPoint(130, 125) << quint32(0xFF00FF);
    QTest::newRow("Erdbeere oben rechts") << QPoint(128, 121) << quint32(0x2F0FFF);
    QTest::newRow("Zahl 2 oben") << QPoint(125, 120) << quint32(0x80FF00);
    QTest::newRow("Karotte oben links") << QPoint(121, 122) << quint32(0x2D94FC);
    QTest::newRow("Zahl 4 links") << QPoint(120, 125) << quint32(0xFFFF00);
    QTest::newRow("Kirschen unten links") << QPoint(122, 129) << quint32(0x2226DD);
}

void TestBilder::markerDerScheibeTragenGenauDieMarkerfarbe()
{
    QFETCH(QPoint, punkt);
    QFETCH(quint32, farbe);
    const QImage Scheibe = Lade("ImageOriginal.bmp");
    QCOMPARE(QString::number(Bgr(Scheibe.pixel(punkt)), 16), QString::number(farbe, 16));
}

void TestBilder::ruhewinkelErgibtSymbolUnterDemPfeil_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<int>("code");
    QTest::newRow("0: Zahl 1") << 0 << 1;
    QTest::newRow("45: Zitrone") << 45 << 2;
    QTest::newRow("90: Zahl 3") << 90 << 3;
    QTest::newRow("135: Erdbeere") << 135 << 4;
    QTest::newRow("180: Zahl 2") << 180 << 5;
    QTest::newRow("225: Karotte") << 225 << 6;
    QTest::newRow("270: Zahl 4") << 270 << 7;
    QTest::newRow("315: Kirschen") << 315 << 8;
    QTest::newRow("360: Zahl 1") << 360 << 1;
    QTest::newRow("1260: Zahl 2") << 1260 << 5;
}

void TestBilder::ruhewinkelErgibtSymbolUnterDemPfeil()
{
    QFETCH(int, winkel);
    QFETCH(int, code);
    const QImage Ruhebild = Gedreht(Lade("ImageOriginal.bmp"), winkel);
    QCOMPARE(Ruhebild.size(), QSize(250, 250));
    QCOMPARE(CodeAmPruefpunkt(Ruhebild), code);
}

void TestBilder::gestreckteLinkeScheibeErgibtDasselbeSymbol_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<int>("seite");
    QTest::addColumn<int>("code");
    const QList<QPair<int, int>> Ruhelagen = {{0, 1},   {45, 2},  {90, 3},  {135, 4},
                                              {180, 5}, {225, 6}, {270, 7}, {315, 8}};
    // The left disc at the sizes of the window's size factors 50 % to 150 %.
    const QList<int> Seiten = {125, 150, 175, 188, 208, 220, 230,
                               249, 251, 263, 280, 300, 340, 375};
    for (const auto& [Winkel, Code] : Ruhelagen)
        for (int Seite : Seiten)
            QTest::addRow("%d Grad, %d Pixel", Winkel, Seite) << Winkel << Seite << Code;
}

void TestBilder::gestreckteLinkeScheibeErgibtDasselbeSymbol()
{
    QFETCH(int, winkel);
    QFETCH(int, seite);
    QFETCH(int, code);
    const QImage Ruhebild = Gedreht(Lade("ImageOriginal.bmp"), winkel);
    const QImage Gestreckt =
        Ruhebild.scaled(seite, seite, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QCOMPARE(CodeAmPruefpunkt(Gestreckt), code);
}

void TestBilder::markerradIstOhneZwischentoeneGefuellt()
{
    const QImage Scheibe = Lade("ImageOriginal.bmp");
    QSet<quint32> Erlaubt = {0xFFFFFF};
    for (const Marker::TMarker& Keil : Marker::Markertabelle)
        Erlaubt.insert(Keil.Farbe);
    QSet<quint32> Gefunden;
    for (int y = 113; y <= 137; ++y) {
        for (int x = 113; x <= 137; ++x) {
            if (std::hypot(x + 0.5 - 125, y + 0.5 - 125) > 12.0)
                continue;
            const quint32 Farbe = Bgr(Scheibe.pixel(x, y));
            QVERIFY2(Erlaubt.contains(Farbe),
                     qPrintable(QString("(%1, %2): %3").arg(x).arg(y).arg(Farbe, 6, 16)));
            Gefunden.insert(Farbe);
        }
    }
    QCOMPARE(Gefunden.size(), 9);
}

void TestBilder::pruefpunkteLiegenTiefImKeil_data()
{
    markerDerScheibeTragenGenauDieMarkerfarbe_data();
}

// Every neighbour of a sample pixel carries the same marker, so that a stretched or smoothed
// copy still finds it.
void TestBilder::pruefpunkteLiegenTiefImKeil()
{
    QFETCH(QPoint, punkt);
    QFETCH(quint32, farbe);
    const QImage Scheibe = Lade("ImageOriginal.bmp");
    for (int dy = -1; dy <= 1; ++dy)
        for (int dx = -1; dx <= 1; ++dx)
            QCOMPARE(QString::number(Bgr(Scheibe.pixel(punkt + QPoint(dx, dy))), 16),
                     QString::number(farbe, 16));
}

void TestBilder::schraubeZeigtSchlitzNurSenkrecht_data()
{
    QTest::addColumn<int>("winkel");
    QTest::addColumn<quint32>("farbe");
    QTest::newRow("45") << 45 << quint32(0x9A7069);
    QTest::newRow("90 senkrecht") << 90 << quint32(0xC0C0C0);
    QTest::newRow("135") << 135 << quint32(0x9A7069);
    QTest::newRow("180") << 180 << quint32(0x9A7069);
    QTest::newRow("225") << 225 << quint32(0x9A7069);
    QTest::newRow("270 senkrecht") << 270 << quint32(0xC0C0C0);
    QTest::newRow("315") << 315 << quint32(0x9A7069);
    QTest::newRow("360") << 360 << quint32(0x9A7069);
    QTest::newRow("0 vor dem ersten Schritt") << 0 << quint32(0x9A7069);
}

void TestBilder::schraubeZeigtSchlitzNurSenkrecht()
{
    QFETCH(int, winkel);
    QFETCH(quint32, farbe);
    const QImage Schraube = Gedreht(Lade("ImageOriginalSchraube.bmp"), winkel);
    QCOMPARE(QString::number(Bgr(Schraube.pixel(13, 3)), 16), QString::number(farbe, 16));
}

void TestBilder::schraubenkunstHatKopfSchlitzUndWeissenGrund_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<quint32>("farbe");
    QTest::newRow("Ecke weiss") << QPoint(0, 0) << quint32(0xFFFFFF);
    QTest::newRow("Ecke unten rechts weiss") << QPoint(29, 29) << quint32(0xFFFFFF);
    QTest::newRow("Kopf oben") << QPoint(15, 5) << quint32(0x9A7069);
    QTest::newRow("Kopf unten") << QPoint(14, 24) << quint32(0x9A7069);
    QTest::newRow("Schlitz Zeile 12") << QPoint(15, 12) << quint32(0xC0C0C0);
    QTest::newRow("Schlitz Zeile 17") << QPoint(15, 17) << quint32(0xC0C0C0);
    QTest::newRow("Schlitz links") << QPoint(3, 14) << quint32(0xC0C0C0);
    QTest::newRow("Schlitz rechts") << QPoint(26, 15) << quint32(0xC0C0C0);
    QTest::newRow("ueber dem Schlitz") << QPoint(15, 10) << quint32(0x9A7069);
    QTest::newRow("unter dem Schlitz") << QPoint(15, 19) << quint32(0x9A7069);
}

void TestBilder::schraubenkunstHatKopfSchlitzUndWeissenGrund()
{
    QFETCH(QPoint, punkt);
    QFETCH(quint32, farbe);
    const QImage Schraube = Lade("ImageOriginalSchraube.bmp");
    QCOMPARE(QString::number(Bgr(Schraube.pixel(punkt)), 16), QString::number(farbe, 16));
}

void TestBilder::spinbildFlackertGegenSeinSpiegelbild()
{
    const QImage Ring = Lade("ImageDrehscheibe2.bmp").convertToFormat(QImage::Format_RGB888);
    QCOMPARE(Lade("ImageDrehendeScheibe.bmp").convertToFormat(QImage::Format_RGB888), Ring);
    const QImage Gespiegelt = Ring.mirrored(false, true);
    int Verschieden = 0;
    for (int y = 0; y < Ring.height(); ++y)
        for (int x = 0; x < Ring.width(); ++x)
            if (Ring.pixel(x, y) != Gespiegelt.pixel(x, y))
                ++Verschieden;
    QVERIFY2(Verschieden > 250 * 250 / 4, qPrintable(QString::number(Verschieden)));
    QCOMPARE(Gespiegelt.mirrored(false, true), Ring);
}

void TestBilder::geldGehoertZuSeinerHoehenklasse_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<bool>("schein");
    QTest::newRow("50 Euro") << "Button_50_Euro.png" << true;
    QTest::newRow("20 Euro") << "Button_20_Euro.png" << true;
    QTest::newRow("10 Euro") << "Button_10_Euro.png" << true;
    QTest::newRow("5 Euro") << "Button_5_Euro.png" << true;
    QTest::newRow("2 Euro") << "Button_2_Euro.png" << false;
    QTest::newRow("1 Euro") << "Button_1_Euro.png" << false;
    QTest::newRow("50 Cent") << "Button_50_Cent.png" << false;
    QTest::newRow("20 Cent") << "Button_20_Cent.png" << false;
    QTest::newRow("10 Cent") << "Button_10_Cent.png" << false;
}

void TestBilder::geldGehoertZuSeinerHoehenklasse()
{
    QFETCH(QString, datei);
    QFETCH(bool, schein);
    const QImage Bild = Lade(datei);
    QVERIFY(!Bild.isNull());
    if (schein) {
        QVERIFY(Bild.width() >= 98 && Bild.width() <= 102);
        QVERIFY(Bild.height() >= 184 && Bild.height() <= 198);
        QVERIFY(Bild.height() > 80);
        QVERIFY(!Bild.hasAlphaChannel());
    } else {
        QVERIFY(Bild.width() >= 57 && Bild.width() <= 79);
        QVERIFY(Bild.height() >= 57 && Bild.height() <= 79);
        QVERIFY(Bild.height() < 80);
        QVERIFY(Bild.hasAlphaChannel());
    }
}

void TestBilder::anzeigefelderSindDortWeissWoDieZahlSteht_data()
{
    QTest::addColumn<QString>("datei");
    QTest::addColumn<QRect>("textfeld");
    QTest::newRow("Euro") << "SpielGeldSpeicherAnzeige.png" << QRect(30, 5, 94, 24);
    QTest::newRow("Sonderspiele") << "SonderSpieleAnzeige.png" << QRect(80, 5, 44, 24);
}

void TestBilder::anzeigefelderSindDortWeissWoDieZahlSteht()
{
    QFETCH(QString, datei);
    QFETCH(QRect, textfeld);
    const QImage Bild = Lade(datei).convertToFormat(QImage::Format_ARGB32);
    for (int y = textfeld.top(); y <= textfeld.bottom(); ++y)
        for (int x = textfeld.left(); x <= textfeld.right(); ++x)
            QCOMPARE(Bild.pixel(x, y), qRgba(255, 255, 255, 255));
}

void TestBilder::qrCodeIstSchwarzAufWeissMitSuchmuster()
{
    const QImage Code = Lade("QRImage.png");
    for (int y = 0; y < Code.height(); ++y)
        for (int x = 0; x < Code.width(); ++x)
            QVERIFY(Code.pixel(x, y) == qRgb(0, 0, 0) || Code.pixel(x, y) == qRgb(255, 255, 255));
    // Quiet zone white, the three finder squares black at their outer corners.
    const int R = Code.width() - 1;
    QCOMPARE(Code.pixel(0, 0), qRgb(255, 255, 255));
    QCOMPARE(Code.pixel(R, R), qRgb(255, 255, 255));
    QCOMPARE(Code.pixel(2, 2), qRgb(0, 0, 0));
    QCOMPARE(Code.pixel(R - 2, 2), qRgb(0, 0, 0));
    QCOMPARE(Code.pixel(2, R - 2), qRgb(0, 0, 0));
}

VORLIX_TEST_GUILESS_MAIN(TestBilder)
#include "tst_bilder.moc"
