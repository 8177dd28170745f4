// The rotation of the discs and the screw: the fast rotation gives the very bytes of the plain
// loop, and a few pixels worked out by hand from the mapping rule.
#include "discs/Rotation.h"
#include "tests/testmain.h"

#include <QtTest>
#include <random>
#include <vector>

namespace {

// A picture of random bytes, with rows padded or not.
struct TBild
{
    TBild(int Breite, int Hoehe, int Polster)
        : Abstand(3 * Breite + Polster),
          Daten(size_t(Abstand) * Hoehe), Zeilen{Daten.data(), Breite, Hoehe, Abstand}
    {}
    qsizetype Abstand;
    std::vector<uchar> Daten;
    TBildzeilen Zeilen;

    void Fuelle(unsigned Saat)
    {
        std::mt19937 Erzeuger(Saat);
        for (uchar& Byte : Daten)
            Byte = uchar(Erzeuger());
    }
    // The three bytes of a pixel as one number.
    int Pixel(int x, int y) const
    {
        const uchar* P = Zeilen.Zeile(y) + 3 * x;
        return P[0] << 16 | P[1] << 8 | P[2];
    }
};

QList<double> Ruhewinkel()
{
    QList<double> Winkel;
    for (int w = 0; w <= 1260; w += 45)
        Winkel << w;
    return Winkel;
}

// Angles at which a pixel of a disc of 250 maps onto a tie of the rounding, x.5 exactly: fusing
// the multiply and the add there moves it by one unit in the last place and so onto the other
// neighbour. Two each for the column and the row and for either product kept unrounded.
QList<double> Rundungskanten()
{
    return {107.04719144505374, 114.57038017730764, -187.86283701499949, 99.313209910113343,
            109.12505304850426, 102.47082824526282, 64.510719189469057,  76.520200080838507};
}

QList<double> Zufallswinkel()
{
    std::mt19937 Erzeuger(8);
    std::uniform_real_distribution<double> Verteilung(-720.0, 1440.0);
    QList<double> Winkel;
    for (int i = 0; i < 40; ++i)
        Winkel << Verteilung(Erzeuger);
    return Winkel;
}

} // namespace

class TestRotation : public QObject
{
    Q_OBJECT

private slots:
    void schnelleDrehungGleichtDerEinfachenByteFuerByte_data();
    void schnelleDrehungGleichtDerEinfachenByteFuerByte();
    void pixelFolgenDerAbbildungsregel_data();
    void pixelFolgenDerAbbildungsregel();
    void spiegelnKehrtDieZeilenUm();
};

void TestRotation::schnelleDrehungGleichtDerEinfachenByteFuerByte_data()
{
    QTest::addColumn<int>("breite");
    QTest::addColumn<int>("hoehe");
    QTest::addColumn<int>("polster");
    QTest::addColumn<QList<double>>("winkel");
    // 250 and 30 pad their rows to 4 bytes as the pictures of the program do; 252 and 332 are
    // left discs stretched with the window, one without padding, and an odd size.
    const QList<std::tuple<const char*, int, int, int>> Groessen = {
        {"Scheibe 250", 250, 250, 2},
        {"Schraube 30", 30, 30, 2},
        {"links 252 ohne Polster", 252, 252, 0},
        {"links 332", 332, 332, 4},
        {"links 187 x 190", 187, 190, 3},
        {"klein 9", 9, 9, 1}};
    for (const auto& [Name, Breite, Hoehe, Polster] : Groessen) {
        QTest::addRow("%s Ruhewinkel", Name) << Breite << Hoehe << Polster << Ruhewinkel();
        QTest::addRow("%s zufaellig", Name) << Breite << Hoehe << Polster << Zufallswinkel();
    }
    QTest::newRow("Scheibe 250 Rundungskanten") << 250 << 250 << 2 << Rundungskanten();
}

void TestRotation::schnelleDrehungGleichtDerEinfachenByteFuerByte()
{
    QFETCH(int, breite);
    QFETCH(int, hoehe);
    QFETCH(int, polster);
    QFETCH(QList<double>, winkel);
    TBild Quelle(breite, hoehe, polster), Schnell(breite, hoehe, polster),
        Einfach(breite, hoehe, polster);
    Quelle.Fuelle(unsigned(breite));
    const int Mx = Rotation::Mitte(breite), My = Rotation::Mitte(hoehe);
    for (double Winkel : winkel) {
        Schnell.Fuelle(1);
        Einfach.Fuelle(2);
        Rotation::Drehe(Quelle.Zeilen, Schnell.Zeilen, Mx, My, Winkel);
        Rotation::DreheEinfach(Quelle.Zeilen, Einfach.Zeilen, Mx, My, Winkel);
        for (int y = 0; y < hoehe; ++y)
            QVERIFY2(std::memcmp(Schnell.Zeilen.Zeile(y), Einfach.Zeilen.Zeile(y), 3 * breite) == 0,
                     qPrintable(QStringLiteral("Winkel %1, Zeile %2").arg(Winkel).arg(y)));
    }
}

void TestRotation::pixelFolgenDerAbbildungsregel_data()
{
    QTest::addColumn<double>("winkel");
    QTest::addColumn<QPoint>("ziel");
    QTest::addColumn<QPoint>("quelle"); // (-1, -1): black
    // 250 x 250 about (125, 125); at 90 degrees u = yy and v = -xx.
    // At 0 degrees the right and lower halves stay; in the left and upper halves the halving of
    // the negative odd xx, yy toward zero takes the pixel one further in.
    QTest::newRow("0 rechte untere Haelfte bleibt") << 0.0 << QPoint(203, 131) << QPoint(203, 131);
    QTest::newRow("0 linke Haelfte ruckt nach innen") << 0.0 << QPoint(17, 203) << QPoint(18, 203);
    QTest::newRow("0 Ecke oben links") << 0.0 << QPoint(0, 0) << QPoint(1, 1);
    QTest::newRow("90 oben links kommt von unten links") << 90.0 << QPoint(0, 0) << QPoint(1, 249);
    QTest::newRow("90 oben rechts kommt von oben links") << 90.0 << QPoint(249, 0) << QPoint(1, 1);
    // yy = -1 and yy = 1 both halve to 0: truncated toward zero, not floored.
    QTest::newRow("90 Halbierung zur Null, Zeile 124")
        << 90.0 << QPoint(0, 124) << QPoint(125, 249);
    QTest::newRow("90 Halbierung zur Null, Zeile 125")
        << 90.0 << QPoint(0, 125) << QPoint(125, 249);
    QTest::newRow("180 Ecke") << 180.0 << QPoint(0, 0) << QPoint(249, 249);
    QTest::newRow("450 wie 90") << 450.0 << QPoint(0, 0) << QPoint(1, 249);
    QTest::newRow("45 Ecke schwarz") << 45.0 << QPoint(0, 0) << QPoint(-1, -1);
    QTest::newRow("45 Mitte bleibt") << 45.0 << QPoint(125, 125) << QPoint(125, 125);
}

void TestRotation::pixelFolgenDerAbbildungsregel()
{
    QFETCH(double, winkel);
    QFETCH(QPoint, ziel);
    QFETCH(QPoint, quelle);
    TBild Quellbild(250, 250, 2), Zielbild(250, 250, 2);
    Quellbild.Fuelle(3);
    Zielbild.Fuelle(4);
    Rotation::Drehe(Quellbild.Zeilen, Zielbild.Zeilen, 125, 125, winkel);
    const int Erwartet = quelle.x() < 0 ? 0 : Quellbild.Pixel(quelle.x(), quelle.y());
    QCOMPARE(Zielbild.Pixel(ziel.x(), ziel.y()), Erwartet);
}

void TestRotation::spiegelnKehrtDieZeilenUm()
{
    TBild Quelle(30, 7, 2), Gespiegelt(30, 7, 2), Zurueck(30, 7, 2);
    Quelle.Fuelle(5);
    Rotation::SpiegleVertikal(Quelle.Zeilen, Gespiegelt.Zeilen);
    Rotation::SpiegleVertikal(Gespiegelt.Zeilen, Zurueck.Zeilen);
    for (int y = 0; y < 7; ++y) {
        QCOMPARE(std::memcmp(Gespiegelt.Zeilen.Zeile(y), Quelle.Zeilen.Zeile(6 - y), 90), 0);
        QCOMPARE(std::memcmp(Zurueck.Zeilen.Zeile(y), Quelle.Zeilen.Zeile(y), 90), 0);
    }
}

VORLIX_TEST_GUILESS_MAIN(TestRotation)
#include "tst_rotation.moc"
