#include "tests/testmain.h"
#include "ui/ImageWindow.h"

#include <QPainter>
#include <QWindow>
#include <QtTest>

namespace {
QImage Einfarbig(int Breite, int Hoehe, QColor Farbe)
{
    QImage Bild(Breite, Hoehe, QImage::Format_RGB888);
    Bild.fill(Farbe);
    return Bild;
}

// A red background with the control on it, as the face carries the discs.
struct TBuehne
{
    QWidget Eltern;
    TImageWindow* Scheibe;

    TBuehne()
    {
        Eltern.resize(300, 300);
        Eltern.setAutoFillBackground(true);
        QPalette Farben = Eltern.palette();
        Farben.setColor(QPalette::Window, Qt::red);
        Eltern.setPalette(Farben);
        Scheibe = new TImageWindow(&Eltern);
        Scheibe->setGeometry(25, 25, 250, 250);
    }

    QColor FarbeBei(int X, int Y) { return Eltern.grab().toImage().pixelColor(X, Y); }
};
} // namespace

class TestImageWindow : public QObject
{
    Q_OBJECT

public:
    // A second offscreen monitor, of twice the pixel density, before the application starts.
    static void initMain()
    {
        static QTemporaryDir Ordner;
        const QString Datei = Ordner.filePath("bildschirme.json");
        Testhilfe::SchreibeDatei(Datei, R"({"screens": [{"name": "A", "width": 800, "height": 600},
            {"name": "B", "x": 800, "width": 800, "height": 600, "dpr": 2}]})");
        qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(Datei));
    }

private slots:
    void neuesSteuerelementIst150Mal150();
    void bildWirdAlsVierundzwanzigBitGehalten();
    void zeilenlaengeFolgtDerAusrichtung();
    void zielrechteck_data();
    void zielrechteck();
    void rundeMaskeLaesstEckenFrei_data();
    void rundeMaskeLaesstEckenFrei();
    void maskeFolgtDerGroesse();
    void ohneRoundKeineMaske();
    void roundAufGleichenWertBleibtRund();
    void ohneBildTrotzdemRund();
    void rundeScheibeZeigtDenHintergrundInDenEcken();
    void geaendertesBildWirdNeuGezeichnet();
    void bildOhneStretchLiegtObenLinks();
    void transparentLaesstDieFarbeUntenLinksDurch();
    void autoSizeUebernimmtDieBildgroesse();
    void feinbildNurAufDemDichtenBildschirm_data();
    void feinbildNurAufDemDichtenBildschirm();
};

void TestImageWindow::neuesSteuerelementIst150Mal150()
{
    TImageWindow Steuerelement;
    QCOMPARE(Steuerelement.size(), QSize(150, 150));
    QVERIFY(!Steuerelement.Stretch());
    QVERIFY(!Steuerelement.Center());
    QVERIFY(!Steuerelement.Transparent());
    QVERIFY(!Steuerelement.Round());
}

void TestImageWindow::bildWirdAlsVierundzwanzigBitGehalten()
{
    TImageWindow Steuerelement;
    QImage Vorlage(250, 250, QImage::Format_ARGB32);
    Vorlage.fill(QColor(10, 20, 30));
    Steuerelement.SetPicture(Vorlage);
    QCOMPARE(Steuerelement.Picture().format(), QImage::Format_RGB888);
    QCOMPARE(Steuerelement.Picture().pixelColor(100, 100), QColor(10, 20, 30));
}

void TestImageWindow::zeilenlaengeFolgtDerAusrichtung()
{
    TImageWindow Steuerelement;
    Steuerelement.SetPicture(Einfarbig(250, 250, Qt::white));
    // 250 * 3 = 750 bytes, padded to a multiple of four.
    QCOMPARE(Steuerelement.Picture().bytesPerLine(), 752);
}

void TestImageWindow::zielrechteck_data()
{
    QTest::addColumn<bool>("stretch");
    QTest::addColumn<bool>("center");
    QTest::addColumn<QSize>("bild");
    QTest::addColumn<QRect>("ziel");
    QTest::newRow("gestreckt") << true << false << QSize(100, 100) << QRect(0, 0, 250, 250);
    QTest::newRow("gestreckt schlaegt zentriert")
        << true << true << QSize(100, 100) << QRect(0, 0, 250, 250);
    QTest::newRow("oben links") << false << false << QSize(100, 100) << QRect(0, 0, 100, 100);
    QTest::newRow("zentriert") << false << true << QSize(100, 100) << QRect(75, 75, 100, 100);
    QTest::newRow("zentriert ungerade")
        << false << true << QSize(101, 51) << QRect(74, 99, 101, 51);
    QTest::newRow("zentriert groesser")
        << false << true << QSize(301, 300) << QRect(-25, -25, 301, 300);
}

void TestImageWindow::zielrechteck()
{
    QFETCH(bool, stretch);
    QFETCH(bool, center);
    QFETCH(QSize, bild);
    QFETCH(QRect, ziel);
    TImageWindow Steuerelement;
    Steuerelement.resize(250, 250);
    Steuerelement.SetPicture(Einfarbig(bild.width(), bild.height(), Qt::blue));
    Steuerelement.SetStretch(stretch);
    Steuerelement.SetCenter(center);
    QCOMPARE(Steuerelement.DestRect(), ziel);
}

void TestImageWindow::rundeMaskeLaesstEckenFrei_data()
{
    QTest::addColumn<QPoint>("punkt");
    QTest::addColumn<bool>("innen");
    QTest::newRow("Mitte") << QPoint(125, 125) << true;
    QTest::newRow("oben links") << QPoint(0, 0) << false;
    QTest::newRow("oben rechts") << QPoint(249, 0) << false;
    QTest::newRow("unten links") << QPoint(0, 249) << false;
    QTest::newRow("unten rechts") << QPoint(249, 249) << false;
    QTest::newRow("Diagonale aussen") << QPoint(30, 30) << false;
    QTest::newRow("Diagonale innen") << QPoint(45, 45) << true;
    QTest::newRow("oberer Rand Mitte") << QPoint(125, 3) << true;
    QTest::newRow("linker Rand Mitte") << QPoint(3, 125) << true;
}

void TestImageWindow::rundeMaskeLaesstEckenFrei()
{
    QFETCH(QPoint, punkt);
    QFETCH(bool, innen);
    TImageWindow Scheibe;
    Scheibe.resize(250, 250);
    Scheibe.SetStretch(true);
    Scheibe.SetRound(true);
    QCOMPARE(Scheibe.mask().contains(punkt), innen);
}

void TestImageWindow::maskeFolgtDerGroesse()
{
    TImageWindow Scheibe;
    Scheibe.resize(250, 250);
    Scheibe.SetRound(true);
    Scheibe.show();
    Scheibe.resize(250, 125);
    const QRegion Maske = Scheibe.mask();
    QVERIFY(!Maske.contains(QPoint(125, 130))); // inside the old circle, below the control
    QVERIFY(Maske.contains(QPoint(10, 62)));    // outside the old circle
    QVERIFY(!Maske.contains(QPoint(10, 20)));   // inside the rectangle, outside the ellipse
    QVERIFY(Maske.contains(QPoint(125, 62)));
}

void TestImageWindow::ohneRoundKeineMaske()
{
    TImageWindow Scheibe;
    Scheibe.resize(250, 250);
    QVERIFY(Scheibe.mask().isEmpty());
    Scheibe.SetRound(true);
    QVERIFY(!Scheibe.mask().isEmpty());
    Scheibe.SetRound(false);
    QVERIFY(Scheibe.mask().isEmpty());
}

void TestImageWindow::roundAufGleichenWertBleibtRund()
{
    TImageWindow Scheibe;
    Scheibe.resize(250, 250);
    Scheibe.SetRound(true);
    Scheibe.SetRound(true);
    QVERIFY(Scheibe.Round());
    QVERIFY(!Scheibe.mask().contains(QPoint(0, 0)));
    QVERIFY(Scheibe.mask().contains(QPoint(125, 125)));
}

void TestImageWindow::ohneBildTrotzdemRund()
{
    TBuehne Buehne;
    Buehne.Scheibe->SetRound(true);
    QVERIFY(Buehne.Scheibe->Picture().isNull());
    QVERIFY(!Buehne.Scheibe->mask().contains(QPoint(0, 0)));
    QCOMPARE(Buehne.FarbeBei(26, 26), QColor(Qt::red));
}

void TestImageWindow::rundeScheibeZeigtDenHintergrundInDenEcken()
{
    TBuehne Buehne;
    Buehne.Scheibe->SetPicture(Einfarbig(100, 100, Qt::green));
    Buehne.Scheibe->SetStretch(true);
    Buehne.Scheibe->SetRound(true);
    const QImage Aufnahme = Buehne.Eltern.grab().toImage();
    QCOMPARE(Aufnahme.pixelColor(26, 26), QColor(Qt::red));
    QCOMPARE(Aufnahme.pixelColor(273, 273), QColor(Qt::red));
    QCOMPARE(Aufnahme.pixelColor(150, 150), QColor(Qt::green));
    QCOMPARE(Aufnahme.pixelColor(150, 27), QColor(Qt::green));
}

void TestImageWindow::geaendertesBildWirdNeuGezeichnet()
{
    TBuehne Buehne;
    Buehne.Scheibe->SetStretch(true);
    Buehne.Scheibe->SetRound(true);
    Buehne.Scheibe->SetPicture(Einfarbig(250, 250, Qt::green));
    QCOMPARE(Buehne.FarbeBei(150, 150), QColor(Qt::green));

    // A frame written straight into the picture, as the disc animation does.
    QImage& Bild = Buehne.Scheibe->PictureBearbeiten();
    for (int Y = 0; Y < Bild.height(); ++Y) {
        uchar* Zeile = Bild.scanLine(Y);
        for (int X = 0; X < Bild.width(); ++X) {
            Zeile[3 * X] = 0;
            Zeile[3 * X + 1] = 0;
            Zeile[3 * X + 2] = 255;
        }
    }
    Buehne.Scheibe->PictureChanged();
    QCOMPARE(Buehne.FarbeBei(150, 150), QColor(Qt::blue));
    QCOMPARE(Buehne.FarbeBei(26, 26), QColor(Qt::red));
}

void TestImageWindow::bildOhneStretchLiegtObenLinks()
{
    TBuehne Buehne;
    Buehne.Scheibe->SetPicture(Einfarbig(100, 100, Qt::green));
    // The control itself has no background of its own beyond the picture.
    QCOMPARE(Buehne.FarbeBei(25 + 50, 25 + 50), QColor(Qt::green));
    QCOMPARE(Buehne.FarbeBei(25 + 150, 25 + 150), QColor(Qt::red));
    Buehne.Scheibe->SetCenter(true);
    QCOMPARE(Buehne.FarbeBei(25 + 50, 25 + 50), QColor(Qt::red));
    QCOMPARE(Buehne.FarbeBei(25 + 80, 25 + 80), QColor(Qt::green));
}

void TestImageWindow::transparentLaesstDieFarbeUntenLinksDurch()
{
    TBuehne Buehne;
    QImage Bild = Einfarbig(250, 250, Qt::white);
    {
        QPainter Maler(&Bild);
        Maler.fillRect(100, 100, 50, 50, Qt::blue);
    }
    Buehne.Scheibe->SetPicture(Bild);
    Buehne.Scheibe->SetStretch(true);
    QCOMPARE(Buehne.FarbeBei(25 + 10, 25 + 10), QColor(Qt::white));

    Buehne.Scheibe->SetTransparent(true);
    QCOMPARE(Buehne.FarbeBei(25 + 10, 25 + 10), QColor(Qt::red));
    QCOMPARE(Buehne.FarbeBei(25 + 120, 25 + 120), QColor(Qt::blue));
}

void TestImageWindow::autoSizeUebernimmtDieBildgroesse()
{
    TImageWindow Steuerelement;
    Steuerelement.move(52, 74);
    Steuerelement.SetAutoSize(true);
    Steuerelement.SetPicture(Einfarbig(120, 80, Qt::white));
    QCOMPARE(Steuerelement.geometry(), QRect(52, 74, 120, 80));
}

void TestImageWindow::feinbildNurAufDemDichtenBildschirm_data()
{
    QTest::addColumn<int>("bildschirm"); // where the picture is set, and seen but for "zurueck"
    QTest::addColumn<QString>("weg");
    QTest::addColumn<QList<QColor>>("farben"); // left and right of the centre
    const QColor Gruen(Qt::green), Blau(Qt::blue), Gelb(Qt::yellow), Rot(Qt::red);
    QTest::newRow("einfach") << 0 << "Bild" << QList{Gruen, Gruen};
    QTest::newRow("einfach Rahmen") << 0 << "Rahmen" << QList{Gruen, Gruen};
    QTest::newRow("zurueck vom dichten") << 1 << "zurueck" << QList{Gruen, Gruen};
    QTest::newRow("dicht") << 1 << "Bild" << QList{Blau, Gelb};
    QTest::newRow("dicht Rahmen") << 1 << "Rahmen" << QList{Blau, Gelb};
    QTest::newRow("dicht noch einmal gesetzt") << 1 << "noch einmal" << QList{Blau, Gelb};
    QTest::newRow("dicht im Platz geaendert") << 1 << "im Platz" << QList{Rot, Rot};
}

// The picture is green, its variant of twice the density blue on the left and yellow on the
// right; the corners show the red parent, whichever is drawn.
void TestImageWindow::feinbildNurAufDemDichtenBildschirm()
{
    QFETCH(int, bildschirm);
    QFETCH(QString, weg);
    QFETCH(QList<QColor>, farben);
    TBuehne Buehne;
    Buehne.Eltern.show();
    Buehne.Eltern.windowHandle()->setScreen(QGuiApplication::screens().at(bildschirm));
    Buehne.Scheibe->SetStretch(true);
    Buehne.Scheibe->SetRound(true);
    const QImage Gruen = Einfarbig(250, 250, Qt::green);
    QImage Fein = Einfarbig(500, 500, Qt::blue);
    QPainter(&Fein).fillRect(250, 0, 250, 500, Qt::yellow);
    Fein.setDevicePixelRatio(2);
    Buehne.Scheibe->SetPicture(weg == "Rahmen" ? Einfarbig(250, 250, Qt::white) : Gruen, Fein);
    if (weg == "Rahmen")
        Buehne.Scheibe->ZeichneDarueber(Gruen, Fein);
    if (weg == "noch einmal")
        Buehne.Scheibe->SetPicture(Buehne.Scheibe->Picture());
    if (weg == "im Platz")
        Buehne.Scheibe->PictureBearbeiten().fill(Qt::red);
    Buehne.Scheibe->PictureChanged();
    if (weg == "zurueck")
        Buehne.Eltern.windowHandle()->setScreen(QGuiApplication::primaryScreen());
    // Read in the screen's own pixels.
    const QImage Aufnahme = Buehne.Eltern.grab().toImage();
    const int D = int(Aufnahme.devicePixelRatio());
    QCOMPARE(Aufnahme.pixelColor(D * (25 + 100), D * (25 + 125)), farben[0]);
    QCOMPARE(Aufnahme.pixelColor(D * (25 + 150), D * (25 + 125)), farben[1]);
    QCOMPARE(Aufnahme.pixelColor(D * 26, D * 26), QColor(Qt::red));
}

VORLIX_TEST_MAIN(TestImageWindow)
#include "tst_imagewindow.moc"
